#pragma once
// Mean, standard deviation and %RSD of each compound's corrected response factors over
// the calibration levels that count, computed into calibration_data.curve_statistics.
#include "methoddata/calibration_tables.h"

// A level k of compound c counts when it is included in the curve and its response
// factor is a positive number (the not-set marker is no response factor).
bool level_counts(int c, int k);

// mean_rf[c] and sd_rf[c] over the levels 0 .. calibration_data.standard_count - 1.
void compute_curve_statistics(int c);

// mean_rf, sd_rf and pct_rsd of every compound c < compound_count over level slots 0..9.
void compute_all_curve_statistics();
