#pragma once
// The ";"-separated text reports of one processed sample: the quantitation report (the
// general layout ".txt" or the forms layout ".prn") and the internal-standard report
// ("QC.txt"). Both are written anew on every run.
#include <string>

#include "samples/process_files_data.h"
#include "reports/report_sources.h"

enum class QuantitationLayout { General, Forms };

// The sample's data file without its extension, "_", the calibration file's name without
// folder and extension, then ".txt" (general layout) or ".prn" (forms layout).
std::string quantitation_report_path(const std::string& data_file, const std::string& calibration_file,
                                     QuantitationLayout layout);
// The same stem followed by "QC.txt".
std::string qc_report_path(const std::string& data_file, const std::string& calibration_file);

// The report texts of sample s; process_date is the "mm/dd/yyyy hh:nn" stamp of both.
std::string quantitation_report_text(const ProcessFilesData& data, int s, const ReportSourceFiles& files,
                                     const std::string& process_date, QuantitationLayout layout);
std::string qc_report_text(const ProcessFilesData& data, int s, const ReportSourceFiles& files,
                           const std::string& process_date);

// Writes both reports of sample s (the layout of the quantitation report is the main
// window's forms switch) and sets the sample's size unit. A report that cannot be written
// is named in a "File access failure." message; the sample's remaining report is then not
// written. False after such a failure.
bool write_sample_reports(ProcessFilesData& data, int s, const ReportSourceFiles& files);
