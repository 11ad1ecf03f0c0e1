#include "app/application.h"

#include <QApplication>
#include <QMainWindow>

int run_application(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("Method 5847 Correction");
    QMainWindow window;
    window.setWindowTitle("Quantilyzer");
    window.show();
    return app.exec();
}
