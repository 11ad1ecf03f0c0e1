#include "menu/main_menu.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using enum MenuItem;

// The items of the File, Calibration and Quantitation menus whose state changes with the stages.
const std::vector<MenuItem> staged_items = {UpdateLibrary1,   CreateSurrogates1, OpenSurrogateFile1, EditSurrogatesFile,
                                            CopySurrogateFile, CreateEditMDLFile2, Calibrate1,        RunCalibration,
                                            Review1,           PrintCalib,        CheckCalibration,   Quantitation1};

std::vector<MenuItem> enabled_of(const MainMenuState& m, const std::vector<MenuItem>& items) {
    std::vector<MenuItem> on;
    for (MenuItem i : items)
        if (m.enabled(i)) on.push_back(i);
    return on;
}

std::vector<MenuItem> always_on() {
    return {CreateNewLibrary1, OpenLibraryMenu, OpenCalibrationFile1, Exit1, Settings1, Delimited1, Semic1,
            Help1,             HelpTopic,       About1};
}

MainMenuState started() {
    MainMenuState m;
    m.at_start();
    return m;
}

TEST(MainMenu, StartStageLeavesOnlyTheLoadCommandsSettingsAndHelp) {
    MainMenuState m = started();
    EXPECT_TRUE(enabled_of(m, staged_items).empty());
    EXPECT_EQ(enabled_of(m, always_on()), always_on());
    EXPECT_TRUE(m.item(Delimited1).checked);
    EXPECT_FALSE(m.item(Semic1).checked);
}

TEST(MainMenu, LibraryStageOpensTheLibraryAndInternalStandardCommands) {
    MainMenuState m = started();
    m.after_library_loaded("/home/ana/5847dir/Library/demo_library.txt");
    EXPECT_EQ(enabled_of(m, staged_items),
              (std::vector<MenuItem>{UpdateLibrary1, CreateSurrogates1, OpenSurrogateFile1, CreateEditMDLFile2}));
    EXPECT_EQ(m.caption(UpdateLibrary1), "Edit Library... --> DEMO_LIBRARY.TXT");
    EXPECT_EQ(m.caption(OpenCalibrationFile1), "Open Calibration File...");
    EXPECT_EQ(m.caption(EditSurrogatesFile), "Edit Internal Standard File...");
}

// Groupings broken or mended after the load (in the editor) close or open Calibration,
// but only over an internal-standard file that was found in step.
TEST(MainMenu, CalibrationFollowsTheGroupingsInMemory) {
    MainMenuState m = started();
    m.after_library_loaded("/x/lib.txt");
    m.after_surrogate_file_loaded("/x/set1.ini");
    m.after_surrogate_file_in_step(false);
    m.on_calibration_menu_opened(true, true);
    ASSERT_TRUE(m.enabled(Calibrate1) && m.enabled(RunCalibration));
    m.follow_groupings(false);
    EXPECT_FALSE(m.enabled(Calibrate1) || m.enabled(RunCalibration));
    m.on_calibration_menu_opened(true, true);
    EXPECT_FALSE(m.enabled(RunCalibration));
    m.follow_groupings(true);
    m.on_calibration_menu_opened(true, true);
    EXPECT_TRUE(m.enabled(Calibrate1) && m.enabled(RunCalibration));

    m.after_surrogate_file_loaded("/x/set2.ini");
    m.after_surrogate_file_out_of_step();
    m.follow_groupings(true);
    EXPECT_FALSE(m.enabled(Calibrate1));
}

TEST(MainMenu, InternalStandardStageOpensCalibrationOnlyWithValidLimits) {
    for (bool limits_invalid : {false, true}) {
        MainMenuState m = started();
        m.after_library_loaded("/x/lib.txt");
        m.after_surrogate_file_loaded("/x/sets/set1.ini");
        m.after_surrogate_file_in_step(limits_invalid);
        EXPECT_EQ(m.caption(EditSurrogatesFile), "Edit Internal Standard File... --> SET1.INI");
        EXPECT_TRUE(m.enabled(EditSurrogatesFile) && m.enabled(CopySurrogateFile));
        EXPECT_EQ(m.enabled(Calibrate1), !limits_invalid);
        EXPECT_FALSE(m.enabled(RunCalibration));
        m.on_calibration_menu_opened(true, true);
        EXPECT_EQ(m.enabled(RunCalibration), !limits_invalid);
    }
}

TEST(MainMenu, CalibrationStageOpensReviewAndQuantitationAndClosesTheEditors) {
    MainMenuState m = started();
    m.after_library_loaded("/x/lib.txt");
    m.after_calibration_loaded("/cal/Run 7.cal", "/x/sets/set1.ini");
    EXPECT_EQ(enabled_of(m, staged_items),
              (std::vector<MenuItem>{Calibrate1, Review1, PrintCalib, CheckCalibration, Quantitation1}));
    EXPECT_EQ(m.caption(OpenCalibrationFile1), "Open Calibration File... --> RUN 7.CAL");
    EXPECT_EQ(m.caption(EditSurrogatesFile), "Edit Internal Standard File... --> SET1.INI");
    // Load Calibration File clears the internal-standard flag, so New stays off.
    m.on_calibration_menu_opened(true, false);
    EXPECT_FALSE(m.enabled(RunCalibration));
}

TEST(MainMenu, AFailedCalibrationClosesEverythingButTheLoadCommands) {
    MainMenuState m = started();
    m.after_library_loaded("/x/lib.txt");
    m.after_calibration_failed();
    EXPECT_EQ(enabled_of(m, staged_items), std::vector<MenuItem>{});
    EXPECT_EQ(m.caption(UpdateLibrary1), "E&dit Library...");
    EXPECT_EQ(enabled_of(m, always_on()), always_on());
}

TEST(MainMenu, AFileOutOfStepClosesItsCommandsAndTheCalibrationMenu) {
    MainMenuState m = started();
    m.after_library_loaded("/x/lib.txt");
    m.after_surrogate_file_loaded("/x/set1.ini");
    m.after_surrogate_file_in_step(false);
    m.after_surrogate_file_out_of_step();
    EXPECT_FALSE(m.enabled(EditSurrogatesFile) || m.enabled(Calibrate1) || m.enabled(Quantitation1));
}

TEST(MainMenu, ACalibrationSavedUnderANewNameIsNamedOnlyWhileItIsTheLoadedOne) {
    MainMenuState m = started();
    m.after_calibration_loaded("/x/old.cal", "/x/set1.ini");
    m.after_calibration_renamed("/x/new.cal");
    EXPECT_EQ(m.caption(OpenCalibrationFile1), "Open Calibration File... --> NEW.CAL");

    // A calibration built from a library is not loaded: Load Calibration File names nothing.
    m.after_library_loaded("/x/lib.txt");
    m.after_calibration_renamed("/x/built.cal");
    EXPECT_EQ(m.caption(OpenCalibrationFile1), "Open Calibration File...");
}

TEST(MainMenu, AnAmpersandInAFileNameIsShownNotTakenAsAnAccelerator) {
    EXPECT_EQ(loaded_file_caption("Edit Library...", "/x/R&D lib.txt"), "Edit Library... --> R&&D LIB.TXT");
}

}  // namespace
