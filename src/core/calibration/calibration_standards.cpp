#include "calibration/calibration_standards.h"

#include <algorithm>

#include "calibration/results_file.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"
#include "samples/process_files_data.h"

Refusal standard_limit_refusal() {
    return {c_format("Only %d standards are currently allowed.", kMaxStandards),
            "Maximum Number of Standards"};
}

std::string calibration_save_name(const std::string& chosen) {
    return with_extension(chosen, ".cal");
}

std::optional<std::string> choose_calibration_save_path() {
    FileDialogRequest request;
    request.title = "Save As";
    request.filter = "Calibration files (*.cal)|*.cal";
    request.start_folder = folder_settings.slot[kCalibrationPathSlot];
    return choose_save_path(request, calibration_save_name);
}

std::string listed_results_ini(const std::string& data_file) {
    return results_ini_name(data_file, folder_of(data_file));
}

namespace {

// Results files are found without regard to case, as every file of the program is.
bool same_results_file(const std::string& a, const std::string& b) {
    return iequals(listed_results_ini(a), listed_results_ini(b));
}

}  // namespace

std::optional<Refusal> shared_results_file_refusal(const std::string& data_file,
                                                   const std::vector<std::string>& listed) {
    for (const std::string& other : listed)
        if (other != data_file && same_results_file(other, data_file))
            return Refusal{"The data files\n" + other + "\nand\n" + data_file +
                               "\nwould share the results file\n" + listed_results_ini(data_file) +
                               "\nand so the same areas. The second file was not added.",
                           "Results File in Use"};
    return std::nullopt;
}

bool results_file_listed(const std::string& data_file, const std::vector<std::string>& listed) {
    return std::any_of(listed.begin(), listed.end(), [&](const std::string& other) {
        return same_results_file(other, data_file);
    });
}

std::optional<Refusal> check_calibration_files(const std::vector<std::string>& files,
                                               const std::vector<std::string>& labels,
                                               const std::string& reference) {
    if (files.empty() || trim(reference).empty())
        return Refusal{"A reference file is required.", "Required Files Not Present"};
    for (size_t p = 0; p < files.size(); ++p)
        if (p >= labels.size() || labels[p].empty())
            return Refusal{"A level label is required for every standard:\n" + files[p],
                           "Required Files Not Present"};
    return std::nullopt;
}

void prepare_standard_tables(const std::vector<std::string>& files,
                             const std::vector<std::string>& labels, bool review) {
    const int n = static_cast<int>(std::min(files.size(), static_cast<size_t>(kMaxStandards)));
    for (int p = 0; p < n; ++p) {
        calibration_data.level_names[p] =
            left(p < static_cast<int>(labels.size()) ? labels[p] : std::string(), kLevelNameLength);
        calibration_data.standard_results_ini[p] = listed_results_ini(files[p]);
        calibration_data.standard_data_files[p] = files[p];
    }
    // A label left in a row after the standards would be read as one of theirs.
    for (int p = n; p < kMaxLevels; ++p) calibration_data.level_names[p].clear();
    for (auto& flags : calibration_data.level_included) {
        for (int k = 0; k < n; ++k) flags[k] = 1;
        if (review)
            for (int k = n; k < kMaxLevels; ++k) flags[k] = 0;
    }
}

void remove_calibration_standard(int i, const std::vector<std::string>& labels) {
    const int n = calibration_data.standard_count;
    if (i < 0 || i >= n) return;
    for (int p = 0; p < n && p < static_cast<int>(labels.size()); ++p)
        calibration_data.level_names[p] = left(labels[p], kLevelNameLength);
    for (int p = i; p < n - 1; ++p) {
        calibration_data.standard_results_ini[p] = calibration_data.standard_results_ini[p + 1];
        calibration_data.standard_data_files[p] = calibration_data.standard_data_files[p + 1];
        calibration_data.level_names[p] = calibration_data.level_names[p + 1];
    }
    calibration_data.standard_results_ini[n - 1].clear();
    calibration_data.standard_data_files[n - 1].clear();
    calibration_data.level_names[n - 1].clear();
    for (auto& flags : calibration_data.level_included) flags[n - 1] = 0;
    calibration_data.standard_count = n - 1;
}

void clear_first_pass_points() {
    for (int a = 0; a < kMaxStandards; ++a)
        for (int i = 0; i < kGroups; ++i) {
            SurrogatePoint& p = model_work_tables.first_pass_points[a][i];
            p = SurrogatePoint{};
            p.name = std::string(22, ' ');
            p.measured = p.rvw = p.bp = p.clamped_rv = 0.0;
        }
}

void start_standard_list() { calibration_data.standard_count = 0; }

void count_added_standard() { ++calibration_data.standard_count; }

void remember_data_folder(const std::string& folder) {
    folder_settings.slot[kDataPathSlot] = join_path(folder, "");
    write_file_setting("dataPath", folder_settings.slot[kDataPathSlot]);
}

void choose_reference_file(const std::string& path) {
    method_data.surrogate_reference_path = trim(path);
}

void start_calibration_build(int listed_files) {
    for (int s = 0; s < kMaxStandards; ++s)
        process_files_data.samples[s].settings.smooth_first_pass = 0;
    for (int c = 0; c < method_data.compound_count; ++c)
        for (int k = 0; k < listed_files && k < kMaxLevels; ++k)
            calibration_data.level_included[c][k] = 1;
}

void tidy_surrogate_file_path() {
    method_data.surrogate_file_path = trim(method_data.surrogate_file_path);
}

std::string proceed_question() {
    return std::string("Negative response factors OR surrogate measured recovery greater than ") +
           "500" +
           "%!.\nPlease review the log file; calibration_error.log in the calibration directory "
           "for "
           "details.\n\n\t\t\tProceed?";
}

void MadeResultsFiles::add(const std::string& path) {
    if (std::find(paths_.begin(), paths_.end(), path) == paths_.end()) paths_.push_back(path);
}

void MadeResultsFiles::delete_all() {
    for (const std::string& path : paths_)
        if (file_exists(path)) remove_file(path);
    paths_.clear();
}
