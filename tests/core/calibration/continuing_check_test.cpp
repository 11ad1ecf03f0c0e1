// The continuing-check rules and the report file on small hand-made tables.
#include <gtest/gtest.h>

#include "calibration/check_report_file.h"
#include "calibration/continuing_check.h"
#include "calibration/curve_statistics.h"
#include "methoddata/calibration_data.h"
#include "methoddata/check_state.h"
#include "methoddata/tables.h"
#include "platform/errors.h"
#include "platform/text_util.h"
#include "program/program_state.h"
#include "recovery/group_lines.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace {

constexpr int s = kCheckDataSet;

class ContinuingCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        calibration_data.curve_statistics = CurveStatistics{};
        method_data.library_version = program_version_text;
        method_data.variable_mode.variable1_label = "RVW";
        method_data.variable_mode.variable2_label = "BP";
        method_data.category_thresholds.vcs = 159.0;
        method_data.category_thresholds.n_pvcsLn = 100.0;
    }
    // Library row c with one included level and a check standard that has it.
    void compound(int c, const std::string& name, double amount, double mean, double area, double predicted) {
        method_data.library[c].name = name;
        method_data.library[c].conc.fill(amount);
        method_data.library_saved[c] = method_data.library[c];
        calibration_data.level_included[c][0] = 1;
        calibration_data.curve_statistics.mean_rf[c] = mean;
        calibration_data.raw_data_sets[s].area[c] = static_cast<int>(area);
        calibration_data.recovery_tables.predicted_recovery[s][c] = predicted;
        method_data.compound_count = std::max(method_data.compound_count, c + 1);
    }
    // An internal standard, checked for the report's rows, recovered as measured.
    void internal_standard(int c, const std::string& name, double bp, double rvw, double recovery) {
        compound(c, name, 10.0, 100.0, 1000.0 * recovery, recovery);
        method_data.library[c].bp = bp;
        method_data.library[c].rvw = rvw;
        method_data.library[c].is_internal_standard = 1;
        SurrogateRecord& r = method_data.surrogates[method_data.surrogate_count++];
        r.name = name;
        r.bp = bp;
        r.rvw = rvw;
        r.checked_surrogate = 1;
    }
    static std::vector<std::string> lines(const std::string& text) { return split(text, '\n'); }
    static bool has_line(const std::string& text, const std::string& line) {
        for (const std::string& l : lines(text))
            if (l == line) return true;
        return false;
    }

    ScriptedUi ui;
};

TEST_F(ContinuingCheckTest, TheLevelEntryIsCheckedInItsOrder) {
    struct Case {
        int item;
        std::string text;
        std::string message;  // empty: accepted
        std::string caption;
        std::string text_after;
        std::string level_name;
    };
    const std::vector<Case> cases = {
        {2, "", "", "", "", "Conc3"},
        {9, "", "", "", "", "Conc10"},
        {3, "2", "", "", "", "Conc4"},  // an amount item empties the dilution factor
        {10, "2.5", "", "", "2.5", "2.5"},
        // Digits and dots that are no number are no factor either.
        {10, "1.5.2", "Please enter a valid dilution factor", "Invalid dilution factor", "1.5.2", ""},
        {10, "", "Please enter a dilution factor before exiting.", "Dilution Factor Required", "", ""},
        {10, "2x", "Please enter a valid dilution factor", "Invalid dilution factor", "2x", ""},
        {10, "0", "Please enter a dilution factor greater than 0", "Invalid dilution factor", "0", ""},
        {10, "0.0", "Please enter a dilution factor greater than 0", "Invalid dilution factor", "0.0", ""},
        {10, "0.05", "", "", "0.05", "0.05"},
        {-1, "", "Please select a concentration before exiting.", "Selection Required", "", ""},
    };
    compound(0, "Benzene", 10.0, 1.0, 100.0, 1.0);  // an amount at every level
    for (const Case& c : cases) {
        check_state.check_level_name.clear();
        check_state.check_standard_mode = 0;
        if (!c.message.empty()) ui.expect_message(c.message);
        CheckLevelEntry entry{c.item, c.text};
        EXPECT_EQ(check_level_entry(entry), c.message.empty()) << c.item << " " << c.text;
        if (!c.message.empty()) {
            EXPECT_EQ(ui.last_message().caption, c.caption);
        }
        EXPECT_EQ(entry.dilution_text, c.text_after);
        EXPECT_EQ(check_state.check_level_name, c.level_name);  // a refused level names none
        EXPECT_EQ(check_state.check_standard_mode, 1);
    }
}

// At a level for which the calibration holds no analyte amount every difference would be
// empty: the level is refused before anything is evaluated or written.
TEST_F(ContinuingCheckTest, ALevelWithoutAnalyteAmountsIsRefused) {
    compound(0, "Benzene", 0.0, 1.0, 100.0, 1.0);
    method_data.library_saved[0].conc = {1, 5, 10, 20, 50, 100, 0, 0, 0, 0};
    internal_standard(1, "Fluorobenzene", 85.0, 13.0, 0.9);  // its Amount 1 at every level
    const std::string refused = ".\nA check standard at this level can be compared with nothing: please "
                                "choose the level it was made at.";
    struct Case {
        int item;
        std::string text;
        std::string message;  // empty: accepted
    } cases[] = {
        {5, "", ""},
        {6, "", "The calibration holds no analyte amount at Amount 7" + refused},
        {9, "", "The calibration holds no analyte amount at Amount 10" + refused},
        {kDilutionItem, "2", ""},
    };
    for (const Case& c : cases) {
        check_state.check_level_name.clear();
        if (!c.message.empty()) ui.expect_message(c.message);
        CheckLevelEntry entry{c.item, c.text};
        EXPECT_EQ(check_level_entry(entry), c.message.empty()) << c.item;
        if (!c.message.empty()) {
            EXPECT_EQ(ui.last_message().caption, "Level Without Amounts");
            EXPECT_EQ(check_state.check_level_name, "");
        }
    }
    method_data.library_saved[0].conc[0] = 0.0;  // no Amount 1 for a factor to multiply
    ui.expect_message("The calibration holds no analyte amount at Amount 1, which the dilution factor multiplies" +
                      refused);
    CheckLevelEntry diluted{kDilutionItem, "2"};
    EXPECT_FALSE(check_level_entry(diluted));
}

TEST_F(ContinuingCheckTest, ADilutionFactorMultipliesAmountOneAndMustBeANumber) {
    compound(0, "Benzene", 0.0, 1.0, 100.0, 1.0);
    method_data.library_saved[0].conc = {2, 5, 10, 20, 50, 100, 0, 0, 0, 0};
    const CheckLevel diluted = check_level_of({kDilutionItem, "2.5"});
    EXPECT_EQ(diluted.level, kDilutionItem);
    EXPECT_DOUBLE_EQ(check_amount(0, diluted), 5.0);
    EXPECT_DOUBLE_EQ(check_amount(0, check_level_of({2, ""})), 10.0);
    try {
        check_level_of({kDilutionItem, "1.5.2"});
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1.5.2' is not a valid floating point value");
    }
    // An internal standard is always at its own Amount 1 of the working library.
    method_data.library[0].is_internal_standard = 1;
    method_data.library[0].conc[0] = 25.0;
    EXPECT_DOUBLE_EQ(check_amount(0, diluted), 25.0);
}

TEST_F(ContinuingCheckTest, ResponseAndDifferenceInTheReviewAndTheFile) {
    compound(0, "Benzene", 100.0, 1.00, 110.0, 1.0);  // check response 1.10 against 1.00
    compound(1, "No recovery", 100.0, 1.00, 110.0, 0.0);
    compound(2, "No mean", 100.0, 0.0, 110.0, 1.0);
    const CheckLevel level{0, 0.0};
    const CheckCompoundTexts t = check_compound_texts(0, level);
    EXPECT_EQ(t.check_response, "1.10");
    EXPECT_EQ(t.difference, "10.000");
    EXPECT_EQ(t.amount, "100.00");
    EXPECT_EQ(t.deviation, "0.000");
    const CheckCompoundTexts none = check_compound_texts(1, level);
    EXPECT_EQ(none.check_response, "");
    EXPECT_EQ(none.difference, "");
    EXPECT_EQ(check_compound_texts(2, level).difference, "");

    calibration_data.recovery_tables.predicted_recovery_dev[s][1] = kNotSet;  // as the model leaves a 0 prediction
    const std::string report = check_report_text(calibration_data, level);
    EXPECT_NE(report.find("\n1;Benzene;1.00;0.00;100.00;100.00;0.00;1.10;10.0;110;0.00"), std::string::npos);
    // Values that are not available say so: the marker is no number (times 100 even less).
    EXPECT_NE(report.find("\n2;No recovery;1.00;0.00;100.00;0.00;N/A;N/A;N/A;110;"), std::string::npos) << report;
    EXPECT_NE(report.find("\n3;No mean;0.00;0.00;100.00;100.00;0.00;1.10;N/A;110;"), std::string::npos) << report;
    EXPECT_EQ(report.find("2147483"), std::string::npos) << report;
}

TEST_F(ContinuingCheckTest, ACompoundWithoutIncludedLevelsShowsItsCurveOnly) {
    compound(0, "Excluded", 10.0, 1.25, 100.0, 1.0);
    calibration_data.level_included[0][0] = 0;
    calibration_data.curve_statistics.sd_rf[0] = 0.03;
    EXPECT_NE(check_report_text(calibration_data, {0, 0.0}).find("\n1;Excluded;<1.25;(3.0%)>\n"), std::string::npos);
}

TEST_F(ContinuingCheckTest, InternalStandardsFallIntoTheirClasses) {
    internal_standard(0, "Volatile", 80.0, 50.0, 0.9);
    internal_standard(1, "Non-purgeable", 90.0, 150.0, 0.8);
    internal_standard(2, "On the line", 100.0, 100.0, 0.7);  // rvw == n_pvcsLn: in no class
    internal_standard(3, "Semi-volatile", 159.0, 1.0, 0.6);
    internal_standard(4, "Not checked", 80.0, 1.0, 0.5);
    method_data.surrogates[4].checked_surrogate = 0;
    for (int c = 0; c < 5; ++c) calibration_data.recovery_tables.predicted_recovery_dev[s][c] = 0.05;

    const std::string volatile_rows = check_surrogate_determinations(calibration_data, 0);
    // h = 900 / 100 / 10 x 100 = 90 %; corrected m = 90 / 0.9; o = m x 0.05 / 0.9.
    EXPECT_EQ(volatile_rows, "Volatile;80;50.00;90.000;0.00;0.00;0.00;0.00;90.00;5.00;100.00;5.56\n"
                             "\nGroup Averages;100.00;5.56\n");
    EXPECT_EQ(lines(check_surrogate_determinations(calibration_data, 1))[0].substr(0, 14), "Non-purgeable;");
    EXPECT_EQ(lines(check_surrogate_determinations(calibration_data, 2))[0].substr(0, 14), "Semi-volatile;");
    const std::string all = check_report_text(calibration_data, {0, 0.0});
    EXPECT_EQ(all.find("\nOn the line;"), std::string::npos);
    EXPECT_EQ(all.find("\nNot checked;"), std::string::npos);
}

TEST_F(ContinuingCheckTest, AClassWithoutRecoveriesHasNoAverages) {
    internal_standard(0, "No mean", 80.0, 50.0, 0.9);
    calibration_data.curve_statistics.mean_rf[0] = 0.0;
    EXPECT_EQ(check_surrogate_determinations(calibration_data, 0),
              "No mean;80;50.00;N/A;0.00;0.00;0.00;0.00;90.00;0.00;N/A;N/A\n");
}

TEST_F(ContinuingCheckTest, TheReportFollowsTheVariableMode) {
    internal_standard(0, "Volatile", 80.0, 50.0, 0.9);
    const std::string two = check_report_text(calibration_data, {0, 0.0});
    EXPECT_EQ(lines(two)[0], "Check Calibration Report - Linear: BP -- Ln: RVW - Version 4.2");
    for (const char* line : {"First Pass relative Volatility (Ln) vs. Recovery",
                             "Volatile Compound Surrogates(boiling point<159)",
                             "Non-Purgeable Volatile Compound Surrogates(rw>100.00)",
                             "Semi-Volatile Compound Surrogates(boiling points=159.00) "})
        EXPECT_TRUE(has_line(two, line)) << line;

    method_data.variable_mode.one_variable_mode = 1;
    method_data.variable_mode.bp_variable_chosen = 1;
    method_data.variable_mode.transform_text = "Linear";
    method_data.variable_mode.single_variable_label = "Boiling Point";
    const std::string one = check_report_text(calibration_data, {0, 0.0});
    EXPECT_EQ(lines(one)[0], "Check Calibration Report - Using ONE VARIABLE - Linear - Boiling Point - Version 4.2");
    EXPECT_EQ(one.find("First Pass relative Volatility"), std::string::npos);
    EXPECT_EQ(one.find("Relative Volatility (Ln)"), std::string::npos);
    EXPECT_EQ(one.find("Surrogates("), std::string::npos);  // no class titles
    EXPECT_NE(one.find("Recovery vs. Boiling Point"), std::string::npos);
    EXPECT_NE(one.find("Compound;Boiling Point;Measured;Recovery\n"), std::string::npos);
    EXPECT_NE(one.find("\t\tSurrogate Determinations\n\nCompound;Linear;Ln;Recovery;B.P.Predict;err;R.V.Predict;err;"
                       "Total Predict;err;Recovery;err\nVolatile;80;"),
              std::string::npos);
}

TEST_F(ContinuingCheckTest, AFitTableListsEachGroupBeforeItsLine) {
    internal_standard(0, "A", 80.0, 2.0, 0.9);
    internal_standard(1, "B", 90.0, 3.0, 0.8);
    internal_standard(2, "C", 200.0, 0.5, 0.7);
    std::array<SurrogatePoint, 4> points{};
    const int groups[] = {1, 1, 2};
    for (int i = 0; i < 3; ++i) {
        points[i].in_use = 1;
        points[i].name = method_data.library[i].name;
        points[i].record = i;
        points[i].group = groups[i];
        points[i].y = 0.5;
    }
    points[1].clamped_rv = 2.5;  // outside the first pass's range: marked
    FitTable fits{};
    fits[s][1] = GroupFit{1, 0.001, 0.9, 0.02, 0.5};
    fits[s][2] = GroupFit{1, -0.002, 1.1, 0.03, 0.75};
    bool starred = false;
    EXPECT_EQ(check_fit_table(calibration_data, 1, points, fits, starred),
              "Compound;BP;RVW;Measured;Recovery\n"
              "A;80.0;2.00;90.00;50.00\n"
              "B;90.0;2.5*;80.00;50.00\n"
              "\nSlope = 0.001000;Intercept = 0.900000;Error = 2.000;RSQ = 0.500000\n\n"
              "C;200.0;0.50;70.00;50.00\n"
              "\nSlope = -0.002000;Intercept = 1.100000;Error = 3.000;RSQ = 0.750000\n\n");
    EXPECT_TRUE(starred);
}

// A line through two points has no R squared: the report says so instead of printing 0.
TEST_F(ContinuingCheckTest, ALineThroughTwoPointsHasNoRSquaredInTheReport) {
    internal_standard(0, "A", 80.0, 2.0, 0.9);
    internal_standard(1, "B", 90.0, 3.0, 0.8);
    PointList points{};
    for (int i = 0; i < 2; ++i) {
        points[i].in_use = 1;
        points[i].record = i;
        points[i].group = 1;
        points[i].x = method_data.library[i].bp;
        points[i].y = 0.5 + 0.1 * i;
    }
    FitTable fits{};
    fits[s][1].r_squared = 0.97;  // an earlier fit in the slot
    ASSERT_EQ(fit_group_lines(points, fits, s), 1);
    bool starred = false;
    const std::string table = check_fit_table(calibration_data, 1, points, fits, starred);
    EXPECT_NE(table.find("\nSlope = 0.010000;Intercept = -0.300000;Error = 0.000;RSQ = N/A\n\n"), std::string::npos)
        << table;
}

TEST_F(ContinuingCheckTest, TheReportIsNamedAfterTheCheckStandardsDataFile) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/DATA/RUNS/CCV.TXT", "/DATA/RUNS/CCV.check"},
        {"/DATA/RUN.2025/CCV", "/DATA/RUN.2025/CCV.check"},  // a dot in a folder is no extension
        {"/DATA/CCV.OLD.TXT", "/DATA/CCV.OLD.check"},
    };
    for (const auto& [data, report] : cases) {
        check_state.check_data_file = data;
        EXPECT_EQ(check_report_path(), report);
    }
}

TEST_F(ContinuingCheckTest, AReportThatCannotBeWrittenIsReported) {
    compound(0, "Benzene", 10.0, 1.0, 100.0, 1.0);
    check_state.check_data_file = "/no/such/folder/CCV.TXT";
    ui.expect_message("could not be written");
    EXPECT_FALSE(write_check_calibration_file({0, 0.0}));
    EXPECT_EQ(ui.last_message().caption, "Error");
}

TEST_F(ContinuingCheckTest, TheReviewMovesWithinTheCompoundList) {
    struct Case {
        std::string text;
        ReviewMove move;
        std::optional<int> shown;
    };
    const std::vector<Case> cases = {
        {"3", ReviewMove::Next, 3},       {"5", ReviewMove::Next, std::nullopt},
        {"9", ReviewMove::Next, std::nullopt}, {"0", ReviewMove::Next, 1},
        {"3", ReviewMove::Previous, 1},   {"1", ReviewMove::Previous, std::nullopt},
        {"7", ReviewMove::Stay, 4},       {"-2", ReviewMove::Stay, 0},
        {"", ReviewMove::Stay, std::nullopt}, {"x", ReviewMove::Next, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(check_review_target(c.text, c.move, 5), c.shown) << "'" << c.text << "' " << static_cast<int>(c.move);
}

}  // namespace
