#include "recovery/predicted_recoveries.h"

#include <cmath>
#include <optional>
#include <string>

#include "methoddata/calibration_data.h"
#include "methoddata/check_state.h"
#include "methoddata/level_lookup.h"
#include "samples/process_files_data.h"
#include "recovery/group_walks.h"
#include "recovery/model_errors.h"

namespace {

struct Prediction {
    double recovery = 1.0;
    double fit_error = 0.0;
    int group = 0;  // the group whose line gave the recovery; 0: none did
};

// The BP side: the line of the BP group the boiling point falls in (within MinBP..MaxBP);
// no correction below MinBP. Outside sample mode the line is not extended past the
// group's own points.
Prediction predict_bp(double bp, const FitTable& bp_fits, int a, int bp_group_count) {
    const double max_bp = method_data.surrogate_range_limits.MaxBP;
    double xb = bp > max_bp ? max_bp : bp;
    int g = find_bp_group_in_limits(xb, bp_fits, bp_group_count, a);
    if (g == bp_group_count + 1) {
        g = bp_group_count;
        xb = max_bp;
    }
    if (g == kNotFound) return {};
    const GroupFit& line = bp_fits[a][g];
    double at = xb;
    if (process_files_data.sample_count == 0) {
        if (xb > line.max_x) at = line.max_x;
        else if (bp < line.min_x) at = line.min_x;
    }
    return {line.slope * at + line.intercept, line.std_error, g};
}

// The RV side: ln rvw held within ln MinRVW..ln MaxRVW, on the line of its RV group.
Prediction predict_rv(double rvw, const FitTable& rv_fits, int a, int rv_group_count) {
    const double ln_max = std::log(method_data.surrogate_range_limits.MaxRVW);
    const double ln_min = std::log(method_data.surrogate_range_limits.MinRVW);
    double xr = std::log(rvw);
    if (xr > ln_max) xr = ln_max;
    if (xr < ln_min) xr = ln_min;
    const int g = find_rv_group(rv_fits, xr, rv_group_count, a);
    const GroupFit& line = rv_fits[a][g];
    return {line.slope * xr + line.intercept, line.std_error, g};
}

void clear_response_factor(RecoveryTables& t, DataSetValues& response_scratch, int a, int q) {
    response_scratch[a][q] = kNotSet;
    t.response_factor[a][q] = kNotSet;
    t.response_factor_dev[a][q] = kNotSet;
}

}  // namespace

int compute_predicted_recoveries(const FitTable& rv_fits, const FitTable& bp_fits,
                                 const LibraryTable& library, const RawDataSets& raw, int a,
                                 DataSetValues& response_scratch, int bp_group_count,
                                 int rv_group_count) {
    if (a < 0 || a >= kSampleSlots) end_model("Quantilyzer: 01001", "Fatal Error");
    // Response factors are made by a calibration build or review only.
    const bool calibrating =
        check_state.continuing_check_active == 0 && process_files_data.sample_count == 0;
    RecoveryTables& t = calibration_data.recovery_tables;
    std::optional<LibraryRowIndex> rows;  // the rows of the names, for the response factors
    if (calibrating) rows.emplace();
    for (int q = 0; q < method_data.compound_count && q < kMaxCompounds; ++q) {
        const LibraryCompound& compound = library[q];
        if (!(compound.rvw > 0.0))
            end_model("Quantilyzer: 01002 | record " + std::to_string(q + 1), "Error");
        const Prediction bp = predict_bp(compound.bp, bp_fits, a, bp_group_count);
        const Prediction rv = predict_rv(compound.rvw, rv_fits, a, rv_group_count);
        const double predicted = bp.recovery * rv.recovery;
        t.bp_recovery[a][q] = bp.recovery;
        t.rv_recovery[a][q] = rv.recovery;
        t.predicted_recovery[a][q] = predicted;
        t.bp_fit_error[a][q] = bp.fit_error;
        t.rv_fit_error[a][q] = rv.fit_error;
        t.bp_group[a][q] = static_cast<u8>(bp.group);
        t.rv_group[a][q] = static_cast<u8>(rv.group);
        // Without a prediction the row has no deviation and, building, no response
        // factor: values of an earlier data set must not stand in for them.
        if (predicted == 0.0) {
            t.predicted_recovery_dev[a][q] = kNotSet;
            if (calibrating) clear_response_factor(t, response_scratch, a, q);
            continue;
        }
        const double eb = bp.fit_error / bp.recovery;
        const double er = rv.fit_error / rv.recovery;
        const double deviation = std::sqrt(eb * eb + er * er) * predicted;
        t.predicted_recovery_dev[a][q] = deviation;
        if (!calibrating) continue;
        double amount = 0.0;
        const double area = lookup_area_conc_by_label_at(raw, rows->row_of(compound.name), a, amount);
        if (amount == 0.0) continue;
        response_scratch[a][q] = area / predicted / amount;
        t.response_factor[a][q] = response_scratch[a][q];
        t.response_factor_dev[a][q] = deviation / predicted * t.response_factor[a][q];
    }
    return 1;
}
