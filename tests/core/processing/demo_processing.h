#pragma once
// The demo calibration loaded as Load Calibration File loads it, with the processing
// window's data started, ready for the demo samples to be added.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "calibration/calibration_file.h"
#include "methoddata/calibration_tables.h"
#include "program/program_state.h"
#include "samples/process_files_data.h"
#include "methoddata/program_paths.h"
#include "methoddata/tables.h"
#include "processing/group_limits.h"
#include "processing/sample_list.h"
#include "scripted_ui.h"
#include "test_files.h"

// Every table back to its start; the demo calibration loaded; the install path (where the
// calibration log goes) in the working folder. False when the calibration does not load.
inline bool load_demo_calibration_for_processing(const std::string& working_folder) {
    construct_method_data();
    construct_calibration_tables();
    construct_process_files_data();
    program_paths.install_path = working_folder;
    int standards = 0;
    if (!load_calibration(example_file("demo_calibration.cal"), standards)) return false;
    copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    calibration_data.calibration_loaded = 1;
    main_flags.CalibrationFromFile = 1;
    calibration_data.calibration_file_name = example_file("demo_calibration.cal");
    start_sample_processing(process_files_data);
    return true;
}

// The calculation limits at their start with the default group limits, and the first
// `count` demo samples (runs/SAMPLE1.TXT ...) listed as water samples of 1 L, so results
// come in ug/L. The working folder must be the demo folder.
inline void add_demo_water_samples(ScriptedUi& ui, ProcessFilesData& data, int count) {
    calc_limits_data = CalcLimitsData{};
    set_default_group_limits();
    for (int s = 1; s <= count; ++s) {
        ui.open_returns(std::filesystem::absolute("runs/SAMPLE" + std::to_string(s) + ".TXT").string());
        ASSERT_GE(add_sample_file(data), 0) << "SAMPLE" << s;
        data.samples[s - 1].settings.size = 1.0f;
    }
}
