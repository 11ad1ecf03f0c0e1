#pragma once
// The demo calibration loaded as Load Calibration File loads it, with the processing
// window's data started, ready for the demo samples to be added.
#include <string>

#include "calibration/calibration_file.h"
#include "calibration/calibration_tables.h"
#include "methoddata/tables.h"
#include "processing/process_files_data.h"
#include "processing/sample_list.h"
#include "test_files.h"

// Every table back to its start; the demo calibration loaded; install_path (where the
// calibration log goes) in the working folder. False when the calibration does not load.
inline bool load_demo_calibration_for_processing(const std::string& working_folder) {
    construct_method_data();
    construct_calibration_tables();
    construct_process_files_data();
    install_path = working_folder;
    int standards = 0;
    if (!load_calibration(example_file("demo_calibration.cal"), standards)) return false;
    copy_library_compounds(compound_count, library_saved, library);
    calibration_loaded = 1;
    main_flags.CalibrationFromFile = 1;
    calibration_file_name = example_file("demo_calibration.cal");
    start_sample_processing(process_files_data);
    return true;
}
