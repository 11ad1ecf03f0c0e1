#pragma once
// The Sample Information entry of one sample in the processing list.
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
