#include "calibration/calibration_commands.h"

#include "calibration/calibration_file.h"
#include "calibration/calibration_review.h"
#include "calibration/calibration_tables.h"
#include "methoddata/library_sync.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"
#include "platform/paths.h"
#include "platform/ui_services.h"

const std::string calibration_file_filter = "Calibration file(*.cal)|*.cal";

bool load_calibration_command(MainMenuState& menu) {
    category_thresholds.vcs = 159.0;
    category_thresholds.n_pvcsLn = 100.0;
    category_thresholds.svc = 159.0;
    surrogate_file_loaded = 0;
    continuing_check_active = 0;
    main_flags.CheckCalibrationMode = 0;
    main_flags.ReviewSaveAs = 0;
    read_file_paths(folder_settings);
    surrogate_file_selected = 1;

    FileDialogRequest request;
    request.title = "Open";
    request.start_folder = folder_settings.slot[kCalibrationPathSlot];
    request.filter = calibration_file_filter;
    auto chosen = ui().open_file(request);
    if (!chosen) return false;

    folder_settings.slot[kCalibrationPathSlot] = folder_of(*chosen);
    reset_calibration_review();
    int standards = 0;
    if (!load_calibration(*chosen, standards)) {
        menu.after_calibration_failed();
        return false;
    }
    copy_library_compounds(compound_count, library_saved, library);
    calibration_loaded = 1;
    main_flags.CalibrationFromFile = 1;
    calibration_file_name = *chosen;
    menu.after_calibration_loaded(*chosen, surrogate_file_path);
    write_file_setting("calibrationPath", folder_settings.slot[kCalibrationPathSlot]);
    folder_settings.slot[kLibraryTextFileSlot] = library_ini_path;
    return true;
}

bool new_calibration_command() {
    standard_count = 0;
    continuing_check_active = 0;
    sample_count = 0;
    check_standard_mode = 0;
    calibration_file_name.clear();
    for (int p = 0; p < kMaxStandards; ++p) standard_results_ini[p].clear();
    reset_calibration_review();
    if (!check_library_sync(library, surrogates)) return false;
    main_flags.CalibrationFromFile = 0;
    return ui().message("Calibrating with the internal standard file: \n" + surrogate_file_path +
                            "\n\nIf this is not correct, 'Cancel' and load the proper file.",
                        "Surrogate File", Buttons::OkCancel, Icon::Question) == Answer::Ok;
}

bool reload_calibration_command() {
    sample_count = 0;
    continuing_check_active = 0;
    int standards = 0;
    if (!load_calibration(calibration_file_name, standards)) return false;
    copy_library_compounds(compound_count, library_saved, library);
    return true;
}
