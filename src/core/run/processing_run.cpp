#include "run/processing_run.h"

#include <memory>
#include <utility>

#include "methoddata/calibration_data.h"
#include "platform/canvas.h"
#include "platform/paths.h"
#include "platform/print_notices.h"
#include "platform/ui_services.h"
#include "processing/sample_list.h"
#include "recovery/model_chain.h"

namespace {

template <typename Step, typename... Args>
void run_step(const Step& step, Args&&... args) {
    if (step) step(std::forward<Args>(args)...);
}

// The recovery models of one sample in sample mode, then its fitted lines. False when a
// model failed (its message shown); the remaining models of the sample still ran. The
// lines are recorded after the whole chain: the later models leave the earlier tables as
// they were, so the lines are those each model fitted or used. With the BP variable alone
// the first-pass table is reset to the identity before the BP model, so every sample
// shows the identity line its BP model used (recorded before the reset, the first sample
// of a run would show zeros and the later ones the identity). The models only read the
// sample's areas, so its results file is read once.
bool model_sample(ProcessFilesData& data, const ProcessingSteps& steps, RunFitTables& fits, int j) {
    data.current_sample_name = data.samples[j].settings.data_file_path;
    run_step(steps.average_response_factors);
    if (!data.samples[j].settings.results_ini_path.empty())
        run_step(steps.read_sample, j, data.samples[j].settings.results_ini_path);
    const ModelChainTables tables{data.sample_raw_data, fits.first_pass_fits, fits.bp_fits,
                                  fits.rv_fits,          fits.pairs,           fits.response_scratch};
    const ModelChainResult chain = run_model_chain(tables, j, AfterFailure::RunRemainingSteps);
    run_step(steps.record_fitted_lines, j, fits);
    return chain.result != 0;
}

// The jobs of a run are told in one message: where each went, or why it failed. A job
// of its own per sample names its sample, so a file chosen in the printer dialog gives
// each sample a file named after it.
void print_reports(const ProcessFilesData& data, const ProcessingSteps& steps, bool batch) {
    if (!steps.print_sample_report) return;
    PrintNoticeGroup notices;
    if (batch) {
        std::unique_ptr<Canvas> canvas = ui().current_printer("Sample Reports");
        if (!canvas) return;
        canvas->set_orientation(Orientation::Landscape);
        if (!canvas->begin_job("Sample Reports")) return;
        for (int j = 0; j < data.sample_count; ++j) steps.print_sample_report(*canvas, j, true);
        canvas->end_job();
        return;
    }
    for (int j = 0; j < data.sample_count; ++j) {
        std::unique_ptr<Canvas> canvas = ui().current_printer(
            sample_report_job_name(data, j),
            up_to_last_dot(file_name_of(data.samples[j].settings.data_file_path)));
        if (canvas) steps.print_sample_report(*canvas, j, false);
    }
}

}  // namespace

void clear_sample_results(ProcessFilesData& data) {
    for (int j = 0; j < kSampleSlots; ++j) {
        calibration_data.recovery_tables.predicted_recovery[j].fill(0.0);
        calibration_data.recovery_tables.predicted_recovery_dev[j].fill(0.0);
        calibration_data.recovery_tables.bp_group[j].fill(0);
        calibration_data.recovery_tables.rv_group[j].fill(0);
        data.sample_raw_data[j].retention_time.fill(0.0);
        data.sample_raw_data[j].name.fill(std::string());
        data.samples[j].model_table_texts = ModelTableCells();  // its memory too
        data.samples[j].surrogate_results = SurrogateResultRows();
    }
}

std::string sample_report_job_name(const ProcessFilesData& data, int sample) {
    return up_to_last_dot(file_name_of(data.samples[sample].settings.data_file_path)) + "_" +
           up_to_last_dot(file_name_of(calibration_data.calibration_file_name));
}

ProcessingOutcome run_processing(ProcessFilesData& data, const ProcessingSteps& steps,
                                 const ProcessingOptions& options) {
    if (data.sample_count <= 0) {
        show_message("Please select your sample files", "Warning");
        return ProcessingOutcome::NoSamples;
    }
    main_flags.CheckCalibrationMode = 0;
    BusyCursor busy;
    run_step(steps.clear_sample_results);
    // Zeroed tables of the run's own, on the heap (they are large).
    auto fits = std::make_unique<RunFitTables>();
    for (int i = 0; i < data.sample_count; ++i)
        data.samples[i].settings.results_ini_path =
            sample_results_path(data.samples[i].settings.data_file_path);

    for (int j = 0; j < data.sample_count; ++j) {
        if (!model_sample(data, steps, *fits, j)) {
            clear_sample_list(data);
            return ProcessingOutcome::ModelFailed;
        }
    }
    run_step(steps.compute_concentrations);
    run_step(steps.build_surrogate_results);
    for (int j = 0; j < data.sample_count; ++j) run_step(steps.build_is_report_rows, j);

    // The printouts and the report files of the run are told in one message.
    PrintNoticeGroup notices;
    if (options.printed_reports) print_reports(data, steps, options.batch_report);
    if (options.delimited_reports)
        for (int j = 0; j < data.sample_count; ++j) run_step(steps.write_sample_reports, j);
    return ProcessingOutcome::Done;
}
