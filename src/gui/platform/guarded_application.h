#pragma once
// The application object: an exception that escapes a handler is shown with the
// exception display and the program goes on; none crosses the event loop.
#include <QApplication>

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
