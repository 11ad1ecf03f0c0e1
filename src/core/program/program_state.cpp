#include "program/program_state.h"

namespace {
ProgramState the_state;
}  // namespace

const ProgramState& program_state() { return the_state; }

// The parts under their own names. Each is bound to its member as the program is loaded
// (constant initialisation), before any code can reach it.
MethodData& method_data = the_state.method_data;
CalibrationData& calibration_data = the_state.calibration_data;
ModelWorkTables& model_work_tables = the_state.model_work_tables;
ProcessFilesData& process_files_data = the_state.process_files_data;
EditorState& editor_state = the_state.editor_state;
CheckState& check_state = the_state.check_state;
ReportingLimitFiles& reporting_limit_files = the_state.reporting_limit_files;
ProgramPaths& program_paths = the_state.program_paths;
PathSettings& folder_settings = the_state.folder_settings;
MainFormFlags& main_flags = the_state.main_flags;
CalcLimitsData& calc_limits_data = the_state.calc_limits_data;
CalibrationLog& calibration_log = the_state.calibration_log;
std::vector<HighRecovery>& high_recoveries = the_state.high_recoveries;
SettingsFileWarnings& settings_file_warnings = the_state.settings_file_warnings;
void construct_method_data() {
    method_data = MethodData{};
    reset_calibration_data();
    reporting_limit_files = ReportingLimitFiles{};
    folder_settings = PathSettings_init();

    editor_state = EditorState{};
    check_state = CheckState{};
    // A reset of the method data leaves no sample listed: a calibration built after it is
    // built as one, not in sample mode.
    process_files_data.sample_count = process_files_data.sample_info_index = 0;
    program_paths = ProgramPaths{};

    main_flags = MainFormFlags{};
}
