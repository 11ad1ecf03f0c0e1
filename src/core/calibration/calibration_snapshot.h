#pragma once
// Everything a calibration file fills, taken as one copy, so that a read that stops
// part-way can put the calibration that was in memory back whole.
#include <memory>

#include "methoddata/calibration_data.h"
#include "methoddata/tables.h"

// Each member is taken from the tables as they are when the snapshot is made.
struct CalibrationSnapshot {
    // The library, the internal standards, their range limits and class thresholds, the
    // variable mode, and the files and caption that name them: the whole method data.
    MethodData method_data = ::method_data;
    CalibrationData calibration = ::calibration_data;
};

// The library, internal-standard and calibration tables and the state beside them
// (counts, file names, variable mode, range limits, class thresholds) as they are now.
std::unique_ptr<CalibrationSnapshot> take_calibration_snapshot();

// Puts the tables and state back as the snapshot holds them.
void restore_calibration_snapshot(const CalibrationSnapshot& snapshot);
