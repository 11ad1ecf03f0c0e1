#include "platform/task_window.h"

#include <QCloseEvent>
#include <QScreen>

TaskWindow::TaskWindow(const QString& caption, QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(caption);
}

void TaskWindow::show_from(QWidget* opener) {
    opener_ = opener;
    if (opener) opener->hide();
    show();
    raise();
    activateWindow();
}

void TaskWindow::return_to_opener() {
    hide();
    if (opener_) opener_->show();
}

void TaskWindow::closeEvent(QCloseEvent* event) {
    if (opener_) opener_->show();
    event->accept();
}

void TaskWindow::centre_on_screen() {
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
