#pragma once
// Helpers of the calibration's level tables (the tables themselves are members of
// CalibrationData).
#include "methoddata/calibration_data.h"

constexpr int kLevelNameLength = 9;  // characters a level label keeps in level_names

// Copies columns 0..9 of level_included into level_included_saved for compounds 0..count-1.
void save_level_inclusion(int count);

// Puts the calibration and the models' tables back to their construction values (program
// start; tests).
void construct_calibration_tables();
