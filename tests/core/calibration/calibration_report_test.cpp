#include <gtest/gtest.h>

#include <algorithm>

#include "calibration/calibration_report.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/tables.h"
#include "recording_canvas.h"
#include "scripted_ui.h"
#include "small_calibration.h"

namespace {

// The recording canvas in landscape: u = 300, b = 300, h = 38; the title line at y = 75.
constexpr int u = 300, h = 38, top = 75;

struct Placed {
    std::string text;
    int x, y;
};

class CalibrationReport : public ::testing::Test {
protected:
    void SetUp() override {
        fill_small_calibration();
        canvas.orientation = Orientation::Landscape;
    }
    void print(bool with_groups, bool with_values) { print_calibration_report(canvas, with_groups, with_values); }
    // The text drawn at exactly this place, or "" when none.
    std::string at(int x, int y, int page = 1) const {
        for (const CanvasOp& o : canvas.ops)
            if (o.kind == CanvasOp::Text && o.x1 == x && o.y1 == y && o.page == page) return o.text;
        return "";
    }
    void expect_placed(const std::vector<Placed>& expected, int page = 1) const {
        for (const Placed& p : expected) EXPECT_EQ(at(p.x, p.y, page), p.text) << "at " << p.x << "," << p.y;
    }
    const CanvasOp* find(const std::string& text) const { return canvas.find_text(text); }

    ScriptedUi ui;  // fixes the clock at 03/14/2026 09:26
    RecordingCanvas canvas;
};

TEST_F(CalibrationReport, HeaderLegendHeadsAndTheFirstCompoundsOfTheReviewPrintout) {
    print(true, true);
    const int files = top + 5 * h, reference = files + 3 * h, legend = reference + 2 * h;
    const int heads = legend + 2 * h + 4 * h, first = heads + 2 * h;
    expect_placed({
        {"Calibration Curve Report - Linear: BP -- Ln: RVW", 4 * u, top},
        {"Page: 1", 9 * u, top},
        {"Calibration File:", 0, top + h},
        {"/DATA/CAL/DEMO.CAL", 2 * u, top + h},
        {"Process Date:", 0, top + 2 * h},
        {"03/14/2026 09:26", 2 * u, top + 2 * h},
        {"Surrogate Groupings File:", 0, top + 3 * h},
        {"/DATA/IS/DEMO_IS.INI", 2 * u, top + 3 * h},
        {"Compound Library File:", 0, top + 4 * h},
        {"/DATA/LIB/DEMO_LIBRARY.TXT", 2 * u, top + 4 * h},
        {"Files:", 0, files},
        {"/DATA/RUNS/STD1.TXT, /DATA/RUNS/STD2.TXT, ", 2 * u, files},
        {"/DATA/RUNS/STD3.TXT, ", 2 * u, files + h},
        {"Reference File:", 0, reference},
        {"/DATA/RUNS/REF.TXT", 2 * u, reference},
        {"Explanation of lines following the concentration values", 0, legend},
        {"RVW_Group1-6/BP_Group1-6;/First Pass /For Internal Standards", 0, legend + h},
        {"RVW/BP - For Internal Standards and Analytes", 0, legend + 2 * h},
        // Column heads: a standard every 1.3125 units from 2.25, "Results" half a unit on.
        {"Standard1", 675, heads},
        {"Standard2", 1068, heads},
        {"Standard3", 1461, heads},
        {"Results", 2004, heads},
        {"compound(concentartions)", 150, heads + h},
        {"resp(%dev)", 637, heads + h},
        {"resp(%dev)", 1423, heads + h},
        {"Ave", 1854, heads + h},
        {"dev", 2034, heads + h},
        {"rel dev", 2214, heads + h},
        // An analyte: responses, amounts, values.
        {"1", 0, first},
        {"Benzene", 150, first},
        {"100.00(1.0%)", 600, first},
        {"110.00(2.0%)", 993, first},
        {"120.00(3.0%)", 1386, first},
        {"110.00", 1854, first},
        {"10.00", 2034, first},
        {"9.1%", 2214, first},
        {"(5.00,10.0,2.50)", 150, first + h},
        {"1.50", 150, first + 2 * h},
        {"/80.10", 300, first + 2 * h},
        // The internal standard: responses, amounts, groups (RV, BP, first pass, checked), values.
        {"Fluorobenzene-IS", 150, first + 3 * h},
        {"(25.0,25.0,25.0)", 150, first + 4 * h},
        {"110000", 150, first + 5 * h},
        {"/001001", 300, first + 5 * h},
        {"/1", 450, first + 5 * h},
        {"/0", 525, first + 5 * h},
        {"2.50", 150, first + 6 * h},
        {"/110.10", 300, first + 6 * h},
        {"Toluene", 150, first + 7 * h},
    });
}

TEST_F(CalibrationReport, WithoutGroupsAndValuesEachCompoundTakesTwoLines) {
    print(false, false);
    EXPECT_EQ(find("Explanation of lines following the concentration values"), nullptr);
    EXPECT_EQ(find("110000"), nullptr);
    EXPECT_EQ(find("1.50"), nullptr);
    const int reference = top + 8 * h, first = reference + 4 * h + 2 * h;
    EXPECT_EQ(at(0, reference), "Reference File:");
    for (int c = 0; c < kSmallCompounds; ++c) EXPECT_EQ(at(0, first + 2 * c * h), std::to_string(c + 1)) << c;
}

TEST_F(CalibrationReport, TheFileListTakesTwoNamesALineAndAnEmptyLineAfterAnEvenCount) {
    struct Case {
        int files;
        std::vector<std::string> lines;
        int reference;  // line steps below the "Files:" line
    } cases[] = {
        {0, {""}, 2},
        {1, {"A, "}, 2},
        {3, {"A, B, ", "C, "}, 3},
        {4, {"A, B, ", "C, D, "}, 4},
    };
    const int files = top + 5 * h;
    for (const Case& c : cases) {
        for (int k = 0; k < kMaxStandards; ++k) {
            calibration_data.standard_results_ini[k] = k < c.files ? "x.ini" : "";
            calibration_data.standard_data_files[k] = std::string(1, static_cast<char>('a' + k));
        }
        canvas = RecordingCanvas{};
        canvas.orientation = Orientation::Landscape;
        print(false, false);
        for (size_t i = 0; i < c.lines.size(); ++i) EXPECT_EQ(at(2 * u, files + static_cast<int>(i) * h), c.lines[i]);
        EXPECT_EQ(at(0, files + c.reference * h), "Reference File:") << c.files << " files";
        const CanvasOp* head = find("Standard" + std::to_string(c.files));
        if (c.files > 0) {
            EXPECT_NE(head, nullptr) << c.files;
        }
        EXPECT_EQ(find("Standard" + std::to_string(c.files + 1)), nullptr);
    }
}

TEST_F(CalibrationReport, TheStatisticsStayOnThePageWithManyStandards) {
    struct Case {
        int files;
        int rel_dev_x;  // 0: anywhere on the page
    } cases[] = {{5, 3000}, {6, 0}, {10, 0}};
    for (const Case& c : cases) {
        for (int k = 0; k < kMaxStandards; ++k) calibration_data.standard_results_ini[k] = k < c.files ? "x.ini" : "";
        canvas = RecordingCanvas{};
        canvas.orientation = Orientation::Landscape;
        print(false, false);
        const CanvasOp* rel_dev = find("rel dev");
        ASSERT_NE(rel_dev, nullptr);
        if (c.rel_dev_x) {
            EXPECT_EQ(rel_dev->x1, c.rel_dev_x) << c.files << " files keep their places";
        }
        EXPECT_LE(rel_dev->x1 + canvas.text_width("100.0%"), canvas.page_width()) << c.files << " files";
        const CanvasOp* last = find("Standard" + std::to_string(c.files));
        ASSERT_NE(last, nullptr);
        EXPECT_LT(last->x1, find("Results")->x1);
    }
}

TEST_F(CalibrationReport, AnExcludedLevelPrintsInBracketsAndLeavesTheStatistics) {
    calibration_data.level_included[0][1] = 0;
    for (int k = 0; k < kSmallStandards; ++k) calibration_data.level_included[3][k] = 0;
    print(false, false);
    const int first = top + 8 * h + 6 * h;
    expect_placed({
        {"<110.00(2.0%)>", 993, first},
        {"110.00", 1854, first},
        {"14.14", 2034, first},
        {"12.9%", 2214, first},
        // Nothing counts for compound 4.
        {"<3100.00(1.0%)>", 600, first + 6 * h},
        {"0.00", 1854, first + 6 * h},
        {"0.00", 2034, first + 6 * h},
        {"0.0%", 2214, first + 6 * h},
    });
}

TEST(ReportAmountText, FewerDecimalsForLargerAmounts) {
    struct Case {
        double amount;
        const char* text;
    } cases[] = {{500, "500"}, {100, "100"},   {99.95, "100.0"}, {50, "50.0"},  {10, "10.0"},
                 {9.999, "10.00"}, {5, "5.00"}, {1, "1.00"},     {0.5, "0.500"}, {-2, "-2.000"}};
    for (const Case& c : cases) EXPECT_EQ(report_amount_text(c.amount), c.text) << c.amount;
}

TEST(ReportResponseCell, BracketsALevelOutOfTheCurve) {
    EXPECT_EQ(report_response_cell(1234.5678, 0.0321, true), "1234.57(3.2%)");
    EXPECT_EQ(report_response_cell(1234.5678, 0.0321, false), "<1234.57(3.2%)>");
}

TEST(ReportResponseCell, PrintsValuesThatAreNotSetAsNA) {
    EXPECT_EQ(report_response_cell(kNotSet, kNotSet, true), "N/A(N/A)");
    EXPECT_EQ(report_response_cell(12.5, kNotSet, false), "<12.50(N/A)>");
    EXPECT_EQ(report_amount_text(kNotSet), "N/A");
    EXPECT_EQ(report_number(kNotSet, 2), "N/A");
}

TEST_F(CalibrationReport, OneVariableModesPrintOnlyTheirVariable) {
    struct Case {
        bool bp;
        const char* title;
        const char* legend;
        std::vector<Placed> groups_and_values;  // y: lines below the internal standard's responses
    } cases[] = {
        {true,
         "Calibration Curve Report - Using ONE VARIABLE - Linear - BP",
         "BPG1 - G6 /For Internal Standards",
         {{"001001", 150, 2}, {"/0", 300, 2}, {"110.10", 150, 3}}},
        {false,
         "Calibration Curve Report - Using ONE VARIABLE - Ln - RVW",
         "RVWG1 - G6 /For Internal Standards",
         {{"110000", 150, 2}, {"/0", 300, 2}, {"2.50", 150, 3}}},
    };
    for (const Case& c : cases) {
        fill_small_calibration();
        method_data.variable_mode.one_variable_mode = 1;
        method_data.variable_mode.bp_variable_chosen = c.bp ? 1 : 0;
        method_data.variable_mode.rvw_variable_chosen = c.bp ? 0 : 1;
        method_data.variable_mode.transform_text = c.bp ? "Linear" : "Ln";
        method_data.variable_mode.single_variable_label = c.bp ? "BP" : "RVW";
        canvas = RecordingCanvas{};
        canvas.orientation = Orientation::Landscape;
        print(true, true);
        EXPECT_EQ(at(4 * u, top), c.title);
        const CanvasOp* legend = find(c.legend);
        ASSERT_NE(legend, nullptr) << c.legend;
        EXPECT_NE(find(method_data.variable_mode.single_variable_label + " - For Internal Standards and Analytes"), nullptr);
        const CanvasOp* is = find("Fluorobenzene-IS");
        ASSERT_NE(is, nullptr);
        for (const Placed& p : c.groups_and_values)
            EXPECT_EQ(at(p.x, is->y1 + p.y * h), p.text) << c.title << " " << p.text;
        EXPECT_EQ(at(450, is->y1 + 2 * h), "");  // no first-pass digit in one-variable mode
    }
}

TEST_F(CalibrationReport, LongLibrariesBreakPagesRepeatingTheHeaderAndNeverEndOnAnEmptyPage) {
    method_data.compound_count = kMaxCompounds;
    for (int c = kSmallCompounds; c < kMaxCompounds; ++c) method_data.library[c].name = "Compound " + std::to_string(c + 1);
    print(false, false);
    const int pages = canvas.page;
    ASSERT_GT(pages, 2);
    const int body_top = top + 8 * h + 2 * h;
    for (int page = 2; page <= pages; ++page) {
        expect_placed({{"Page: " + std::to_string(page), 9 * u, top},
                       {"Calibration File:", 0, h},
                       {"Process Date:", 0, 2 * h},
                       {"Compound Library File:", 0, 4 * h},
                       {"Files:", 0, 5 * h},
                       {"/DATA/RUNS/STD3.TXT, ", 2 * u, 6 * h},
                       {"Standard1", 675, body_top - 9 * h + 4 * h}},
                      page);
        EXPECT_EQ(at(0, 7 * h, page), "") << "the reference line is not repeated";
    }
    // Every compound once, in order; a page ends only past 16/17 of its height.
    std::vector<int> numbers;
    for (const CanvasOp& o : canvas.ops)
        if (o.kind == CanvasOp::Text && o.x1 == 0 && !o.text.empty() && std::isdigit(static_cast<unsigned char>(o.text[0])))
            numbers.push_back(std::stoi(o.text));
    ASSERT_EQ(numbers.size(), static_cast<size_t>(kMaxCompounds));
    for (int c = 0; c < kMaxCompounds; ++c) EXPECT_EQ(numbers[c], c + 1);
    EXPECT_NE(canvas.ops.back().kind, CanvasOp::NewPage);
    int deepest = 0;
    for (const CanvasOp& o : canvas.ops)
        if (o.kind == CanvasOp::Text) deepest = std::max(deepest, o.y1);
    EXPECT_LE(deepest, 2400 + 2 * h);
}

TEST_F(CalibrationReport, KeepsTheReferencePathCutAtItsFirstLineBreak) {
    method_data.surrogate_reference_path = "/data/runs/REF.TXT\r\nleft over";
    print(false, false);
    EXPECT_EQ(method_data.surrogate_reference_path, "/data/runs/REF.TXT");
    EXPECT_NE(find("/DATA/RUNS/REF.TXT"), nullptr);
}

TEST_F(CalibrationReport, PrintsOnTheCurrentPrinterInOneLandscapeJob) {
    print_calibration_report_job(false, false);
    ASSERT_EQ(ui.finished_jobs.size(), 1u);
    const RecordingCanvas& job = ui.finished_jobs[0];
    EXPECT_EQ(job.report_name, "Calibration Report");
    EXPECT_EQ(job.orientation, Orientation::Landscape);
    EXPECT_TRUE(job.job_begun && job.job_ended);
    EXPECT_NE(job.find_text("Benzene"), nullptr);
}

}  // namespace
