#pragma once
// What the program asks of the desktop: message boxes, file and printer dialogs, help,
// the busy cursor and the exception display. The program installs the Qt implementation
// at start; tests install a scripted one that records every message and answers from a queue.
#include <functional>
#include <memory>
#include <optional>
#include <string>

class Canvas;

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Warning, Error, Question };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    std::string title;              // "Open" or "Save As" unless a command names its own
    std::string start_folder;       // may be "F" or empty: the dialog then opens where it likes
    std::string file_name;          // preset name (after the last separator)
    std::string filter;             // "Description (*.ext)|*.ext|..." as the program writes it
    std::string default_extension;  // ".INI", ".txt" ...; empty for none
    bool must_exist = true;         // open dialogs: only existing files
};

class UiServices {
public:
    virtual ~UiServices() = default;

    // A message box with the caption, buttons and icon given; answers the button pressed
    // (Ok for a plain message; closing a question box answers Cancel, or No without Cancel).
    virtual Answer message(const std::string& text, const std::string& caption,
                           Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
    // File dialogs; nothing when cancelled.
    virtual std::optional<std::string> open_file(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> save_file(const FileDialogRequest& request) = 0;
    // The printer dialog: choose a printer or "Print to File (PDF)"; false when cancelled.
    // The choice becomes the current printer of this run.
    virtual bool choose_printer() = 0;
    // A canvas on the current printer for one print job named after the report. Before any
    // choice in this run it prints to a PDF file in the temp folder. A job that is one part
    // of a printout in several files (one sample of a run) names its part, and a PDF
    // file chosen in the dialog then gives each part a file named after it. Every job
    // tells the analyst where it went or why it failed (print_notices.h). Nothing when no
    // canvas can be had.
    virtual std::unique_ptr<Canvas> current_printer(const std::string& report_name,
                                                    const std::string& part_name = std::string()) = 0;
    // Help by context number of the program's help, or one named topic of a help file.
    virtual void show_help(int context) = 0;
    virtual void show_help_topic(const std::string& help_file, const std::string& topic) = 0;
    virtual void set_busy(bool busy) = 0;
    // The application's exception display (a conversion message, an unexpected error).
    virtual void show_exception(const std::string& text) = 0;
};

// The services in use; the program and each test install theirs.
UiServices& ui();
void set_ui(UiServices* services);

// The hourglass for the length of a scope.
class BusyCursor {
public:
    BusyCursor() { ui().set_busy(true); }
    ~BusyCursor() { ui().set_busy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The save dialog, shown again for as long as the analyst answers No to overwriting a file
// that exists. `save_name` turns the name chosen into the one saved under (the extension
// added where it lacks). Nothing when the analyst cancels the dialog or the question.
std::optional<std::string> choose_save_path(
    const FileDialogRequest& request,
    const std::function<std::string(const std::string&)>& save_name);

// Shorthand for a plain message box with one OK button.
inline void show_message(const std::string& text, const std::string& caption) {
    ui().message(text, caption, Buttons::Ok, Icon::None);
}
