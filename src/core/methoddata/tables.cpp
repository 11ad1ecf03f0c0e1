#include "methoddata/tables.h"

#include <algorithm>

#include "methoddata/reporting_limit_file.h"

std::array<SampleRawData, kDataSets> raw_data_sets;
std::array<std::string, kDataSets> level_names;
std::array<std::array<u8, kDataSets>, kMaxCompounds> level_included{};
FitTable first_pass_fits{};
FitTable bp_group_fits{};
FitTable rv_group_fits{};
PointTable bp_points;
PointTable rv_points;
PointTable first_pass_points;
RecoveryTables recovery_tables;
PathSettings folder_settings;
MethodData method_data;

int standard_count = 0;
int current_record = 0;
int calibration_loaded = 0;
std::string calibration_file_name;
int continuing_check_active = 0;
u8 check_started = 0;
int check_standard_mode = 0;
int sample_count = 0;
int sample_info_index = 0;
int request_type = 0;
int current_surrogate_record = 0;
int grouping_error = 0;

const std::string program_version_text = "Version 4.2";
std::string data_root_folder;
std::string install_path;
std::string program_folder;
std::string check_ini_path;
std::string check_data_file;

u8 variables_changed = 0;

MainFormFlags main_flags;

int library_rows_in_use() { return std::clamp(method_data.compound_count, 0, kMaxCompounds); }
int surrogate_records_in_use() { return std::clamp(method_data.surrogate_count, 0, kMaxSurrogates); }

void construct_method_data() {
    method_data = MethodData{};
    raw_data_sets.fill(SampleRawData_init());
    level_names.fill(std::string());
    for (auto& row : level_included) row.fill(0);
    for (FitTable* t : {&first_pass_fits, &bp_group_fits, &rv_group_fits})
        for (auto& set : *t) set.fill(GroupFit_init());
    for (PointTable* t : {&bp_points, &rv_points, &first_pass_points})
        for (auto& set : *t) set.fill(SurrogatePoint_init());
    recovery_tables = RecoveryTables{};
    lmt_header = LmtHeader{};
    lmt_file_path.clear();
    folder_settings = PathSettings_init();

    standard_count = current_record = 0;
    calibration_loaded = 0;
    calibration_file_name.clear();
    continuing_check_active = 0;
    check_started = 0;
    check_standard_mode = sample_count = sample_info_index = request_type = 0;
    current_surrogate_record = grouping_error = 0;
    data_root_folder.clear();
    install_path.clear();
    program_folder.clear();
    check_ini_path.clear();
    check_data_file.clear();

    variables_changed = 0;
    main_flags = MainFormFlags{};
}

void reset_library_tables() {
    for (auto& r : method_data.surrogates) reset_surrogate_record(r);
    for (auto& c : method_data.library) reset_library_compound(c);
    for (auto& c : method_data.library_saved) reset_library_compound(c);
}

bool copy_library_compounds(int count, LibraryTable& target, const LibraryTable& source) {
    int n = std::clamp(count, 0, kMaxCompounds);
    for (int i = 0; i < n; ++i) target[i] = source[i];
    return true;
}

double get_compound_amount(int compound, int level, double factor) {
    if (compound < 0 || compound >= kMaxCompounds) return kNotSet;
    const LibraryCompound& c = method_data.library_saved[compound];
    if (level >= 0 && level < kMaxLevels) return c.conc[level];
    if (level == kMaxLevels) return factor * c.conc[0];
    return kNotSet;
}
