#pragma once
// The two limits that decide whether a compound's calibration is good enough to quantitate
// it: the minimum mean response factor and the maximum relative deviation of the response
// factors (standard deviation / mean, as a fraction). They live in the processing window's
// data (ProcessFilesData::min_mean_response, max_response_deviation), are held in single
// precision as the quantitation compares them, and are not saved: every run starts with
// the defaults. The window shows the deviation as a whole percentage.
#include <string>

#include "methoddata/process_files_data.h"  // the defaults of the two limits

// The box texts: "%8.4f" of the minimum, "%3.0f" of the deviation as a percentage.
std::string min_mean_response_text(float min_mean_response);
std::string max_response_deviation_text(float max_response_deviation);

// The lenient checks of the two boxes. The minimum must lie in (0, 1e8]; the percentage
// must not start with a negative whole number and must lie in (0, 500]. A text without a
// leading number reads as 0 and fails.
bool min_mean_response_text_ok(const std::string& text);
bool max_response_deviation_text_ok(const std::string& text);

// The strict conversions that store the values: the minimum is a whole decimal number, the
// percentage a whole integer (90 gives 0.9). A text that is not wholly such a number throws
// ConversionError with the standard message.
float min_mean_response_from_text(const std::string& text);
float max_response_deviation_from_text(const std::string& text);
