#include "calibration/calibration_commands.h"

#include "calibration/calibration_file.h"
#include "calibration/calibration_report.h"
#include "calibration/calibration_review.h"
#include "calibration/calibration_snapshot.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/check_state.h"
#include "methoddata/editor_state.h"
#include "methoddata/library_sync.h"
#include "methoddata/menu_follows.h"
#include "samples/process_files_data.h"
#include "methoddata/settings_file.h"
#include "methoddata/surrogate_groupings.h"
#include "methoddata/tables.h"
#include "platform/paths.h"
#include "platform/ui_services.h"

const std::string calibration_file_filter = "Calibration file(*.cal)|*.cal";

namespace {

// What Load Calibration File changes besides the method data and the calibration (which
// the calibration snapshot holds): the check's state and the mode flags, each a whole
// copy, so that a file that cannot be read leaves the session as it was.
struct LoadState {
    CheckState check_state = ::check_state;
    MainFormFlags main_flags = ::main_flags;
};

void restore_load_state(const LoadState& s) {
    check_state = s.check_state;
    main_flags = s.main_flags;
}

}  // namespace

bool load_calibration_command(MainMenuState& menu) {
    const MenuFollowsData follows(menu);
    read_file_paths(folder_settings);
    FileDialogRequest request;
    request.title = "Open";
    request.start_folder = folder_settings.slot[kCalibrationPathSlot];
    request.filter = calibration_file_filter;
    auto chosen = ui().open_file(request);
    if (!chosen) return false;  // a cancelled dialog changes nothing

    // A file that cannot be read (its message shown by the reader) leaves the library,
    // the internal standards, the calibration in memory and the menus as they were.
    const auto tables_before = take_calibration_snapshot();
    const LoadState state_before;
    method_data.category_thresholds.vcs = 159.0;
    method_data.category_thresholds.n_pvcsLn = 100.0;
    method_data.category_thresholds.svc = 159.0;
    method_data.surrogate_file_loaded = 0;
    check_state.continuing_check_active = 0;
    main_flags.CheckCalibrationMode = 0;
    main_flags.ReviewSaveAs = 0;
    method_data.surrogate_file_selected = 1;
    reset_calibration_review();
    int standards = 0;
    if (!load_calibration(*chosen, standards)) {
        restore_calibration_snapshot(*tables_before);
        restore_load_state(state_before);
        return false;
    }
    copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    // Only a file that was read is remembered: the next Open, and the standards' dialog of a
    // new calibration, start in its folder.
    folder_settings.slot[kCalibrationPathSlot] = folder_of(*chosen);
    calibration_data.calibration_loaded = 1;
    main_flags.CalibrationFromFile = 1;
    calibration_data.calibration_file_name = *chosen;
    write_file_setting("calibrationPath", folder_settings.slot[kCalibrationPathSlot]);
    folder_settings.slot[kLibraryTextFileSlot] = method_data.library_ini_path;
    return true;
}

bool new_calibration_command() {
    // Checked and confirmed before anything is reset: a refused or cancelled New leaves the
    // calibration file name, the standards' results files and the review data as they were.
    if (!check_library_sync(method_data.library, method_data.surrogates)) return false;
    // A group of fewer than 3 points fits with a standard error of 0 and understates
    // every uncertainty built on it.
    if (test_surrogate_groupings().any()) {
        check_surrogate_groupings();
        return false;
    }
    if (ui().message("Calibrating with the internal standard file: \n" + method_data.surrogate_file_path +
                         "\n\nIf this is not correct, 'Cancel' and load the proper file.",
                     "Surrogate File", Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return false;
    calibration_data.standard_count = 0;
    check_state.continuing_check_active = 0;
    process_files_data.sample_count = 0;
    check_state.check_standard_mode = 0;
    calibration_data.calibration_file_name.clear();
    for (int p = 0; p < kMaxStandards; ++p) calibration_data.standard_results_ini[p].clear();
    reset_calibration_review();
    main_flags.CalibrationFromFile = 0;
    return true;
}

bool reload_calibration_command() {
    process_files_data.sample_count = 0;
    check_state.continuing_check_active = 0;
    int standards = 0;
    if (!load_calibration(calibration_data.calibration_file_name, standards)) return false;
    copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    return true;
}

bool save_new_calibration(const std::string& path) {
    if (!write_calibration(path)) return false;
    calibration_data.calibration_file_name = path;
    folder_settings.slot[kCalibrationPathSlot] = folder_of(path);
    write_file_setting("calibrationPath", folder_of(path));
    return true;
}

void print_new_calibration() {
    calibration_data.calibration_file_name.clear();
    print_calibration_report_job(false, false);
}

void exit_calibration_window(MadeResultsFiles& made_results_files) {
    made_results_files.delete_all();
    calibration_data.calibration_loaded = 1;
}

bool review_calibration_command() {
    if (!reload_calibration_command()) return false;
    editor_state.current_record = 0;
    main_flags.CalibrationEditMode = 1;
    return true;
}

void review_level_columns_laid_out() { main_flags.CalibrationEditMode = 0; }
