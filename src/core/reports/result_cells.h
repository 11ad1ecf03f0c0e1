#pragma once
// The cells of a printed results row. Their leading blanks right-align the figures of a
// column: in the report font a blank is half as wide as a digit.
#include <string>

#include "samples/sample_results.h"

// The figure cells say what the status says: a limit below which the result fell, words for
// a result that is not known, the number of a measured one.
std::string concentration_cell(ResultStatus status, float concentration);
std::string error_cell(ResultStatus status, float concentration, float error);
// Percentages of single-precision fractions, passed in double precision: the product
// rounded to single precision can change the last printed digit. A marker (a value not
// available) is passed as it is, unscaled, and shows as "N/A".
std::string recovery_cell(double recovery_percent);
std::string deviation_cell(double deviation_percent);
