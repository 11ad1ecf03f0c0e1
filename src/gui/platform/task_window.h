#pragma once
// A window that a command opens in place of the window it came from: the opener hides
// while it shows and is shown again, where it was, when the window is left.
//
// The title-bar close button is the window's Exit: every task window names its Exit
// control once, and the close button runs it as a click on it would, questions and all,
// so the two can never leave the window differently. A window left only through its own
// command asks the window manager for no close button instead.
#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QAction;

class TaskWindow : public QWidget {
public:
    explicit TaskWindow(const QString& caption, QWidget* parent = nullptr);
    // Hides the opener and shows this window.
    void show_from(QWidget* opener);
    // Hides this window and shows the opener again.
    void return_to_opener();
    QWidget* opener() const { return opener_; }
    // Places the window in the middle of its screen.
    void centre_on_screen();

protected:
    // The close button clicks this Exit button, or triggers this Exit item.
    void close_box_runs(QAbstractButton* exit);
    void close_box_runs(QAction* exit);
    // No close button for a window left only through one command of its own (Enter, say).
    // Some window managers draw one all the same: it then clicks that command, with its
    // checks, and never does nothing.
    void without_close_box(QAbstractButton* only_way_out);

    void closeEvent(QCloseEvent* event) final;

private:
    QPointer<QWidget> opener_;
    QPointer<QAbstractButton> exit_button_;
    QPointer<QAction> exit_action_;
};

// A window hidden and shown again appears where it was: window managers otherwise place a
// window anew each time it is shown. Set once on each of the program's windows.
void keep_place_when_shown_again(QWidget* window);
