// The reset of the whole program's state sits in the top layer: it reaches every value,
// the processing list's count included, which the method data's own layer cannot see.
#include "methoddata/calibration_data.h"
#include "methoddata/check_state.h"
#include "methoddata/editor_state.h"
#include "methoddata/program_paths.h"
#include "methoddata/reporting_limit_files.h"
#include "methoddata/tables.h"
#include "samples/process_files_data.h"

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
