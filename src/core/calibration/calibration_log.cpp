#include "calibration/calibration_log.h"

#include "methoddata/calibration_tables.h"
#include "methoddata/program_paths.h"
#include "methoddata/tables.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/ui_services.h"
#include "recovery/standard_recovery.h"

void clear_calibration_log() { calibration_log = CalibrationLog{}; }

void add_calibration_log_entry(const std::string& data_file, const std::string& compound,
                               const std::string& category) {
    calibration_log.log_flag = 1;
    if (calibration_log.entry_count >= kCalibrationLogEntries) return;
    calibration_log.entries[calibration_log.entry_count++] = {data_file, compound, category};
}

void log_high_recoveries() {
    for (const HighRecovery& h : high_recoveries) {
        const bool listed = h.data_set >= 0 && h.data_set < kStandardFileSlots;
        add_calibration_log_entry(listed ? calibration_data.standard_results_ini[h.data_set] : std::string(),
                                  h.name, "");
    }
    high_recoveries.clear();
}

std::string calibration_log_path() {
    const std::string& folder = program_paths.data_root_folder;
    std::string root = folder.empty() ? data_root() : folder;
    return join_path(join_path(root, "5847dir/Calibration"), "calibration_error.log");
}

std::string calibration_log_text(const std::string& now) {
    std::string text = "The Calibration error log file created on: " + now + "\n";
    for (const auto& entry : calibration_log.entries) {
        if (entry.data_file.empty()) continue;
        text += folder_of(entry.data_file) + " ---> " + entry.compound + " ---> " + entry.category;
        // The build logs negative response factors with the compound's category (an
        // internal standard's too); the models log high recoveries with none.
        if (!entry.category.empty())
            text += " with a negative response factor\n";
        else
            text += " Surrogate with measured recovery > 500%\n";
    }
    return text;
}

bool write_calibration_log() {
    std::string path = calibration_log_path();
    make_folders(folder_of(path));
    std::string error;
    if (!write_file_atomically(path, calibration_log_text(format_date_time(clock_source().now())), &error)) {
        show_message("Cannot write " + path + ":\n" + error, "Error");
        return false;
    }
    return true;
}
