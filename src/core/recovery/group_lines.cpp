#include "recovery/group_lines.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "samples/process_files_data.h"
#include "recovery/least_squares.h"
#include "recovery/model_errors.h"

namespace {

// The standard error of a group whose variance came out negative.
constexpr double kNegativeVarianceError = 123456.0;
// Groups of more than this many points take their range ends as means of two points.
constexpr size_t kPointsForMeanEnds = 3;

bool smooths_first_pass(int a) {
    return a >= 0 && a < kSampleSlots &&
           process_files_data.samples[a].settings.smooth_first_pass == 1;
}

// Range low and high: the means of the two lowest and the two highest x when the group is
// large enough, else its smallest and largest x.
void set_ranges(GroupFit& fit, const std::vector<double>& xs) {
    fit.min_x = *std::min_element(xs.begin(), xs.end());
    fit.max_x = *std::max_element(xs.begin(), xs.end());
    if (xs.size() > kPointsForMeanEnds) {
        fit.range_low = (xs[0] + xs[1]) / 2.0;
        fit.range_high = (xs[xs.size() - 2] + xs[xs.size() - 1]) / 2.0;
    } else {
        fit.range_low = fit.min_x;
        fit.range_high = fit.max_x;
    }
}

}  // namespace

int fit_group_lines(PointList& points, FitTable& fits, int a) {
    const bool smooth = smooths_first_pass(a);
    int g = 0;
    std::vector<double> xs;
    for (int p = 0; p < kMaxSurrogates && points[p].in_use && g + 1 < kFitSlots;) {
        ++g;
        SurrogatePoint& first = points[p];
        if (first.group == 1 && smooth && first.y > 1.0 && !is_not_set(first.y)) first.y = 1.0;
        LineSums sums;
        xs.clear();
        for (; p < kMaxSurrogates && points[p].in_use && points[p].group == g; ++p) {
            sums.add(points[p].x, points[p].y);
            xs.push_back(points[p].x);
        }
        if (static_cast<int>(xs.size()) > sums.n && sums.n < 2) return 0;
        if (is_degenerate(sums)) end_model("Quantilyzer: 14003", "Error");
        const LineFit line = fit_line(sums, kNegativeVarianceError);
        GroupFit& fit = fits[a][g];
        fit.slope = line.slope;
        fit.intercept = line.intercept;
        fit.std_error = line.std_error;
        // A line through two points (or with no variance) has no R squared of its own;
        // the slot must show neither one of an earlier fit nor a number never computed.
        fit.r_squared = line.has_r_squared ? line.r_squared : kNotSet;
        set_ranges(fit, xs);
        fit.valid = 1;
    }
    return g;
}
