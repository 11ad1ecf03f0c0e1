#pragma once
// The settings file of folders, "5847file_standalone.ini": the folders the analyst last
// used for each kind of file, under [File]. Each value is written when it is chosen and
// always upper-cased; a missing key reads as "F" (not configured).
#include <string>

#include "methoddata/records.h"

extern const std::string settings_file_name;  // "5847file_standalone.ini"

// The settings file lives in the install folder: the program's own folder unless an
// InstallPath is set, then that folder (so every writer and reader uses one file).
std::string settings_file_path();

// Reads filePath, dataPath, calibrationPath, surrogatePath and mdlPath into slots 7, 1, 11,
// 12 and 13; false when any of them is "F". A file that exists but cannot be read is
// reported once in the run (Warning); the slots it does not give keep their values.
bool read_file_paths(PathSettings& settings);

// Writes one key of [File] with the value upper-cased, only when it changes; false when
// the file cannot be written (reported once in the run, Warning), or cannot be read (then
// it is left as it is).
bool write_file_setting(const std::string& key, const std::string& value);

// "mdl" writes mdlPath := slot 13 of folder_settings; any other kind writes nothing.
void SavePathSetting(const std::string& kind);
