#include "calibration/calibration_snapshot.h"

#include "methoddata/calibration_tables.h"

std::unique_ptr<CalibrationSnapshot> take_calibration_snapshot() {
    // On the heap: the tables are too large for the stack.
    return std::make_unique<CalibrationSnapshot>();
}

void restore_calibration_snapshot(const CalibrationSnapshot& s) {
    method_data = s.method_data;
    raw_data_sets = s.raw_data_sets;
    level_names = s.level_names;
    level_included = s.level_included;
    level_included_saved = s.level_included_saved;
    recovery_tables = s.recovery_tables;
    standard_results_ini = s.standard_results_ini;
    standard_data_files = s.standard_data_files;
    standard_count = s.standard_count;
    calibration_file_name = s.calibration_file_name;
}
