#pragma once
// What a compound name may hold. ";" separates the fields of the calibration file, the
// reporting-limit file and the delimited reports: a name holding one would shift every
// field after it, so such a name is refused where it enters the library.
#include <optional>
#include <string>
#include <vector>

bool compound_name_has_separator(const std::string& name);

// The refusal of such a name in the library's row `row` (1-based).
std::string compound_name_separator_message(const std::string& name, int row);

// The refusal of a name typed into row `row` that row `other_row` holds already (1-based):
// the library could be saved but never loaded again.
std::string compound_name_in_use_message(const std::string& name, int other_row, int row);

// Two rows (0-based, the first row first) that hold the same compound name. Names are how
// internal-standard records, reporting limits and results find their rows: with a name in
// two rows every lookup takes the first, and the second row's values go nowhere.
struct RepeatedName {
    std::string name;
    int first = 0;
    int second = 0;
};

// The first name (by its second row) that an earlier row holds too, compared exactly, as
// the lookups by name compare.
std::optional<RepeatedName> find_repeated_compound_name(const std::vector<std::string>& names);

// "The <kind> file <path> was not read: the compound "<name>" is named twice, in row <a>
// (line <la>) and in row <b> (line <lb>)." and what was kept; rows and lines 1-based.
std::string repeated_compound_name_message(const std::string& kind, const std::string& path,
                                           const RepeatedName& repeated, int first_line, int second_line,
                                           const std::string& kept);
