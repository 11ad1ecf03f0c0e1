#pragma once
// The program's fixed places for this run: the data root in front of "5847dir/...", the
// install folder (where the settings file lives) and the folder of the program itself.
// Set as the main window starts; tests point them at folders of their own.
#include <string>

// Every default member value is the value at program start and after a reset.
struct ProgramPaths {
    std::string data_root_folder;  // data_root: in front of "/5847dir/..." (empty: home)
    std::string install_path;
    std::string program_folder;

    bool operator==(const ProgramPaths&) const = default;
};
extern ProgramPaths& program_paths;  // part of the one ProgramState
