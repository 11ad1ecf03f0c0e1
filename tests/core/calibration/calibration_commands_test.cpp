#include "calibration/calibration_commands.h"

#include <gtest/gtest.h>

#include "../methoddata/main_window_start.h"
#include "calibration/calibration_file.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/menu_follows.h"
#include "program/main_commands.h"
#include "methoddata/check_state.h"
#include "methoddata/tables.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "scripted_ui.h"
#include "test_files.h"
#include "program/program_state.h"

namespace {

using enum MenuItem;

class CalibrationCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        construct_method_data();
        construct_calibration_tables();
        start_main_window_in(menu, folder.path());
        // A library loaded before.
        method_data.library_loaded = 1;
        main_flags.CalibrationFromFile = 0;
        folder_settings.slot[kLibraryTextFileSlot] = "/lib/demo.txt";
        follow_method_data(menu);
    }

    ScriptedUi ui;
    TempFolder folder;
    MainMenuState menu;
};

TEST_F(CalibrationCommandsTest, LoadingACalibrationOpensItsStageOfTheMenu) {
    ui.open_returns(example_file("demo_calibration.cal"));
    method_data.surrogate_file_loaded = 1;
    calibration_data.recovery_tables.response_factor[9][0] = 5.0;  // left from an earlier calibration of ten standards
    ASSERT_TRUE(load_calibration_command(menu));
    EXPECT_EQ(calibration_data.recovery_tables.response_factor[9][0], kNotSet);
    EXPECT_EQ(ui.open_requests.back().filter, "Calibration file(*.cal)|*.cal");
    for (MenuItem on : {Calibrate1, Quantitation1, Review1, PrintCalib, CheckCalibration})
        EXPECT_TRUE(menu.enabled(on));
    for (MenuItem off : {RunCalibration, UpdateLibrary1, CreateSurrogates1, OpenSurrogateFile1,
                         EditSurrogatesFile})
        EXPECT_FALSE(menu.enabled(off));
    EXPECT_EQ(menu.caption(OpenCalibrationFile1),
              "Open Calibration File... --> DEMO_CALIBRATION.CAL");
    EXPECT_EQ(menu.caption(EditSurrogatesFile),
              "Edit Internal Standard File... --> DEMO_INTERNAL_STANDARDS.INI");
    EXPECT_EQ(method_data.surrogate_file_loaded, 0);  // so Calibration > New stays off
    EXPECT_EQ(calibration_data.calibration_loaded, 1);
    EXPECT_EQ(main_flags.CalibrationFromFile, 1);
    EXPECT_EQ(calibration_data.standard_count, 6);
    EXPECT_EQ(method_data.compound_count, 62);
    EXPECT_EQ(method_data.surrogate_count, 11);
    EXPECT_EQ(method_data.library_saved[61].name, method_data.library[61].name);
    EXPECT_EQ(folder_settings.slot[kLibraryTextFileSlot], "demo_library.txt");
    EXPECT_EQ(file_setting("calibrationPath"),
              to_upper(folder_of(example_file("demo_calibration.cal"))));
}

// A cancelled dialog and a file that cannot be read both leave the calibration that was
// loaded in use: its tables, its flags and the menus that reach it.
TEST_F(CalibrationCommandsTest, AFailedOrCancelledLoadKeepsTheCalibrationThatWasLoaded) {
    ui.open_returns(example_file("demo_calibration.cal"));
    ASSERT_TRUE(load_calibration_command(menu));
    const double rf = calibration_data.recovery_tables.response_factor[0][0];
    const std::string level = calibration_data.level_names[0];
    method_data.category_thresholds.svc = 170.0;
    check_state.continuing_check_active = 1;

    ui.open_returns(std::nullopt);
    EXPECT_FALSE(load_calibration_command(menu));
    EXPECT_EQ(method_data.category_thresholds.svc, 170.0);
    EXPECT_EQ(check_state.continuing_check_active, 1);

    ui.open_returns(folder.write("bad.cal", "not a calibration\n"));
    ui.expect_message("Quantilyzer: 03006");
    EXPECT_FALSE(load_calibration_command(menu));
    EXPECT_EQ(calibration_data.recovery_tables.response_factor[0][0], rf);
    EXPECT_EQ(calibration_data.level_names[0], level);
    EXPECT_EQ(calibration_data.standard_count, 6);
    EXPECT_EQ(method_data.compound_count, 62);
    EXPECT_EQ(calibration_data.calibration_loaded, 1);
    EXPECT_EQ(method_data.category_thresholds.svc, 170.0);
    EXPECT_EQ(check_state.continuing_check_active, 1);
    EXPECT_EQ(calibration_data.calibration_file_name, example_file("demo_calibration.cal"));
    for (MenuItem on : {Calibrate1, Quantitation1, Review1, PrintCalib, CheckCalibration})
        EXPECT_TRUE(menu.enabled(on));
    EXPECT_EQ(menu.caption(OpenCalibrationFile1),
              "Open Calibration File... --> DEMO_CALIBRATION.CAL");
}

TEST_F(CalibrationCommandsTest, NewCalibrationConfirmsTheInternalStandardFile) {
    calibration_data.standard_count = 4;
    calibration_data.standard_results_ini[3] = "/r/old.ini";
    calibration_data.calibration_file_name = "/cal/old.cal";
    method_data.surrogate_file_path = "/is/demo.ini";  // no internal standards on either side: in step
    calibration_data.level_names[0] = "Amount1";
    // Two variables need 3 first-pass internal standards: New is refused with the grouping message.
    ui.expect_message("There must be at least 3 compounds for First Pass");
    EXPECT_FALSE(new_calibration_command());
    EXPECT_EQ(method_data.surrogate_limits_invalid, 1);
    // A refused or cancelled New leaves the calibration as it was.
    auto expect_kept = [] {
        EXPECT_EQ(calibration_data.standard_count, 4);
        EXPECT_EQ(calibration_data.standard_results_ini[3], "/r/old.ini");
        EXPECT_EQ(calibration_data.calibration_file_name, "/cal/old.cal");
        EXPECT_EQ(calibration_data.level_names[0], "Amount1");
    };
    expect_kept();

    method_data.variable_mode.one_variable_mode = method_data.variable_mode.bp_variable_chosen = 1;  // no BP group: nothing to refuse
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(new_calibration_command());
    EXPECT_EQ(ui.last_message().text,
              "Calibrating with the internal standard file: \n/is/demo.ini\n\nIf this is not "
              "correct, 'Cancel' and "
              "load the proper file.");
    EXPECT_EQ(ui.last_message().caption, "Surrogate File");
    expect_kept();
    ui.answer(Answer::Ok);
    EXPECT_TRUE(new_calibration_command());
    EXPECT_EQ(calibration_data.standard_count, 0);
    EXPECT_EQ(calibration_data.standard_results_ini[3], "");
    EXPECT_EQ(calibration_data.calibration_file_name, "");
    EXPECT_EQ(calibration_data.level_names[0], "");  // the review's data starts empty
}

}  // namespace
