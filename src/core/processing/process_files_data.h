#pragma once
// Data of the processing window that the core reads and writes. The window holds this
// struct; the recovery models and the quantitation run without the window.
#include <array>
#include <string>

#include "methoddata/records.h"
#include "processing/sample_settings.h"

struct ProcessFilesData {
    std::array<SampleRawData, kDataSets> sample_raw_data;  // slot = sample index
    std::array<std::string, kSampleSlots> sample_data_paths;
    std::array<std::string, kSampleSlots> sample_ini_paths;  // results file of each sample
    std::string current_sample_name;  // data file of the sample whose models are running
    std::array<SampleSettings, kSampleSlots> sample_settings;
};
extern ProcessFilesData process_files_data;
