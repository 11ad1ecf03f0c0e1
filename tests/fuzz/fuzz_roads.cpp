#include "fuzz_roads.h"

#include <cstdlib>
#include <filesystem>

#include "calibration/calibration_file.h"
#include "fuzz_support.h"
#include "methoddata/calibration_tables.h"
#include "program/program_state.h"
#include "samples/process_files_data.h"
#include "methoddata/program_paths.h"
#include "methoddata/tables.h"
#include "processing/group_limits.h"
#include "processing/sample_entry.h"
#include "processing/sample_list.h"
#include "run/processing_run.h"

namespace {

const std::string examples = M5847_EXAMPLES;

}  // namespace

void use_demo_calibration() {
    fuzz_folder();
    forget_open_answers();
    construct_method_data();
    construct_calibration_tables();
    construct_process_files_data();
    program_paths.install_path = program_paths.program_folder = fuzz_folder();
    int standards = 0;
    if (!load_calibration(examples + "/demo_calibration.cal", standards)) std::abort();
    copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    calibration_data.calibration_loaded = 1;
    main_flags.CalibrationFromFile = 1;
    calibration_data.calibration_file_name = examples + "/demo_calibration.cal";
    calc_limits_data = CalcLimitsData{};
    set_default_group_limits();
    calc_limits_data.group_limits_on = 1;  // the flagged lines and their marks too
}

std::string fuzz_example_copy(const std::string& example, const std::string& name) {
    const std::string copy = fuzz_folder() + "/" + name;
    std::error_code ignored;
    std::filesystem::copy_file(examples + "/" + example, copy, std::filesystem::copy_options::overwrite_existing,
                               ignored);
    return copy;
}

void process_one_sample(const std::string& data_file) {
    ProcessFilesData& data = process_files_data;
    start_sample_processing(data);
    main_flags.TrqFormsFormat = 0;
    fuzz_open_returns(data_file);
    const int slot = add_sample_file(data);
    if (slot < 0) return;
    SampleEntryBoxes boxes;
    open_sample_entry(boxes, data, slot);
    select_entry_mode(boxes, EntryMode::ReportingLimit);
    boxes.limits_file = fuzz_example_copy("demo_water.lmt", "water.lmt");
    boxes.size = "1";
    if (!enter_sample_entry(boxes, data).stored) return;
    for (const bool batch : {true, false}) {
        ProcessingOptions options;
        options.printed_reports = true;
        options.batch_report = batch;
        options.delimited_reports = true;
        main_flags.TrqFormsFormat = batch ? 0 : 1;
        if (run_processing(data, processing_steps(), options) != ProcessingOutcome::Done) return;
    }
    clear_sample_list(data);
}
