#pragma once
// The work behind the main window's Check Continuing Calibration and the end of the check.
#include <string>

#include "calibration/continuing_check.h"

extern const std::string check_data_filter;  // "Check Calibration data file (*.txt)|*.txt"

// Asks for the check standard's instrument data file and converts it into its results
// file beside it; records both (check_data_file upper-cased, check_ini_path) and the
// folder as dataPath. True when the entry window should open; false when the dialog was
// cancelled or the conversion refused the file (its message shown).
bool check_calibration_command();

// Save of the entry: writes the check standard's report file. Only a report written
// counts as saved (check_started), so that Exit asks again otherwise. False when it could
// not be written (the analyst was told).
bool save_check_report(const CheckLevel& level);

// Print of the review: the report file and its printout, of the check standard (the
// models run in check mode).
void print_reviewed_check(const CheckLevel& level);

// Leaving the check: the check standard's results file (the data file's name with
// ".ini", in the dataPath folder) is deleted when it exists.
void delete_check_results_file();
