#pragma once
// The printed report of one processed sample: results pages with a row per analyte, the
// model page with the first-pass, BP and RV tables and the recovery charts, and the
// surrogate page with the internal-standard recoveries by category.
#include "samples/process_files_data.h"
#include "reports/report_sources.h"

class Canvas;

struct PrintedReportOptions {
    bool batch = false;         // one job for every sample: the caller set landscape and began it
    bool first_in_job = true;   // in a batch: this sample's pages open the job
    bool group_limits_on = false;
};

// Prints sample s. On its own it sets landscape and begins and ends its job; in a batch
// it adds its pages to the caller's job. Marks the BP and RV model rows of a group whose
// continuity limit is exceeded with "$" in the sample's model texts.
void print_sample_report(Canvas& canvas, ProcessFilesData& data, int s, const ReportSourceFiles& files,
                         const PrintedReportOptions& options);
