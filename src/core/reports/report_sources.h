#pragma once
// What a sample's reports name besides the sample's own entry: the calibration file shown
// in the processing window's calibration file box and the library and internal-standard
// files of the run.
#include <string>

struct ReportSourceFiles {
    std::string calibration_file;  // the text of the calibration file box (upper-cased path)
    std::string library_file;
    std::string surrogate_file;
};

// The files of the processing window's run: the loaded calibration file as its box shows
// it, and the loaded library and internal-standard files (while the processing window is
// open neither can be loaded again).
ReportSourceFiles report_source_files();
