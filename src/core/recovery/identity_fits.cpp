#include "recovery/identity_fits.h"

#include <limits>

#include "methoddata/calibration_data.h"

namespace {

constexpr double kSmallest = std::numeric_limits<double>::min();  // 2.2250738585072014e-308
constexpr double kLargest = std::numeric_limits<double>::max();   // 1.7976931348623157e+308

// Valid flag and R squared are left as they are.
void set_identity_lines(FitTable& fits) {
    for (auto& row : fits)
        for (GroupFit& fit : row) {
            fit.slope = 0.0;
            fit.intercept = 1.0;
            fit.std_error = 0.0;
        }
}

}  // namespace

int reset_first_pass_fits(FitTable& fits) {
    set_identity_lines(fits);
    model_work_tables.first_pass_min_rvw = kSmallest;
    model_work_tables.first_pass_max_rvw = kLargest;
    return 1;
}

int reset_bp_fits(FitTable& fits) {
    set_identity_lines(fits);
    for (auto& row : fits)
        for (GroupFit& fit : row) {
            fit.range_low = fit.min_x = kSmallest;
            fit.range_high = fit.max_x = kLargest;
        }
    return 1;
}

int reset_rv_fits(FitTable& fits) {
    set_identity_lines(fits);
    return 1;
}

void reset_first_pass_pairs(FirstPassPairTable& pairs) { pairs.fill(FirstPassPair{kSmallest, 1}); }
