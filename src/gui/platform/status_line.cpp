#include "platform/status_line.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "platform/ui_services.h"

namespace {

const char* const kStatusLineName = "StatusLine";
const char* const kShownOrder = "shown_order";

// Empties the line when its window is hidden by the program (not when minimised), and
// keeps the order in which the windows were shown: the one shown last is the one the
// analyst is in.
class StatusLineWatch : public QObject {
public:
    explicit StatusLineWatch(QLabel* line) : QObject(line), line_(line) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->spontaneous()) return false;
        if (event->type() == QEvent::Hide) line_->clear();
        if (event->type() == QEvent::Show) line_->setProperty(kShownOrder, ++windows_shown);
        return false;
    }

private:
    static inline qulonglong windows_shown = 0;
    QLabel* line_;
};

QLabel* status_line_of(QWidget* window) {
    return window ? window->findChild<QLabel*>(kStatusLineName, Qt::FindDirectChildrenOnly) : nullptr;
}

// Main windows keep the line in their status bar.
QLabel* status_line_in(QWidget* window) {
    if (auto* main = qobject_cast<QMainWindow*>(window))
        return main->statusBar()->findChild<QLabel*>(kStatusLineName);
    return status_line_of(window);
}

}  // namespace

QLabel* add_status_line(QWidget* window) {
    auto* line = new QLabel(window);
    line->setObjectName(kStatusLineName);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);  // a path can be copied
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        main->statusBar()->addWidget(line, 1);  // menu hints cover it while they show
    } else if (auto* grid = qobject_cast<QGridLayout*>(window->layout())) {
        grid->addWidget(line, grid->rowCount(), 0, 1, grid->columnCount());
    } else if (auto* box = qobject_cast<QBoxLayout*>(window->layout())) {
        box->addWidget(line);
    } else {
        const int height = line->sizeHint().height() + 4;
        const bool fixed = window->minimumSize() == window->maximumSize();
        line->setGeometry(8, window->height(), window->width() - 16, height);
        if (fixed) window->setFixedSize(window->width(), window->height() + height);
        else window->resize(window->width(), window->height() + height);
    }
    window->installEventFilter(new StatusLineWatch(line));
    return line;
}

void show_in_status_line(const std::string& text) {
    QLabel* line = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QLabel* candidate = w->isVisible() ? status_line_in(w) : nullptr;
        if (candidate && (!line || candidate->property(kShownOrder).toULongLong() >
                                       line->property(kShownOrder).toULongLong()))
            line = candidate;
    }
    if (line)
        line->setText(QString::fromStdString(text));
    else
        show_message(text, "Files");
}
