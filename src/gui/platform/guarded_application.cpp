#include "platform/guarded_application.h"

#include "platform/command_guard.h"

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool result = false;
    run_command([&] { result = QApplication::notify(receiver, event); });
    return result;
}
