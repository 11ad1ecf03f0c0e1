#include "samples/lmt_editor.h"

#include <algorithm>
#include <limits>

#include "samples/process_files_data.h"
#include "methoddata/reporting_limit_files.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/read_errors.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

const std::string kLmtSizeBox = "Sample Size";
const std::string kNothingSaved = "Nothing was stored or saved.";

}  // namespace

int lmt_editor_slot() {
    return std::clamp(process_files_data.sample_info_index, 0, kSampleSlots - 1);
}

void fill_slot_from_library(ReportingLimitSlot& slot) {
    for (int r = 0; r < kMaxCompounds; ++r) {
        slot[r].name = method_data.library_saved[r].name;
        slot[r].is_internal_standard = method_data.library_saved[r].is_internal_standard;
    }
}

std::vector<std::string> lmt_grid_names() {
    std::vector<std::string> names;
    for (int r = 0; r < library_rows_in_use(); ++r)
        if (!method_data.library_saved[r].is_internal_standard) names.push_back(method_data.library_saved[r].name);
    return names;
}

std::vector<std::string> lmt_grid_limit_texts(const ReportingLimitSlot& slot) {
    std::vector<std::string> texts;
    for (int r = 0; r < library_rows_in_use(); ++r)
        if (!method_data.library_saved[r].is_internal_standard) texts.push_back(exact_general(slot[r].limit));
    return texts;
}

std::optional<int> lmt_row_from_number_text(const std::string& text, int current_row, int row_count) {
    if (!std::all_of(text.begin(), text.end(), is_digit)) {
        show_message("Quantilyzer: 07002", "Error:");
        return std::nullopt;
    }
    long long row = current_row;
    if (!text.empty()) {
        // A long run of digits only asks for the last row; it must not overflow.
        long long number = 0;
        for (char c : text) number = std::min<long long>(number * 10 + (c - '0'), std::numeric_limits<int>::max());
        row = number - 1;
    }
    return static_cast<int>(std::clamp<long long>(row, 0, std::max(row_count - 1, 0)));
}

SizeTextFault size_text_fault(const std::string& text) {
    if (!std::all_of(text.begin(), text.end(), [](char c) { return is_digit(c) || c == '.'; }))
        return SizeTextFault::BadCharacter;
    if (std::count(text.begin(), text.end(), '.') > 1) return SizeTextFault::TooManyDots;
    return SizeTextFault::None;
}

double lmt_sample_size(const std::string& text) {
    if (text.empty()) return 1.0;
    const NumberField size = read_number(text);
    if (!size.ok) throw ConversionError(refused_box_message(kLmtSizeBox, size.why, ""));
    return size.value;
}

LmtEntryCheck check_lmt_entries(const std::string& internal_standard_file, const std::string& size_text,
                                const std::string& matrix) {
    auto refuse = [](const std::string& text, const std::string& caption, LmtEntryBox focus) {
        show_message(text, caption);
        return LmtEntryCheck{false, focus};
    };
    if (internal_standard_file.empty())
        return refuse("Please enter a internal standard file name", "Warning", LmtEntryBox::InternalStandardFile);
    if (size_text.empty()) return refuse("Please enter the sample size", "Warning", LmtEntryBox::SampleSize);
    switch (size_text_fault(size_text)) {
        case SizeTextFault::BadCharacter: return refuse("Quantilyzer: 07004", "Invalid Sample Size", LmtEntryBox::None);
        case SizeTextFault::TooManyDots: return refuse("Quantilyzer: 07005", "Invalid Sample Size", LmtEntryBox::None);
        case SizeTextFault::None: break;
    }
    // Read whole ("." passes the character test and is no number), and a size divides
    // every concentration of the samples that use the file: 0 cannot be one.
    const NumberField size = read_number(size_text);
    if (!size.ok)
        return refuse(refused_box_message(kLmtSizeBox, size.why, kNothingSaved), "Invalid Sample Size",
                      LmtEntryBox::SampleSize);
    if (!(size.value > 0.0))
        return refuse(refused_box_message(kLmtSizeBox, "'" + size_text + "' is not above 0, as a sample size must be",
                                          kNothingSaved),
                      "Invalid Sample Size", LmtEntryBox::SampleSize);
    if (matrix.empty()) return refuse("Please enter the matrix", "Warning", LmtEntryBox::Matrix);
    return {};
}

std::string with_lmt_extension(const std::string& chosen) { return with_extension(chosen, ".lmt"); }

std::optional<std::string> choose_lmt_save_path() {
    FileDialogRequest request;
    request.title = "Save As";
    request.start_folder = lmt_default_folder();
    request.filter = lmt_file_filter;
    request.must_exist = false;
    return choose_save_path(request, with_lmt_extension);
}

void set_lmt_file_in_use(const std::string& path) { reporting_limit_files.lmt_file_path = path; }

void remember_lmt_folder(const std::string& path) {
    folder_settings.slot[kMdlPathSlot] = folder_of(path);
    SavePathSetting("mdl");
}

bool check_grid_limits(const std::vector<LmtGridRow>& rows, bool keep_on_empty) {
    for (const LmtGridRow& row : rows) {
        const std::string cell = trim(row.limit_text);
        if (cell.empty() && keep_on_empty) continue;
        const NumberField limit = read_number(cell);
        std::string why = limit.why;
        if (limit.ok && limit.value < 0) why = "'" + cell + "' is below 0, and no limit can be";
        if (limit.ok && why.empty()) continue;
        show_message(refused_box_message("Limit of " + row.name, why, kNothingSaved), "Error");
        return false;
    }
    return true;
}

bool store_grid_limits(const std::vector<LmtGridRow>& rows, ReportingLimitSlot& slot, bool keep_on_empty) {
    if (!check_grid_limits(rows, keep_on_empty)) return false;  // nothing is stored unless every cell is a limit
    for (const LmtGridRow& row : rows) {
        const std::string cell = trim(row.limit_text);
        if (cell.empty() && keep_on_empty) continue;
        const int r = find_library_compound(row.name);
        if (r != kNotFound) slot[r].limit = read_number(cell).value;
    }
    return true;
}

bool confirm_lmt_internal_standard_file(const std::string& internal_standard_file) {
    const std::string typed = to_upper(internal_standard_file);
    std::string reference = to_upper(trim(reporting_limit_files.lmt_header.internal_standard_file));
    if (reference.empty()) reference = to_upper(method_data.surrogate_file_path);
    if (reference.empty()) reference = typed;
    if (reference == typed) return true;
    return ui().message("The loaded internal standard file name:\n<" + reference +
                            ">\nand the internal standard file name\n<" + typed +
                            ">\nlisted in the LMT file do not match.\nProceed anyway?",
                        "Warning", Buttons::YesNo, Icon::Warning) == Answer::Yes;
}

void clear_all_reporting_limits() {
    for (ListedSample& sample : process_files_data.samples)
        for (int r = 0; r < library_rows_in_use(); ++r) sample.reporting_limits[r].limit = 0.0;
}

std::string without_line_end(const std::string& text) {
    const size_t end = text.rfind('\n');
    if (end == std::string::npos) return text;
    std::string cut = text.substr(0, end);
    if (!cut.empty() && cut.back() == '\r') cut.pop_back();
    return cut;
}

int lmt_file_unit_index(const std::string& unit) {
    const int index = reporting_unit_index(unit);
    if (index < 0) show_message("Invalid unit read from the file!", "Error");
    return index;
}

void show_lmt_mismatch(int line_number) {
    show_message("Quantilyezr: 10004", "Error - There is a compound name mismatch at line number " +
                                           std::to_string(line_number) + " of the reporting limit file");
}
