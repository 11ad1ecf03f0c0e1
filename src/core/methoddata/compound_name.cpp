#include "methoddata/compound_name.h"

bool compound_name_has_separator(const std::string& name) {
    return name.find(';') != std::string::npos;
}

std::string compound_name_separator_message(const std::string& name, int row) {
    return "The compound name \"" + name + "\" in row " + std::to_string(row) +
           " contains \";\", which separates the fields of the calibration, reporting-limit "
           "and report files.\nPlease rename the compound.";
}
