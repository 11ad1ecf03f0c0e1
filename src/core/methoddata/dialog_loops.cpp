#include "methoddata/dialog_loops.h"

#include "platform/paths.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

namespace {

constexpr size_t kShownNameLength = 64;

std::string with_default_extension(const std::string& name, const std::string& default_extension) {
    return strip_extensions(name) + default_extension;
}

}  // namespace

bool open_dialog_loop(const std::string& start_folder, std::string& chosen, const std::string& filter,
                      const std::string& default_extension, OpenRequest request_type) {
    FileDialogRequest request;
    request.title = "Open";
    request.start_folder = start_folder;
    request.filter = filter;
    request.default_extension = to_upper(default_extension);
    request.must_exist = request_type != OpenRequest::NewFile;
    for (;;) {
        auto name = ui().open_file(request);
        if (!name) return false;
        chosen = to_upper(*name);
        if (request_type != OpenRequest::NewFile) return true;
        chosen = with_default_extension(chosen, default_extension);
        if (!file_exists(chosen)) return true;
        ui().message(chosen + " already exists.\nPlease enter a new file name.", "Open");
    }
}

bool save_as_dialog_loop(const std::string& current_file, std::string& chosen, const std::string& filter,
                         const std::string& default_extension) {
    FileDialogRequest request;
    request.title = "Save As";
    request.start_folder = folder_of(current_file);
    request.file_name = left(file_name_of(current_file), kShownNameLength);
    request.filter = filter;
    request.default_extension = to_upper(default_extension);
    request.must_exist = false;
    for (;;) {
        auto name = ui().save_file(request);
        if (!name) return false;
        chosen = with_default_extension(to_upper(*name), default_extension);
        // The same file under another spelling of its path is the current file as well.
        if (chosen == to_upper(current_file) || same_file(chosen, current_file)) {
            ui().message("The current surrogate file cannot be overwritten.", "Warning");
            continue;
        }
        if (!file_exists(chosen)) return true;
        Answer a = ui().message(chosen + " already exists.\nDo you want to replace it?", "Save As",
                                Buttons::YesNoCancel, Icon::Warning);
        if (a == Answer::Yes) return true;
        if (a == Answer::Cancel) return false;
    }
}

bool confirm_copy(const std::string& file) {
    return ui().message("Copy " + left(file_name_of(file), kShownNameLength) + "?", "Confirm Copy",
                        Buttons::YesNo, Icon::Question) == Answer::Yes;
}
