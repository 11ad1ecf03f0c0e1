#include "processing/model_fits.h"

#include <algorithm>
#include <limits>

#include "methoddata/marker_text.h"
#include "platform/number_text.h"

namespace {

// A bound held in single precision. The identity lines of the one-variable modes span the
// whole double range, beyond what a float holds: they keep the widest float bounds, which
// still lie beyond every boiling point and ln rvw.
float as_float_bound(double x) {
    constexpr double kWidest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(x, -kWidest, kWidest));
}

}  // namespace

std::string fit_line_text(const GroupFit& line) {
    return c_format("%.6f", line.slope) + c_format(";%.4f", line.intercept) + ";" +
           fixed_or_na(line.std_error, 2, 100.0);
}

void record_first_pass_lines(ModelFitSlots& fits, const std::array<GroupFit, kFitSlots>& lines) {
    for (int s = 0; s < kFitSlots; ++s) {
        ModelFit& f = fits[s];
        f.fp_text = fit_line_text(lines[s]);
        f.fp_slope = lines[s].slope;
        f.fp_intercept = static_cast<float>(lines[s].intercept);
        f.fp_error = static_cast<float>(lines[s].std_error);
    }
}

void record_group_lines(ModelFitSlots& fits, const std::array<GroupFit, kFitSlots>& lines,
                        GroupLine kind) {
    for (int g = 1; g <= kGroups; ++g) {
        const GroupFit& line = lines[g];
        ModelFit& f = fits[g];
        const bool bp = kind == GroupLine::BP;
        (bp ? f.bp_text : f.rv_text) = fit_line_text(line);
        (bp ? f.bp_slope : f.rv_slope) = line.slope;
        (bp ? f.bp_intercept : f.rv_intercept) = static_cast<float>(line.intercept);
        (bp ? f.bp_max_x : f.rv_max_x) = as_float_bound(line.max_x);
        (bp ? f.bp_min_x : f.rv_min_x) = as_float_bound(line.min_x);
        (bp ? f.bp_error : f.rv_error) = static_cast<float>(line.std_error);
        (bp ? f.bp_fitted : f.rv_fitted) = line.valid;
        if (bp)
            f.bp_slope_flag = f.bp_intercept_flag = f.bp_continuity_flag = 0;
        else
            f.rv_slope_flag = f.rv_intercept_flag = f.rv_continuity_flag = 0;
    }
    if (calc_limits_data.group_limits_on == 1) check_group_limits(fits, lines, kind);
}
