#include "calibration/check_commands.h"

#include "calibration/check_report_file.h"
#include "calibration/check_report_print.h"
#include "calibration/results_file.h"
#include "methoddata/check_state.h"
#include "methoddata/dialog_loops.h"
#include "samples/process_files_data.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"
#include "platform/paths.h"

const std::string check_data_filter = "Check Calibration data file (*.txt)|*.txt";

bool check_calibration_command() {
    std::string chosen;
    if (!open_dialog_loop(folder_settings.slot[kDataPathSlot], chosen, check_data_filter, "*.*",
                          OpenRequest::ExistingFile))
        return false;
    const std::string folder = folder_of(chosen);
    const std::string results = results_ini_name(chosen, folder);
    if (!convert_quant_file(chosen, results)) return false;
    // The check begins only with a data file read: a cancelled or refused one leaves the
    // session's mode as it was (a calibration run after it must not count as a check).
    check_state.continuing_check_active = 1;
    main_flags.CheckCalibrationMode = 1;
    check_state.check_started = 0;
    process_files_data.sample_count = 0;
    folder_settings.slot[kDataPathSlot] = folder + "/";
    write_file_setting("dataPath", folder_settings.slot[kDataPathSlot]);
    check_state.check_ini_path = results;
    check_state.check_data_file = chosen;
    return true;
}

bool save_check_report(const CheckLevel& level) {
    if (!write_check_calibration_file(level)) return false;
    check_state.check_started = 1;
    return true;
}

void print_reviewed_check(const CheckLevel& level) {
    check_state.check_standard_mode = 1;
    write_and_print_check_calibration(level);
}

void delete_check_results_file() {
    const std::string results =
        results_ini_name(check_state.check_data_file, folder_settings.slot[kDataPathSlot]);
    if (file_exists(results)) remove_file(results);
}
