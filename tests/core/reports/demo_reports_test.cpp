// The reports of a processing run of the demo samples against the demo calibration.
#include <gtest/gtest.h>

#include <filesystem>

#include "../calibration/demo_calibration.h"
#include "../processing/demo_processing.h"
#include "calibration/calibration_file.h"
#include "calibration/calibration_tables.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "platform/text_util.h"
#include "processing/group_limits.h"
#include "processing/processing_run.h"
#include "processing/sample_list.h"
#include "scripted_ui.h"

namespace fs = std::filesystem;

namespace {

constexpr int kDemoSamples = 3;

class DemoReports : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(load_demo_calibration_for_processing(demo.path()));
        add_demo_water_samples(ui, data, kDemoSamples);
        for (int s = 0; s < kDemoSamples; ++s) data.sample_settings[s].units = "µg/l";
    }

    ProcessFilesData& data = process_files_data;
    ScriptedUi ui;
    DemoFolder demo;
};

TEST_F(DemoReports, DelimitedReportsOfEverySample) {
    ASSERT_EQ(run_processing(data, processing_steps(), {false, true, true}), ProcessingOutcome::Done);
    for (int s = 1; s <= kDemoSamples; ++s) {
        const std::string stem = fs::absolute("runs/SAMPLE" + std::to_string(s)).string() + "_DEMO_CALIBRATION";
        const std::vector<std::string> lines = split(read_file_text(stem + ".txt"), '\n');
        ASSERT_GT(lines.size(), 70u) << stem;
        EXPECT_EQ(lines[2], "File Identification: " + data.sample_data_paths[s - 1]);
        EXPECT_EQ(lines[3], "Calibration File: " + to_upper(calibration_file_name));
        // A row per analyte after the column heads, its numbers those of the results.
        const auto heads = std::find(lines.begin(), lines.end(), "Compound;µg/l;Dev;Qualifier;Recovery;Dev;Area;Retention Time");
        ASSERT_NE(heads, lines.end());
        for (int k = 0; k <= data.last_analyte_index; ++k) {
            const AnalyteResult& r = data.analyte_results[s - 1][k];
            const std::vector<std::string> f = split(*(heads + 1 + k), ';');
            ASSERT_EQ(f.size(), 8u);
            EXPECT_EQ(f[0], r.name);
            if (r.concentration >= 0.0f) {
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

}  // namespace
