#include "processing/sample_list.h"

#include <cmath>
#include <filesystem>
#include <utility>

#include "calibration/calibration_standards.h"
#include "calibration/results_file.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"
#include "platform/ini_file.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/ui_services.h"
#include "processing/quantitation.h"

const std::string sample_file_filter = "Quantitated data file (*.txt)|*.txt";

namespace {

// Moves entries i+1 .. count-1 of a table one place down.
template <typename Table>
void close_up(Table& table, int i, int count) {
    for (int k = i; k + 1 < count; ++k) table[k] = std::move(table[k + 1]);
}

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

// Slot n of every per-sample table as a sample never listed has it: what a deleted or
// cleared sample left there must not become part of the sample added in its place (its
// agency ID was offered to the next entry, and stored). No reporting limits either, until
// the entry reads a limits file: every entry, not only those of the library's rows, and
// its name too, since the limit lookup walks them all by name, and a name left by an
// earlier sample or library would still be found.
void reset_sample_slot(ProcessFilesData& data, int n) {
    data.sample_data_paths[n].clear();
    data.sample_ini_paths[n].clear();
    data.kept_sample_results[n] = KeptSampleResults{};
    data.sample_settings[n] = SampleSettings{};
    data.entry_carryover[n] = EntryCarryover{};
    sample_sizes[n] = 0.0;
    sample_limit_files[n].clear();
    sample_sigmas[n] = 0;
    sample_crql_percents[n] = 0.0;
    for (auto* ids : {&sample_ids.client_sample_id, &sample_ids.agency_id, &sample_ids.injection_time,
                      &sample_ids.lab_file_id, &sample_ids.instrument_id})
        (*ids)[n].clear();
    for (ReportingLimit& entry : reporting_limits[n]) {
        entry.name = kDummyName;
        entry.limit = 0.0;
    }
}

void read_sample_ids(int n, const IniFile& ini) {
    sample_ids.injection_time[n] = ini.get_string("sample", "InjectiomTime", "failGetInjectionTime");
    sample_ids.lab_file_id[n] = ini.get_string("sample", "LabFileId", "failGetLabFileId");
    sample_ids.client_sample_id[n] = ini.get_string("sample", "clientSampleId", "failGetclientSampleId");
    sample_ids.instrument_id[n] = ini.get_string("sample", "instrumentId", "failGetinstrumentId");
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
    continuing_check_active = 0;
    sample_count = 0;
    sample_info_index = 0;
    clear_sample_information();
    for (SampleSettings& s : data.sample_settings) s = SampleSettings{};
    for (auto& kept : data.kept_sample_results) kept = KeptSampleResults{};
}

int add_sample_file(ProcessFilesData& data) {
    if (sample_count >= kMaxSamples) {
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
    const int n = sample_count;
    reset_sample_slot(data, n);
    data.sample_ini_paths[n] = results_path;
    data.sample_data_paths[n] = *chosen;
    data.sample_settings[n].data_file_path = *chosen;
    data.sample_settings[n].results_ini_path = results_path;
    read_sample_ids(n, results);
    data.kept_sample_results[n] = keep_sample_results(results, std::move(written));
    folder_settings.slot[kDataPathSlot] = folder;
    write_file_setting("dataPath", folder);
    sample_count = n + 1;
    return n;
}

void delete_sample_file(ProcessFilesData& data, int i) {
    if (i < 0 || i >= sample_count) return;
    const int count = sample_count;
    close_up(data.sample_data_paths, i, count);
    close_up(data.sample_ini_paths, i, count);
    close_up(data.kept_sample_results, i, count);
    close_up(data.sample_settings, i, count);
    close_up(data.entry_carryover, i, count);
    close_up(sample_sizes, i, count);
    close_up(sample_limit_files, i, count);
    close_up(sample_sigmas, i, count);
    close_up(sample_crql_percents, i, count);
    close_up(sample_ids.client_sample_id, i, count);
    close_up(sample_ids.agency_id, i, count);
    close_up(sample_ids.injection_time, i, count);
    close_up(sample_ids.lab_file_id, i, count);
    close_up(sample_ids.instrument_id, i, count);
    close_up(reporting_limits, i, count);
    reset_sample_slot(data, count - 1);
    sample_count = count - 1;
    if (sample_info_index > 0) --sample_info_index;
}

void clear_sample_list(ProcessFilesData& data) {
    for (const std::string& path : listed_sample_files(data)) {
        const std::string results = sample_results_path(path);
        if (file_exists(results)) remove_file(results);
    }
    for (auto& kept : data.kept_sample_results) kept = KeptSampleResults{};
    sample_count = 0;
    sample_info_index = 0;
}

std::vector<std::string> listed_sample_files(const ProcessFilesData& data) {
    std::vector<std::string> files;
    for (int i = 0; i < sample_count && i < kMaxSamples; ++i) files.push_back(data.sample_data_paths[i]);
    return files;
}
