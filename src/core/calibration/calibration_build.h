#pragma once
// The calibration build: for every standard the recovery-model chain, then the
// corrected response factors and their deviations, the calibration log of suspicious
// values and the curve statistics.
#include <array>
#include <string>

#include "methoddata/calibration_tables.h"

// Builds the calibration of `standards` standards from their results files (the level labels
// are calibration_data.level_names) and the reference data file `reference`, whose results
// file lies beside it. False after the failing step's own message.
bool build_calibration(const std::array<std::string, kStandardFileSlots>& results_files,
                       int standards, const std::string& reference);
