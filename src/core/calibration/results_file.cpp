#include "calibration/results_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "calibration/quant_data_file.h"
#include "methoddata/tables.h"
#include "methoddata/calibration_data.h"
#include "platform/ini_file.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/read_errors.h"
#include "platform/text_file.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

namespace {

const char* const kCountMismatch =
    "Quantilyzet: 03010: The number of compounds in the library and in the sample file do not match";
const char* const kNameMismatch =
    "Quantilyzet: 03009: There is a compound name mismatch in the library and your sample file\n"
    "Sample file: ";

const std::string kCannotOpen = "Cannot open file ";

// Areas are held in a 32-bit field; a value outside it must never wrap to another area.
bool area_fits(double area) {
    double whole = std::trunc(area);
    return std::isfinite(whole) && whole >= std::numeric_limits<std::int32_t>::min() &&
           whole <= std::numeric_limits<std::int32_t>::max();
}

void show_area_out_of_range(const std::string& area_text, const std::string& compound,
                            const std::string& file) {
    show_message("The area " + trim(area_text) + " of " + compound + " in " + file +
                     " lies outside the range of peak areas (-2147483648 to 2147483647).\n"
                     "The file was not used.",
                 "Error");
}

// The first row whose area the area field cannot hold, or -1.
int first_row_out_of_range(const std::vector<QuantRow>& rows) {
    for (size_t i = 0; i < rows.size(); ++i)
        if (!area_fits(rows[i].area)) return static_cast<int>(i);
    return -1;
}

void fill_results_ini(const QuantDataFile& data, IniFile& ini) {
    ini.set_string("method", "path", folder_settings.slot[kLibraryStartFolderSlot] + kPathSeparator);
    ini.set_string("method", "file", folder_settings.slot[kFilePathSlot]);
    bool version = data.layout == QuantLayout::Version;
    ini.set_string("sample", "SampleName", kDummyName);
    ini.set_string("sample", "InjectiomTime", version ? data.injection_time : kDummyName);
    if (version) {
        ini.set_string("sample", "labFileId", data.lab_file_id);
        ini.set_string("sample", "clientSampleId", data.client_sample_id);
        ini.set_string("sample", "instrumentId", data.instrument_id);
    }
    ini.set_int("header", "number_comps", static_cast<int>(data.rows.size()));
    for (size_t i = 0; i < data.rows.size(); ++i) {
        std::string section = "compound" + std::to_string(i + 1);
        ini.set_string(section, "name", data.rows[i].name);
        ini.set_double(section, "area", data.rows[i].area);
        ini.set_double(section, "retentionTime", data.rows[i].retention_time);
    }
}

}  // namespace

std::string results_ini_name(const std::string& data_path, const std::string& folder) {
    return join_path(folder, up_to_last_dot(file_name_of(data_path)) + ".ini");
}

bool check_library_names(int row_count, const std::vector<std::string>& row_names) {
    if (row_count != method_data.compound_count || row_count > static_cast<int>(row_names.size())) {
        show_message(kCountMismatch, "Warning");
        return true;
    }
    for (int i = 0; i < row_count; ++i) {
        std::string name = trim(row_names[i]);
        if (name != method_data.library[i].name) {
            show_message(kNameMismatch + name + " ----> Library: " + method_data.library[i].name, "Warning");
            return true;
        }
    }
    return false;
}

bool convert_quant_file(const std::string& data_path, const std::string& results_path, std::string* written) {
    std::vector<std::string> lines;
    // A file that cannot be opened has no other remedy here: say which one and refuse.
    if (!read_text_lines(data_path, lines)) {
        show_message(kCannotOpen + data_path, "Closing unneeded data files");
        return false;
    }
    QuantDataFile data = parse_quant_lines(lines);
    if (data.layout == QuantLayout::Unknown) {
        show_message("Quantilyzer: 03004", "Error");
        return false;
    }
    if (data.refused_line > 0) {
        show_message(refused_line_message("data", data_path, data.refused_line, data.refused_why,
                                          "No results file was written."),
                     "Error");
        return false;
    }
    std::vector<std::string> names;
    names.reserve(data.rows.size());
    for (const auto& row : data.rows) names.push_back(row.name);
    // More rows than the library tables hold can never match the library: 03010.
    if (check_library_names(static_cast<int>(names.size()), names)) return false;
    if (int bad = first_row_out_of_range(data.rows); bad >= 0) {
        show_area_out_of_range(data.rows[bad].area_text, data.rows[bad].name, data_path);
        return false;
    }
    // A new file each time: keys left by an earlier conversion must not survive it.
    IniFile ini;
    fill_results_ini(data, ini);
    const std::string text = ini.to_text();
    std::string error;
    if (!write_file_atomically(results_path, text, &error)) {
        show_message("Cannot write the results file " + results_path + ":\n" + error, "Error");
        return false;
    }
    if (written) *written = text;
    return true;
}

bool read_results_compound_list(const IniFile& ini, int n, ResultsCompounds& compounds, AreaOutOfRange& refused) {
    compounds.clear();
    compounds.reserve(std::clamp(n, 0, kMaxCompounds));
    for (int i = 1; i <= n && i <= kMaxCompounds; ++i) {
        std::string section = "compound" + std::to_string(i);
        std::string area_text = ini.get_string(section, "area", "fail reading area");
        double area = to_double_strict(area_text);
        std::string name = ini.get_string(section, "name", "fail reading compound");
        if (!area_fits(area)) {
            refused = AreaOutOfRange{std::move(area_text), std::move(name)};
            return false;
        }
        ResultsCompound& compound = compounds.emplace_back();
        compound.area = static_cast<std::int32_t>(std::trunc(area));
        compound.name = std::move(name);
        compound.retention_time =
            to_double_strict(ini.get_string(section, "retentionTime", "fail reading retention time"));
    }
    return true;
}

void put_results_compounds(const ResultsCompounds& compounds, SampleRawData& target) {
    const int n = std::min(static_cast<int>(compounds.size()), kMaxCompounds);
    for (int c = 0; c < n; ++c) {
        target.area[c] = compounds[c].area;
        target.name[c] = compounds[c].name;
        target.retention_time[c] = compounds[c].retention_time;
    }
    // Compounds the file does not list have no peak in it: an earlier data set's areas
    // must not stand in for them.
    for (int c = n; c < kMaxCompounds; ++c) {
        target.area[c] = 0;
        target.name[c].clear();
        target.retention_time[c] = 0.0;
    }
}

bool read_results_compounds(const IniFile& ini, const std::string& results_path, int n,
                            SampleRawData& target) {
    ResultsCompounds compounds;
    AreaOutOfRange refused;
    if (!read_results_compound_list(ini, n, compounds, refused)) {
        show_area_out_of_range(refused.area_text, refused.compound, results_path);
        return false;
    }
    put_results_compounds(compounds, target);
    return true;
}

bool load_results_ini(IniFile& ini, const std::string& results_path) {
    // A folder or a file without read permission is no results file with a part missing.
    if (ini.load_file(results_path) != IniLoad::Unreadable) return true;
    show_message(kCannotOpen + results_path, "Error");
    return false;
}

bool read_results_ini(int slot, const std::string& results_path) {
    if (slot < 0 || slot >= kDataSets) return false;
    IniFile ini;
    if (!load_results_ini(ini, results_path)) return false;
    const std::string missing = "Fail_Getareas_num_cmpnds";
    std::string count_text = ini.get_string("header", "number_comps", missing);
    if (count_text == missing) {
        show_message("Quantilyzer:03002", "Error");
        return false;
    }
    int n = to_int_strict(count_text);
    if (n < 0 || n > method_data.compound_count || n > kMaxCompounds) {
        show_message(c_format("The results file %s lists %d compounds; the library holds %d.\n"
                              "The file was not read.",
                              results_path.c_str(), n, method_data.compound_count),
                     "Error");
        return false;
    }
    // Read into a copy so that a refused or malformed file leaves the slot as it was.
    SampleRawData filled = calibration_data.raw_data_sets[slot];
    if (!read_results_compounds(ini, results_path, n, filled)) return false;
    calibration_data.raw_data_sets[slot] = std::move(filled);
    return true;
}
