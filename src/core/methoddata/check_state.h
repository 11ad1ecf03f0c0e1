#pragma once
// The continuing check in progress: whether the check command is on, whether its report
// was saved, whether the models run in check mode, the check standard's data file and the
// results file converted from it, and the level it was made at. One value, so that a
// snapshot is a copy, a reset is the default and a comparison is ==.
#include <string>

#include "methoddata/records.h"

struct CheckState {
    int continuing_check_active = 0;
    u8 check_started = 0;         // the check's report was saved: Exit asks nothing more
    int check_standard_mode = 0;  // the models run for the check standard, not a standard
    std::string check_ini_path;   // the results file converted from check_data_file
    std::string check_data_file;
    std::string check_level_name;  // "Conc1".."Conc10" or the dilution-factor text

    bool operator==(const CheckState&) const = default;
};
extern CheckState& check_state;  // part of the one ProgramState
