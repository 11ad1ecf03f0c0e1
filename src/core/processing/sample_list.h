#pragma once
// The processing window's list of sample data files: adding one (converted into its
// results file), deleting one, clearing the list. Listed sample i is
// process_files_data.samples[i].settings.data_file_path for i below sample_count.
#include <optional>
#include <string>
#include <vector>

#include "calibration/level_label.h"
#include "samples/process_files_data.h"

extern const std::string sample_file_filter;  // "Quantitated data file (*.txt)|*.txt"

// Quantitation > Process sample files: an empty list and empty Sample Information tables.
void start_sample_processing(ProcessFilesData& data);

// Add File up to the Sample Information entry: refuses a 25th sample, asks for a data file,
// converts it into its results file and lists it with the identifiers of its results file,
// keeping what Process takes of the file (its kept_results).
// A file that gives a compound a negative area is refused naming the file and compound.
// Answers the new sample's slot, or -1 when nothing was added (refused, cancelled, or the
// conversion refused the file with its own message).
int add_sample_file(ProcessFilesData& data);

// A data file that the list holds already (the same file once resolved, whatever the case
// or the links of the text that names it): the refusal names the sample that holds it.
std::optional<Refusal> listed_sample_refusal(const std::string& data_file, const std::vector<std::string>& listed);

// Delete File: the samples after slot i move down one place, and the last slot of the list
// is as a sample never listed. The deleted sample's results file stays on disk.
// Out-of-range slots are ignored.
void delete_sample_file(ProcessFilesData& data, int i);

// Clear, Exit and a failed run: deletes the results files of the listed samples and
// empties the list.
void clear_sample_list(ProcessFilesData& data);

// The listed data files, in list order.
std::vector<std::string> listed_sample_files(const ProcessFilesData& data);

// The results file of a listed data file: beside it, its name cut before its last "."
// (the whole name when it has none) and ".ini".
std::string sample_results_path(const std::string& data_path);
