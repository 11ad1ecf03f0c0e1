#include "calibration/calibration_snapshot.h"

std::unique_ptr<CalibrationSnapshot> take_calibration_snapshot() {
    // On the heap: the tables are too large for the stack.
    return std::make_unique<CalibrationSnapshot>();
}

void restore_calibration_snapshot(const CalibrationSnapshot& s) {
    method_data = s.method_data;
    calibration_data = s.calibration;
}
