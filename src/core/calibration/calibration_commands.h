#pragma once
// The work behind the main window's calibration commands: Load Calibration File and the
// parts of Calibration > New, Edit and Print that are about the method data. They run
// the dialogs through the UI services and leave the menu state in `menu`; the window
// shows that state and opens the other windows.
#include <string>

#include "calibration/calibration_standards.h"
#include "menu/main_menu.h"

extern const std::string calibration_file_filter;  // "Calibration file(*.cal)|*.cal"

// Load Calibration File: asks for a calibration file and reads it; the library, the
// internal standards and the calibration then come from it. True when it was read.
bool load_calibration_command(MainMenuState& menu);

// Calibration > New: asks the analyst to confirm the internal-standard file, then starts
// an empty calibration; true when the calibration window should open. Refused (the
// grouping message shown) while the groupings in memory are invalid; a refused or
// cancelled New changes nothing.
bool new_calibration_command();

// Save of a new calibration (the calibration window): writes the calibration to path.
// The calibration in memory takes the file's name only once the file is written, and its
// folder is then the calibration folder, in the settings file too. False, after a
// message, when the file could not be written.
bool save_new_calibration(const std::string& path);

// Print in the calibration window: prints the calibration just built, without the review's
// groups or values. It is no file's calibration yet, so the printout names none.
void print_new_calibration();

// Exit of the calibration window: deletes the results files it made, and what it built is
// the calibration in memory from now on.
void exit_calibration_window(MadeResultsFiles& made_results_files);

// Calibration > Edit and Print: read the current calibration file again (the analyst's
// unsaved inclusion changes are dropped); true when it was read.
bool reload_calibration_command();

// Calibration > Edit: the calibration file read again; the review then opens on compound 0
// and lays out its level columns. True when it was read.
bool review_calibration_command();
// The review has laid out its level columns once for the file Calibration > Edit read:
// the compounds shown after it keep them (CalibrationEditMode goes down).
void review_level_columns_laid_out();
