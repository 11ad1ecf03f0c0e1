#pragma once
// The injection time of a results file as the analysed-date box shows it. The box's
// layout is "mm/dd/yyyy hh:nn"; instruments write "9/22/2025 9:05" (with seconds or
// AM/PM too) or "2025-09-22 09:05:00", and other forms that this program cannot read.
#include <string>

// The time in the box's layout; a text of no form read here is kept as it is.
std::string analysed_date_text(const std::string& injection_time);

// Whether a text stands in the box's layout, digits where the layout has digits: only
// such a text may be shown through the box's mask, which would rearrange any other
// (it puts the text's digits into its own places).
bool fits_analysed_date_layout(const std::string& text);
