// The printed check-calibration report on a recording canvas (portrait 2550 x 3300:
// column unit and band are both 300 units, a line about 38).
#include <gtest/gtest.h>

#include <cstdlib>

#include "calibration/check_report_print.h"
#include "calibration/curve_statistics.h"
#include "methoddata/calibration_data.h"
#include "methoddata/check_state.h"
#include "methoddata/tables.h"
#include "recording_canvas.h"
#include "scripted_ui.h"
#include "test_files.h"
#include "program/program_state.h"

namespace {

constexpr int s = kCheckDataSet;

class CheckReportPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        calibration_data.curve_statistics = CurveStatistics{};
        method_data.library_version = program_version_text;
        method_data.variable_mode.variable1_label = "RVW";
        method_data.variable_mode.variable2_label = "BP";
        calibration_data.calibration_file_name = "/cal/demo.cal";
        method_data.surrogate_file_path = "/is/demo.ini";
        check_state.check_data_file = "/RUNS/CCV.TXT";
        method_data.compound_count = 150;
        for (int c = 0; c < method_data.compound_count; ++c) method_data.library[c].name = "C" + std::to_string(c + 1);
        method_data.library_saved = method_data.library;
        method_data.library_saved[0].conc[2] = 10.0;
        calibration_data.level_included[0][2] = 1;
        calibration_data.curve_statistics.mean_rf[0] = 2.0;
        calibration_data.curve_statistics.sd_rf[0] = 0.126;
        calibration_data.recovery_tables.predicted_recovery[s][0] = 0.8;
        calibration_data.recovery_tables.predicted_recovery_dev[s][0] = 0.05;
        calibration_data.raw_data_sets[s].area[0] = 18;  // 18 / 0.8 / 10 = 2.25: +12.5 %
        calibration_data.recovery_tables.predicted_recovery[s][1] = 0.8;  // no amount at this level
    }
    const CanvasOp& at(const std::string& text, int page = 1) const {
        for (const CanvasOp& o : canvas.ops)
            if (o.kind == CanvasOp::Text && o.text == text && o.page == page) return o;
        ADD_FAILURE() << "not printed on page " << page << ": " << text;
        static const CanvasOp none;
        return none;
    }

    ScriptedUi ui;
    RecordingCanvas canvas;
};

TEST_F(CheckReportPrintTest, TitleHeadingsAndACompoundRow) {
    print_check_calibration_report(canvas, {2, 0.0});
    EXPECT_EQ(canvas.orientation, Orientation::Portrait);
    EXPECT_TRUE(canvas.job_ended);
    EXPECT_EQ(canvas.font.name, "Arial");
    EXPECT_EQ(canvas.font.size, 8);
    const CanvasOp& title = at("Check Calibration Report - Linear: BP -- Ln: RVW - Version 4.2");
    EXPECT_EQ(title.x1, 750);
    EXPECT_EQ(title.y1, 0);
    EXPECT_EQ(at("Page: 1").x1, 1950);
    const std::vector<std::pair<std::string, std::string>> labels = {{"Calibration File:", "/CAL/DEMO.CAL"},
                                                                     {"Process Date:", "03/14/2026 09:26"},
                                                                     {"Surrogate Groupings File:", "/IS/DEMO.INI"},
                                                                     {"Check Standard File:", "/RUNS/CCV.TXT"}};
    for (size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(at(labels[i].first).x1, 0);
        EXPECT_NEAR(at(labels[i].first).y1, 38.33 * (i + 1), 1);
        EXPECT_EQ(at(labels[i].second).x1, 600);
    }
    EXPECT_NEAR(at("Calibration").y1, 7 * 38.33, 1);
    const std::vector<std::pair<std::string, int>> columns = {
        {"Calibration", 900}, {"Check Standard", 1500}, {"Difference", 2175}, {"Compound", 0},
        {"deviation", 1050},  {"(concentrations)", 1312}, {"Pred_Rec", 1612}, {"R_Dev", 1800}, {"%", 2212}};
    for (const auto& [text, x] : columns) EXPECT_EQ(at(text).x1, x) << text;

    const std::vector<std::pair<std::string, int>> row = {{"1", 0},         {"C1", 93},      {"2.00", 750},
                                                          {"0.13", 1050},   {"(10.00)", 1312}, {"80.00", 1612},
                                                          {"5.00", 1800},   {"2.25", 1965},  {"12.5%", 2227}};
    for (const auto& [text, x] : row) {
        EXPECT_EQ(at(text).x1, x) << text;
        EXPECT_NEAR(at(text).y1, 9 * 38.33, 1) << text;
    }
    // A compound without an amount at this level shows its number and name only.
    const int y = at("C2").y1;
    int on_row = 0;
    for (const CanvasOp& o : canvas.ops) on_row += o.kind == CanvasOp::Text && o.page == 1 && o.y1 == y;
    EXPECT_EQ(on_row, 2);
}

TEST_F(CheckReportPrintTest, LaterPagesRepeatTheLabelsAboveTheHeadings) {
    print_check_calibration_report(canvas, {2, 0.0});
    ASSERT_GE(canvas.page, 2);
    const std::vector<std::string> page2 = canvas.texts(2);
    EXPECT_EQ(std::count(page2.begin(), page2.end(), "Check Calibration Report - Linear: BP -- Ln: RVW - Version 4.2"), 0);
    EXPECT_EQ(at("Page: 2", 2).x1, 1950);
    EXPECT_EQ(at("Page: 2", 2).y1, 75);
    const int last_label = at("Check Standard File:", 2).y1;
    EXPECT_NEAR(last_label, 4 * 38.33, 1);
    EXPECT_GT(at("Calibration", 2).y1, last_label + 100);  // headings below the labels, as on page 1
    EXPECT_EQ(at("Calibration", 2).y1, at("Calibration", 1).y1);
    // Every row is printed once and none below the page's end.
    int rows = 0;
    for (const CanvasOp& o : canvas.ops)
        if (o.kind == CanvasOp::Text && o.x1 == 93) {
            ++rows;
            EXPECT_LE(o.y1, 3106);
        }
    EXPECT_EQ(rows, 150);
    EXPECT_EQ(at("C150", canvas.page).x1, 93);
}

TEST_F(CheckReportPrintTest, PrintingAlsoWritesTheReportFile) {
    TempFolder folder;
    check_state.check_data_file = folder.file("CCV.TXT");
    ui.expect_message("The report file was written:\n" + folder.file("CCV.check"));  // with its printout
    write_and_print_check_calibration({2, 0.0});
    ASSERT_EQ(ui.finished_jobs.size(), 1u);
    EXPECT_EQ(ui.finished_jobs[0].report_name, "Check Calibration Report");
    EXPECT_NE(read_file_text(folder.file("CCV.check")).find("\n1;C1;2.00;0.13;10.00;80.00;5.00;2.25;12.5;18;"),
              std::string::npos);
}

}  // namespace
