#pragma once
// The cells of a printed results row. Their leading blanks right-align the figures of a
// column: in the report font a blank is half as wide as a digit.
#include <string>

std::string concentration_cell(float concentration);
std::string error_cell(float concentration, float error);
std::string recovery_cell(float recovery_percent);
std::string deviation_cell(float deviation_percent);
