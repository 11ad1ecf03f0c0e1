#pragma once
// The reporting-limit files in memory: the header of the file read last and the path of
// the editor's file. One value of its own, not part of the method data: a snapshot of the
// method data is restored when an editor is left unsaved, and these must stay as the last
// reading and the last save left them.
#include <string>

#include "methoddata/reporting_limit_file.h"

// Every default member value is the value at program start and after a reset.
struct ReportingLimitFiles {
    // The header of the reporting-limit file read last (written by the reader, read by the
    // Sample Information window and the editor's import).
    LmtHeader lmt_header{};
    // The path of the reporting-limit file last saved or imported in the editor.
    std::string lmt_file_path;

    bool operator==(const ReportingLimitFiles&) const = default;
};
extern ReportingLimitFiles& reporting_limit_files;  // part of the one ProgramState
