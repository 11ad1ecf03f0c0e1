#pragma once
// The tables of the calibration in memory beside those of methoddata/tables.h: the
// standards' files and the inclusion flags as last written or loaded.
#include <array>
#include <string>

#include "methoddata/records.h"

constexpr int kStandardFileSlots = 25;
constexpr int kLevelNameLength = 9;  // characters a level label keeps in level_names

// Per standard the path of its results file, and its data file path as listed.
extern std::array<std::string, kStandardFileSlots> standard_results_ini;
extern std::array<std::string, kStandardFileSlots> standard_data_files;

// The inclusion flags as last written or loaded; the review restores from them.
extern std::array<std::array<u8, kDataSets>, kMaxCompounds> level_included_saved;

// Copies columns 0..9 of level_included into level_included_saved for compounds 0..count-1.
void save_level_inclusion(int count);

// Empties the standards' files and the saved inclusion flags (program start; tests).
void construct_calibration_tables();

// Mean, standard deviation and %RSD of each compound's corrected response factors, as
// the calibration computed them; the models of check and sample mode read the mean.
struct CurveStatistics {
    std::array<double, kMaxCompounds> mean_rf{};
    std::array<double, kMaxCompounds> sd_rf{};  // divisor n - 1; 0 below two levels
    std::array<double, kMaxCompounds> pct_rsd{};
};

extern CurveStatistics curve_statistics;
