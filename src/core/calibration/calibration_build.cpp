#include "calibration/calibration_build.h"

#include "calibration/calibration_log.h"
#include "calibration/calibration_standards.h"
#include "calibration/curve_statistics.h"
#include "calibration/level_amount.h"
#include "calibration/results_file.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/tables.h"
#include "platform/errors.h"
#include "platform/text_util.h"
#include "recovery/identity_fits.h"
#include "recovery/model_chain.h"
#include "recovery/standard_recovery.h"

namespace {

// Each standard's level amounts, where the range qualifier reads them, as a calibration
// file's reader leaves them. The library's own amounts stay as they are: a later build,
// editor or file takes its amounts from there.
void set_level_amounts(int standards) {
    for (int p = 0; p < kMaxLevels; ++p)
        for (int c = 0; c < kMaxCompounds; ++c)
            calibration_data.raw_data_sets[p].cal_amount[c] =
                p < standards && c < method_data.compound_count ? level_amount(c, p) : kNotSet;
}

// A compound without an amount in a standard has no point there (a library may give an
// analyte fewer levels than the others): the standard is out of its curve from the start,
// as the review, the report and the file then show it.
void exclude_levels_without_amount(int standards) {
    for (int p = 0; p < standards && p < kMaxLevels; ++p)
        for (int c = 0; c < method_data.compound_count && c < kMaxCompounds; ++c)
            if (!level_has_amount(c, p)) calibration_data.level_included[c][p] = 0;
}

bool read_data_sets(const std::array<std::string, kStandardFileSlots>& results_files, int standards,
                    const std::string& reference_ini) {
    for (int p = 0; p < standards; ++p)
        if (!read_results_ini(p, results_files[p])) return false;
    return read_results_ini(standards, reference_ini);
}

// The chain for every standard; a failing step (its message shown) fails the build.
bool run_chains(int standards, DataSetValues& scratch) {
    FirstPassPairTable pairs{};
    if (method_data.variable_mode.one_variable_mode) reset_first_pass_pairs(pairs);
    const ModelChainTables tables = calibration_chain_tables(calibration_data, model_work_tables, pairs, scratch);
    try {
        for (int p = 0; p < standards; ++p)
            if (run_model_chain(tables, p, AfterFailure::Stop).result == 0) return false;
    } catch (const CommandAborted&) {
        return false;
    }
    return true;
}

bool run_models(int standards, DataSetValues& scratch) {
    high_recoveries.clear();
    const bool ran = run_chains(standards, scratch);
    log_high_recoveries();
    return ran;
}

// The corrected response factors; a negative one (or one that is no number) is logged.
void take_response_factors(const std::array<std::string, kStandardFileSlots>& results_files,
                           int standards, const DataSetValues& scratch) {
    RecoveryTables& t = calibration_data.recovery_tables;
    for (int p = 0; p < standards; ++p) {
        for (int c = 0; c < method_data.compound_count; ++c) {
            t.response_factor[p][c] = scratch[p][c];
            if (!(t.response_factor[p][c] >= 0))
                add_calibration_log_entry(results_files[p], method_data.library[c].name, method_data.library[c].cmpndType);
            // Without a prediction there is no deviation: a value left from an earlier
            // build must not reach the calibration file.
            t.response_factor_dev[p][c] =
                t.predicted_recovery[p][c] != 0 && !is_not_set(t.response_factor[p][c])
                    ? t.predicted_recovery_dev[p][c] / t.predicted_recovery[p][c] *
                          t.response_factor[p][c]
                    : kNotSet;
        }
    }
}

}  // namespace

bool build_calibration(const std::array<std::string, kStandardFileSlots>& results_files,
                       int standards, const std::string& reference) {
    DataSetValues scratch{};
    set_level_amounts(standards);
    exclude_levels_without_amount(standards);
    if (!read_data_sets(results_files, standards, listed_results_ini(trim(reference))))
        return false;
    if (!run_models(standards, scratch)) return false;
    take_response_factors(results_files, standards, scratch);
    compute_all_curve_statistics();
    // The flags a review's "Exit/don't save changes" returns to are this calibration's,
    // not those of a file read earlier for other standards.
    save_level_inclusion(method_data.compound_count);
    return true;
}
