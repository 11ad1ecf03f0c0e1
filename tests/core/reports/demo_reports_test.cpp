// The reports of a processing run of the demo samples against the demo calibration.
#include <gtest/gtest.h>

#include <filesystem>

#include "../calibration/demo_calibration.h"
#include "../processing/demo_processing.h"
#include "calibration/calibration_file.h"
#include "calibration/curve_statistics.h"
#include "methoddata/calibration_tables.h"
#include "samples/reporting_limits_reader.h"
#include "samples/sample_settings.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "platform/text_util.h"
#include "processing/group_limits.h"
#include "processing/quantitation.h"
#include "processing/sample_list.h"
#include "run/processing_run.h"
#include "scripted_ui.h"

namespace fs = std::filesystem;

namespace {

constexpr int kDemoSamples = 3;

class DemoReports : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(load_demo_calibration_for_processing(demo.path()));
        add_demo_water_samples(ui, data, kDemoSamples);
        for (int s = 0; s < kDemoSamples; ++s) data.samples[s].settings.units = "µg/l";
    }

    ProcessFilesData& data = process_files_data;
    ScriptedUi ui;
    DemoFolder demo;
};

TEST_F(DemoReports, DelimitedReportsOfEverySample) {
    ui.expect_message("The report files were written:\n");
    ASSERT_EQ(run_processing(data, processing_steps(), {false, true, true}), ProcessingOutcome::Done);
    for (int s = 1; s <= kDemoSamples; ++s) {
        const std::string stem = fs::absolute("runs/SAMPLE" + std::to_string(s)).string() + "_DEMO_CALIBRATION";
        const std::vector<std::string> lines = split(read_file_text(stem + ".txt"), '\n');
        ASSERT_GT(lines.size(), 70u) << stem;
        EXPECT_EQ(lines[2], "File Identification: " + data.samples[s - 1].settings.data_file_path);
        EXPECT_EQ(lines[3], "Calibration File: " + to_upper(calibration_data.calibration_file_name));
        // A row per analyte after the column heads, its numbers those of the results.
        const auto heads = std::find(lines.begin(), lines.end(), "Compound;µg/l;Dev;Qualifier;Recovery;Dev;Area;Retention Time");
        ASSERT_NE(heads, lines.end());
        for (int k = 0; k <= data.last_analyte_index; ++k) {
            const AnalyteResult& r = data.samples[s - 1].analyte_results[k];
            const std::vector<std::string> f = split(*(heads + 1 + k), ';');
            ASSERT_EQ(f.size(), 8u);
            EXPECT_EQ(f[0], r.name);
            if (r.status == ResultStatus::Measured) {
                EXPECT_EQ(f[1], c_format("%.2f", r.concentration));
            }
        }
        const std::string qc = read_file_text(stem + "QC.txt");
        EXPECT_NE(qc.find("Volatile Compound Surrogates(boiling point<"), std::string::npos);
        EXPECT_EQ(qc.substr(qc.rfind('\n') + 1, 20), "     Group Averages;");  // the semi-volatiles end the file
    }
}

TEST_F(DemoReports, OnePrintJobForTheBatch) {
    ASSERT_EQ(run_processing(data, processing_steps(), {true, true, false}), ProcessingOutcome::Done);
    ASSERT_EQ(ui.finished_jobs.size(), 1u);
    const RecordingCanvas& job = ui.finished_jobs[0];
    EXPECT_TRUE(job.job_ended);
    // Results, model and surrogate page of each sample, no empty page between or after.
    EXPECT_EQ(job.page, 3 * kDemoSamples);
    for (int page = 1; page <= job.page; ++page) EXPECT_FALSE(job.texts(page).empty()) << page;
    int charts = 0;
    for (const CanvasOp& op : job.ops) charts += op.kind == CanvasOp::Text && op.text == "Boiling-Point Graph";
    EXPECT_EQ(charts, kDemoSamples);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DemoReports, OneJobPerSampleWithoutTheBatch) {
    ASSERT_EQ(run_processing(data, processing_steps(), {true, false, false}), ProcessingOutcome::Done);
    ASSERT_EQ(ui.finished_jobs.size(), static_cast<size_t>(kDemoSamples));
    for (const RecordingCanvas& job : ui.finished_jobs) {
        EXPECT_TRUE(job.job_begun && job.job_ended);
        EXPECT_EQ(job.orientation, Orientation::Landscape);
        EXPECT_EQ(job.page, 3);
    }
}

// The demo fits three BP groups. With group 3's line beyond its slope limit, every
// compound its line predicted is flagged: those above its heaviest internal standard too.
// Those between groups 2 and 3 (up to group 3's lightest standard) were predicted by group
// 2's line and are not.
TEST_F(DemoReports, CompoundsBeyondTheLastFittedGroupTakeItsFlag) {
    calc_limits_data.group_limits_on = 1;
    for (GroupLimits& l : calc_limits_data.group_limits) l.diff_upper = 100.0;  // no continuity flag
    calc_limits_data.group_limits[3].slope_upper = -10.0;
    ASSERT_EQ(run_processing(data, processing_steps(), {false, true, false}), ProcessingOutcome::Done);
    const ModelFitSlots& fits = data.samples[0].model_fits;
    ASSERT_EQ(fits[3].bp_fitted, 1);
    ASSERT_EQ(fits[4].bp_fitted, 0);
    ASSERT_EQ(fits[3].bp_slope_flag, 1);
    int beyond = 0;
    for (int k = 0; k <= data.last_analyte_index; ++k) {
        const AnalyteResult& r = data.samples[0].analyte_results[k];
        const double bp = method_data.library[r.library_number - 1].bp;
        const bool in_group_3 = bp > fits[3].bp_min_x;
        EXPECT_EQ(r.qualifier.find('Q') != std::string::npos, in_group_3) << r.name << " " << bp;
        beyond += bp >= fits[3].bp_max_x;
    }
    EXPECT_GE(beyond, 3);  // Acenaphthene at 279 C and heavier
}

// One compound left without calibration and one whose predicted recovery came out 0, in
// every sample: the first in reporting-limit mode, the others in CRQL mode, with limits
// for every analyte. No report, printed or delimited, in either layout says that either
// lies below a limit or gives the marker of a value that cannot be computed as a number.
TEST_F(DemoReports, UnknownResultsAreNeverNumbersNorBelowALimit) {
    std::vector<int> analytes;
    for (int c = 0; c < method_data.compound_count; ++c)
        if (!method_data.library[c].is_internal_standard) analytes.push_back(c);
    const int uncalibrated = analytes[0], uncomputable = analytes[1];
    const std::string& uncalibrated_name = method_data.library[uncalibrated].name;
    const std::string& uncomputable_name = method_data.library[uncomputable].name;
    for (int s = 0; s < kDemoSamples; ++s) {
        ASSERT_EQ(read_reporting_limits_file(example_file("demo_water.lmt"), s), 1);
        SampleSettings& st = data.samples[s].settings;
        st.limits_mode = s == 0 ? 1 : 2;
        st.crql_percent = 10.0;
    }
    ProcessingSteps steps = processing_steps();
    steps.average_response_factors = [&] {
        average_response_factors();
        calibration_data.curve_statistics.mean_rf[uncalibrated] = 0.0;  // an analyte the calibration never saw
    };
    steps.compute_concentrations = [&] {
        for (int s = 0; s < kDemoSamples; ++s) calibration_data.recovery_tables.predicted_recovery[s][uncomputable] = 0.0;
        compute_concentrations();
    };

    for (int forms : {0, 1}) {
        main_flags.TrqFormsFormat = forms;
        ui.finished_jobs.clear();
        ui.expect_message("The report files were written:\n");
        ASSERT_EQ(run_processing(data, steps, {true, true, true}), ProcessingOutcome::Done);
        for (int s = 0; s < kDemoSamples; ++s) {
            const AnalyteResult& r = data.samples[s].analyte_results[0];
            ASSERT_EQ(r.name, uncalibrated_name);
            EXPECT_EQ(r.concentration, -99.0f);
            EXPECT_EQ(r.qualifier, "");
            EXPECT_EQ(data.samples[s].analyte_results[1].concentration, 2147483648.0f);

            const std::string stem = fs::absolute("runs/SAMPLE" + std::to_string(s + 1)).string() + "_DEMO_CALIBRATION";
            const std::string report = read_file_text(stem + (forms ? ".prn" : ".txt"));
            const std::string qc = read_file_text(stem + "QC.txt");
            EXPECT_EQ(report.find("2147483648"), std::string::npos) << stem;
            EXPECT_EQ(qc.find("2147483648"), std::string::npos) << stem;
            const std::string uncalibrated_row = forms ? "No Calib;±;; ;" : "No Calib;;" " ;";
            const std::string uncomputable_row = forms ? "N/A;±;N/A;" : "N/A;N/A;";
            EXPECT_NE(report.find("\n" + (forms ? std::to_string(uncalibrated + 1) + ";" : "") + uncalibrated_name +
                                  ";" + uncalibrated_row),
                      std::string::npos)
                << report;
            EXPECT_NE(report.find("\n" + (forms ? std::to_string(uncomputable + 1) + ";" : "") + uncomputable_name +
                                  ";" + uncomputable_row),
                      std::string::npos)
                << report;
        }
        // The printout: the row of each shows the word, never " <" nor "U", nor the marker.
        ASSERT_EQ(ui.finished_jobs.size(), 1u);
        const RecordingCanvas& job = ui.finished_jobs[0];
        for (const CanvasOp& op : job.ops) EXPECT_EQ(op.text.find("2147483648"), std::string::npos) << op.text;
        for (const std::string& name : {uncalibrated_name, uncomputable_name})
            for (const CanvasOp& row : job.ops) {
                if (row.kind != CanvasOp::Text || row.text != name) continue;
                std::vector<std::string> cells;
                for (const CanvasOp& op : job.ops)
                    if (op.kind == CanvasOp::Text && op.page == row.page && op.y1 == row.y1 && op.x1 > row.x1 &&
                        op.x1 < row.x1 + job.page_width() / 2)
                        cells.push_back(op.text);
                ASSERT_GE(cells.size(), 3u) << name;
                EXPECT_EQ(cells[0], name == uncalibrated_name ? "   no calib" : "        N/A") << name;
                EXPECT_EQ(cells[2].find_first_of("UJ"), std::string::npos) << name;  // below no CRQL
                if (name == uncalibrated_name) {
                    EXPECT_EQ(cells[2], "") << name;  // no range without levels
                }
            }
    }
}

}  // namespace
