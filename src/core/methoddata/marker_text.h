#pragma once
// A value that may hold the not-available marker, as a report, a page or a chart shows it:
// the marker is never a number there (times 100 it would read as a real, huge percentage),
// its cell says "N/A".
#include <string>

#include "methoddata/records.h"

// The marker 2147483647.0 held in a single-precision field reads back as 2147483648.0, the
// cannot-compute marker: both are markers, never a value a result can take.
static_assert(static_cast<double>(static_cast<float>(kNotSet)) == kCannotCompute);
inline bool is_value_marker(double v) { return v == kNotSet || v == kCannotCompute; }

inline const std::string kNotAvailableText = "N/A";

// "%.<decimals>f" of value x scale, or "N/A" for a marker.
std::string fixed_or_na(double value, int decimals, double scale = 1.0);
void append_fixed_or_na(std::string& out, double value, int decimals, double scale = 1.0);
