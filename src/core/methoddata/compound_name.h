#pragma once
// What a compound name may hold. ";" separates the fields of the calibration file, the
// reporting-limit file and the delimited reports: a name holding one would shift every
// field after it, so such a name is refused where it enters the library.
#include <string>

bool compound_name_has_separator(const std::string& name);

// The refusal of such a name in the library's row `row` (1-based).
std::string compound_name_separator_message(const std::string& name, int row);
