// The continuing-calibration check of the demo data set: the demo calibration is loaded
// as the analyst loads it, and the demo check standard (Amount3, measured a week later
// with the instrument answering 4 % low) is evaluated against it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "../methoddata/main_window_start.h"
#include "calibration/calibration_commands.h"
#include "calibration/check_commands.h"
#include "calibration/check_report_file.h"
#include "calibration/continuing_check.h"
#include "demo_calibration.h"
#include "methoddata/calibration_tables.h"
#include "program/main_commands.h"
#include "methoddata/check_state.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "scripted_ui.h"
#include "program/program_state.h"

namespace fs = std::filesystem;

namespace {

constexpr int kAmount3 = 2;

class CheckDemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        construct_calibration_tables();
        start_main_window_in(menu, demo.path());
        fs::copy_file(example_file("demo_calibration.cal"), "demo_calibration.cal");
        ui.open_returns("demo_calibration.cal");
        ASSERT_TRUE(load_calibration_command(menu));
    }
    // Check Continuing Calibration on the demo check standard, evaluated at Amount3.
    void check_at_amount3() {
        ui.open_returns("runs/CCV.TXT");
        ASSERT_TRUE(check_calibration_command());
        CheckLevelEntry entry{kAmount3, ""};
        ASSERT_TRUE(check_level_entry(entry));
        ASSERT_EQ(evaluate_check_standard(), CheckEvaluation::Done);
    }

    ScriptedUi ui;
    DemoFolder demo;
    MainMenuState menu;
};

TEST_F(CheckDemoTest, TheCommandConvertsTheCheckStandardAndRemembersItsFolder) {
    ui.open_returns("runs/CCV.TXT");
    ASSERT_TRUE(check_calibration_command());
    EXPECT_EQ(ui.open_requests.back().filter, "Check Calibration data file (*.txt)|*.txt");
    EXPECT_EQ(check_state.check_data_file, "RUNS/CCV.TXT");
    EXPECT_EQ(check_state.check_ini_path, "RUNS/CCV.ini");
    EXPECT_TRUE(file_exists(check_state.check_ini_path));
    EXPECT_EQ(check_state.continuing_check_active, 1);
    EXPECT_EQ(main_flags.CheckCalibrationMode, 1);
    EXPECT_EQ(file_setting("dataPath"), "RUNS/");

    delete_check_results_file();  // Exit of the check
    EXPECT_FALSE(file_exists(check_state.check_ini_path));
    EXPECT_TRUE(file_exists("runs/CCV.TXT"));
}

TEST_F(CheckDemoTest, AFileTheConverterRefusesOpensNoCheck) {
    TempFolder other;
    ui.open_returns(other.write("NOTES.TXT", "a note, not a data file\n"));
    ui.expect_message("Quantilyzer: 03004");
    EXPECT_FALSE(check_calibration_command());
    EXPECT_EQ(check_state.check_ini_path, "");
}

TEST_F(CheckDemoTest, TheCheckLeavesTheCalibrationInMemoryAsLoaded) {
    const SampleRawData first_standard = calibration_data.raw_data_sets[0];
    const auto predictions = calibration_data.recovery_tables.predicted_recovery[0];
    check_at_amount3();
    EXPECT_EQ(calibration_data.raw_data_sets[0].area, first_standard.area);
    EXPECT_EQ(calibration_data.recovery_tables.predicted_recovery[0], predictions);
    EXPECT_NE(calibration_data.raw_data_sets[kCheckDataSet].area, first_standard.area);
}

// The internal standards see the check standard's lower response as well, so the
// corrected responses come back close to the calibration's: the differences scatter
// around 0 by the recovery model's error, the check's recoveries around 100 %.
TEST_F(CheckDemoTest, TheDifferencesAreThoseOfACheckStandardInControl) {
    check_at_amount3();
    const CheckLevel level{kAmount3, 0.0};
    std::vector<double> differences;
    for (int c = 0; c < method_data.compound_count; ++c) {
        const double d = percent_difference(c, level);
        ASSERT_FALSE(is_not_set(d)) << method_data.library[c].name;
        differences.push_back(d);
    }
    std::sort(differences.begin(), differences.end());
    const double median = differences[differences.size() / 2];
    EXPECT_LT(std::fabs(median), 2.0);
    const auto within_15 = std::count_if(differences.begin(), differences.end(), [](double d) { return std::fabs(d) < 15; });
    EXPECT_GE(within_15, static_cast<long>(differences.size()) - 4);
    EXPECT_LT(std::fabs(differences.front()), 25.0);
    EXPECT_LT(std::fabs(differences.back()), 25.0);
    for (int category : {0, 2}) {
        const std::string rows = check_surrogate_determinations(calibration_data, category);
        const size_t from = rows.find("Group Averages;") + 15;
        const NumberField average = read_number(rows.substr(from, rows.find(';', from) - from));
        ASSERT_TRUE(average.ok) << average.why << rows;
        EXPECT_NEAR(average.value, 100.0, 3.0) << rows;
    }
}

// examples/runs/CCV.check is the report of the demo check; it is written again equal
// (apart from its date). With M5847_REWRITE_EXAMPLES set the test rewrites it.
TEST_F(CheckDemoTest, TheDemoCheckReportIsWrittenAgainEqual) {
    check_at_amount3();
    ASSERT_TRUE(write_check_calibration_file({kAmount3, 0.0}));
    const std::string written = resolve_path(check_report_path());
    EXPECT_EQ(file_name_of(written), "CCV.check");
    if (std::getenv("M5847_REWRITE_EXAMPLES"))
        fs::copy_file(written, example_file("runs/CCV.check"), fs::copy_options::overwrite_existing);
    const std::vector<std::string> made = split(read_file_text(written), '\n');
    const std::vector<std::string> committed = split(read_file_text(example_file("runs/CCV.check")), '\n');
    ASSERT_EQ(made.size(), committed.size());
    for (size_t i = 0; i < made.size(); ++i) {
        if (i == 2) continue;  // the process date
        EXPECT_EQ(made[i], committed[i]) << "line " << i + 1;
    }
}

TEST_F(CheckDemoTest, AnEvaluationThatCannotReadLeavesNoEarlierCheckBehind) {
    check_at_amount3();
    check_state.check_ini_path = "runs/GONE.ini";
    ui.expect_message("03002");
    EXPECT_EQ(evaluate_check_standard(), CheckEvaluation::NotRead);
    for (int c = 0; c < method_data.compound_count; ++c) {
        EXPECT_EQ(calibration_data.recovery_tables.predicted_recovery[kCheckDataSet][c], 0.0);
        EXPECT_EQ(calibration_data.raw_data_sets[kCheckDataSet].area[c], 0);
    }
    EXPECT_EQ(model_work_tables.bp_points[kCheckDataSet][0].in_use, 0);
}

}  // namespace
