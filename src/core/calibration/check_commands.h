#pragma once
// The work behind the main window's Check Continuing Calibration and the end of the check.
#include <string>

extern const std::string check_data_filter;  // "Check Calibration data file (*.txt)|*.txt"

// Asks for the check standard's instrument data file and converts it into its results
// file beside it; records both (check_data_file upper-cased, check_ini_path) and the
// folder as dataPath. True when the entry window should open; false when the dialog was
// cancelled or the conversion refused the file (its message shown).
bool check_calibration_command();

// Leaving the check: the check standard's results file (the data file's name with
// ".ini", in the dataPath folder) is deleted when it exists.
void delete_check_results_file();
