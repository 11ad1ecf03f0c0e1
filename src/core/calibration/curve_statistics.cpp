#include "calibration/curve_statistics.h"

#include <algorithm>
#include <cmath>

#include "methoddata/tables.h"
#include "methoddata/calibration_data.h"

bool level_counts(int c, int k) {
    double rf = calibration_data.recovery_tables.response_factor[k][c];
    return calibration_data.level_included[c][k] == 1 && rf > 0.0 && std::isfinite(rf) && !is_not_set(rf);
}

namespace {
void mean_and_deviation(int c, int levels) {
    double sum = 0.0;
    int n = 0;
    for (int k = 0; k < levels; ++k)
        if (level_counts(c, k)) sum += calibration_data.recovery_tables.response_factor[k][c], ++n;
    double mean = n > 0 ? sum / n : 0.0;
    double squares = 0.0;
    for (int k = 0; k < levels; ++k)
        if (level_counts(c, k)) {
            double d = calibration_data.recovery_tables.response_factor[k][c] - mean;
            squares += d * d;
        }
    calibration_data.curve_statistics.mean_rf[c] = mean;
    calibration_data.curve_statistics.sd_rf[c] = n >= 2 ? std::sqrt(squares / (n - 1)) : 0.0;
}
}  // namespace

void compute_curve_statistics(int c) {
    if (c < 0 || c >= kMaxCompounds) return;
    mean_and_deviation(c, std::clamp(calibration_data.standard_count, 0, kMaxLevels));
}

void compute_all_curve_statistics() {
    for (int c = 0; c < std::min(method_data.compound_count, kMaxCompounds); ++c) {
        mean_and_deviation(c, kMaxLevels);
        double mean = calibration_data.curve_statistics.mean_rf[c];
        calibration_data.curve_statistics.pct_rsd[c] = mean != 0.0 ? calibration_data.curve_statistics.sd_rf[c] / mean * 100.0 : 0.0;
    }
}
