#pragma once
// The Sample Information entry of one sample in the processing list, the per-sample
// arrays that go with it and the values carried from one entry to the next.
#include <array>
#include <cstdint>
#include <string>

#include "methoddata/records.h"

struct SampleSettings {
    float size = 0.0f;  // divisor of every concentration; > 0 in a completed entry
    std::string units;
    std::string matrix;
    std::int32_t limits_mode = 0;  // 1 reporting-limit file, 2 CRQL file, 0 none
    std::string comment;
    std::string agency_sample_id;
    std::string lab_sample_id;
    std::string analysed_date;
    std::string lab_file_id;
    u8 include_calibration_error = 0;
    std::string limits_file_path;
    std::string data_file_path;
    std::int32_t sigma_count = 0;
    float crql_percent = 0.0f;
    std::string size_unit;  // "mL" or "g"
    std::string instrument_id;
    u8 smooth_first_pass = 0;  // the lowest point of RV group 1 is fitted at most at 1.0
    std::string results_ini_path;
};

enum LimitsMode : std::int32_t { kNoLimits = 0, kReportingLimitMode = 1, kCrqlMode = 2 };

// The identifiers of each listed sample: first from its results file, then from its entry.
struct SampleIds {
    std::array<std::string, kSampleSlots> client_sample_id;
    std::array<std::string, kSampleSlots> agency_id;
    std::array<std::string, kSampleSlots> injection_time;  // "InjectiomTime" of the results file
    std::array<std::string, kSampleSlots> lab_file_id;
    std::array<std::string, kSampleSlots> instrument_id;
};

// Per listed sample, same index as the processing window's sample_settings.
extern std::array<double, kSampleSlots> sample_sizes;
extern std::array<std::string, kSampleSlots> sample_limit_files;  // Reporting Limit mode only
extern std::array<std::int32_t, kSampleSlots> sample_sigmas;       // 0 unless Reporting Limit mode
extern std::array<double, kSampleSlots> sample_crql_percents;
extern SampleIds sample_ids;

// Values carried from the last completed entry to the next one, for the whole run.
struct SampleInputCarry {
    double last_size = 0.0;
    std::int32_t last_mode_lmt = 0;
    std::int32_t last_mode_crql = 0;
    std::string last_lmt_file;
    std::string last_crql_file;
    std::string last_units;
    std::int32_t last_sigma_count = 0;
    std::int32_t entry_made = 0;
    std::string browsed_limits_file;
    std::string last_other_comment;
};
extern SampleInputCarry sample_input_carry;

// The smooth-first-pass switch of the Sample Information window, copied into each entry.
extern u8 smooth_first_pass;

// Empties the per-sample arrays of every slot (the main window's Process sample files).
void clear_sample_information();
// Everything of this file back to its start values, the carried values too (tests).
void construct_sample_information();
