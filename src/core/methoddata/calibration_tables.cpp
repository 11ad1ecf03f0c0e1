#include "methoddata/calibration_tables.h"

#include "methoddata/tables.h"

std::array<std::string, kStandardFileSlots> standard_results_ini;
std::array<std::string, kStandardFileSlots> standard_data_files;
std::array<std::array<u8, kDataSets>, kMaxCompounds> level_included_saved{};
CurveStatistics curve_statistics;

void save_level_inclusion(int count) {
    for (int c = 0; c < count && c < kMaxCompounds; ++c)
        for (int k = 0; k < kMaxLevels; ++k) level_included_saved[c][k] = level_included[c][k];
}

void construct_calibration_tables() {
    standard_results_ini.fill(std::string());
    standard_data_files.fill(std::string());
    for (auto& row : level_included_saved) row.fill(0);
}
