#include "methoddata/calibration_tables.h"

void save_level_inclusion(int count) {
    CalibrationData& d = calibration_data;
    for (int c = 0; c < count && c < kMaxCompounds; ++c)
        for (int k = 0; k < kMaxLevels; ++k) d.level_included_saved[c][k] = d.level_included[c][k];
}

void construct_calibration_tables() { reset_calibration_data(); }
