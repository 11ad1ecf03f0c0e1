#include "calibration/calibration_standards.h"

#include <gtest/gtest.h>

#include "methoddata/calibration_tables.h"
#include "methoddata/tables.h"
#include "platform/paths.h"
#include "test_files.h"
#include "program/program_state.h"
#include "samples/process_files_data.h"

namespace {

class CalibrationStandardsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        construct_method_data();
        construct_calibration_tables();
    }
};

TEST_F(CalibrationStandardsTest, SaveNamesGetTheCalExtensionUnlessTheyHaveIt) {
    struct Case {
        const char* chosen;
        const char* saved;
    } cases[] = {
        {"/cal/run", "/cal/run.cal"},
        {"/cal/run.CAL", "/cal/run.CAL"},
        {"/cal/run.cal.txt", "/cal/run.cal.txt.cal"},
        {"/cal/run.calx", "/cal/run.calx"},
        {"/cal/x.cal/run", "/cal/x.cal/run.cal"},
        {"/cal/run.ca", "/cal/run.ca.cal"},
    };
    for (const Case& c : cases) EXPECT_EQ(calibration_save_name(c.chosen), c.saved) << c.chosen;
}

TEST_F(CalibrationStandardsTest, ResultsFilesSitBesideTheirDataFiles) {
    EXPECT_EQ(listed_results_ini("/runs/2026.03/STD1.TXT"), "/runs/2026.03/STD1.ini");
    EXPECT_EQ(listed_results_ini("/runs/2026.03/std1"), "/runs/2026.03/std1.ini");
}

TEST_F(CalibrationStandardsTest, SavingNeedsStandardsAReferenceAndEveryLabel) {
    const std::vector<std::string> files = {"/r/a.txt", "/r/b.txt"};
    auto refusal = check_calibration_files(files, {"Amount1", "Amount2"}, "  ");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, "A reference file is required.");
    EXPECT_EQ(refusal->caption, "Required Files Not Present");
    EXPECT_TRUE(check_calibration_files({}, {}, "/r/ref.txt"));
    refusal = check_calibration_files(files, {"Amount1"}, "/r/ref.txt");
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->text.find("/r/b.txt"), std::string::npos);
    EXPECT_FALSE(check_calibration_files(files, {"Amount1", "0.5"}, "/r/ref.txt"));
    EXPECT_EQ(standard_limit_refusal().text, "Only 10 standards are currently allowed.");
}

TEST_F(CalibrationStandardsTest, PreparingFillsTheRowsOfTheListedStandardsOnly) {
    calibration_data.level_names[3] = "Amount4";  // left from an earlier calibration
    calibration_data.level_included[7][5] = 1;
    prepare_standard_tables({"/r/a.txt", "/r/b.TXT", "/r/c"},
                            {"Amount1", "0.1234567890", "Amount3"}, true);
    EXPECT_EQ(calibration_data.level_names[1], "0.1234567");
    EXPECT_EQ(calibration_data.level_names[3], "");
    EXPECT_EQ(calibration_data.standard_results_ini[1], "/r/b.ini");
    EXPECT_EQ(calibration_data.standard_results_ini[2], "/r/c.ini");
    EXPECT_EQ(calibration_data.standard_data_files[1], "/r/b.TXT");
    EXPECT_EQ(calibration_data.level_included[149][2], 1);
    EXPECT_EQ(calibration_data.level_included[7][5], 0);  // Review excludes the levels after the standards
}

TEST_F(CalibrationStandardsTest, DeletingTheFirstOfThreeMovesTheOthersUp) {
    prepare_standard_tables({"/r/a.txt", "/r/b.txt", "/r/c.txt"}, {"Amount1", "Amount2", "Amount3"},
                            false);
    calibration_data.standard_count = 3;
    remove_calibration_standard(0, {"Amount1", "0.5", "Amount3"});
    EXPECT_EQ(calibration_data.standard_count, 2);
    EXPECT_EQ(calibration_data.level_names[0], "0.5");
    EXPECT_EQ(calibration_data.level_names[1], "Amount3");
    EXPECT_EQ(calibration_data.level_names[2], "");
    EXPECT_EQ(calibration_data.standard_results_ini[0], "/r/b.ini");
    EXPECT_EQ(calibration_data.standard_results_ini[1], "/r/c.ini");
    EXPECT_EQ(calibration_data.standard_results_ini[2], "");
    EXPECT_EQ(calibration_data.level_included[0][2], 0);
    EXPECT_EQ(calibration_data.level_included[0][1], 1);
}

TEST_F(CalibrationStandardsTest, StartingABuildIncludesOnlyTheLibrarysCompoundsAtTheListedLevels) {
    method_data.compound_count = 3;
    process_files_data.samples[kMaxStandards - 1].settings.smooth_first_pass = 1;
    process_files_data.samples[kMaxStandards].settings.smooth_first_pass = 1;  // a sample, not a standard
    start_calibration_build(2);
    EXPECT_EQ(calibration_data.level_included[2][1], 1);
    EXPECT_EQ(calibration_data.level_included[2][2], 0);
    EXPECT_EQ(calibration_data.level_included[3][0], 0);
    EXPECT_EQ(process_files_data.samples[kMaxStandards - 1].settings.smooth_first_pass, 0);
    EXPECT_EQ(process_files_data.samples[kMaxStandards].settings.smooth_first_pass, 1);
    start_calibration_build(kMaxLevels + 5);  // more files than levels: the rows end at the last level
    EXPECT_EQ(calibration_data.level_included[0][kMaxLevels - 1], 1);
    process_files_data = ProcessFilesData{};  // the fixture resets no processing list
}

TEST_F(CalibrationStandardsTest, OpeningTheWindowEmptiesEveryStandardsFirstPassPoints) {
    SurrogatePoint& last = model_work_tables.first_pass_points[kMaxStandards - 1][kGroups - 1];
    last = SurrogatePoint{"Toluene-d8", 1, 2.0, 90.0};
    last.rvw = 3.5;
    clear_first_pass_points();
    EXPECT_EQ(last.name, std::string(22, ' '));
    EXPECT_EQ(last.in_use, 0);
    EXPECT_EQ(last.y, 0.0);
    EXPECT_EQ(last.rvw, 0.0);
    EXPECT_EQ(model_work_tables.first_pass_points[0][0].clamped_rv, 0.0);  // not the "not set" marker
}

TEST_F(CalibrationStandardsTest, LeavingDeletesOnlyTheResultsFilesTheWindowMade) {
    TempFolder dir;
    const std::string made = dir.write("std1.ini", "[header]\n");
    const std::string other = dir.write("sub/std1.ini", "[header]\n");
    MadeResultsFiles files;
    files.add(made);
    files.add(made);
    files.delete_all();
    EXPECT_FALSE(file_exists(made));
    EXPECT_TRUE(file_exists(other));
    EXPECT_TRUE(files.paths().empty());
}

}  // namespace
