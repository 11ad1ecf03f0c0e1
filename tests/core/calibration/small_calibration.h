#pragma once
// A small calibration in memory for the review and the report: four compounds, the
// internal standard at row 1 (record 0), three standards labelled Amount1, Amount2 and
// the dilution factor 0.5.
#include "methoddata/records.h"

constexpr int kSmallCompounds = 4;
constexpr int kSmallStandards = 3;

// Fresh tables filled with the calibration. Compound 0 has response factors 100, 110 and
// 120 (mean 110, sd 10) and recovery deviations 0.01, 0.02, 0.03.
void fill_small_calibration();
