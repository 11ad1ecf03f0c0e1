#include "small_calibration.h"

#include "calibration/calibration_review.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/tables.h"
#include "program/program_state.h"

void fill_small_calibration() {
    construct_method_data();
    construct_calibration_tables();
    reset_calibration_review();
    const char* names[kSmallCompounds] = {"Benzene", "Fluorobenzene-IS", "Toluene", "Naphthalene"};
    for (int c = 0; c < kSmallCompounds; ++c) {
        LibraryCompound& lib = method_data.library[c];
        lib.name = names[c];
        lib.is_internal_standard = c == 1 ? 1 : 0;
        lib.rvw = 1.5 + c;
        lib.bp = 80.1 + 30.0 * c;
        for (int k = 0; k < kMaxLevels; ++k) lib.conc[k] = lib.is_internal_standard ? 25.0 : 5.0 * (k + 1);
    }
    method_data.compound_count = kSmallCompounds;
    copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    method_data.surrogate_count = 1;
    method_data.surrogates[0].name = "Fluorobenzene-IS";
    method_data.surrogates[0].rvwgroup = {1, 1, 0, 0, 0, 0};
    method_data.surrogates[0].bpgroup = {0, 0, 1, 0, 0, 1};
    method_data.surrogates[0].first_pass = 1;
    method_data.surrogates[0].checked_surrogate = 0;

    calibration_data.standard_count = kSmallStandards;
    const char* labels[kSmallStandards] = {"Amount1", "Amount2", "0.5"};
    for (int p = 0; p < kSmallStandards; ++p) {
        calibration_data.level_names[p] = labels[p];
        calibration_data.standard_data_files[p] = "/data/runs/STD" + std::to_string(p + 1) + ".TXT";
        calibration_data.standard_results_ini[p] = "/data/runs/STD" + std::to_string(p + 1) + ".ini";
        for (int c = 0; c < kSmallCompounds; ++c) {
            calibration_data.recovery_tables.predicted_recovery[p][c] = 0.8 + 0.01 * p;
            calibration_data.recovery_tables.predicted_recovery_dev[p][c] = 0.01 * (p + 1);
            calibration_data.recovery_tables.response_factor[p][c] = 100.0 + 10.0 * p + 1000.0 * c;
            calibration_data.recovery_tables.response_factor_dev[p][c] = 2.5 + p;
            calibration_data.raw_data_sets[p].area[c] = 1000 * (p + 1) + c;
            calibration_data.level_included[c][p] = 1;
        }
    }
    save_level_inclusion(method_data.compound_count);
    calibration_data.calibration_file_name = "/data/cal/demo.cal";
    method_data.surrogate_file_path = "/data/is/Demo_IS.ini";
    method_data.surrogate_reference_path = "/data/runs/REF.TXT";
    folder_settings.slot[kLibraryTextFileSlot] = "/data/lib/demo_library.txt";
}
