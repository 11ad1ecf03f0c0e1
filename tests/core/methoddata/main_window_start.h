#pragma once
// The main window started for a command test, and what its settings file then holds.
#include <string>

#include "program/main_commands.h"
#include "methoddata/program_paths.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"
#include "platform/ini_file.h"

// The main window started as the program starts it, with the program's folder (where the
// settings file lives) the test's folder.
inline void start_main_window_in(MainMenuState& menu, const std::string& folder) {
    start_main_form(menu);
    program_paths.install_path = folder;
    program_paths.program_folder = folder + "/";
}

// A key of the settings file's [File] section; "F", the unconfigured value, when missing.
inline std::string file_setting(const std::string& key) {
    IniFile ini;
    ini.load(settings_file_path());
    return ini.get_string("File", key, "F");
}
