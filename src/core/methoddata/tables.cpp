#include "methoddata/tables.h"

#include <algorithm>

#include "methoddata/calibration_data.h"
#include "methoddata/program_paths.h"
#include "methoddata/reporting_limit_files.h"

PathSettings folder_settings;
MethodData method_data;

int current_record = 0;
int continuing_check_active = 0;
u8 check_started = 0;
int check_standard_mode = 0;
int sample_count = 0;
int sample_info_index = 0;
int request_type = 0;
int current_surrogate_record = 0;
int grouping_error = 0;

const std::string program_version_text = "Version 4.2";
ProgramPaths program_paths;
std::string check_ini_path;
std::string check_data_file;

u8 variables_changed = 0;

MainFormFlags main_flags;

int library_rows_in_use() { return std::clamp(method_data.compound_count, 0, kMaxCompounds); }
int surrogate_records_in_use() { return std::clamp(method_data.surrogate_count, 0, kMaxSurrogates); }

void construct_method_data() {
    method_data = MethodData{};
    reset_calibration_data();
    reporting_limit_files = ReportingLimitFiles{};
    folder_settings = PathSettings_init();

    current_record = 0;
    continuing_check_active = 0;
    check_started = 0;
    check_standard_mode = sample_count = sample_info_index = request_type = 0;
    current_surrogate_record = grouping_error = 0;
    program_paths = ProgramPaths{};
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
