#pragma once
// Everything a calibration file fills, taken as one copy, so that a read that stops
// part-way can put the calibration that was in memory back whole.
#include <array>
#include <memory>
#include <string>

#include "methoddata/calibration_tables.h"
#include "methoddata/tables.h"

// Each member is taken from the tables as they are when the snapshot is made.
struct CalibrationSnapshot {
    // The library, the internal standards, their range limits and class thresholds, the
    // variable mode, and the files and caption that name them: the whole method data.
    MethodData method_data = ::method_data;
    std::array<SampleRawData, kDataSets> raw_data_sets = ::raw_data_sets;
    std::array<std::string, kDataSets> level_names = ::level_names;
    std::array<std::array<u8, kDataSets>, kMaxCompounds> level_included = ::level_included;
    std::array<std::array<u8, kDataSets>, kMaxCompounds> level_included_saved =
        ::level_included_saved;
    RecoveryTables recovery_tables = ::recovery_tables;
    std::array<std::string, kStandardFileSlots> standard_results_ini = ::standard_results_ini;
    std::array<std::string, kStandardFileSlots> standard_data_files = ::standard_data_files;
    int standard_count = ::standard_count;
    std::string calibration_file_name = ::calibration_file_name;
};

// The library, internal-standard and calibration tables and the state beside them
// (counts, file names, variable mode, range limits, class thresholds) as they are now.
std::unique_ptr<CalibrationSnapshot> take_calibration_snapshot();

// Puts the tables and state back as the snapshot holds them.
void restore_calibration_snapshot(const CalibrationSnapshot& snapshot);
