#include "platform/print_notices.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/paths.h"
#include "platform/ui_services.h"

namespace {

// What the analyst is yet to be told of the command running: one value, owned by this
// file's service (the announcements, PrintNoticeGroup and take_files_written are the only
// ones that reach it), because the jobs and files of one command are told together.
struct PendingNotices {
    int group_depth = 0;                     // PrintNoticeGroups open
    std::vector<PrintOutcome> held;          // jobs announced while a group is open
    std::vector<std::string> held_files;     // files announced while a group is open
    std::vector<std::string> files_to_name;  // files announced outside a group
};
PendingNotices pending;

std::string lines(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += "\n" + item;
    return text;
}

// One paragraph per kind of outcome: files asked for, files in the temp folder, jobs
// sent to a printer, failures.
std::string printed_to_files(const std::vector<std::string>& files, bool before_choice) {
    const std::string what = files.size() == 1 ? "report was printed to the file" : "reports were printed to the files";
    return (before_choice ? "No printer has been chosen yet, so the " : "The ") + what + lines(files);
}

std::string failed(const std::vector<PrintOutcome>& failures) {
    std::string text = failures.size() == 1 ? "The report could not be printed:" : "These reports could not be printed:";
    for (const PrintOutcome& o : failures)
        text += "\n" + (o.file.empty() ? "the printer " + o.printer : o.file) + "\n    " + o.failure;
    return text;
}

}  // namespace

std::string print_notice_text(const std::vector<PrintOutcome>& outcomes, const std::vector<std::string>& files_written) {
    std::vector<PrintOutcome> failures;
    std::vector<std::string> chosen_files, temp_files, printers;
    int printer_jobs = 0;
    for (const PrintOutcome& o : outcomes) {
        if (!o.printed) {
            failures.push_back(o);
        } else if (!o.file.empty()) {
            (o.before_choice ? temp_files : chosen_files).push_back(o.file);
        } else {
            ++printer_jobs;
            if (printers.empty() || printers.back() != o.printer) printers.push_back(o.printer);
        }
    }
    std::vector<std::string> paragraphs;
    if (!failures.empty()) paragraphs.push_back(failed(failures));
    if (!chosen_files.empty()) paragraphs.push_back(printed_to_files(chosen_files, false));
    if (!temp_files.empty()) paragraphs.push_back(printed_to_files(temp_files, true));
    if (printer_jobs > 0)
        paragraphs.push_back((printer_jobs == 1 ? std::string("The report was sent to the printer")
                                                : std::to_string(printer_jobs) + " reports were sent to the printer") +
                             lines(printers));
    if (!files_written.empty())
        paragraphs.push_back((files_written.size() == 1 ? "The report file was written:" : "The report files were written:") +
                             lines(files_written));
    std::string text;
    for (const std::string& p : paragraphs) text += (text.empty() ? "" : "\n\n") + p;
    return text;
}

void announce_print(const PrintOutcome& outcome) {
    if (pending.group_depth > 0) {
        pending.held.push_back(outcome);
        return;
    }
    ui().message(print_notice_text({outcome}), "Print", Buttons::Ok, outcome.printed ? Icon::Information : Icon::Error);
}

void announce_file_written(const std::string& path) {
    // Named as it stands on disk: a stored name may differ from it in case.
    (pending.group_depth > 0 ? pending.held_files : pending.files_to_name).push_back(resolve_path(path));
}

std::vector<std::string> take_files_written() {
    std::vector<std::string> files;
    files.swap(pending.files_to_name);
    return files;
}

std::string files_written_text(const std::vector<std::string>& files) {
    std::string text = files.size() == 1 ? "File written: " : "Files written: ";
    for (size_t i = 0; i < files.size(); ++i) text += (i ? "; " : "") + files[i];
    return text;
}

PrintNoticeGroup::PrintNoticeGroup() {
    if (pending.group_depth++ == 0) {
        pending.held.clear();
        pending.held_files.clear();
    }
}

PrintNoticeGroup::~PrintNoticeGroup() {
    if (--pending.group_depth > 0) return;
    std::vector<PrintOutcome> outcomes;
    outcomes.swap(pending.held);
    std::vector<std::string> files;
    files.swap(pending.held_files);
    if (outcomes.empty() && files.empty()) return;
    bool all_printed = true;
    for (const PrintOutcome& o : outcomes) all_printed = all_printed && o.printed;
    try {
        ui().message(print_notice_text(outcomes, files), outcomes.empty() ? "Reports" : "Print", Buttons::Ok,
                     all_printed ? Icon::Information : Icon::Error);
    } catch (...) {
        // A destructor may run while an exception ends the command: the message is all it could add.
    }
}

std::string pdf_start_failure(const std::string& path) {
    const std::string folder = folder_of(path);
    if (!folder.empty() && !folder_exists(folder)) return "The folder " + folder + " does not exist.";
    if (file_exists(path) && ::access(path.c_str(), W_OK) != 0) return "The file may not be written.";
    if (!folder.empty() && ::access(folder.c_str(), W_OK) != 0)
        return "The folder " + folder + " may not be written to.";
    return "The file could not be opened for writing.";
}

std::string pdf_end_failure(bool removed) {
    return std::string("The file was not written whole: the disk may be full.") +
           (removed ? " The incomplete file was removed." : "");
}

bool remove_incomplete_pdf(const std::string& path) {
    struct stat status {};
    if (path.empty() || ::lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    return ::unlink(path.c_str()) == 0;
}
