#include "calibration/calibration_snapshot.h"

#include "methoddata/calibration_tables.h"

std::unique_ptr<CalibrationSnapshot> take_calibration_snapshot() {
    return std::make_unique<CalibrationSnapshot>(CalibrationSnapshot{
        library, surrogates, raw_data_sets, level_names, level_included, level_included_saved,
        recovery_tables, standard_results_ini, standard_data_files, compound_count,
        surrogate_count, standard_count, calibration_file_name, library_ini_path,
        surrogate_file_path, surrogate_reference_path, library_version, current_variable_mode(),
        surrogate_range_limits, category_thresholds});
}

void restore_calibration_snapshot(const CalibrationSnapshot& s) {
    library = s.library;
    surrogates = s.surrogates;
    raw_data_sets = s.raw_data_sets;
    level_names = s.level_names;
    level_included = s.level_included;
    level_included_saved = s.level_included_saved;
    recovery_tables = s.recovery_tables;
    standard_results_ini = s.standard_results_ini;
    standard_data_files = s.standard_data_files;
    compound_count = s.compound_count;
    surrogate_count = s.surrogate_count;
    standard_count = s.standard_count;
    calibration_file_name = s.calibration_file_name;
    library_ini_path = s.library_ini_path;
    surrogate_file_path = s.surrogate_file_path;
    surrogate_reference_path = s.surrogate_reference_path;
    library_version = s.library_version;
    apply_variable_mode(s.variable_mode);
    surrogate_range_limits = s.range_limits;
    category_thresholds = s.thresholds;
}
