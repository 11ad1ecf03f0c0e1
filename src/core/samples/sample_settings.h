#pragma once
// The Sample Information entry of one sample in the processing list, the identifiers its
// results file gives and the values carried from one entry to the next.
#include <array>
#include <cstdint>
#include <string>

#include "methoddata/records.h"

struct SampleSettings {
    // The size as the entry read it (the processing list shows it so). Every concentration
    // divides by it in single precision: its uses take it as a float.
    double size = 0.0;  // > 0 in a completed entry
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
    // The standard-deviations index of the entry; the reporting-limit test, which runs in
    // Reporting Limit mode alone, reads it.
    std::int32_t sigma_count = 0;
    // The CRQL percentage as the entry read it, set in CRQL mode only. The CRQL test adds it
    // in double precision; its qualifier and the reports take it as a float.
    double crql_percent = 0.0;
    std::string size_unit;  // "mL" or "g"
    std::string instrument_id;
    u8 smooth_first_pass = 0;  // the lowest point of RV group 1 is fitted at most at 1.0
    std::string results_ini_path;

    bool operator==(const SampleSettings&) const = default;
};

enum LimitsMode : std::int32_t { kNoLimits = 0, kReportingLimitMode = 1, kCrqlMode = 2 };

// The standard deviations the reporting-limit test adds to a result: the entry's count in
// Reporting Limit mode, none in the other modes.
inline std::int32_t reporting_limit_sigmas(const SampleSettings& s) {
    return s.limits_mode == kReportingLimitMode ? s.sigma_count : 0;
}

// The identifiers a listed sample's results file gives, read when the sample is listed:
// its Sample Information entry starts from them and stores its own in SampleSettings.
struct SampleIds {
    std::string client_sample_id;
    std::string injection_time;  // "InjectiomTime" of the results file
    std::string lab_file_id;
    std::string instrument_id;

    bool operator==(const SampleIds&) const = default;
};

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

    bool operator==(const SampleInputCarry&) const = default;
};
