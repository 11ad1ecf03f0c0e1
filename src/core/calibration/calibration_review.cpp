#include "calibration/calibration_review.h"

#include <algorithm>

#include "calibration/calibration_file.h"
#include "calibration/calibration_standards.h"
#include "calibration/curve_statistics.h"
#include "calibration/level_amount.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

namespace {

constexpr int kReviewDataSets = 12;       // the data sets a calibration's review works on
constexpr size_t kShownPathLength = 256;  // characters of a path the review shows

// A cell of the review: the value in the given format, blank for the not-set marker.
std::string cell(double value, double scale) {
    return is_not_set(value) ? std::string() : format_fixed(value * scale, 3);
}

std::string nonzero_cell(double value) { return value != 0.0 ? format_fixed(value, 3) : std::string(); }

ReviewLevel review_level(int c, int k) {
    ReviewLevel level;
    const RecoveryTables& t = calibration_data.recovery_tables;
    const std::int32_t area = calibration_data.raw_data_sets[k].area[c];
    level.listed = !calibration_data.level_names[k].empty();
    if (level.listed) {
        level.file = after_first_separator(display_file_name(calibration_data.standard_data_files[k]));
        level.amount = format_general(level_amount(c, k));
        level.recovery = cell(t.predicted_recovery[k][c], 100.0);
        level.recovery_dev = cell(t.predicted_recovery_dev[k][c], 100.0);
        level.area = area != kNotFound ? std::to_string(area) : std::string();
        level.response_factor = cell(t.response_factor[k][c], 1.0);
        level.response_factor_dev = cell(t.response_factor_dev[k][c], 1.0);
    }
    // No amount (a level the compound was not made at) or no area: no point, so the
    // level leaves the curve and its box cannot bring it back.
    const bool no_amount = level.listed && !level_has_amount(c, k);
    level.checked = level.listed && calibration_data.level_included[c][k] == 1 && t.predicted_recovery[k][c] != 0.0 &&
                    area != 0 && !no_amount;
    level.enabled = area != 0 && !no_amount;
    if (!level.enabled) calibration_data.level_included[c][k] = 0;
    if (no_amount) level.why_excluded = kNoAmountReason;
    return level;
}

bool names_a_results_file(const std::string& path) {
    const std::string name = file_name_of(path);
    return name.size() >= 4 && iequals(name.substr(name.size() - 4), ".ini");
}

bool valid_compound(int c) { return c >= 0 && c < kMaxCompounds; }

// A level as the review names it: its column and its label, "Std3 (Amount3)".
std::string level_text(int k) { return "Std" + std::to_string(k + 1) + " (" + calibration_data.level_names[k] + ")"; }

// The levels of the calibration, as the review names them.
std::string listed_levels_text() {
    std::string text;
    for (int k = 0; k < kMaxLevels; ++k) {
        if (calibration_data.level_names[k].empty()) continue;
        if (!text.empty()) text += ", ";
        text += level_text(k);
    }
    return text;
}

int counted_levels(int c) {
    int n = 0;
    for (int k = 0; k < kMaxLevels; ++k) n += level_counts(c, k) ? 1 : 0;
    return n;
}

// Every sample is quantitated against its internal standards' mean responses: an
// internal standard without a level in its curve has none, and the models stop for it.
bool is_last_level_of_internal_standard(int c, int k) {
    return method_data.library[c].is_internal_standard && level_counts(c, k) && counted_levels(c) == 1;
}

void show_last_level_refusal(int c, int k) {
    show_message(level_text(k) + " is the last level in the curve of the internal standard " +
                     method_data.library[c].name + ", whose levels are " + listed_levels_text() +
                     ".\nWithout a level it has no response, and no sample could be quantitated "
                     "with this calibration: the level stays included.",
                 "Internal Standard Level");
}

// An internal standard of the calibration left without a level in its curve (a file
// saved so elsewhere may come here), or -1.
int internal_standard_without_levels() {
    for (int c = 0; c < std::min(method_data.compound_count, kMaxCompounds); ++c)
        if (method_data.library[c].is_internal_standard && counted_levels(c) == 0) return c;
    return -1;
}

}  // namespace

void reset_calibration_review() {
    RecoveryTables& t = calibration_data.recovery_tables;
    for (int k = 0; k < kReviewDataSets; ++k) {
        for (int c = 0; c < kMaxCompounds; ++c) {
            t.predicted_recovery[k][c] = kNotSet;
            t.predicted_recovery_dev[k][c] = kNotSet;
            t.response_factor[k][c] = kNotSet;
            t.response_factor_dev[k][c] = kNotSet;
            calibration_data.raw_data_sets[k].area[c] = kNotFound;
            calibration_data.level_included[c][k] = 0;
        }
        calibration_data.level_names[k].clear();
    }
}

std::string display_file_name(const std::string& text) {
    const std::string w = first_line(text);
    const size_t sep = w.find_first_of("\\/");
    if (sep != std::string::npos && iequals(left(w.substr(sep + 1), kShownPathLength), "results.ini"))
        return w.substr(0, sep);
    return w;
}

std::string after_first_separator(std::string_view text) {
    // The cut drops a drive ("C:\"); an absolute path of this system has none, and
    // without its leading "/" it would read as a path relative to somewhere else.
    if (!text.empty() && text.front() == '/') return left(text, kShownPathLength);
    const size_t sep = text.find_first_of("\\/");
    return left(sep == std::string_view::npos ? text : text.substr(sep + 1), kShownPathLength);
}

CompoundReview review_compound(int c) {
    CompoundReview r;
    if (!valid_compound(c)) return r;
    r.number = std::to_string(c + 1);
    r.name = method_data.library[c].name;
    r.calibration_file = to_upper(after_first_separator(display_file_name(calibration_data.calibration_file_name)));
    r.surrogate_file = first_line(method_data.surrogate_file_path);
    r.library_file = folder_settings.slot[kLibraryTextFileSlot];
    r.reference_file = after_first_separator(display_file_name(method_data.surrogate_reference_path));
    for (int k = 0; k < kMaxLevels; ++k) {
        r.levels[k] = review_level(c, k);
        if (r.levels[k].listed) ++r.standards;
    }
    return r;
}

CurveStatisticsText refresh_curve_statistics(int c) {
    CurveStatisticsText text;
    if (!valid_compound(c)) return text;
    std::string amounts;
    for (int k = 0; k < kMaxLevels; ++k) {
        if (calibration_data.level_names[k].empty() || calibration_data.level_included[c][k] != 1) continue;
        if (!amounts.empty()) amounts += ", ";
        amounts += format_general(level_amount(c, k));
    }
    text.levels = "(" + amounts + ")";
    compute_curve_statistics(c);
    CurveStatistics& s = calibration_data.curve_statistics;
    s.pct_rsd[c] = s.mean_rf[c] != 0.0 ? s.sd_rf[c] / s.mean_rf[c] * 100.0 : 0.0;
    text.average = nonzero_cell(s.mean_rf[c]);
    text.deviation = nonzero_cell(s.sd_rf[c]);
    text.percent = nonzero_cell(s.pct_rsd[c]);
    return text;
}

std::optional<int> typed_compound_number(const std::string& text) {
    int number = 0;
    if (!text.empty() && !try_to_int(text, number)) return std::nullopt;
    number = std::max(number, 1);
    if (method_data.compound_count > 0) number = std::min(number, method_data.compound_count);
    return number;
}

int compound_of_number_text(const std::string& text) { return text.empty() ? 0 : to_int_strict(text) - 1; }

bool set_level_inclusion(int c, int k, bool checked, bool has_file) {
    if (!valid_compound(c) || k < 0 || k >= kMaxLevels) return false;
    if (!checked && is_last_level_of_internal_standard(c, k)) {
        show_last_level_refusal(c, k);
        return true;
    }
    calibration_data.level_included[c][k] = checked && has_file && level_has_amount(c, k) ? 1 : 0;
    return calibration_data.level_included[c][k] == 1;
}

void restore_level_inclusion() {
    for (int c = 0; c < std::min(method_data.compound_count, kMaxCompounds); ++c)
        for (int k = 0; k < kMaxLevels; ++k) calibration_data.level_included[c][k] = calibration_data.level_included_saved[c][k];
    // The statistics in memory are those of the flags in force, as the file holds them.
    compute_all_curve_statistics();
}

void clear_level_inclusion() {
    for (int c = 0; c < std::min(method_data.compound_count, kMaxCompounds); ++c)
        for (int k = 0; k < kMaxLevels; ++k) calibration_data.level_included[c][k] = 0;
}

void delete_standard_ini_files() {
    std::vector<std::string> data_files;
    for (int k = 0; k < kMaxLevels; ++k)
        if (!calibration_data.level_names[k].empty()) data_files.push_back(first_line(calibration_data.standard_data_files[k]));
    data_files.push_back(first_line(method_data.surrogate_reference_path));
    for (const std::string& data_file : data_files) {
        if (trim(data_file).empty()) continue;
        // An entry of the older layout names the results file itself: that is the data.
        if (names_a_results_file(data_file)) continue;
        const std::string results = listed_results_ini(data_file);
        if (file_exists(results)) remove_file(results);
    }
}

bool save_reviewed_calibration() {
    if (const int c = internal_standard_without_levels(); c >= 0) {
        show_message("The internal standard " + method_data.library[c].name +
                         " has no level in its curve; the levels of the calibration are " +
                         listed_levels_text() +
                         ".\nWithout a level it has no response, and no sample could be quantitated "
                         "with this calibration: include one of its levels before saving.",
                     "Internal Standard Level");
        return false;
    }
    // Refused before the analyst names a file the calibration could never be read from.
    if (refuse_unlistable_data_files(calibration_data)) return false;
    const auto path = choose_calibration_save_path();
    if (!path) return false;
    // The calibration in memory takes the file's name only once the file is written, and
    // the review counts as saved only then: a cancelled or failed save changes nothing.
    if (!write_calibration(*path)) return false;
    main_flags.ReviewSaveAs = 1;
    calibration_data.calibration_file_name = *path;
    delete_standard_ini_files();
    return true;
}
