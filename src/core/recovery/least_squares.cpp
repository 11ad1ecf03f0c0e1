#include "recovery/least_squares.h"

#include <cmath>

#include "methoddata/records.h"

namespace {
// Variances below this count as zero: the residue of rounding in a perfect fit.
constexpr double kZeroVariance = 1e-9;
// A spread this small next to n·Σx² is rounding, not a second distinct x.
constexpr double kDegenerateSpread = 1e-12;
}  // namespace

bool LineSums::add(double x, double y) {
    if (is_not_set(y)) return false;
    ++n;
    sx += x;
    sy += y;
    sxx += x * x;
    syy += y * y;
    sxy += x * y;
    return true;
}

bool is_degenerate(const LineSums& sums) {
    if (sums.n < 2) return true;
    return !(sums.spread() > kDegenerateSpread * sums.n * sums.sxx);
}

LineFit fit_line(const LineSums& s, double negative_variance_error) {
    LineFit fit;
    const double d = s.spread();
    const double cross = s.n * s.sxy - s.sx * s.sy;
    fit.slope = cross / d;
    fit.intercept = (s.sy * s.sxx - s.sx * s.sxy) / d;
    if (s.n == 2) return fit;  // the line runs through both points
    double variance = ((s.n * s.syy - s.sy * s.sy) - cross * cross / d) / (s.n * (s.n - 2.0));
    if (std::fabs(variance) < kZeroVariance) variance = 0.0;
    if (variance >= 0.0) {
        fit.std_error = std::sqrt(variance);
        fit.has_r_squared = true;
        fit.r_squared = r_squared(s.n, s.sx, s.sy, s.sxx, s.syy, s.sxy);
    } else {
        fit.std_error = negative_variance_error;
    }
    return fit;
}

double r_squared(int n, double sum_x, double sum_y, double sum_xx, double sum_yy, double sum_xy) {
    const double p = (n * sum_xx - sum_x * sum_x) * (n * sum_yy - sum_y * sum_y);
    // A product that rounding pushed below zero has no root: no correlation either.
    if (std::fabs(p) < kZeroVariance || !(p > 0.0)) return 0.0;
    const double r = (n * sum_xy - sum_x * sum_y) / std::sqrt(p);
    return r * r;
}
