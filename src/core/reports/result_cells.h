#pragma once
// The cells of a printed results row. Their leading blanks right-align the figures of a
// column: in the report font a blank is half as wide as a digit.
#include <string>

std::string concentration_cell(float concentration);
std::string error_cell(float concentration, float error);
// Percentages of single-precision fractions, passed in double precision: the product
// rounded to single precision can change the last printed digit.
std::string recovery_cell(double recovery_percent);
std::string deviation_cell(double deviation_percent);
