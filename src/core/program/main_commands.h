#pragma once
// The work behind the main window's start and its library commands. They run the
// dialogs through the UI services and leave the menu state in `menu`; the window shows
// that state and opens the other windows.
#include <string>

#include "menu/main_menu.h"

extern const std::string library_file_filter;  // "Library Text Compound files (*.txt)|*.txt"

// The main window's start: version text, mode flags, install and program folders, and the
// menu in its start stage. Nothing is loaded.
void start_main_form(MainMenuState& menu);

// Printer Setup of the calibration, check and processing windows: asks for a printer;
// once one is chosen, the printouts that need one may run (PrinterSelected). False when
// the dialog was cancelled.
bool choose_printer_command();

// Settings > Delimited reports and Settings > Forms layout (the processing window has both
// items too): the report flag takes the choice, and the menu item shows it.
void set_delimited_reports(MainMenuState& menu, bool on);
void set_forms_layout(MainMenuState& menu, bool on);

// The processing window's single-reports or batch-report choice (its printed-reports
// switch chooses batch when turned on, single when off): printed reports follow it.
void set_batch_report(bool batch);

// Load Library's dialog start folder (kept in slot 0): the folder of the last library,
// or the program's folder when filePath is "installPath".
std::string library_start_folder();

// Load Library: asks for a library text file; once one is chosen, resets the library and
// internal-standard tables and reads it. A library read is recorded in the settings file
// and kept as the saved copy. A cancelled dialog or a refused file changes nothing: the
// tables, the menus and the remembered library file stay as they were.
void load_library_command(MainMenuState& menu);

// Edit Library: reads the library in use again (no reset first) and keeps a copy; the
// internal-standard records take their bp and rvw from it. True when the library editor
// should open on compound 0.
bool edit_library_command();
