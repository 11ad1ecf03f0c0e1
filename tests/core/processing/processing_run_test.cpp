#include "run/processing_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../calibration/demo_calibration.h"
#include "calibration/calibration_file.h"
#include "demo_processing.h"
#include "methoddata/calibration_tables.h"
#include "samples/process_files_data.h"
#include "methoddata/tables.h"
#include "platform/paths.h"
#include "platform/print_notices.h"
#include "platform/text_util.h"
#include "processing/quantitation.h"
#include "processing/sample_list.h"
#include "scripted_ui.h"

namespace fs = std::filesystem;

namespace {

// The demo calibration loaded as Load Calibration File loads it, and the demo samples in a
// working folder.
class ProcessingRun : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(load_demo_calibration_for_processing(demo.path())); }
    void add(const std::string& file) {
        ui.open_returns(fs::absolute(file).string());
        ASSERT_GE(add_sample_file(data), 0) << file;
    }
    // The program's steps, each call noted in `calls`.
    ProcessingSteps noted_steps() {
        ProcessingSteps s = processing_steps();
        auto note = [this](const std::string& name, auto step) {
            return [this, name, step](auto... args) {
                calls.push_back(name + suffix(args...));
                if (step) step(args...);
            };
        };
        s.clear_sample_results = note("clear", s.clear_sample_results);
        s.average_response_factors = note("average", s.average_response_factors);
        s.read_sample = note("read", s.read_sample);
        s.record_fitted_lines = note("lines", s.record_fitted_lines);
        s.compute_concentrations = note("quantitate", s.compute_concentrations);
        s.build_surrogate_results = note("surrogates", s.build_surrogate_results);
        s.build_is_report_rows = note("is rows", s.build_is_report_rows);
        s.print_sample_report = [this](Canvas& canvas, int j, bool batch) {
            calls.push_back("print " + std::to_string(j));
            if (!batch) {
                canvas.set_orientation(Orientation::Landscape);
                canvas.begin_job("sample");
                canvas.end_job();
            }
        };
        s.write_sample_reports = note("delimited", s.write_sample_reports);
        return s;
    }
    // The sample of a per-sample step.
    static std::string suffix() { return ""; }
    template <typename... Rest>
    static std::string suffix(int sample, Rest...) { return " " + std::to_string(sample); }
    ProcessFilesData& data = process_files_data;
    std::vector<std::string> calls;
    ScriptedUi ui;
    DemoFolder demo;
};

TEST_F(ProcessingRun, WithoutSamplesItAsksForThem) {
    ui.expect_message("Please select your sample files");
    EXPECT_EQ(run_processing(data, noted_steps(), {}), ProcessingOutcome::NoSamples);
    EXPECT_EQ(ui.last_message().caption, "Warning");
    EXPECT_TRUE(calls.empty());
}

TEST_F(ProcessingRun, ModelsEverySampleThenQuantitatesAndReports) {
    add("runs/SAMPLE1.TXT");
    add("runs/SAMPLE2.TXT");
    main_flags.CheckCalibrationMode = 1;
    data.samples[7].model_table_texts.resize(1);  // left by an earlier run
    data.samples[7].model_table_texts[0][0].bp = "left by an earlier run";
    data.samples[7].surrogate_results.resize(1);
    data.samples[7].surrogate_results[0].name = "left by an earlier run";
    ProcessingOptions options;
    options.printed_reports = true;
    options.batch_report = true;
    options.delimited_reports = true;
    // The run's report files are named in its one message, beside its printouts.
    const std::string runs = folder_of(data.samples[0].settings.data_file_path) + "/";
    ui.expect_message("The report files were written:\n" + runs + "SAMPLE1_DEMO_CALIBRATION.txt\n" + runs +
                      "SAMPLE1_DEMO_CALIBRATIONQC.txt\n" + runs + "SAMPLE2_DEMO_CALIBRATION.txt\n" + runs +
                      "SAMPLE2_DEMO_CALIBRATIONQC.txt");
    EXPECT_EQ(run_processing(data, noted_steps(), options), ProcessingOutcome::Done);
    EXPECT_EQ(ui.messages.size(), 1u);

    const std::vector<std::string> expected = {
        "clear",   "average",   "read 0",   "lines 0",    "average", "read 1",     "lines 1",
        "quantitate", "surrogates", "is rows 0", "is rows 1", "print 0", "print 1", "delimited 0",
        "delimited 1"};
    EXPECT_EQ(calls, expected);
    EXPECT_TRUE(data.samples[7].model_table_texts.empty());
    EXPECT_TRUE(data.samples[7].surrogate_results.empty());
    EXPECT_EQ(main_flags.CheckCalibrationMode, 0);
    EXPECT_EQ(ui.busy_depth, 0);
    EXPECT_EQ(file_name_of(data.current_sample_name), "SAMPLE2.TXT");
    // One job in landscape for the batch.
    ASSERT_EQ(ui.finished_jobs.size(), 1u);
    EXPECT_EQ(ui.finished_jobs[0].orientation, Orientation::Landscape);
    EXPECT_TRUE(ui.finished_jobs[0].job_begun && ui.finished_jobs[0].job_ended);

    // Each sample's recoveries were predicted against the calibration, and its lines kept.
    const int benzene = 1;  // an analyte of the demo library
    ASSERT_EQ(method_data.library[benzene].is_internal_standard, 0);
    for (int j = 0; j < 2; ++j) {
        EXPECT_GT(calibration_data.recovery_tables.predicted_recovery[j][benzene], 0.0) << j;
        EXPECT_NE(data.samples[j].model_fits[1].bp_text, "") << j;
        EXPECT_NE(data.samples[j].model_fits[1].rv_text, "") << j;
        EXPECT_NE(data.samples[j].model_fits[0].fp_text, "") << j;
    }
    EXPECT_NE(calibration_data.recovery_tables.predicted_recovery[0][benzene], calibration_data.recovery_tables.predicted_recovery[1][benzene]);
    // The list and the results files stay.
    EXPECT_EQ(process_files_data.sample_count, 2);
    EXPECT_TRUE(file_exists("runs/SAMPLE1.ini"));
}

TEST_F(ProcessingRun, SingleReportsAreAJobEachAndNothingIsPrintedUnlessChosen) {
    add("runs/SAMPLE1.TXT");
    add("runs/SAMPLE3.TXT");
    ProcessingOptions options;
    options.printed_reports = true;
    options.batch_report = false;
    run_processing(data, noted_steps(), options);
    ASSERT_EQ(ui.finished_jobs.size(), 2u);
    EXPECT_EQ(ui.finished_jobs[0].report_name, "SAMPLE1_demo_calibration");
    EXPECT_EQ(ui.finished_jobs[1].report_name, "SAMPLE3_demo_calibration");
    // Each job is a part named after its sample, so that its file says which sample it holds.
    EXPECT_EQ(ui.finished_jobs[0].part_name, "SAMPLE1");
    EXPECT_EQ(ui.finished_jobs[1].part_name, "SAMPLE3");

    calls.clear();
    run_processing(data, noted_steps(), {});
    EXPECT_EQ(ui.finished_jobs.size(), 2u);
    for (const std::string& call : calls) EXPECT_FALSE(starts_with_ci(call, "print")) << call;
    for (const std::string& call : calls) EXPECT_FALSE(starts_with_ci(call, "delimited")) << call;
}

// The jobs of a run are told together, in one message, however many samples it prints.
TEST_F(ProcessingRun, ItsPrintJobsAreToldInOneMessage) {
    add("runs/SAMPLE1.TXT");
    add("runs/SAMPLE3.TXT");
    ProcessingSteps steps = noted_steps();
    steps.print_sample_report = [](Canvas&, int j, bool) {
        // What a printer canvas announces as a job ends.
        PrintOutcome outcome;
        outcome.file = "/out/S" + std::to_string(j) + ".pdf";
        outcome.printed = j == 0;
        if (j != 0) outcome.failure = "gone";
        announce_print(outcome);
    };
    ProcessingOptions options;
    options.printed_reports = true;
    options.batch_report = false;
    ui.expect_message("The report could not be printed:\n/out/S1.pdf\n    gone\n\n"
                      "The report was printed to the file\n/out/S0.pdf");
    EXPECT_EQ(run_processing(data, steps, options), ProcessingOutcome::Done);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(ProcessingRun, AModelFailureClearsTheListAndReportsNothing) {
    // The third of four samples lost an internal standard's peak.
    std::ifstream in("runs/SAMPLE2.TXT", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t row = text.find("\nToluene-d8\t");
    ASSERT_NE(row, std::string::npos);
    const size_t area = row + std::string("\nToluene-d8\t").size();
    text.replace(area, text.find('\t', area) - area, "0");
    std::ofstream("runs/LOST_IS.TXT", std::ios::binary) << text;

    for (const char* f : {"runs/SAMPLE1.TXT", "runs/SAMPLE2.TXT", "runs/LOST_IS.TXT", "runs/SAMPLE3.TXT"}) add(f);
    ui.allow_any_message = true;
    ProcessingOptions options;
    options.printed_reports = true;
    options.delimited_reports = true;
    EXPECT_EQ(run_processing(data, noted_steps(), options), ProcessingOutcome::ModelFailed);

    EXPECT_TRUE(ui.saw_message("The area count for the compound Toluene-d8 is ZERO for sample"));
    EXPECT_EQ(calls.back(), "lines 2");
    EXPECT_EQ(process_files_data.sample_count, 0);
    EXPECT_EQ(process_files_data.sample_info_index, 0);
    for (const char* f : {"runs/SAMPLE1.ini", "runs/SAMPLE2.ini", "runs/LOST_IS.ini", "runs/SAMPLE3.ini"})
        EXPECT_FALSE(file_exists(f)) << f;
    EXPECT_TRUE(ui.finished_jobs.empty());
}

// With the BP variable alone there is no first pass: every sample, the first too, shows
// the identity line that its BP model used in place of one.
TEST_F(ProcessingRun, WithTheBpVariableAloneEverySampleShowsTheIdentityFirstPass) {
    method_data.variable_mode.one_variable_mode = 1;
    method_data.variable_mode.bp_variable_chosen = 1;
    add("runs/SAMPLE1.TXT");
    add("runs/SAMPLE2.TXT");
    ASSERT_EQ(run_processing(data, noted_steps(), {}), ProcessingOutcome::Done);
    for (int j = 0; j < 2; ++j)
        for (int s = 0; s < 2; ++s)
            EXPECT_EQ(data.samples[j].model_fits[s].fp_text, "0.000000;1.0000;0.00") << j << s;
}

TEST_F(ProcessingRun, TheResultsFileOfASampleInAFolderWithADotIsTheConvertedOne) {
    fs::create_directory("run.v2");
    fs::copy_file("runs/SAMPLE1.TXT", "run.v2/SAMPLE1");
    add("run.v2/SAMPLE1");
    EXPECT_EQ(run_processing(data, noted_steps(), {}), ProcessingOutcome::Done);
    EXPECT_EQ(data.samples[0].settings.results_ini_path,
              fs::absolute("run.v2/SAMPLE1.ini").string());
    EXPECT_GT(calibration_data.recovery_tables.predicted_recovery[0][1], 0.0);
}

// The area of the first compound of a demo data file, as the instrument wrote it.
int first_area(const std::string& data_file) {
    const std::vector<std::string> lines = split(read_file_text(data_file), '\n');
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (trim(lines[i]) == "COMPOUND") return std::stoi(split(lines[i + 1], '\t')[1]);
    return -1;
}

TEST_F(ProcessingRun, ProcessTakesEachSampleAsAddFileReadItsResultsFile) {
    for (const char* f : {"runs/SAMPLE1.TXT", "runs/SAMPLE2.TXT", "runs/SAMPLE3.TXT"}) add(f);
    delete_sample_file(data, 0);  // the later samples move down with what was kept of them
    // What reading the results files gives. Add File kept the compounds, not the files'
    // text; the files are then gone from disk: a second read would fail the run.
    auto from_files = std::make_unique<RawDataSets>();
    for (int j = 0; j < 2; ++j) {
        EXPECT_TRUE(data.samples[j].kept_results.compounds &&
                    data.samples[j].kept_results.text.empty())
            << j;
        read_sample_ini(*from_files, j, data.samples[j].settings.results_ini_path);
    }
    for (const char* f : {"runs/SAMPLE2.ini", "runs/SAMPLE3.ini"}) ASSERT_TRUE(fs::remove(f));
    ASSERT_EQ(run_processing(data, noted_steps(), {}), ProcessingOutcome::Done);
    EXPECT_TRUE(ui.exceptions.empty());
    for (int j = 0; j < 2; ++j) {
        EXPECT_EQ(data.sample_raw_data[j].area, (*from_files)[j].area) << j;
        EXPECT_EQ(data.sample_raw_data[j].name, (*from_files)[j].name) << j;
        EXPECT_EQ(data.sample_raw_data[j].retention_time, (*from_files)[j].retention_time) << j;
    }
    EXPECT_EQ(data.sample_raw_data[0].area[0], first_area("runs/SAMPLE2.TXT"));
    EXPECT_EQ(data.sample_raw_data[1].area[0], first_area("runs/SAMPLE3.TXT"));
    EXPECT_NE(first_area("runs/SAMPLE2.TXT"), first_area("runs/SAMPLE3.TXT"));
}

TEST_F(ProcessingRun, ASecondSampleOfTheSameResultsFileIsRefusedAndTheFirstKeepsItsAreas) {
    // Names that differ only in case are two data files here but one results file, and
    // one set of reports: the second is refused at Add File.
    fs::copy_file("runs/SAMPLE2.TXT", "runs/dup.txt");
    fs::copy_file("runs/SAMPLE3.TXT", "runs/dup.TXT");
    add("runs/dup.txt");
    ui.expect_message("would share the results file");
    ui.open_returns(fs::absolute("runs/dup.TXT").string());
    EXPECT_EQ(add_sample_file(data), -1);
    ASSERT_EQ(run_processing(data, noted_steps(), {}), ProcessingOutcome::Done);
    EXPECT_EQ(data.sample_raw_data[0].area[0], first_area("runs/SAMPLE2.TXT"));
}

}  // namespace
