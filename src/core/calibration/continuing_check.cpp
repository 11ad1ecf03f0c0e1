#include "calibration/continuing_check.h"

#include <algorithm>
#include <cmath>

#include "calibration/curve_statistics.h"
#include "calibration/results_file.h"
#include "methoddata/calibration_data.h"
#include "methoddata/check_state.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/ui_services.h"
#include "recovery/model_chain.h"

namespace {

bool is_dilution_character(char c) { return (c >= '0' && c <= '9') || c == '.'; }

bool refuse(const std::string& text, const std::string& caption) {
    show_message(text, caption);
    return false;
}

// Row kCheckDataSet of every table the chain writes, as before any model ran.
void clear_check_row() {
    const int s = kCheckDataSet;
    calibration_data.raw_data_sets[s] = SampleRawData{};
    for (FitTable* fits : {&model_work_tables.first_pass_fits, &model_work_tables.bp_group_fits, &model_work_tables.rv_group_fits}) (*fits)[s].fill(GroupFit{});
    for (PointTable* points : {&model_work_tables.bp_points, &model_work_tables.rv_points}) (*points)[s].fill(SurrogatePoint{});
    model_work_tables.standard_first_pass_points[s].fill(SurrogatePoint{});
    RecoveryTables& t = calibration_data.recovery_tables;
    for (DataSetValues* values : {&t.predicted_recovery, &t.response_factor, &t.response_factor_dev,
                                  &t.predicted_recovery_dev, &t.bp_recovery, &t.rv_recovery,
                                  &t.bp_fit_error, &t.rv_fit_error})
        (*values)[s].fill(0.0);
}

// Whether the calibration holds an amount of some analyte at the check's level item
// (the dilution item: an Amount 1 for the factor to multiply). At a level without any,
// every difference would be empty and the report would compare nothing.
bool calibration_holds_amount(int item) {
    const CheckLevel level{item, 1.0};
    for (int c = 0; c < method_data.compound_count && c < kMaxCompounds; ++c) {
        if (method_data.library[c].is_internal_standard) continue;  // always at its own Amount 1
        const double amount = check_amount(c, level);
        if (amount > 0.0 && !is_not_set(amount)) return true;
    }
    return false;
}

std::string level_without_amounts_text(int item) {
    const std::string level = item == kDilutionItem ? "Amount 1, which the dilution factor multiplies"
                                                    : "Amount " + std::to_string(item + 1);
    return "The calibration holds no analyte amount at " + level +
           ".\nA check standard at this level can be compared with nothing: please choose the level "
           "it was made at.";
}

}  // namespace

bool check_level_entry(CheckLevelEntry& entry) {
    check_state.check_standard_mode = 1;
    if (entry.item != kDilutionItem) entry.dilution_text.clear();
    if (entry.item == kDilutionItem && entry.dilution_text.empty())
        return refuse("Please enter a dilution factor before exiting.", "Dilution Factor Required");
    if (entry.item == -1) return refuse("Please select a concentration before exiting.", "Selection Required");
    if (!std::all_of(entry.dilution_text.begin(), entry.dilution_text.end(), is_dilution_character))
        return refuse("Please enter a valid dilution factor", "Invalid dilution factor");
    if (entry.item == kDilutionItem && is_zero_dilution(entry.dilution_text)) {
        const Refusal zero = zero_dilution_refusal();
        return refuse(zero.text, zero.caption);
    }
    // The factor is read whole: "1.5.2" is no factor, and its leading digits would be another.
    if (entry.item == kDilutionItem && !read_number(entry.dilution_text).ok)
        return refuse("Please enter a valid dilution factor", "Invalid dilution factor");
    if (!calibration_holds_amount(entry.item))
        return refuse(level_without_amounts_text(entry.item), "Level Without Amounts");
    check_state.check_level_name =
        entry.item == kDilutionItem ? entry.dilution_text : "Conc" + std::to_string(entry.item + 1);
    return true;
}

CheckLevel check_level_of(const CheckLevelEntry& entry) {
    if (!entry.dilution_text.empty()) return {kDilutionItem, to_double_strict(entry.dilution_text)};
    return {entry.item, 0.0};
}

double check_amount(int c, const CheckLevel& level) {
    if (method_data.library[c].is_internal_standard) return method_data.library[c].conc[0];
    return get_compound_amount(c, level.level, level.factor);
}

double check_response_factor(int c, const CheckLevel& level) {
    const double amount = check_amount(c, level);
    const double predicted = calibration_data.recovery_tables.predicted_recovery[kCheckDataSet][c];
    if (amount == 0.0 || predicted == 0.0 || is_not_set(amount)) return kNotSet;
    return calibration_data.raw_data_sets[kCheckDataSet].area[c] / predicted / amount;
}

double percent_difference(int c, const CheckLevel& level) {
    const double mean = calibration_data.curve_statistics.mean_rf[c];
    const double response = check_response_factor(c, level);
    if (mean == 0.0 || is_not_set(response)) return kNotSet;
    return (response - mean) / mean * 100.0;
}

int included_levels(int c) {
    int n = 0;
    for (int k = 0; k < kMaxLevels; ++k) n += calibration_data.level_included[c][k];
    return n;
}

CheckEvaluation evaluate_check_standard() {
    check_state.check_standard_mode = 1;
    clear_check_row();
    if (!read_results_ini(kCheckDataSet, check_state.check_ini_path))
        return CheckEvaluation::NotRead;
    // The check-mode recoveries are measured against the calibration's mean responses.
    compute_all_curve_statistics();
    FirstPassPairTable pairs{};
    DataSetValues scratch{};
    const ModelChainTables tables = calibration_chain_tables(calibration_data, model_work_tables, pairs, scratch);
    const ModelChainResult chain = run_model_chain(tables, kCheckDataSet, AfterFailure::RunRemainingSteps);
    return chain.result != 0 ? CheckEvaluation::Done : CheckEvaluation::ModelFailed;
}

CheckCompoundTexts check_compound_texts(int c, const CheckLevel& level) {
    CheckCompoundTexts t;
    t.number = std::to_string(c + 1);
    t.name = method_data.library[c].name;
    t.calibration_file = file_name_of(calibration_data.calibration_file_name);
    t.check_file = check_state.check_data_file;
    t.amount = format_fixed(check_amount(c, level), 2);
    t.mean_response = format_fixed(calibration_data.curve_statistics.mean_rf[c], 2);
    t.deviation = format_fixed(calibration_data.curve_statistics.sd_rf[c], 3);
    const double response = check_response_factor(c, level);
    if (!is_not_set(response)) t.check_response = format_fixed(response, 2);
    const double difference = percent_difference(c, level);
    if (std::fabs(difference - kNotSet) >= 1e-9) t.difference = format_fixed(difference, 3);
    return t;
}

std::optional<int> check_review_target(const std::string& number_text, ReviewMove move, int count) {
    int n = 0;
    if (count <= 0 || !try_to_int(number_text, n)) return std::nullopt;
    n = std::clamp(n, 1, count);
    switch (move) {
        case ReviewMove::Next:
            if (n + 1 <= count) return n;  // compound n + 1, 0-based n
            return std::nullopt;
        case ReviewMove::Previous:
            if (n - 1 > 0) return n - 2;
            return std::nullopt;
        case ReviewMove::Stay:
            return n - 1;
    }
    return std::nullopt;
}
