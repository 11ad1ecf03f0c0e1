#include "platform/task_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QScreen>
#include <QWindow>

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

void TaskWindow::close_box_runs(QAbstractButton* exit) { exit_button_ = exit; }
void TaskWindow::close_box_runs(QAction* exit) { exit_action_ = exit; }

void TaskWindow::without_close_box(QAbstractButton* only_way_out) {
    exit_button_ = only_way_out;
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowMinMaxButtonsHint);
}

// The window is never closed here: its Exit hides it when it leaves, and stays when a
// question or a refusal keeps it open.
void TaskWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!isVisible()) return;
    if (exit_button_) {
        // As a click would, the click first takes the focus from the control being typed
        // in, so what it holds is left (and stored or asked about) before Exit runs.
        exit_button_->setFocus(Qt::MouseFocusReason);
        exit_button_->click();
    } else if (exit_action_) {
        exit_action_->trigger();
    }
}

void TaskWindow::centre_on_screen() {
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

namespace {

// Remembers where the window was when it was hidden and asks for that place when it is
// shown again. The place is the window's own top-left corner, not its frame's: a hidden
// window's frame is not known, and a frame position would shift it by the title bar.
class PlaceKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Hide && !event->spontaneous() && window->windowHandle()) {
            place_ = window->geometry().topLeft();
            kept_ = true;
        } else if (event->type() == QEvent::Show && !event->spontaneous() && kept_ && window->windowHandle()) {
            window->windowHandle()->setPosition(place_);
        }
        return false;
    }

private:
    QPoint place_;
    bool kept_ = false;
};

}  // namespace

void keep_place_when_shown_again(QWidget* window) { window->installEventFilter(new PlaceKeeper(window)); }
