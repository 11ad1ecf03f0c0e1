#include "platform/help_viewer.h"

#include <QDialog>
#include <QFile>
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
        show();
        raise();
        activateWindow();
    }

private:
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
    static HelpWindow* window = new HelpWindow;  // kept for the whole run
    window->show_page(url);
    return true;
}
