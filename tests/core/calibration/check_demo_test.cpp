// The continuing-calibration check of the demo data set: the demo calibration is loaded
// as the analyst loads it, and the demo check standard (Amount3) is evaluated against it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "calibration/calibration_commands.h"
#include "calibration/calibration_tables.h"
#include "calibration/check_commands.h"
#include "calibration/check_report_file.h"
#include "calibration/continuing_check.h"
#include "calibration/curve_statistics.h"
#include "demo_calibration.h"
#include "methoddata/main_commands.h"
#include "methoddata/tables.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "scripted_ui.h"

namespace {

class CheckDemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        construct_calibration_tables();
        start_main_form(menu);
        install_path = demo.path();
        program_folder = demo.path() + "/";
        std::filesystem::copy_file(example_file("demo_calibration.cal"), "demo_calibration.cal");
        ui.open_returns("demo_calibration.cal");
        ASSERT_TRUE(load_calibration_command(menu));
        ui.open_returns("runs/CCV.TXT");
        ASSERT_TRUE(check_calibration_command());
    }

    ScriptedUi ui;
    DemoFolder demo;
    MainMenuState menu;
};

TEST_F(CheckDemoTest, Explore) {
    CheckLevelEntry entry{2, ""};
    ASSERT_TRUE(check_level_entry(entry));
    EXPECT_EQ(evaluate_check_standard(), CheckEvaluation::Done);
    ASSERT_TRUE(write_check_calibration_file(check_level_of(entry)));
    std::printf("%s\n%s\n", check_report_path().c_str(), read_file_text(resolve_path(check_report_path())).c_str());
}

}  // namespace
