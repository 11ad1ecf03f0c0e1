#pragma once
// The long roads of outside data: a file read as a command reads it, and then carried
// through everything the analyst does with it next, reports and printouts included (on
// a recording canvas). A reader target stops at the reader; these go on, so that text
// taken from the file reaches every place that uses it.
#include <string>

// Every table from its start and the demo calibration loaded as Load Calibration File
// loads it; the program's folders are the fuzz folder.
void use_demo_calibration();

// A file of examples/ copied into the fuzz folder under `name`; answers the copy's path.
std::string fuzz_example_copy(const std::string& example, const std::string& name);

// Quantitation with one sample: Add File for `data_file`, its Sample Information entry
// (a reporting-limit entry with the demo limits file) and Enter, then Process printed as
// one batch and as one job per sample, with the delimited reports in both layouts.
void process_one_sample(const std::string& data_file);
