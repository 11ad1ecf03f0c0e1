#include "reports/printed_sample_report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "methoddata/calibration_data.h"
#include "platform/number_text.h"
#include "recording_canvas.h"
#include "report_fixture.h"
#include "reports/delimited_reports.h"
#include "reports/result_cells.h"
#include "scripted_ui.h"

namespace {

// The recording page: 3300 x 2550 landscape, a column unit and a band of 300, lines of 38.
constexpr int kUnit = 300;
constexpr int kLine = 38;

class PrintedReportTest : public ::testing::Test {
protected:
    ScriptedUi ui;  // fixes the clock
    ReportFixture f;
    RecordingCanvas canvas;
    PrintedReportOptions options;

    void print() { print_sample_report(canvas, *f.data, 0, f.files, options); }
    bool has(const std::string& text) const { return canvas.find_text(text) != nullptr; }
    int page_of(const std::string& text) const {
        const CanvasOp* op = canvas.find_text(text);
        return op ? op->page : 0;
    }
    // A text that was wrapped: its lines joined again.
    std::string wrapped_text(const std::string& start) const {
        std::string text;
        const CanvasOp* first = nullptr;
        for (const CanvasOp& op : canvas.ops) {
            if (op.kind != CanvasOp::Text) continue;
            if (!first && op.text.rfind(start, 0) == 0) {
                first = &op;
                text = op.text;
            } else if (first && op.x1 == first->x1 && op.text.rfind("   ", 0) == 0) {
                text += " " + op.text.substr(3);
            } else if (first) {
                break;
            }
        }
        return text;
    }
    void set_analytes(int count) {
        f.data->last_analyte_index = count - 1;
        for (int i = 0; i < count; ++i)
            f.data->samples[0].analyte_results[i] =
                ReportFixture::analyte("A" + std::to_string(i), 1, 1.0f, 0.1f, 0.9f, 0.01f, "");
    }
};

TEST(ResultCells, FiguresRightAlignedByBlanks) {
    using S = ResultStatus;
    struct Case {
        S status;
        float c;
        float e;
        const char* conc;
        const char* error;
    };
    const Case cases[] = {
        {S::WithoutCalibration, -99.0f, 0.0f, "   no calib", "        "},
        {S::BelowLimit, -5.0f, 0.0f, " <       5.0", "      "},
        {S::BelowLimit, -50.0f, 0.0f, " <      50", "      "},
        {S::BelowLimit, -99.0f, 0.0f, " <      99", "      "},  // a limit of 99 is a limit
        {S::BelowLimit, -500.0f, 0.0f, " <    500", "      "},
        {S::BelowLimit, -5000.0f, 0.0f, " <  5000", "      "},
        {S::Measured, 0.004f, 0.001f, "          0", "±      0"},
        {S::Measured, 5.0f, 0.001f, "          5.00", "±      0.00"},
        {S::Measured, 12.345f, 12.5f, "        12.35", "±    12.50"},
        {S::Measured, 123.75f, 123.75f, "      123.8", "±  123.8"},
        {S::Measured, 1234.5f, 1234.5f, "    1234", "± 1234"},  // %.0f rounds half to even
        {S::Measured, 12345.0f, 12345.0f, "  12345", "±12345"},
        // A negative area gives a negative result: a number, never a limit.
        {S::Measured, -50.0f, 2.5f, "       -50.00", "±      2.50"},
        {S::Measured, -99.0f, 0.0f, "       -99.00", "±      0.00"},
        {S::Measured, -123456.0f, 1.0f, "-123456", "±      1.00"},
        {S::Measured, -0.004f, 0.001f, "          0", "±      0"},
        {S::NotComputable, 2147483648.0f, 2147483648.0f, "        N/A", "     N/A"},  // no figure
    };
    for (const Case& k : cases) {
        EXPECT_EQ(concentration_cell(k.status, k.c), k.conc) << k.c;
        EXPECT_EQ(error_cell(k.status, k.c, k.e), k.error) << k.c;
    }
    EXPECT_EQ(recovery_cell(85.5f), "   85.50");
    EXPECT_EQ(recovery_cell(150.0f), "  150.0");
    EXPECT_EQ(recovery_cell(1500.0f), " 1500");
    EXPECT_EQ(deviation_cell(5.0f), "±     5.00");
    EXPECT_EQ(deviation_cell(50.0f), "±   50.00");
    EXPECT_EQ(deviation_cell(500.0f), "±  500.0");
    EXPECT_EQ(deviation_cell(5000.0f), "± 5000");
}

TEST_F(PrintedReportTest, OwnJobOfResultModelAndSurrogatePages) {
    print();
    EXPECT_EQ(canvas.orientation, Orientation::Landscape);
    EXPECT_TRUE(canvas.job_begun);
    EXPECT_TRUE(canvas.job_ended);
    EXPECT_EQ(canvas.page, 3);  // no empty page after the last
    EXPECT_EQ(page_of("Quantitation Curve Report - Linear: BP -- Ln: RVW - Version 4.2"), 1);
    EXPECT_EQ(page_of("First-Pass Graph"), 2);
    EXPECT_EQ(page_of("Surrogate Report"), 3);
    EXPECT_TRUE(has("Page: 3"));
    // A results row: its cells at the column offsets of the left block.
    const CanvasOp* name = canvas.find_text("Benzene");
    ASSERT_NE(name, nullptr);
    const CanvasOp* conc = canvas.find_text("        12.35");
    ASSERT_NE(conc, nullptr);
    EXPECT_EQ(name->x1, static_cast<int>(0.25 * kUnit));
    EXPECT_EQ(conc->x1, static_cast<int>(2.35 * kUnit));
    EXPECT_EQ(conc->y1, name->y1);
    EXPECT_TRUE(has("   no calib"));
    EXPECT_TRUE(has(" <      12"));
}

// Percentages of the single-precision recoveries are their exact values times 100.
TEST_F(PrintedReportTest, RecoveryPercentagesAreTheStoredFractionsTimesAHundred) {
    AnalyteResult& benzene = f.data->samples[0].analyte_results[0];
    benzene.predicted_recovery = benzene.predicted_recovery_dev = 0.50395f;
    print();
    EXPECT_TRUE(has("   50.39"));
    EXPECT_TRUE(has("±   50.39"));
}

TEST_F(PrintedReportTest, WithoutInternalStandardRowsThereIsNoSurrogatePage) {
    f.data->category_present = {0, 0, 0};
    print();
    EXPECT_EQ(canvas.page, 2);
    EXPECT_FALSE(has("Surrogate Report"));
}

TEST_F(PrintedReportTest, BatchAddsPagesToTheCallersJob) {
    options.batch = true;
    options.first_in_job = false;  // an earlier sample has pages in the job
    canvas.orientation = Orientation::Landscape;
    print();
    EXPECT_FALSE(canvas.job_begun);
    EXPECT_FALSE(canvas.job_ended);
    EXPECT_EQ(canvas.page, 4);  // a new page first, then three of its own
    EXPECT_EQ(page_of("First-Pass Graph"), 3);
}

TEST_F(PrintedReportTest, ResultRowsFillTwoBlocksOfFortySixPerPage) {
    set_analytes(91);
    print();
    EXPECT_EQ(page_of("A45"), 1);
    EXPECT_EQ(canvas.find_text("A45")->x1, static_cast<int>(0.25 * kUnit));
    EXPECT_EQ(canvas.find_text("A46")->x1, static_cast<int>(5.5 * kUnit));
    EXPECT_EQ(canvas.find_text("A46")->y1, canvas.find_text("A0")->y1);  // the right block starts at the top
    EXPECT_EQ(page_of("First-Pass Graph"), 2);

    // 92 rows still fit one page, and no results page without rows follows.
    canvas = RecordingCanvas{};
    set_analytes(92);
    print();
    EXPECT_EQ(page_of("A91"), 1);
    EXPECT_EQ(page_of("First-Pass Graph"), 2);

    canvas = RecordingCanvas{};
    set_analytes(150);
    print();
    EXPECT_EQ(page_of("A92"), 2);
    EXPECT_EQ(canvas.find_text("A92")->y1, canvas.find_text("A0")->y1);
    EXPECT_EQ(page_of("A149"), 2);
    EXPECT_EQ(canvas.texts(2).front(), "Quantitation Curve Report - Linear: BP -- Ln: RVW - Version 4.2");
    EXPECT_EQ(page_of("First-Pass Graph"), 3);
}

TEST_F(PrintedReportTest, HeaderItemsByLimitsMode) {
    SampleSettings& st = f.data->samples[0].settings;
    st.limits_mode = 1;
    st.sigma_count = 2;
    st.size = 150.0f;
    st.instrument_id = "failGetinstrumentId";
    options.group_limits_on = true;
    print();
    EXPECT_TRUE(has("Sample Size (mL):"));
    EXPECT_TRUE(has("150"));
    EXPECT_TRUE(has("LMT File:"));
    EXPECT_TRUE(has("Result + 2 Sigma"));
    EXPECT_FALSE(has("Instrument ID:"));
    EXPECT_EQ(wrapped_text("Qualifiers:"),
              "Qualifiers:  E = Result > calibration (HOQ), X = Concentration < calibration (LOQ), Q&q "
              "denotes group limit exceeded, The error term is one sigma and includes propagation of "
              "calibration error");

    canvas = RecordingCanvas{};
    st.limits_mode = 2;
    st.size = 25.5f;
    st.units = "ng/kg";
    print();
    EXPECT_TRUE(has("Sample Size (g):"));
    EXPECT_TRUE(has("25.50"));
    EXPECT_TRUE(has("/lim/crql.txt   CRQL Factor - 10.00%"));
    EXPECT_FALSE(has("Result + 2 Sigma"));
}

TEST_F(PrintedReportTest, LongTextsAreCutToTheirRoom) {
    f.data->samples[0].settings.data_file_path = "/" + std::string(400, 'd') + "/S1.TXT";
    f.data->samples[0].analyte_results[0].name = std::string(200, 'n');
    print();
    int cut_paths = 0;
    for (const CanvasOp& op : canvas.ops) {
        if (op.kind != CanvasOp::Text || op.page != 1) continue;
        const int end = op.x1 + canvas.text_width(op.text);
        if (op.text.rfind("...", 0) == 0) {  // the path keeps its end
            ++cut_paths;
            EXPECT_LT(end, 5 * kUnit);
            EXPECT_EQ(op.text.substr(op.text.size() - 7), "/S1.TXT");
        }
        if (op.text.find("nnnn") != std::string::npos) {
            EXPECT_LT(end, static_cast<int>(2.35 * kUnit));
        }
    }
    EXPECT_EQ(cut_paths, 1);
}

TEST_F(PrintedReportTest, ModelPageMarksGroupsBeyondTheirLimits) {
    ModelFit& bp1 = f.data->samples[0].model_fits[1];
    bp1.bp_slope = -0.002;
    bp1.bp_slope_flag = 1;
    bp1.bp_continuity_flag = 1;
    f.data->samples[0].default_rv_marker = 1;
    options.group_limits_on = true;
    print();
    EXPECT_TRUE(has("$-0.0020000"));
    EXPECT_TRUE(has("  92.0$"));
    EXPECT_TRUE(has("$ exceeds group solution limits."));
    EXPECT_TRUE(has("*RV exceeds First Pass range.  Value used as estimate."));
    EXPECT_FALSE(has("Orphan"));  // a group without a first row is left out
    // The mark stays in the texts for the delimited report, once however often it prints.
    print_sample_report(canvas, *f.data, 0, f.files, options);
    EXPECT_EQ(f.data->samples[0].model_table_texts[0][0].bp, "Toluene-d8;110.0;13.50;80.00;92.0$");
    // Model fields line up by their widest figures; the RV table stands in the right half.
    EXPECT_TRUE(has("  56.0") && has("218.0") && has("    0.90") && has("        15*"));
    EXPECT_TRUE(std::any_of(canvas.ops.begin(), canvas.ops.end(), [](const CanvasOp& op) {
        return op.text == "Naphthalene-d8" && op.x1 == static_cast<int>(5.5 * kUnit);
    }));
}

TEST_F(PrintedReportTest, ChartsOfTheVariableMode) {
    method_data.variable_mode.one_variable_mode = 1;
    method_data.variable_mode.bp_variable_chosen = 1;
    method_data.variable_mode.transform_text = "Linear";
    method_data.variable_mode.single_variable_label = "BP";
    print();
    EXPECT_TRUE(has("Internal Standard Report - Using ONE VARIABLE - Linear - BP - Version 4.2"));
    EXPECT_TRUE(has("Quantitation Report - Using ONE VARIABLE - Linear - BP - Version 4.2"));
    EXPECT_FALSE(has("First-Pass Graph"));
    EXPECT_TRUE(has("Boiling-Point Graph"));
    EXPECT_FALSE(has("Relative-Volatility Graph"));
}

TEST_F(PrintedReportTest, LongModelTablesRunOnAndLeaveTheChartsClear) {
    // Six BP groups of seven points: more than the room above the charts.
    auto& cells = f.data->samples[0].model_table_texts;
    cells.resize(7);
    for (int g = 0; g < kGroups; ++g)
        for (int r = 0; r < 7; ++r)
            cells[r][g].bp = "P" + std::to_string(g) + std::to_string(r) + ";110.0;13.50;80.00;92.0";
    print();
    const int caption_page = page_of("Boiling-Point Graph");
    EXPECT_EQ(page_of("P00"), 2);
    EXPECT_GT(caption_page, 2);
    const int chart_top = canvas.find_text("Boiling-Point Graph")->y1;
    for (const CanvasOp& op : canvas.ops)
        if (op.kind == CanvasOp::Text && op.page == caption_page && op.text.rfind("P", 0) == 0) {
            EXPECT_LT(op.y1 + kLine, chart_top) << op.text;
        }
    // Every table line stays on its page.
    for (const CanvasOp& op : canvas.ops)
        if (op.kind == CanvasOp::Text) {
            EXPECT_LE(op.y1 + kLine, 2550) << op.text;
        }
    EXPECT_EQ(page_of("Surrogate Report"), caption_page + 1);
}

// Every point the models used has its row: a first-pass segment past the second with its
// own line, and a group of more than seven points.
TEST_F(PrintedReportTest, ModelPageListsEveryFirstPassSegmentAndEveryPointOfAGroup) {
    auto& cells = f.data->samples[0].model_table_texts;
    cells.resize(9);
    cells[0][2].first_pass = "Seg2a;218.0;0.90;70.00;175.0";
    cells[1][2].first_pass = "Seg2b;279.0;7.50;84.00;96.0";
    f.data->samples[0].model_fits[2].fp_slope = 0.1234567;
    for (int r = 0; r < 9; ++r) cells[r][3].bp = "G4P" + std::to_string(r) + ";150.0;1.00;50.00;50.0";
    print();
    EXPECT_EQ(page_of("Seg2a"), 2);
    EXPECT_EQ(page_of("Seg2b"), 2);
    EXPECT_TRUE(has("0.1234567"));
    EXPECT_EQ(canvas.find_text("Seg2b")->y1 - canvas.find_text("Seg2a")->y1, kLine);
    for (int r = 0; r < 9; ++r) EXPECT_EQ(page_of("G4P" + std::to_string(r)), 2) << r;
}

// Eight first-pass internal standards make seven segments of two points: the chart
// under the table draws all fourteen (it drew the first ten).
TEST_F(PrintedReportTest, TheFirstPassChartDrawsEveryPointOfItsTable) {
    auto& row = model_work_tables.standard_first_pass_points[0];
    row.fill(SurrogatePoint{});
    for (int i = 0; i < 14; ++i) {
        SurrogatePoint& p = row[i];
        p.in_use = 1;
        p.record = i % 3;
        p.group = i / 2;
        p.y = 0.5 + 0.03 * i;
    }
    print();
    const int left = 3 * kUnit / 2, right = 3 * kUnit;  // the first-pass chart's frame
    const auto drawn = std::count_if(canvas.ops.begin(), canvas.ops.end(), [&](const CanvasOp& op) {
        return op.kind == CanvasOp::Ellipse && op.x1 >= left && op.x1 < right;
    });
    EXPECT_EQ(drawn, 14);
}

// A sample keeps only the rows its run filled. A row it does not hold must read as the
// empty row a table of every possible row held there: the first-pass segments 0 and 1
// keep their two lines though the first pass filled one or none.
TEST_F(PrintedReportTest, RowsTheRunDidNotFillReadAsEmptyRows) {
    auto reports = [&] {
        RecordingCanvas pages;
        print_sample_report(pages, *f.data, 0, f.files, options);
        std::string t = qc_report_text(*f.data, 0, f.files, "04/05/2024 09:30");
        t += quantitation_report_text(*f.data, 0, f.files, "04/05/2024 09:30", QuantitationLayout::Forms);
        for (const CanvasOp& op : pages.ops)
            t += c_format("%d %d %d %d %d %d ", op.page, op.kind, op.x1, op.y1, op.x2, op.y2) + op.text + "\n";
        return t;
    };
    ModelTableCells& cells = f.data->samples[0].model_table_texts;
    SurrogateResultRows& standards = f.data->samples[0].surrogate_results;
    ASSERT_EQ(cells.size(), 2u);  // segment 1 of the first pass has one row
    for (const size_t rows : {size_t{2}, size_t{0}}) {
        cells.resize(rows);
        const std::string filled = reports();
        cells.resize(kModelTableRows);
        standards.resize(kSurrogateResultRows);
        EXPECT_EQ(reports(), filled) << rows << " rows";
        standards.resize(3);
    }
}

TEST_F(PrintedReportTest, SurrogatePageGroupAverages) {
    print();
    EXPECT_TRUE(has("Volatile Compound Surrogates (Boiling Point <200.0)"));
    EXPECT_FALSE(has("Non-Purgeable Volatile Compound Surrogates (Relative Volatility >1.5)"));
    EXPECT_TRUE(has("Semi-Volatile Compound Surrogates (Boiling Point >=200.0)"));
    // Errors in percent beside their percent: BP line 0.034 -> 3.40, total deviation 0.05 -> 5.00.
    EXPECT_TRUE(has("± 3.40"));
    EXPECT_TRUE(has("± 5.00"));
    const CanvasOp* mean = canvas.find_text("94.00");
    ASSERT_NE(mean, nullptr);
    EXPECT_EQ(mean->x1, static_cast<int>(8.65 * kUnit));
    EXPECT_TRUE(has("± 2.83"));
    EXPECT_TRUE(has("80.50") && has("± 0.00"));  // one row: its recovery, no deviation
}

}  // namespace
