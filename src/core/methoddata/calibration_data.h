#pragma once
// The calibration in memory as one value: the standards' raw results, the level labels
// and inclusion flags, the recovery tables, the curve statistics, the standards' files and
// the calibration file's name. A calibration file holds it (the raw results as its areas
// and amounts) and a build makes it; a read that stops part-way puts it back whole. The
// continuing check and the sample run write the raw results and recovery rows of the
// slots they model here too. The recovery models' fits and points are ModelWorkTables.
#include <array>
#include <string>

#include "methoddata/model_work_tables.h"
#include "methoddata/records.h"
#include "methoddata/tables.h"

constexpr int kStandardFileSlots = 25;

// Mean, standard deviation and %RSD of each compound's corrected response factors, as
// the calibration computed them; the models of check and sample mode read the mean.
struct CurveStatistics {
    std::array<double, kMaxCompounds> mean_rf{};
    std::array<double, kMaxCompounds> sd_rf{};  // divisor n - 1; 0 below two levels
    std::array<double, kMaxCompounds> pct_rsd{};

    bool operator==(const CurveStatistics&) const = default;
};

// Every default is the value a fresh program holds; a reset assigns CalibrationData{}.
struct CalibrationData {
    std::array<SampleRawData, kDataSets> raw_data_sets{};
    std::array<std::string, kDataSets> level_names{};  // at most 10 characters each
    std::array<std::array<u8, kDataSets>, kMaxCompounds> level_included{};
    // The inclusion flags as last written or loaded; the review restores from them. A
    // saved copy by design, not kept in step with level_included.
    std::array<std::array<u8, kDataSets>, kMaxCompounds> level_included_saved{};
    RecoveryTables recovery_tables{};
    CurveStatistics curve_statistics{};

    // Per standard the path of its results file, and its data file path as listed.
    std::array<std::string, kStandardFileSlots> standard_results_ini{};
    std::array<std::string, kStandardFileSlots> standard_data_files{};
    int standard_count = 0;
    int calibration_loaded = 0;
    std::string calibration_file_name;  // at most 255 characters

    bool operator==(const CalibrationData&) const = default;
};

// The calibration in use.
extern CalibrationData& calibration_data;  // part of the one ProgramState

// Puts the calibration back to CalibrationData{} and the models' tables to
// ModelWorkTables{} (program start; tests).
void reset_calibration_data();
