#include "methoddata/tables.h"

#include <algorithm>

#include "methoddata/calibration_data.h"
#include "methoddata/check_state.h"
#include "methoddata/process_files_data.h"
#include "methoddata/reporting_limit_file.h"

PathSettings folder_settings;
MethodData method_data;
CheckState check_state;

int current_record = 0;
int request_type = 0;
int current_surrogate_record = 0;
int grouping_error = 0;

const std::string program_version_text = "Version 4.2";
std::string data_root_folder;
std::string install_path;
std::string program_folder;

u8 variables_changed = 0;

MainFormFlags main_flags;

int library_rows_in_use() { return std::clamp(method_data.compound_count, 0, kMaxCompounds); }
int surrogate_records_in_use() { return std::clamp(method_data.surrogate_count, 0, kMaxSurrogates); }

void construct_method_data() {
    method_data = MethodData{};
    reset_calibration_data();
    lmt_header = LmtHeader{};
    lmt_file_path.clear();
    folder_settings = PathSettings_init();

    current_record = 0;
    check_state = CheckState{};
    // A reset of the method data leaves no sample listed: a calibration built after it is
    // built as one, not in sample mode.
    process_files_data.sample_count = process_files_data.sample_info_index = 0;
    request_type = 0;
    current_surrogate_record = grouping_error = 0;
    data_root_folder.clear();
    install_path.clear();
    program_folder.clear();

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
