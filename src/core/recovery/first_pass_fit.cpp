#include "recovery/first_pass_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "methoddata/calibration_data.h"
#include "methoddata/surrogate_library_row.h"
#include "platform/ui_services.h"
#include "recovery/least_squares.h"
#include "recovery/model_errors.h"
#include "recovery/standard_recovery.h"

namespace {

// The running bounds of the segments start outside every ln rvw.
constexpr double kStartLowest = 1e12;
constexpr double kStartHighest = -1e12;

void show_too_few_points() { show_message("Quantilyzer: 03003", "Error"); }

// A measured recovery against the calibration's mean response (check and sample mode).
double recovery_against_mean(const StandardSignal& s) {
    const double divisor = s.mean_rf * s.amount1;
    return divisor != 0.0 ? s.area / divisor : kNotSet;
}

// The pair table describes every segment, and the standard's row of calibration
// points receives the paired entries; entries after them end that row.
void describe_segments(const PointList& points, FirstPassPairTable& pairs, int a) {
    int count = 0, highest = 0;
    for (; count < kMaxSurrogates && points[count].in_use; ++count) {
        pairs[count] = {points[count].x, points[count].group};
        highest = std::max(highest, points[count].group);
    }
    if (a >= 0 && a < kFirstPassPointRows) {
        auto& row = model_work_tables.standard_first_pass_points[a];
        for (int i = 0; i < kFirstPassPointsPerRow; ++i) {
            if (i < count) {
                const SurrogatePoint& p = points[i];
                row[i].name = p.name;
                row[i].in_use = p.in_use;
                row[i].y = p.y;
                row[i].measured = p.measured;
                row[i].rvw = p.rvw;
                row[i].bp = p.bp;
                row[i].group = p.group;
                row[i].record = p.record;
            } else {
                row[i].in_use = 0;
            }
        }
    }
    model_work_tables.first_pass_group_count = highest + 1;
    model_work_tables.first_pass_pair_count = count;
}

}  // namespace

int compute_first_pass_points(const RawDataSets& raw, const SurrogateTable& surrogates,
                              const LibraryTable& library, PointList& points, int a) {
    int n = 0;
    for (int q = 0; q < method_data.surrogate_count && q < kMaxSurrogates; ++q) {
        const SurrogateRecord& record = surrogates[q];
        int row = 0;
        if (!record.first_pass || !find_surrogate_library_row(row, q, surrogates, library)) continue;
        SurrogatePoint& p = points[n];
        p.in_use = 1;
        p.name = record.name;
        p.rvw = record.rvw;
        p.bp = record.bp;
        if (!(record.rvw > 0.0))
            end_model("Quantilyzer: 03007 | record " + std::to_string(q + 1), "Error");
        p.x = std::log(record.rvw);
        p.record = q;
        const StandardSignal signal = read_standard_signal(raw, record.name, row, a);
        if (signal.area == 0.0) {
            show_message("The area count for the compound " + record.name +
                             " is ZERO.\nPlease revise your Internal Standard groups",
                         "Warning");
            return kNotFound;
        }
        if (warn_missing_from_reference(signal, record.name)) return kNotFound;
        const StandardRecovery recovery = standard_recovery(signal, 1.0, a, record.name);
        p.y = recovery.y;
        p.measured = check_or_sample_mode() ? recovery_against_mean(signal) : recovery.measured;
        ++n;
    }
    return n;
}

void sort_points_by_x(PointList& points) {
    for (int i = 0; i < kMaxSurrogates && points[i].in_use; ++i)
        for (int j = i + 1; j < kMaxSurrogates && points[j].in_use; ++j)
            if (points[j].x < points[i].x) swap_points(points[i], points[j]);
}

void make_pair_groups(PointList& points) {
    // Each inner point is duplicated, so it ends one segment and starts the next. A list
    // with no free entry at its end has no room for a duplicate and stays as it is.
    for (int j = 1, g = 1; j + 2 < kMaxSurrogates && points[j + 1].in_use && !points.back().in_use;
         j += 2, ++g) {
        std::copy_backward(points.begin() + j, points.end() - 1, points.end());
        points[j + 1].group = g;
        points[j + 2].group = g;
    }
}

int fit_pair_groups(const PointList& points, FitTable& fits, int a) {
    double lowest = kStartLowest, highest = kStartHighest;
    int g = 0;
    for (int p = 0; p < kMaxSurrogates && points[p].in_use && g < kFitSlots; ++g) {
        LineSums sums;
        int members = 0;
        double min_x = std::numeric_limits<double>::max();
        double max_x = std::numeric_limits<double>::lowest();
        for (; p < kMaxSurrogates && points[p].in_use && points[p].group == g; ++p, ++members) {
            sums.add(points[p].x, points[p].y);
            min_x = std::min(min_x, points[p].x);
            max_x = std::max(max_x, points[p].x);
        }
        if (members > sums.n && sums.n < 2) return 0;  // a y that could not be computed
        if (is_degenerate(sums)) end_model("Quantilyzer: 03008", "Error");
        const LineFit line = fit_line(sums, kNotSet);
        lowest = std::min(lowest, min_x);
        highest = std::max(highest, max_x);
        GroupFit& fit = fits[a][g];
        fit.slope = line.slope;
        fit.intercept = line.intercept;
        fit.std_error = line.std_error;
        // A line through two points (or with no variance) has no R squared of its own;
        // the slot must show neither one of an earlier fit nor a number never computed.
        fit.r_squared = line.has_r_squared ? line.r_squared : kNotSet;
        fit.range_low = min_x;
        fit.range_high = max_x;
        fit.valid = 1;
    }
    model_work_tables.first_pass_min_rvw = std::exp(lowest);
    model_work_tables.first_pass_max_rvw = std::exp(highest);
    return g;
}

int first_pass_fit(const RawDataSets& raw, const SurrogateTable& surrogates,
                   const LibraryTable& library, FitTable& fits, int a, FirstPassPairTable& pairs) {
    PointList points;
    clear_fit_points(points);
    const int n = compute_first_pass_points(raw, surrogates, library, points, a);
    if (n == kNotFound) return 0;
    if (n < 2) {
        show_too_few_points();
        return 0;
    }
    if (n > kMaxFirstPassStandards) {
        show_message("There are " + std::to_string(n) +
                         " First Pass internal standards; at most " +
                         std::to_string(kMaxFirstPassStandards) +
                         " can be fitted.\nPlease revise your Internal Standard groups",
                     "Error");
        return 0;
    }
    // Every point ends a segment: one whose y could not be computed leaves a segment
    // with a single point. Refused before anything is written.
    if (auto lost = std::find_if(points.begin(), points.begin() + n,
                                 [](const SurrogatePoint& p) { return is_not_set(p.y); });
        lost != points.begin() + n) {
        show_recovery_not_computed(lost->name);
        return 0;
    }
    sort_points_by_x(points);
    make_pair_groups(points);
    if (fit_pair_groups(points, fits, a) == 0) {
        show_too_few_points();
        return 0;
    }
    describe_segments(points, pairs, a);
    return 1;
}
