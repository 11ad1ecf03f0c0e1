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

// The values at program start, and after each load as its command leaves them.
MenuSources at_start() { return MenuSources{}; }

MenuSources library_loaded(const std::string& library_file) {
    MenuSources s;
    s.library_loaded = true;
    s.library_file = library_file;
    return s;
}

MenuSources surrogate_file_loaded(MenuSources s, const std::string& surrogate_file) {
    s.surrogate_file_loaded = true;
    s.surrogate_file = surrogate_file;
    return s;
}

// Load Calibration File over whatever was loaded: the internal-standard flag cleared.
MenuSources calibration_loaded(MenuSources s, const std::string& calibration_file, const std::string& surrogate_file) {
    s.calibration_from_file = true;
    s.surrogate_file_loaded = false;
    s.calibration_file = calibration_file;
    s.surrogate_file = surrogate_file;
    return s;
}

MainMenuState following(const MenuSources& s) {
    MainMenuState m;
    m.follow(s);
    return m;
}

// A file loaded and found in step by its load.
MainMenuState in_step(const MenuSources& s) {
    MainMenuState m;
    m.surrogate_file_checked(SurrogateSync::InStep);
    m.follow(s);
    return m;
}

TEST(MainMenu, StartStageLeavesOnlyTheLoadCommandsSettingsAndHelp) {
    MainMenuState m = following(at_start());
    EXPECT_TRUE(enabled_of(m, staged_items).empty());
    EXPECT_EQ(enabled_of(m, always_on()), always_on());
    EXPECT_TRUE(m.item(Delimited1).checked);
    EXPECT_FALSE(m.item(Semic1).checked);
    EXPECT_EQ(m.caption(UpdateLibrary1), "E&dit Library");
    EXPECT_EQ(m.caption(EditSurrogatesFile), "&Edit Internal Standard File");
    EXPECT_EQ(m.caption(OpenCalibrationFile1), "Lo&ad Calibration File");
}

TEST(MainMenu, LibraryStageOpensTheLibraryAndInternalStandardCommands) {
    MainMenuState m = following(library_loaded("/home/ana/5847dir/Library/demo_library.txt"));
    EXPECT_EQ(enabled_of(m, staged_items),
              (std::vector<MenuItem>{UpdateLibrary1, CreateSurrogates1, OpenSurrogateFile1, CreateEditMDLFile2}));
    EXPECT_EQ(m.caption(UpdateLibrary1), "Edit Library... --> DEMO_LIBRARY.TXT");
    EXPECT_EQ(m.caption(OpenCalibrationFile1), "Open Calibration File...");
    EXPECT_EQ(m.caption(EditSurrogatesFile), "Edit Internal Standard File...");
}

// Groupings broken or mended after the load (in the editor) close or open Calibration and
// its New, but only over an internal-standard file that was found in step.
TEST(MainMenu, CalibrationFollowsTheGroupingsInMemory) {
    MenuSources s = surrogate_file_loaded(library_loaded("/x/lib.txt"), "/x/set1.ini");
    MainMenuState m = in_step(s);
    ASSERT_TRUE(m.enabled(Calibrate1) && m.enabled(RunCalibration));
    s.groupings_valid = false;
    m.follow(s);
    EXPECT_FALSE(m.enabled(Calibrate1) || m.enabled(RunCalibration));
    s.groupings_valid = true;
    m.follow(s);
    EXPECT_TRUE(m.enabled(Calibrate1) && m.enabled(RunCalibration));

    // A file whose load found it out of step.
    m.surrogate_file_checked(SurrogateSync::NotInStep);
    m.follow(surrogate_file_loaded(s, "/x/set2.ini"));
    EXPECT_FALSE(m.enabled(Calibrate1) || m.enabled(RunCalibration));
    EXPECT_TRUE(m.enabled(EditSurrogatesFile) && m.enabled(CopySurrogateFile));
    EXPECT_EQ(m.caption(EditSurrogatesFile), "Edit Internal Standard File... --> SET2.INI");
}

TEST(MainMenu, InternalStandardStageOpensCalibrationOnlyWithValidGroupings) {
    for (bool groupings_valid : {true, false}) {
        MenuSources s = surrogate_file_loaded(library_loaded("/x/lib.txt"), "/x/sets/set1.ini");
        s.groupings_valid = groupings_valid;
        MainMenuState m = in_step(s);
        EXPECT_EQ(m.caption(EditSurrogatesFile), "Edit Internal Standard File... --> SET1.INI");
        EXPECT_TRUE(m.enabled(EditSurrogatesFile) && m.enabled(CopySurrogateFile));
        EXPECT_EQ(m.enabled(Calibrate1), groupings_valid);
        EXPECT_EQ(m.enabled(RunCalibration), groupings_valid);
        EXPECT_FALSE(m.enabled(Quantitation1) || m.enabled(Review1));
    }
}

// A file saved under a new name in the editor is the one Edit Internal Standard File names;
// a library saved under a new name is the one Edit Library names.
TEST(MainMenu, TheCaptionsNameTheFilesInUse) {
    MenuSources s = surrogate_file_loaded(library_loaded("/x/lib.txt"), "/x/set1.ini");
    MainMenuState m = in_step(s);
    s.surrogate_file = "/y/renamed.ini";
    s.library_file = "/y/lib2.txt";
    m.follow(s);
    EXPECT_EQ(m.caption(EditSurrogatesFile), "Edit Internal Standard File... --> RENAMED.INI");
    EXPECT_EQ(m.caption(UpdateLibrary1), "Edit Library... --> LIB2.TXT");
}

TEST(MainMenu, CalibrationStageOpensReviewAndQuantitationAndClosesTheEditors) {
    MenuSources s = surrogate_file_loaded(library_loaded("/x/lib.txt"), "/x/sets/set0.ini");
    MainMenuState m = in_step(s);
    s = calibration_loaded(s, "/cal/Run 7.cal", "/x/sets/set1.ini");
    s.library_file = "/x/LIB.INI";  // the calibration load names the library's INI file
    m.follow(s);
    EXPECT_EQ(enabled_of(m, staged_items),
              (std::vector<MenuItem>{Calibrate1, Review1, PrintCalib, CheckCalibration, Quantitation1}));
    EXPECT_EQ(m.caption(OpenCalibrationFile1), "Open Calibration File... --> RUN 7.CAL");
    EXPECT_EQ(m.caption(EditSurrogatesFile), "Edit Internal Standard File... --> SET1.INI");
    // Edit Library, off, still names the library that was in use.
    EXPECT_EQ(m.caption(UpdateLibrary1), "Edit Library... --> LIB.TXT");
    // Load Calibration File clears the internal-standard flag, so New stays off.
    EXPECT_FALSE(m.enabled(RunCalibration));

    // A calibration loaded before any library: Edit Library keeps its first caption.
    EXPECT_EQ(following(calibration_loaded(at_start(), "/x/a.cal", "/x/set1.ini")).caption(UpdateLibrary1),
              "E&dit Library");
}

TEST(MainMenu, AFileOutOfStepClosesItsCommandsAndTheCalibrationMenu) {
    const MenuSources s = surrogate_file_loaded(library_loaded("/x/lib.txt"), "/x/set1.ini");
    MainMenuState m = in_step(s);
    m.surrogate_file_checked(SurrogateSync::EditorFoundOut);
    m.follow(s);
    EXPECT_FALSE(m.enabled(EditSurrogatesFile) || m.enabled(CopySurrogateFile) || m.enabled(Calibrate1) ||
                 m.enabled(RunCalibration) || m.enabled(Quantitation1));
    EXPECT_EQ(m.caption(EditSurrogatesFile), "Edit Internal Standard File...");
}

TEST(MainMenu, ACalibrationSavedUnderANewNameIsNamedOnlyWhileItIsTheLoadedOne) {
    MenuSources s = calibration_loaded(at_start(), "/x/old.cal", "/x/set1.ini");
    MainMenuState m = following(s);
    s.calibration_file = "/x/new.cal";
    m.follow(s);
    EXPECT_EQ(m.caption(OpenCalibrationFile1), "Open Calibration File... --> NEW.CAL");

    // A calibration built from a library is not loaded: Load Calibration File names nothing.
    s = library_loaded("/x/lib.txt");
    s.calibration_file = "/x/built.cal";
    m.follow(s);
    EXPECT_EQ(m.caption(OpenCalibrationFile1), "Open Calibration File...");
}

// A library loaded over a calibration closes the calibration stage and opens its own; its
// internal-standard commands wait for a file loaded over it.
TEST(MainMenu, ALibraryLoadedOverACalibrationOpensTheLibraryStage) {
    MenuSources s = calibration_loaded(at_start(), "/x/old.cal", "/x/set1.ini");
    MainMenuState m = in_step(s);
    s = library_loaded("/x/lib.txt");
    s.surrogate_file = "/x/set1.ini";
    m.follow(s);
    const MainMenuState fresh = following(library_loaded("/x/lib.txt"));
    for (int i = 0; i < kMenuItemCount; ++i) {
        const auto item = static_cast<MenuItem>(i);
        EXPECT_EQ(m.item(item), fresh.item(item)) << m.item(item).name;
    }
}

TEST(MainMenu, TheCheckMarksShowTheReportSettings) {
    MenuSources s;
    s.delimited_reports = false;
    s.forms_layout = true;
    const MainMenuState m = following(s);
    EXPECT_FALSE(m.item(Delimited1).checked);
    EXPECT_TRUE(m.item(Semic1).checked);
}

TEST(MainMenu, AnAmpersandInAFileNameIsShownNotTakenAsAnAccelerator) {
    EXPECT_EQ(loaded_file_caption("Edit Library...", "/x/R&D lib.txt"), "Edit Library... --> R&&D LIB.TXT");
}

}  // namespace
