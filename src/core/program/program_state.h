#pragma once
// Everything the program holds between commands, as one value owned here. Each part keeps
// its own name (method_data, calibration_data, process_files_data ...) as a reference into
// this one instance, so the code reads as before while a copy of the whole state is one
// assignment and a comparison one ==: a part added to the state is copied and compared
// with it, with no list of members to forget it in.
#include <vector>

#include "calibration/calibration_log.h"
#include "methoddata/calibration_data.h"
#include "methoddata/check_state.h"
#include "methoddata/editor_state.h"
#include "methoddata/method_data.h"
#include "methoddata/model_work_tables.h"
#include "methoddata/program_paths.h"
#include "methoddata/reporting_limit_files.h"
#include "methoddata/settings_file_warnings.h"
#include "methoddata/tables.h"
#include "processing/group_limits.h"
#include "recovery/standard_recovery.h"
#include "samples/process_files_data.h"

struct ProgramState {
    MethodData method_data;
    CalibrationData calibration_data;
    ModelWorkTables model_work_tables;
    ProcessFilesData process_files_data;
    EditorState editor_state;
    CheckState check_state;
    ReportingLimitFiles reporting_limit_files;
    ProgramPaths program_paths;
    PathSettings folder_settings;
    MainFormFlags main_flags;
    CalcLimitsData calc_limits_data;
    CalibrationLog calibration_log;
    std::vector<HighRecovery> high_recoveries;
    SettingsFileWarnings settings_file_warnings;

    bool operator==(const ProgramState&) const = default;
};

// The one instance, to look at (a snapshot is a copy of it). Commands change it through
// the names of its parts.
const ProgramState& program_state();

// Puts every table and state back to its construction values (program start; tests). The
// settings file's warnings stay given for the run; the group limits, the calibration log,
// the noted high recoveries and the listed samples' records are left to the commands that
// start them afresh.
void construct_method_data();
