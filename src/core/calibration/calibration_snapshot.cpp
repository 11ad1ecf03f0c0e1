#include "calibration/calibration_snapshot.h"

#include "calibration/calibration_tables.h"
#include "methoddata/tables.h"

struct CalibrationSnapshot {
    LibraryTable library;
    SurrogateTable surrogates;
    std::array<SampleRawData, kDataSets> raw_data_sets;
    std::array<std::string, kDataSets> level_names;
    std::array<std::array<u8, kDataSets>, kMaxCompounds> level_included;
    std::array<std::array<u8, kDataSets>, kMaxCompounds> level_included_saved;
    RecoveryTables recovery_tables;
    std::array<std::string, kStandardFileSlots> standard_results_ini;
    std::array<std::string, kStandardFileSlots> standard_data_files;
    int compound_count = 0;
    int surrogate_count = 0;
    int standard_count = 0;
    std::string calibration_file_name;
    std::string library_ini_path;
    std::string surrogate_file_path;
    std::string surrogate_reference_path;
    std::string library_version;
    VariableMode variable_mode;
    SurrogateRangeLimits range_limits;
    CategoryThresholds thresholds;
};

void CalibrationSnapshotDeleter::operator()(CalibrationSnapshot* snapshot) const { delete snapshot; }

CalibrationSnapshotPtr take_calibration_snapshot() {
    CalibrationSnapshotPtr s(new CalibrationSnapshot{
        library, surrogates, raw_data_sets, level_names, level_included, level_included_saved,
        recovery_tables, standard_results_ini, standard_data_files, compound_count,
        surrogate_count, standard_count, calibration_file_name, library_ini_path,
        surrogate_file_path, surrogate_reference_path, library_version, current_variable_mode(),
        surrogate_range_limits, category_thresholds});
    return s;
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
