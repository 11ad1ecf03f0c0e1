#include "platform/command_guard.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/print_notices.h"
#include "platform/ui_services.h"

namespace {

std::function<void(const std::string&)> files_written_display;
int command_depth = 0;

// The outermost command names the files it wrote when it ends, however it ends: a file
// written before a failure is on disk all the same.
class CommandScope {
public:
    CommandScope() {
        if (command_depth++ == 0) take_files_written();  // none of an earlier command's
    }
    ~CommandScope() {
        if (--command_depth > 0) return;
        const std::vector<std::string> files = take_files_written();
        if (files.empty() || !files_written_display) return;
        try {
            files_written_display(files_written_text(files));
        } catch (...) {
            // the files are written; only their naming failed
        }
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;
};

}  // namespace

void set_files_written_display(std::function<void(const std::string& text)> display) {
    files_written_display = std::move(display);
}

bool run_command(const std::function<void()>& command) {
    CommandScope scope;
    FolderListingScope listings;  // each folder is read once per command
    try {
        command();
        return true;
    } catch (const CommandAborted&) {
        return false;
    } catch (const std::exception& e) {
        ui().show_exception(e.what());
        return false;
    } catch (...) {
        ui().show_exception("Unknown error");
        return false;
    }
}
