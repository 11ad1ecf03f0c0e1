#include "methoddata/surrogate_editor.h"

#include <algorithm>

#include "methoddata/editor_state.h"
#include "methoddata/program_paths.h"
#include "methoddata/surrogate_commands.h"
#include "methoddata/surrogate_file.h"
#include "methoddata/surrogate_groupings.h"
#include "methoddata/surrogate_range_limits.h"
#include "platform/file_copy.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

namespace {

// The limits and class thresholds in memory now, as the state a session goes back to. The
// records' saved state is surrogates_saved; the rest of the method data is not the editor's
// to put back (the library, the files in use, whether the groupings pass).
EditSession session_from_memory() {
    return EditSession{method_data.surrogate_range_limits, method_data.limits_basis,
                       method_data.user_limits_applied, method_data.category_thresholds};
}

void put_back_session(const EditSession& s) {
    method_data.surrogate_range_limits = s.limits_at_start;
    method_data.limits_basis = s.limits_basis_at_start;
    method_data.user_limits_applied = s.user_limits_applied_at_start;
    method_data.category_thresholds = s.thresholds_at_start;
}

// A written file is the new saved state: Exit asks only about what differs from it, and
// discarding goes back to it, not to what the session started from. It is also the file in
// use: the groupings in memory are its, so every later command and report names it.
void take_as_saved_state(const std::string& file) {
    method_data.surrogate_file_path = file;
    copy_surrogate_records(method_data.surrogates, method_data.surrogates_saved);
    editor_state.session = session_from_memory();
}

// Only these two thresholds are kept in the file.
bool thresholds_changed() {
    const CategoryThresholds& now = method_data.category_thresholds;
    const CategoryThresholds& start = editor_state.session.thresholds_at_start;
    return now.vcs != start.vcs || now.n_pvcsLn != start.n_pvcsLn;
}

bool same_groupings(const SurrogateRecord& a, const SurrogateRecord& b) {
    return a.rvwgroup == b.rvwgroup && a.bpgroup == b.bpgroup && a.first_pass == b.first_pass &&
           a.checked_surrogate == b.checked_surrogate;
}

bool groupings_differ(const SurrogateTable& a, const SurrogateTable& b) {
    for (int i = 0; i < surrogate_records_in_use(); ++i)
        if (!same_groupings(a[i], b[i])) return true;
    return false;
}

std::string set_limits_text(const GroupingFailures& f) {
    std::string text = grouping_failure_lines(f);
    if (f.any())
        text += "\n\n\tQuantilyzer: 16001 - Please Edit your Surrogate file and adjust the groupings";
    return text;
}

// Both saves: the limits in memory are kept while they belong to the records (a file held
// them, the analyst applied them, or the group ranges gave them): a save without edits
// writes back what the file held. Each variable's limits are decided on their own: limits
// measured on other BP groupings or bps follow the BP group ranges again, those measured on
// other RV groupings or rvws the RV group ranges, unless the analyst applied them; a bp the
// library changed says nothing about the RV bands. A limit not set takes its default, since
// a limit not set leaves the key of the file as it was, and that value belongs to the
// groupings the file held before.
void take_save_limits() {
    SurrogateRangeLimits& l = method_data.surrogate_range_limits;
    const auto take = [](LimitVariable variable, double& min, double& max, const LimitPair& defaults) {
        const bool measure_again = !method_data.user_limits_applied && records_moved_since_limits_measured(variable);
        if (measure_again || is_not_set(min)) min = defaults.min;
        if (measure_again || is_not_set(max)) max = defaults.max;
        if (measure_again) limits_measured_on_records(variable);
    };
    if (bp_variable_in_use(method_data.variable_mode)) take(LimitVariable::BP, l.MinBP, l.MaxBP, default_bp_limits());
    if (rv_variable_in_use(method_data.variable_mode)) take(LimitVariable::RV, l.MinRVW, l.MaxRVW, default_rv_limits());
}

// Exit's save: dialog, limits, file. False when the editor must stay.
bool save_on_exit() {
    std::string chosen;
    if (!choose_surrogate_save_file(chosen)) return false;
    take_save_limits();
    if (!write_edited_surrogate_file(chosen)) {
        method_data.surrogate_file_written = 0;  // the next Exit asks again
        return false;
    }
    take_as_saved_state(chosen);
    method_data.surrogate_file_written = 1;
    return true;
}

std::string surrogate_save_folder() {
    const std::string& folder = program_paths.data_root_folder;
    const std::string root = folder.empty() ? data_root() : folder;
    return join_path(root, "5847dir/Surrogates");
}

}  // namespace

void begin_surrogate_editing() {
    editor_state.current_surrogate_record = 0;
    editor_state.session = session_from_memory();
}

void surrogate_editor_shown() { editor_state.grouping_error = 0; }

int surrogates_modified(bool limit_edits_modified) {
    const bool limits_changed = method_data.surrogate_range_limits != editor_state.session.limits_at_start;
    return groupings_differ(method_data.surrogates, method_data.surrogates_saved) || limit_edits_modified || limits_changed ||
                   thresholds_changed()
               ? 1
               : 0;
}

void copy_surrogate_records(const SurrogateTable& source, SurrogateTable& destination) {
    std::copy_n(source.begin(), surrogate_records_in_use(), destination.begin());
}

int find_surrogate_by_library_number(int number) {
    if (number < 1 || number > std::min(method_data.compound_count, kMaxCompounds)) return -1;
    const std::string& name = method_data.library[number - 1].name;
    for (int q = 0; q < surrogate_records_in_use(); ++q)
        if (method_data.surrogates[q].name == name) return q;
    return -1;
}

int record_of_counter(const std::string& counter_text) {
    if (trim(counter_text).empty()) return -1;
    const int k = to_int_strict(counter_text) - 1;
    return k >= 0 && k < surrogate_records_in_use() ? k : -1;
}

int counter_target(const std::string& counter_text, int shown_record) {
    const int number = to_int_strict(counter_text);
    if (number == shown_record + 1) return -1;
    return std::clamp(number - 1, 0, std::max(surrogate_records_in_use() - 1, 0));
}

int next_surrogate_record() {
    editor_state.current_surrogate_record = std::max(std::min(editor_state.current_surrogate_record + 1, method_data.surrogate_count - 1), 0);
    return editor_state.current_surrogate_record;
}

int previous_surrogate_record() {
    editor_state.current_surrogate_record = std::max(editor_state.current_surrogate_record - 1, 0);
    return editor_state.current_surrogate_record;
}

void go_to_surrogate_record(int record) { editor_state.current_surrogate_record = record; }

bool set_limits_command() {
    editor_state.grouping_error = 0;
    const GroupingFailures failures = test_surrogate_groupings();
    if (failures.any()) {
        editor_state.grouping_error = 1;
        show_message(set_limits_text(failures), "Error");
        return false;
    }
    // Each variable's limits go back to not set when the bands under them moved; the limits
    // of the other variable stay, now held as a file holds them.
    SurrogateRangeLimits& l = method_data.surrogate_range_limits;
    const auto forget_if_moved = [](LimitVariable variable, double& min, double& max) {
        if (!records_moved_since_limits_measured(variable)) return false;
        min = max = kNotSet;
        limits_measured_on_records(variable);
        return true;
    };
    const bool bp_forgotten = forget_if_moved(LimitVariable::BP, l.MinBP, l.MaxBP);
    const bool rv_forgotten = forget_if_moved(LimitVariable::RV, l.MinRVW, l.MaxRVW);
    if (bp_forgotten || rv_forgotten) method_data.user_limits_applied = 0;
    return true;
}

bool save_as_surrogate_command() {
    method_data.surrogate_file_written = 0;
    std::string chosen;
    if (!choose_surrogate_save_file(chosen)) return false;
    take_save_limits();
    if (!write_edited_surrogate_file(chosen)) return false;
    take_as_saved_state(chosen);
    method_data.surrogate_file_written = 1;
    return true;
}

bool exit_surrogate_editor_command(bool limit_edits_modified) {
    copy_file(method_data.surrogate_file_path, surrogate_backup_path(method_data.surrogate_file_path));
    const int modified = surrogates_modified(limit_edits_modified);
    if (modified == 0 && method_data.surrogate_file_written != 0) return true;

    check_surrogate_groupings();
    const Answer answer = ui().message("Would you like to save your changes?",
                                       "Surrogate Library Has Changed", Buttons::YesNoCancel,
                                       Icon::Question);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) return save_on_exit();
    if (modified != 0) {  // the edits of the session are discarded, limits included
        copy_surrogate_records(method_data.surrogates_saved, method_data.surrogates);
        put_back_session(editor_state.session);
    }
    return true;
}

bool choose_surrogate_save_file(std::string& chosen) {
    FileDialogRequest request;
    request.title = "Save As";
    request.start_folder = surrogate_save_folder();
    request.filter = surrogate_file_filter;
    request.default_extension = ".ini";
    request.must_exist = false;
    const std::optional<std::string> path = choose_save_path(
        request, [](const std::string& name) { return with_extension(name, ".ini"); });
    if (!path) return false;
    chosen = *path;
    return true;
}

bool write_edited_surrogate_file(const std::string& path) {
    IniFile file;
    file.load(resolve_path(path));  // a file that exists keeps what the writers leave alone
    file.set_path(resolve_path(path));
    fill_surrogate_file(method_data.surrogate_count, file, method_data.surrogates);
    write_surrogate_check_limits(file);
    return save_surrogate_ini(file);
}

std::string surrogate_backup_path(const std::string& path) {
    const size_t dot = path.rfind('.');
    const size_t separator = last_separator(path);
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
        return path + ".$$$";
    return path.substr(0, dot + 1) + "$$$";
}
