#pragma once
// The work behind the main window's internal-standard commands: Create, Load, Edit (up to
// the editor window) and Copy Internal Standard File. They run the dialogs through the UI
// services and leave the menu state in `menu`; the window shows it and opens the editor.
#include <string>

#include "menu/main_menu.h"

extern const std::string surrogate_file_filter;  // "Surrogate files (*.ini)|*.ini"

// Create Internal Standard File: a new file (existing names are refused by the dialog)
// with one record per internal standard of the library. The new file is not loaded.
void create_surrogate_file_command();

// Load Internal Standard File: the chosen file is checked, loaded and compared with the
// library. The Calibration menu opens only for a file in step with the library whose
// groupings pass. True when the file is in step (the editor then shows record 0). A
// cancelled dialog or a refused file changes nothing (the applied-limits flag and the
// model points included).
bool load_surrogate_file_command(MainMenuState& menu);

// Edit Internal Standard File: keeps a copy of the records, reports the groupings and
// checks the library sync. True when the editor should open on record 0.
bool edit_surrogate_file_command(MainMenuState& menu);

// The menu follows the groupings in memory: the main window calls this whenever it shows
// again (after the internal-standard editor, say) and when the Calibration menu opens.
// Invalid groupings set surrogate_limits_invalid and close Calibration and its New.
void follow_groupings_in_memory(MainMenuState& menu);

// Copy Internal Standard File: after "Copy <file>?", a byte-for-byte copy under a new
// name. The copy is not loaded; a copy that fails is reported.
void copy_surrogate_file_command();
