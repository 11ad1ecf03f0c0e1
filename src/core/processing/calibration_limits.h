#pragma once
// The two limits that decide whether a compound's calibration is good enough to quantitate
// it: the minimum mean response factor and the maximum relative deviation of the response
// factors (standard deviation / mean, as a fraction). They live in the processing window's
// data (ProcessFilesData::min_mean_response, max_response_deviation), are held in single
// precision as the quantitation compares them, and are not saved: every run starts with
// the defaults. The window shows the deviation as a whole percentage.
#include <optional>
#include <string>

#include "samples/process_files_data.h"  // the defaults of the two limits

// The box texts: "%8.4f" of the minimum, "%3.0f" of the deviation as a percentage.
std::string min_mean_response_text(float min_mean_response);
std::string max_response_deviation_text(float max_response_deviation);

// The checks of the two boxes, each read whole: the minimum must be a number in (0, 1e8],
// the percentage a whole number in (0, 500]. "50.5" (no whole percentage), "0.5x" and an
// empty box are refused.
bool min_mean_response_text_ok(const std::string& text);
bool max_response_deviation_text_ok(const std::string& text);

// Both boxes checked at once: which are good, and the message that names each refused box
// and says why (empty when both are good).
struct CalibrationLimitsCheck {
    bool minimum_ok = true;
    bool deviation_ok = true;
    std::string message;
};
CalibrationLimitsCheck check_calibration_limit_texts(const std::string& minimum, const std::string& deviation);

// The values the boxes store: the minimum a decimal number, the percentage a whole number
// (90 gives 0.9), each read whole. A text the check refuses throws ConversionError naming
// the box.
float min_mean_response_from_text(const std::string& text);
float max_response_deviation_from_text(const std::string& text);

// The window's OK: both boxes' values into the processing window's data, the minimum
// first; a text the check refuses throws ConversionError naming its box.
void store_calibration_limits(ProcessFilesData& data, const std::string& minimum, const std::string& deviation);
// The window's Defaults: both limits back to the values every run starts with.
void reset_calibration_limits(ProcessFilesData& data);
