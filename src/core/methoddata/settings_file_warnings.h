#pragma once
// The warnings of the settings file already given in this run. A settings file that cannot
// be read or written fails the same way at every folder chosen, so the analyst hears of it
// once. Not reset with the tables: loading another library is no reason to hear it again.

// Every default member value is the value at program start.
struct SettingsFileWarnings {
    bool settings_file_warning_shown = false;        // the file could not be read
    bool settings_file_write_warning_shown = false;  // the file could not be written

    bool operator==(const SettingsFileWarnings&) const = default;
};
extern SettingsFileWarnings& settings_file_warnings;  // part of the one ProgramState
