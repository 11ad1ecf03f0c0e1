#include "methoddata/compound_name.h"

#include <unordered_map>

bool compound_name_has_separator(const std::string& name) {
    return name.find(';') != std::string::npos;
}

std::string compound_name_separator_message(const std::string& name, int row) {
    return "The compound name \"" + name + "\" in row " + std::to_string(row) +
           " contains \";\", which separates the fields of the calibration, reporting-limit "
           "and report files.\nPlease rename the compound.";
}

std::string compound_name_in_use_message(const std::string& name, int other_row, int row) {
    return "The compound name \"" + name + "\" in row " + std::to_string(row) + " is the name of row " +
           std::to_string(other_row) +
           " already: records, limits and results find their compound by its name.\nPlease rename the compound.";
}

std::optional<RepeatedName> find_repeated_compound_name(const std::vector<std::string>& names) {
    std::unordered_map<std::string, int> first_row;
    for (int r = 0; r < static_cast<int>(names.size()); ++r) {
        const auto [at, inserted] = first_row.emplace(names[r], r);
        if (!inserted) return RepeatedName{names[r], at->second, r};
    }
    return std::nullopt;
}

std::string repeated_compound_name_message(const std::string& kind, const std::string& path,
                                           const RepeatedName& repeated, int first_line, int second_line,
                                           const std::string& kept) {
    return "The " + kind + " file " + path + " was not read: the compound \"" + repeated.name +
           "\" is named twice, in row " + std::to_string(repeated.first + 1) + " (line " +
           std::to_string(first_line) + ") and in row " + std::to_string(repeated.second + 1) + " (line " +
           std::to_string(second_line) + ").\n" + kept;
}
