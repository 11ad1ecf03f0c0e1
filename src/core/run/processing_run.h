#pragma once
// The processing run: the recovery models of every listed sample in sample mode, then the
// quantitation, the internal-standard rows and the reports. The run is one function over
// a list of steps; each step is the entry point of the part of the program that does it,
// so the run itself never changes when a step is built or mended.
#include <functional>
#include <string>

#include "samples/process_files_data.h"
#include "methoddata/tables.h"
#include "recovery/model_tables.h"

class Canvas;

// The run's own fit tables: the calibration's global tables stay as the calibration left them.
struct RunFitTables {
    FitTable first_pass_fits{};
    FitTable bp_fits{};
    FitTable rv_fits{};
    FirstPassPairTable pairs{};
    DataSetValues response_scratch{};
};

struct ProcessingSteps {
    // Before the samples: empties what the previous run left for the reports.
    std::function<void()> clear_sample_results;
    // Per sample, before its models: the calibration's mean response factors, then the
    // sample's results file into process_files_data.sample_raw_data[sample].
    std::function<void()> average_response_factors;
    std::function<void(int sample, const std::string& results_path)> read_sample;
    // Per sample after its models: its first-pass, BP and RV lines into its ModelFit slots,
    // with the group-limit flags when the group limits are on.
    std::function<void(int sample, const RunFitTables& fits)> record_fitted_lines;
    // After every sample's models.
    std::function<void()> compute_concentrations;
    std::function<void()> build_surrogate_results;
    std::function<void(int sample)> build_is_report_rows;
    // Reports. A batch prints every sample in one job that the run begins (landscape) and
    // ends; otherwise the report begins and ends its own job on the canvas.
    std::function<void(Canvas& canvas, int sample, bool batch)> print_sample_report;
    std::function<void(int sample)> write_sample_reports;
};

// Before a run: the predicted recoveries of every sample slot, the sample names and
// retention times, the internal-standard names and the model-table texts are emptied.
void clear_sample_results(ProcessFilesData& data);

// The program's steps: each part's entry point (a step not built yet is empty and skipped).
ProcessingSteps processing_steps();

struct ProcessingOptions {
    bool printed_reports = false;    // Reports > Printed (pdf or paper)
    bool batch_report = true;        // one print job for all samples
    bool delimited_reports = false;  // the main window's Delimited Data Reports
};

enum class ProcessingOutcome {
    NoSamples,    // "Please select your sample files" was shown
    ModelFailed,  // a sample's models failed: the list was cleared, nothing reported
    Done,
};

// Process: runs every listed sample. The list and the results files stay after a
// finished run; a model failure clears the list (results files deleted) and reports
// nothing. An error that ends the command (a results file that cannot be read, a model
// error) throws and leaves the list as it was.
ProcessingOutcome run_processing(ProcessFilesData& data, const ProcessingSteps& steps,
                                 const ProcessingOptions& options);

// The name under which a sample's printed report goes to the printer.
std::string sample_report_job_name(const ProcessFilesData& data, int sample);
