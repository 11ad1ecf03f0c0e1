#include "platform/ui_services.h"

#include <cstdio>
#include <stdexcept>

#include "platform/canvas.h"
#include "platform/paths.h"

namespace {

// Until a program or test installs its services, every call fails loudly: a message
// shown to nobody would be a silent failure.
class NoUiServices : public UiServices {
    [[noreturn]] static void missing(const std::string& what) {
        throw std::logic_error("no UI services installed (" + what + ")");
    }

public:
    Answer message(const std::string& text, const std::string&, Buttons, Icon) override { missing(text); }
    std::optional<std::string> open_file(const FileDialogRequest&) override { missing("open dialog"); }
    std::optional<std::string> save_file(const FileDialogRequest&) override { missing("save dialog"); }
    bool choose_printer() override { missing("printer dialog"); }
    std::unique_ptr<Canvas> current_printer(const std::string&, const std::string&) override { missing("printer"); }
    void show_help(int) override {}
    void show_help_topic(const std::string&, const std::string&) override {}
    void set_busy(bool) override {}
    void show_exception(const std::string& text) override { missing(text); }
};

NoUiServices no_services;
UiServices* installed = &no_services;

}  // namespace

UiServices& ui() { return *installed; }

void set_ui(UiServices* services) { installed = services ? services : &no_services; }

std::optional<std::string> choose_save_path(
    const FileDialogRequest& request,
    const std::function<std::string(const std::string&)>& save_name) {
    for (;;) {
        const std::optional<std::string> chosen = ui().save_file(request);
        if (!chosen) return std::nullopt;
        std::string path = save_name(*chosen);
        if (!file_exists(path)) return path;
        const Answer a = ui().message("Overwrite file: " + path + "?", "Warning",
                                      Buttons::YesNoCancel, Icon::Warning);
        if (a == Answer::Yes) return path;
        if (a != Answer::No) return std::nullopt;  // Cancel, or the box closed
    }
}
