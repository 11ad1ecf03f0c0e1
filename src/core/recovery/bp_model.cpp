#include "recovery/bp_model.h"

#include <cmath>
#include <string>

#include "methoddata/calibration_tables.h"
#include "samples/process_files_data.h"
#include "methoddata/surrogate_library_row.h"
#include "platform/ui_services.h"
#include "recovery/group_walks.h"
#include "recovery/model_errors.h"
#include "recovery/point_rows.h"
#include "recovery/standard_recovery.h"

namespace {

// The first-pass side of a point: the rvw clamped into the first pass's interval, the
// segment found from the unclamped rvw, and the segment's line at the clamped rvw.
void set_first_pass_divisor(SurrogatePoint& p, double rvw, const FitTable& first_pass_fits,
                            int a, const FirstPassPairTable& pairs) {
    double rv = rvw;
    if (rv <= model_work_tables.first_pass_min_rvw) rv = model_work_tables.first_pass_min_rvw;
    if (rv >= model_work_tables.first_pass_max_rvw) rv = model_work_tables.first_pass_max_rvw;
    int outside = 0;
    const int u = find_first_pass_pair(std::log(rvw), pairs, outside);
    p.clamped_rv = outside ? rv : kNotSet;
    p.rv = rv;
    p.ln_rv = std::log(rv);
    const GroupFit& line = first_pass_fits[a][u];
    p.divisor_prediction = line.slope * p.ln_rv + line.intercept;
}

}  // namespace

int compute_bp_points(const RawDataSets& raw, const SurrogateTable& surrogates,
                      const LibraryTable& library, const FitTable& first_pass_fits, int a,
                      PointList& points, const FirstPassPairTable& pairs) {
    int n = 0;
    for (int q = 0; q < method_data.surrogate_count && q < kMaxSurrogates; ++q) {
        const SurrogateRecord& record = surrogates[q];
        if (!(record.rvw > 0.0))
            end_model("Quantilyzer: 02002 | record " + std::to_string(q + 1), "Error");
        int row = 0;
        if (!find_surrogate_library_row(row, q, surrogates, library)) continue;
        const StandardSignal signal = read_standard_signal(raw, record.name, row, a);
        for (int j = 1; j <= kGroups; ++j) {
            if (!record.bpgroup[j - 1]) continue;
            if (signal.area == 0.0) {
                show_zero_area(
                    record.name,
                    zero_area_place(a, a >= 0 && a < kSampleSlots
                                           ? process_files_data.samples[a].settings.results_ini_path
                                           : std::string()));
                return kNotFound;
            }
            if (warn_missing_from_reference(signal, record.name)) return kNotFound;
            if (n == kMaxSurrogates) {
                show_too_many_points("Boiling Point");
                return kNotFound;
            }
            SurrogatePoint& p = points[n];
            set_first_pass_divisor(p, record.rvw, first_pass_fits, a, pairs);
            const StandardRecovery recovery =
                standard_recovery(signal, p.divisor_prediction, a, record.name);
            if (is_not_set(recovery.y)) {
                show_recovery_not_computed(record.name, p.divisor_prediction);
                return kNotFound;
            }
            p.in_use = 1;
            p.name = record.name;
            p.x = record.bp;
            p.y = recovery.y;
            p.measured = recovery.measured;
            p.group = j;
            p.record = q;
            ++n;
        }
    }
    return n;
}

int compute_bp_model(const RawDataSets& raw, const SurrogateTable& surrogates,
                     const LibraryTable& library, FitTable& bp_fits, const FitTable& first_pass_fits,
                     int a, const FirstPassPairTable& pairs, int& bp_group_count) {
    PointList points;
    clear_fit_points(points);
    const int n = compute_bp_points(raw, surrogates, library, first_pass_fits, a, points, pairs);
    // The sorts move only a point's leading fields; its first-pass side is made again
    // from its own record, so the clamped rvw stays with its internal standard.
    auto restore_first_pass_side = [&](PointList& sorted) {
        for (int i = 0; i < kMaxSurrogates && sorted[i].in_use; ++i)
            set_first_pass_divisor(sorted[i], surrogates[sorted[i].record].rvw, first_pass_fits, a,
                                   pairs);
    };
    return fit_model_points(points, n, bp_fits, a, "Quantilyzer: 02001", model_work_tables.bp_points, true,
                            bp_group_count, restore_first_pass_side);
}
