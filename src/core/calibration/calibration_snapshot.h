#pragma once
// Everything a calibration file fills, taken as one copy, so that a read that stops
// part-way can put the calibration that was in memory back whole.
#include <memory>

struct CalibrationSnapshot;

struct CalibrationSnapshotDeleter {
    void operator()(CalibrationSnapshot* snapshot) const;
};
using CalibrationSnapshotPtr = std::unique_ptr<CalibrationSnapshot, CalibrationSnapshotDeleter>;

// The library, internal-standard and calibration tables and the state beside them
// (counts, file names, variable mode, range limits, class thresholds) as they are now.
CalibrationSnapshotPtr take_calibration_snapshot();

// Puts the tables and state back as the snapshot holds them.
void restore_calibration_snapshot(const CalibrationSnapshot& snapshot);
