#include "demo_calibration.h"

#include "calibration/calibration_build.h"
#include "calibration/calibration_standards.h"
#include "calibration/results_file.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/library_text_file.h"
#include "methoddata/surrogate_file.h"
#include "methoddata/tables.h"

namespace fs = std::filesystem;

const std::vector<std::string> demo_standard_files = {"runs/STD1.TXT", "runs/STD2.TXT",
                                                      "runs/STD3.TXT", "runs/STD4.TXT",
                                                      "runs/STD5.TXT", "runs/STD6.TXT"};
const std::vector<std::string> demo_standard_labels = {"Amount1", "Amount2", "Amount3",
                                                       "Amount4", "Amount5", "Amount6"};
const std::string demo_reference_file = "runs/REF.TXT";

DemoFolder::DemoFolder() : previous_(fs::current_path()) {
    const fs::path examples = example_file("");
    for (const char* name : {"demo_library.txt", "demo_internal_standards.ini"})
        fs::copy_file(examples / name, fs::path(path()) / name);
    fs::copy(examples / "runs", fs::path(path()) / "runs");
    fs::current_path(path());
}

DemoFolder::~DemoFolder() { fs::current_path(previous_); }

bool load_demo_method() {
    folder_settings.slot[kLibraryTextFileSlot] = "demo_library.txt";
    if (!read_library_text_file("demo_library.txt")) return false;
    method_data.library_loaded = 1;
    copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    int count = 0;
    if (!check_compound_file("demo_internal_standards.ini", count)) return false;
    if (!load_internal_standard_file("demo_internal_standards.ini", count)) return false;
    method_data.surrogate_file_loaded = 1;
    return true;
}

bool convert_demo_runs(const std::vector<std::string>& standards) {
    for (const std::string& file : standards)
        if (!convert_quant_file(file, listed_results_ini(file))) return false;
    return convert_quant_file(demo_reference_file, listed_results_ini(demo_reference_file));
}

bool build_demo_calibration(const std::vector<std::string>& standards,
                            const std::vector<std::string>& labels) {
    if (!convert_demo_runs(standards)) return false;
    calibration_data.standard_count = static_cast<int>(standards.size());
    method_data.surrogate_reference_path = demo_reference_file;
    prepare_standard_tables(standards, labels, false);
    return build_calibration(calibration_data.standard_results_ini, calibration_data.standard_count, demo_reference_file);
}
