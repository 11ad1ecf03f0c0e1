#include "platform/help_viewer.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

class HelpWindow : public QDialog {
public:
    HelpWindow() {
        setWindowTitle("Quantilyzer Help");
        setObjectName("HelpWindow");
        resize(640, 480);
        browser_ = new QTextBrowser(this);
        browser_->setObjectName("HelpBrowser");
        browser_->setSearchPaths({":/help"});
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(browser_);
    }
    void show_page(const QString& url) {
        browser_->setSource(QUrl(url));
        keep_above(QApplication::activeWindow());
        show();
        raise();
        activateWindow();
    }

private:
    // The help belongs to the window it was asked from, so the desktop keeps it above that
    // window: several task windows stay on top of others and would cover a free help window.
    void keep_above(QWidget* owner) {
        if (owner == this || owner == parentWidget()) return;
        setParent(owner, windowFlags());
    }

    QTextBrowser* browser_;
};

}  // namespace

QString help_page_url(const QString& page) {
    QString path = ":/help/" + page;
    return QFile::exists(path) ? "qrc" + path : QString();
}

bool show_help_viewer(const QString& page) {
    QString url = help_page_url(page);
    if (url.isEmpty()) return false;
    // One window for the run; it goes with the window it belongs to when that is destroyed.
    static QPointer<HelpWindow> window;
    if (!window) window = new HelpWindow;
    window->show_page(url);
    return true;
}
