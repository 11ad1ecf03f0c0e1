#include "processing/model_fits.h"
#include "processing/quantitation.h"
#include "processing/surrogate_results.h"
#include "reports/delimited_reports.h"
#include "reports/printed_sample_report.h"
#include "run/processing_run.h"

namespace {

void record_fitted_lines(int j, const RunFitTables& fits) {
    ModelFitSlots& slots = process_files_data.samples[j].model_fits;
    record_first_pass_lines(slots, fits.first_pass_fits[j]);
    record_group_lines(slots, fits.bp_fits[j], GroupLine::BP);
    record_group_lines(slots, fits.rv_fits[j], GroupLine::RV);
}

// The run prints a batch in one job in list order, so the first sample opens the job.
void print_report(Canvas& canvas, int j, bool batch) {
    PrintedReportOptions options;
    options.batch = batch;
    options.first_in_job = j == 0;
    options.group_limits_on = calc_limits_data.group_limits_on == 1;
    print_sample_report(canvas, process_files_data, j, report_source_files(), options);
}

void write_reports(int j) { write_sample_reports(process_files_data, j, report_source_files()); }

}  // namespace

// Each step is the entry point of the part of the program that does it.
ProcessingSteps processing_steps() {
    ProcessingSteps steps;
    steps.clear_sample_results = [] { clear_sample_results(process_files_data); };
    steps.average_response_factors = average_response_factors;
    steps.read_sample = [](int sample, const std::string& path) {
        // What Add File kept of the file, unless the sample's results file is another one now.
        read_kept_sample(process_files_data.sample_raw_data, sample, path,
                         process_files_data.samples[sample].kept_results);
    };
    steps.record_fitted_lines = record_fitted_lines;
    steps.compute_concentrations = compute_concentrations;
    steps.build_surrogate_results = build_surrogate_results;
    steps.build_is_report_rows = build_is_report_rows;
    steps.print_sample_report = print_report;
    steps.write_sample_reports = write_reports;
    return steps;
}
