#pragma once
// The UI services on Qt: message boxes, file and printer dialogs, the printer of this run,
// help pages, the busy cursor and the exception display.
#include <QPrinter>
#include <memory>
#include <string>

#include "platform/pdf_file_series.h"
#include "platform/ui_services.h"

class QtUiServices : public UiServices {
public:
    // The application title is the caption of the exception display.
    explicit QtUiServices(std::string application_title);
    ~QtUiServices() override;

    Answer message(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) override;
    std::optional<std::string> open_file(const FileDialogRequest& request) override;
    std::optional<std::string> save_file(const FileDialogRequest& request) override;
    bool choose_printer() override;
    std::unique_ptr<Canvas> current_printer(const std::string& report_name,
                                            const std::string& part_name = std::string()) override;
    void show_help(int context) override;
    void show_help_topic(const std::string& help_file, const std::string& topic) override;
    void set_busy(bool busy) override;
    void show_exception(const std::string& text) override;

    // The printer a printer dialog sets up; take_printer_choice() makes its settings the
    // current printer of the run, as accepting the dialog does. It holds the settings
    // only: each job prints on a printer of its own set up like it.
    QPrinter& printer() { return chosen_printer_; }
    void take_printer_choice();

private:
    std::optional<std::string> run_file_dialog(const FileDialogRequest& request, bool save);
    void show_help_page(const QString& page);

    std::string application_title_;
    QPrinter chosen_printer_{QPrinter::HighResolution};
    bool printer_chosen_ = false;
    PdfFileSeries pdf_files_;  // "Print to File (PDF)": the files of its jobs
    std::string proposed_pdf_path_;  // while the printer dialog is open
};

// The file of a report printed before any printer was chosen (numbered after it when it
// exists: see next_free_path).
std::string report_pdf_path(const std::string& report_name);
