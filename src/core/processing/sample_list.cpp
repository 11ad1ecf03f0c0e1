#include "processing/sample_list.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <utility>

#include "calibration/calibration_standards.h"
#include "calibration/results_file.h"
#include "methoddata/check_state.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"
#include "platform/ini_file.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/ui_services.h"
#include "processing/quantitation.h"

const std::string sample_file_filter = "Quantitated data file (*.txt)|*.txt";

namespace {

// A negative area is no measurement of the compound (an integration gone below the
// baseline): quantitated it would be a negative concentration, which every report's legend
// reads as "below a limit". Answers whether the file was refused, after the message.
bool refuse_negative_area(const std::string& data_path, const IniFile& results) {
    int n = 0;
    if (!try_to_int(results.get_string("header", "number_comps", ""), n)) return false;
    for (int i = 1; i <= n && i <= kMaxCompounds; ++i) {
        const std::string section = "compound" + std::to_string(i);
        const std::string area_text = results.get_string(section, "area", "");
        double area = 0.0;
        if (!try_to_double(area_text, area) || !(std::trunc(area) < 0.0)) continue;
        show_message("The data file " + data_path + " gives " + results.get_string(section, "name", "") +
                         " a negative area (" + area_text + "), which is no measurement.\n"
                         "The sample was not added: integrate the compound again.",
                     "Error");
        return true;
    }
    return false;
}

// The file a path names as the resolver finds it, with "." and ".." taken out.
std::string resolved_file(const std::string& path) {
    return std::filesystem::path(resolve_path(path)).lexically_normal().string();
}

// Two texts that name one data file: the same path once resolved (the resolver finds a
// name without regard to case where no file has it exactly), or one file on disk under two
// names. Two files whose names differ only in case are two files: the shared results
// file refuses the second of them.
bool names_one_data_file(const std::string& a, const std::string& b) {
    return resolved_file(a) == resolved_file(b) || same_file(a, b);
}

void read_sample_ids(SampleIds& ids, const IniFile& ini) {
    ids.injection_time = ini.get_string("sample", "InjectiomTime", "failGetInjectionTime");
    ids.lab_file_id = ini.get_string("sample", "LabFileId", "failGetLabFileId");
    ids.client_sample_id = ini.get_string("sample", "clientSampleId", "failGetclientSampleId");
    ids.instrument_id = ini.get_string("sample", "instrumentId", "failGetinstrumentId");
}

}  // namespace

std::optional<Refusal> listed_sample_refusal(const std::string& data_file, const std::vector<std::string>& listed) {
    for (size_t k = 0; k < listed.size(); ++k)
        if (names_one_data_file(listed[k], data_file))
            return Refusal{"The data file\n" + data_file + "\nis listed already, as sample " + std::to_string(k + 1) +
                               ":\n" + listed[k] +
                               "\nListed twice it would have one results file and one set of reports for two "
                               "entries. The second entry was not added.",
                           "Data File Listed"};
    return std::nullopt;
}

std::string sample_results_path(const std::string& data_path) {
    return results_ini_name(data_path, folder_of(data_path));
}

void start_sample_processing(ProcessFilesData& data) {
    check_state.continuing_check_active = 0;
    data.sample_count = 0;
    data.sample_info_index = 0;
    data.samples.fill(ListedSample{});
}

int add_sample_file(ProcessFilesData& data) {
    if (data.sample_count >= kMaxSamples) {
        show_message("Unable to add more samples.  Process current list.", "Process at Capacity");
        return -1;
    }
    FileDialogRequest request;
    request.title = "Open";
    request.start_folder = folder_settings.slot[kDataPathSlot];
    request.filter = sample_file_filter;
    const std::optional<std::string> chosen = ui().open_file(request);
    if (!chosen) return -1;
    // One data file listed twice writes its reports twice under one name, so that only the
    // second entry's remain; and a file exported again meanwhile would list other areas
    // under the same name.
    if (auto refusal = listed_sample_refusal(*chosen, listed_sample_files(data))) {
        show_message(refusal->text, refusal->caption);
        return -1;
    }
    // Names that differ only in case share one results file and one set of reports:
    // the second sample would replace the first one's areas and reports.
    if (auto refusal = shared_results_file_refusal(*chosen, listed_sample_files(data))) {
        show_message(refusal->text, refusal->caption);
        return -1;
    }

    const std::string folder = folder_of(*chosen);
    const std::string results_path = sample_results_path(*chosen);
    std::string written;
    if (!convert_quant_file(*chosen, results_path, &written)) return -1;
    IniFile results;
    results.load_text(written);  // the file as a load of it reads
    results.set_path(results_path);
    if (refuse_negative_area(*chosen, results)) {
        remove_file(results_path);  // written for a sample that is not listed
        return -1;
    }
    // The slot starts as a sample never listed: nothing a deleted or cleared sample left
    // there becomes part of this one (its agency ID was offered to the next entry, and
    // stored). No reporting limits either, until the entry reads a limits file, and no
    // names: the limit lookup walks every entry by name, and a name left by an earlier
    // sample or library would still be found.
    const int n = data.sample_count;
    ListedSample& sample = data.samples[n];
    sample = ListedSample{};
    sample.settings.data_file_path = *chosen;
    sample.settings.results_ini_path = results_path;
    read_sample_ids(sample.ids, results);
    sample.kept_results = keep_sample_results(results, std::move(written));
    folder_settings.slot[kDataPathSlot] = folder;
    write_file_setting("dataPath", folder);
    data.sample_count = n + 1;
    return n;
}

void delete_sample_file(ProcessFilesData& data, int i) {
    if (i < 0 || i >= data.sample_count) return;
    const auto listed_end = data.samples.begin() + data.sample_count;
    std::shift_left(data.samples.begin() + i, listed_end, 1);
    *(listed_end - 1) = ListedSample{};
    --data.sample_count;
    if (data.sample_info_index > 0) --data.sample_info_index;
}

// The records past the list are not read, and Add File starts each slot as a sample never
// listed; only what Process kept of the files, the largest part, is freed now.
void clear_sample_list(ProcessFilesData& data) {
    for (const std::string& path : listed_sample_files(data)) {
        const std::string results = sample_results_path(path);
        if (file_exists(results)) remove_file(results);
    }
    for (ListedSample& sample : data.samples) sample.kept_results = KeptSampleResults{};
    data.sample_count = 0;
    data.sample_info_index = 0;
}

std::vector<std::string> listed_sample_files(const ProcessFilesData& data) {
    std::vector<std::string> files;
    for (int i = 0; i < data.sample_count && i < kMaxSamples; ++i)
        files.push_back(data.samples[i].settings.data_file_path);
    return files;
}
