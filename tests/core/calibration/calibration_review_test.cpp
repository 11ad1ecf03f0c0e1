#include <gtest/gtest.h>

#include "calibration/calibration_review.h"
#include "calibration/curve_statistics.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/tables.h"
#include "platform/errors.h"
#include "scripted_ui.h"
#include "small_calibration.h"
#include "test_files.h"

namespace {

class CalibrationReview : public ::testing::Test {
protected:
    void SetUp() override { fill_small_calibration(); }
};

TEST_F(CalibrationReview, ResetEmptiesTheFirstTwelveDataSetsOnly) {
    calibration_data.raw_data_sets[12].area[0] = 77;
    calibration_data.level_names[12] = "Amount9";
    reset_calibration_review();
    for (int k : {0, 2, 11}) {
        EXPECT_EQ(calibration_data.recovery_tables.predicted_recovery[k][0], kNotSet);
        EXPECT_EQ(calibration_data.recovery_tables.predicted_recovery_dev[k][3], kNotSet);
        EXPECT_EQ(calibration_data.recovery_tables.response_factor[k][149], kNotSet);
        EXPECT_EQ(calibration_data.recovery_tables.response_factor_dev[k][1], kNotSet);
        EXPECT_EQ(calibration_data.raw_data_sets[k].area[0], kNotFound);
        EXPECT_EQ(calibration_data.level_included[0][k], 0);
        EXPECT_TRUE(calibration_data.level_names[k].empty());
    }
    EXPECT_EQ(calibration_data.raw_data_sets[12].area[0], 77);
    EXPECT_EQ(calibration_data.level_names[12], "Amount9");
}

TEST(DisplayFileName, ShowsTheFolderOfAResultsFileAndCutsAtTheFirstLineBreak) {
    struct Case {
        const char* entry;
        const char* shown;
        const char* after_root;
    } cases[] = {
        {"STD1\\results.ini", "STD1", "STD1"},
        {"STD1/RESULTS.INI", "STD1", "STD1"},
        {"C:\\DATA\\STD1", "C:\\DATA\\STD1", "DATA\\STD1"},
        {"/data/runs/STD1.TXT", "/data/runs/STD1.TXT", "/data/runs/STD1.TXT"},
        {"runs/STD1.TXT\r\nrest", "runs/STD1.TXT", "STD1.TXT"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(display_file_name(c.entry), c.shown) << c.entry;
        EXPECT_EQ(after_first_separator(display_file_name(c.entry)), c.after_root) << c.entry;
    }
}

TEST_F(CalibrationReview, ShowsEveryCellOfALevelAndLeavesMarkersBlank) {
    calibration_data.recovery_tables.response_factor_dev[1][0] = kNotSet;
    calibration_data.raw_data_sets[2].area[0] = kNotFound;
    const CompoundReview r = review_compound(0);
    EXPECT_EQ(r.number, "1");
    EXPECT_EQ(r.name, "Benzene");
    EXPECT_EQ(r.calibration_file, "/DATA/CAL/DEMO.CAL");
    EXPECT_EQ(r.surrogate_file, "/data/is/Demo_IS.ini");
    EXPECT_EQ(r.library_file, "/data/lib/demo_library.txt");
    EXPECT_EQ(r.reference_file, "/data/runs/REF.TXT");
    EXPECT_EQ(r.standards, 3);

    const ReviewLevel& first = r.levels[0];
    EXPECT_EQ(first.file, "/data/runs/STD1.TXT");
    EXPECT_EQ(first.amount, "5");
    EXPECT_EQ(first.recovery, "80.000");
    EXPECT_EQ(first.recovery_dev, "1.000");
    EXPECT_EQ(first.area, "1000");
    EXPECT_EQ(first.response_factor, "100.000");
    EXPECT_EQ(first.response_factor_dev, "2.500");
    EXPECT_TRUE(first.checked);

    EXPECT_EQ(r.levels[1].response_factor_dev, "");
    EXPECT_EQ(r.levels[2].amount, "2.5");  // dilution 0.5 of Amount 1 (5)
    EXPECT_EQ(r.levels[2].area, "");
    EXPECT_FALSE(r.levels[3].listed);
    EXPECT_EQ(r.levels[3].amount, "");
    EXPECT_FALSE(r.levels[3].checked);
}

TEST_F(CalibrationReview, AnInternalStandardShowsItsFirstAmountAtEveryLevel) {
    const CompoundReview r = review_compound(1);
    for (int k = 0; k < kSmallStandards; ++k) EXPECT_EQ(r.levels[k].amount, "25") << k;
}

TEST_F(CalibrationReview, IncludeBoxesFollowFlagPredictionAndArea) {
    calibration_data.level_included[0][0] = 0;                           // excluded: unchecked, enabled
    calibration_data.recovery_tables.predicted_recovery[1][0] = 0.0;     // no prediction: unchecked, flag kept
    calibration_data.raw_data_sets[2].area[0] = 0;                       // no area: unchecked, disabled, flag cleared
    const CompoundReview r = review_compound(0);
    EXPECT_FALSE(r.levels[0].checked);
    EXPECT_TRUE(r.levels[0].enabled);
    EXPECT_FALSE(r.levels[1].checked);
    EXPECT_TRUE(r.levels[1].enabled);
    EXPECT_EQ(calibration_data.level_included[0][1], 1);
    EXPECT_FALSE(r.levels[2].checked);
    EXPECT_FALSE(r.levels[2].enabled);
    EXPECT_EQ(calibration_data.level_included[0][2], 0);
    // The next compound has areas everywhere: its boxes are all enabled again.
    const CompoundReview next = review_compound(2);
    for (int k = 0; k < kSmallStandards; ++k) EXPECT_TRUE(next.levels[k].enabled && next.levels[k].checked) << k;
}

TEST_F(CalibrationReview, StatisticsFollowTheIncludedLevels) {
    CurveStatisticsText all = refresh_curve_statistics(0);
    EXPECT_EQ(all.levels, "(5, 10, 2.5)");
    EXPECT_EQ(all.average, "110.000");
    EXPECT_EQ(all.deviation, "10.000");
    EXPECT_EQ(all.percent, "9.091");

    EXPECT_FALSE(set_level_inclusion(0, 2, false, true));
    CurveStatisticsText two = refresh_curve_statistics(0);
    EXPECT_EQ(two.levels, "(5, 10)");
    EXPECT_EQ(two.average, "105.000");
    EXPECT_EQ(two.deviation, "7.071");
    EXPECT_NEAR(calibration_data.curve_statistics.pct_rsd[0], 7.0710678 / 105.0 * 100.0, 1e-6);

    // Checking a box again includes the level only when it has a standard file.
    EXPECT_FALSE(set_level_inclusion(0, 2, true, false));
    EXPECT_TRUE(set_level_inclusion(0, 2, true, true));
    EXPECT_EQ(refresh_curve_statistics(0).average, "110.000");
}

TEST_F(CalibrationReview, ACompoundWithoutCountedLevelsShowsNoStatistics) {
    for (int k = 0; k < kSmallStandards; ++k) set_level_inclusion(3, k, false, true);
    const CurveStatisticsText none = refresh_curve_statistics(3);
    EXPECT_EQ(none.levels, "()");
    EXPECT_EQ(none.average, "");
    EXPECT_EQ(none.deviation, "");
    EXPECT_EQ(none.percent, "");
}

TEST_F(CalibrationReview, AnUncomputedResponseFactorNeverEntersTheStatistics) {
    calibration_data.recovery_tables.response_factor[2][0] = kNotSet;
    const CurveStatisticsText s = refresh_curve_statistics(0);
    EXPECT_EQ(s.levels, "(5, 10, 2.5)");  // still included
    EXPECT_EQ(s.average, "105.000");
}

TEST(TypedCompoundNumber, IgnoresTextThatIsNoNumberAndClampsTheRest) {
    method_data.compound_count = 120;
    struct Case {
        const char* text;
        std::optional<int> number;
    } cases[] = {{"abc", std::nullopt}, {"1.5", std::nullopt}, {"999", 120}, {"", 1},
                 {"0", 1},              {"-3", 1},           {"7", 7}};
    for (const Case& c : cases) EXPECT_EQ(typed_compound_number(c.text), c.number) << c.text;
    method_data.compound_count = 0;
    EXPECT_EQ(typed_compound_number("5"), 5);
}

TEST(CompoundOfNumberText, AnEmptyBoxIsTheFirstCompoundAndTextIsAConversionError) {
    EXPECT_EQ(compound_of_number_text(""), 0);
    EXPECT_EQ(compound_of_number_text("12"), 11);
    try {
        compound_of_number_text("abc");
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}

// Without a level in its curve an internal standard has no mean response, and every
// sample run against the calibration would stop at it.
TEST_F(CalibrationReview, AnInternalStandardKeepsItsLastLevel) {
    ScriptedUi ui;
    EXPECT_FALSE(set_level_inclusion(1, 0, false, true));
    EXPECT_FALSE(set_level_inclusion(1, 2, false, true));
    ui.expect_message("Std2 (Amount2) is the last level in the curve of the internal standard Fluorobenzene-IS, "
                      "whose levels are Std1 (Amount1), Std2 (Amount2), Std3 (0.5).");
    EXPECT_TRUE(set_level_inclusion(1, 1, false, true));
    EXPECT_EQ(calibration_data.level_included[1][1], 1);
    // An analyte may lose every level.
    for (int k = 0; k < kSmallStandards; ++k) EXPECT_FALSE(set_level_inclusion(0, k, false, true));

    // A calibration whose internal standard has no level left (as a file may bring it) is
    // not saved: no file is asked for.
    calibration_data.level_included[1][1] = 0;
    ui.expect_message("The internal standard Fluorobenzene-IS has no level in its curve");
    EXPECT_FALSE(save_reviewed_calibration());
    EXPECT_TRUE(ui.save_requests.empty());
    EXPECT_EQ(main_flags.ReviewSaveAs, 0);
}

TEST_F(CalibrationReview, ExitRestoresTheFlagsOfTheLastLoadOrSave) {
    set_level_inclusion(0, 0, false, true);
    set_level_inclusion(3, 1, false, true);
    restore_level_inclusion();
    EXPECT_EQ(calibration_data.level_included[0][0], 1);
    EXPECT_EQ(calibration_data.level_included[3][1], 1);
    EXPECT_FALSE(set_level_inclusion(kMaxCompounds, 0, true, true));  // out of the table: nothing written
}

TEST_F(CalibrationReview, DeletesTheResultsFilesOfTheStandardsAndTheReferenceOnly) {
    TempFolder dir;
    for (const char* name : {"STD1.TXT", "STD1.ini", "STD2.TXT", "REF.TXT", "REF.ini", "STD4.ini"}) dir.write(name, "x");
    std::filesystem::create_directory(dir.file("OLD"));
    dir.write("OLD/results.ini", "kept");
    calibration_data.standard_data_files[0] = dir.file("STD1.TXT");
    calibration_data.standard_data_files[1] = dir.file("STD2.TXT");  // its results file is gone already
    calibration_data.standard_data_files[2] = dir.file("OLD/results.ini");
    calibration_data.standard_data_files[3] = dir.file("STD4.TXT");  // no label: not a standard of this calibration
    method_data.surrogate_reference_path = dir.file("REF.TXT");
    delete_standard_ini_files();
    EXPECT_FALSE(std::filesystem::exists(dir.file("STD1.ini")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("REF.ini")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("STD1.TXT")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("REF.TXT")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("OLD/results.ini")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("STD4.ini")));
}

}  // namespace
