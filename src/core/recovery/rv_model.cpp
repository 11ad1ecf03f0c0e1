#include "recovery/rv_model.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "methoddata/calibration_data.h"
#include "samples/process_files_data.h"
#include "methoddata/surrogate_library_row.h"
#include "platform/ui_services.h"
#include "recovery/group_walks.h"
#include "recovery/model_errors.h"
#include "recovery/point_rows.h"
#include "recovery/standard_recovery.h"

namespace {

// The BP model's prediction at boiling point b; above every BP group the last group's
// line at MaxBP (and b stays MaxBP for the record's later groups), below every group 1.0.
double bp_prediction(double& b, const FitTable& bp_fits, int a, int bp_group_count) {
    int g = find_bp_group_in_fit(b, bp_fits, bp_group_count, a);
    if (g == bp_group_count + 1) {
        g = bp_group_count;
        b = method_data.surrogate_range_limits.MaxBP;
    }
    if (g == kNotFound) return 1.0;
    return bp_fits[a][g].slope * b + bp_fits[a][g].intercept;
}

}  // namespace

int compute_rv_points(const RawDataSets& raw, const SurrogateTable& surrogates,
                      const LibraryTable& library, const FitTable& bp_fits, int a,
                      PointList& points, int bp_group_count) {
    int n = 0;
    for (int q = 0; q < method_data.surrogate_count && q < kMaxSurrogates; ++q) {
        const SurrogateRecord& record = surrogates[q];
        double b = std::min(record.bp, method_data.surrogate_range_limits.MaxBP);
        int row = 0;
        if (!find_surrogate_library_row(row, q, surrogates, library)) continue;
        const StandardSignal signal = read_standard_signal(raw, record.name, row, a);
        for (int j = 1; j <= kGroups; ++j) {
            if (!record.rvwgroup[j - 1]) continue;
            if (signal.area == 0.0) {
                show_zero_area(record.name, zero_area_place(a, process_files_data.current_sample_name));
                return kNotFound;
            }
            if (warn_missing_from_reference(signal, record.name)) return kNotFound;
            if (n == kMaxSurrogates) {
                show_too_many_points("Relative Volatility");
                return kNotFound;
            }
            const double v = bp_prediction(b, bp_fits, a, bp_group_count);
            const StandardRecovery recovery = standard_recovery(signal, v, a, record.name);
            if (is_not_set(recovery.y)) {
                show_recovery_not_computed(record.name, v);
                return kNotFound;
            }
            SurrogatePoint& p = points[n];
            p.in_use = 1;
            p.name = record.name;
            if (!(record.rvw > 0.0))
                end_model("Quantilyzer: 14002 | record " + std::to_string(q + 1), "Error");
            p.x = std::log(record.rvw);
            p.y = recovery.y;
            p.measured = recovery.measured;
            p.rv = record.rvw;
            p.ln_rv = p.x;
            p.divisor_prediction = v;
            p.group = j;
            p.record = q;
            ++n;
        }
    }
    return n;
}

int compute_rv_model(const RawDataSets& raw, const SurrogateTable& surrogates,
                     const LibraryTable& library, FitTable& rv_fits, const FitTable& bp_fits, int a,
                     int& rv_group_count, int bp_group_count) {
    PointList points;
    clear_fit_points(points);
    const int n = compute_rv_points(raw, surrogates, library, bp_fits, a, points, bp_group_count);
    return fit_model_points(points, n, rv_fits, a, "Quantilyzer: 14001", model_work_tables.rv_points, false,
                            rv_group_count);
}
