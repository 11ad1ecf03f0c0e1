#pragma once
// A window that a command opens in place of the window it came from: the opener hides
// while it shows, and closing it with its title-bar button shows the opener again
// (nothing is stored or written then).
#include <QPointer>
#include <QWidget>

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
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QWidget> opener_;
};
