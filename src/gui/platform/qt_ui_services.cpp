#include "platform/qt_ui_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <cctype>

#include "platform/file_filter.h"
#include "platform/help_viewer.h"
#include "platform/job_printer.h"
#include "platform/paths.h"
#include "platform/print_notices.h"
#include "platform/printer_canvas.h"

namespace {

QMessageBox::StandardButtons qt_buttons(Buttons b) {
    switch (b) {
        case Buttons::Ok: return QMessageBox::Ok;
        case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon qt_icon(Icon i) {
    switch (i) {
        case Icon::None: return QMessageBox::NoIcon;
        case Icon::Information: return QMessageBox::Information;
        case Icon::Warning: return QMessageBox::Warning;
        case Icon::Error: return QMessageBox::Critical;
        case Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

Answer answer_of(int button, Buttons buttons) {
    switch (button) {
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QString qt_text(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string std_text(const QString& s) { return s.toUtf8().toStdString(); }

// "F" (not configured) and empty folders leave the dialog where Qt puts it.
QString start_directory(const std::string& folder) {
    if (folder.empty() || folder == "F") return {};
    std::string resolved = resolve_path(folder);
    return folder_exists(resolved) ? qt_text(resolved) : QString();
}

// A report name as a file name: no separators or characters that shells trip over.
std::string file_safe(const std::string& name) {
    std::string out;
    for (char c : name) out += (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') ? c : '_';
    return out.empty() ? std::string("report") : out;
}

}  // namespace

std::string report_pdf_path(const std::string& report_name) {
    return join_path(temp_folder(), file_safe(report_name) + ".pdf");
}

QtUiServices::QtUiServices(std::string application_title) : application_title_(std::move(application_title)) {}
QtUiServices::~QtUiServices() = default;

Answer QtUiServices::message(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) {
    QMessageBox box(qt_icon(icon), qt_text(caption), qt_text(text), qt_buttons(buttons), QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    return answer_of(box.exec(), buttons);
}

std::optional<std::string> QtUiServices::run_file_dialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(QApplication::activeWindow(), qt_text(request.title.empty() ? (save ? "Save As" : "Open")
                                                                                  : request.title));
    // Qt's own dialog everywhere: the same behaviour on every desktop, and names match
    // without regard to case as the program's file names do.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFilter(QDir::AllEntries | QDir::AllDirs | QDir::NoDotAndDotDot);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the commands ask themselves
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.must_exist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    if (!request.filter.empty()) dialog.setNameFilters(qt_name_filters(request.filter).split(";;"));
    QString directory = start_directory(request.start_folder);
    if (!directory.isEmpty()) dialog.setDirectory(directory);
    std::string suffix = request.default_extension;
    if (!suffix.empty() && suffix.front() == '.') suffix.erase(0, 1);
    if (!suffix.empty() && suffix.find('*') == std::string::npos) dialog.setDefaultSuffix(qt_text(suffix));
    if (!request.file_name.empty()) dialog.selectFile(qt_text(request.file_name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std_text(dialog.selectedFiles().first());
}

std::optional<std::string> QtUiServices::open_file(const FileDialogRequest& request) {
    return run_file_dialog(request, false);
}

std::optional<std::string> QtUiServices::save_file(const FileDialogRequest& request) {
    return run_file_dialog(request, true);
}

bool QtUiServices::choose_printer() {
    // The dialog proposes the next free file of the series, which it need not ask about:
    // only a file the analyst names brings its question whether to overwrite it.
    proposed_pdf_path_ = pdf_files_.proposal();
    if (!proposed_pdf_path_.empty()) chosen_printer_.setOutputFileName(qt_text(proposed_pdf_path_));
    QPrintDialog dialog(&chosen_printer_, QApplication::activeWindow());
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (accepted) take_printer_choice();
    else if (!pdf_files_.empty()) chosen_printer_.setOutputFileName(qt_text(pdf_files_.chosen()));
    proposed_pdf_path_.clear();
    return accepted;
}

void QtUiServices::take_printer_choice() {
    printer_chosen_ = true;
    if (chosen_printer_.outputFormat() == QPrinter::PdfFormat)
        pdf_files_.choose(std_text(chosen_printer_.outputFileName()), proposed_pdf_path_);
    else
        pdf_files_.clear();
}

std::unique_ptr<Canvas> QtUiServices::current_printer(const std::string& report_name, const std::string& part_name) {
    if (printer_chosen_) {
        std::unique_ptr<QPrinter> job = job_printer(chosen_printer_);
        if (!pdf_files_.empty())
            job->setOutputFileName(qt_text(pdf_files_.next_job(part_name.empty() ? "" : file_safe(part_name))));
        return std::make_unique<PrinterCanvas>(std::move(job), announce_print);
    }
    auto job = std::make_unique<QPrinter>(QPrinter::HighResolution);
    job->setOutputFormat(QPrinter::PdfFormat);
    job->setOutputFileName(qt_text(next_free_path(report_pdf_path(report_name))));
    return std::make_unique<PrinterCanvas>(std::move(job), [](const PrintOutcome& outcome) {
        PrintOutcome o = outcome;
        o.before_choice = true;
        announce_print(o);
    });
}

void QtUiServices::show_help(int context) { show_help_page(QStringLiteral("context_%1.html").arg(context)); }

void QtUiServices::show_help_topic(const std::string&, const std::string& topic) {
    show_help_page(qt_text(topic) + ".html");
}

void QtUiServices::show_help_page(const QString& page) {
    if (!show_help_viewer(page))
        ui().message("There is no help page for this topic (" + std_text(page) + ").", "Help", Buttons::Ok,
                Icon::Information);
}

void QtUiServices::set_busy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtUiServices::show_exception(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, qt_text(application_title_), qt_text(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
