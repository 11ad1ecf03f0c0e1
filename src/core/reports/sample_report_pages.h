#pragma once
// The pages of a printed sample report (printed_sample_report.h puts them together).
#include <string>

#include "samples/process_files_data.h"
#include "reports/print_layout.h"
#include "reports/printed_sample_report.h"
#include "reports/report_sources.h"

struct SampleReportPages {
    Canvas& canvas;
    PrintLayout& layout;
    ProcessFilesData& data;
    int s;
    const ReportSourceFiles& files;
    const PrintedReportOptions& options;
    PageSequence& pages;
};

// "Quantitation Curve Report - Linear: ..." or, with one variable, the given kind of report.
std::string sample_report_title(const std::string& one_variable_kind);

void print_result_pages(SampleReportPages& p);
void print_model_report(SampleReportPages& p);
// Nothing when the sample has no internal-standard rows.
void print_surrogate_report(SampleReportPages& p);

// The file, library, calibration, internal-standard and date items under the title of
// the model and surrogate pages; answers the y below them.
int print_file_items(SampleReportPages& p, int y);
