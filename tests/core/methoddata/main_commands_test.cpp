#include "program/main_commands.h"

#include <gtest/gtest.h>

#include "main_window_start.h"
#include "methoddata/editor_state.h"
#include "methoddata/program_paths.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "scripted_ui.h"
#include "test_files.h"
#include "program/program_state.h"

namespace {

using enum MenuItem;

class MainCommands : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        start_main_window_in(menu, folder.path());
        // Method data of an earlier load that Load Library must clear.
        method_data.library[0].name = "Old";
        method_data.library_saved[0].name = "Old";
        method_data.surrogates[0].name = "Old IS";
        method_data.surrogate_file_path = "/surrogates/OLD.INI";
        method_data.surrogate_file_loaded = 1;
        method_data.surrogate_range_limits.MinBP = 40.0;
        main_flags.NewLibraryMode = 1;
        main_flags.CalibrationFromFile = 1;
    }

    ScriptedUi ui;
    TempFolder folder;
    MainMenuState menu;
};

TEST_F(MainCommands, StartSetsTheVersionTheFlagsAndTheInstallFolder) {
    construct_method_data();
    main_flags.DelimitedReports = 0;
    main_flags.BatchReport = 0;
    MainMenuState m;
    start_main_form(m);
    EXPECT_EQ(method_data.library_version, "Version 4.2");
    EXPECT_EQ(main_flags.DelimitedReports, 1);
    EXPECT_EQ(main_flags.BatchReport, 1);
    EXPECT_FALSE(m.enabled(UpdateLibrary1));
    std::string expected = install_path_setting().empty() ? executable_folder() : install_path_setting();
    EXPECT_EQ(join_path(program_paths.install_path, ""), join_path(expected, ""));
    EXPECT_EQ(folder_settings.slot[kInstallFolderSlot], join_path(expected, ""));
}

TEST_F(MainCommands, LoadLibraryReadsTheFileAndRecordsItUpperCased) {
    std::string file = example_file("demo_library.txt");
    ui.open_returns(file);
    load_library_command(menu);
    ASSERT_EQ(method_data.library_loaded, 1);
    EXPECT_GT(method_data.compound_count, 40);
    EXPECT_EQ(method_data.library_saved[method_data.compound_count - 1].name, method_data.library[method_data.compound_count - 1].name);
    EXPECT_EQ(folder_settings.slot[kLibraryTextFileSlot], file);
    EXPECT_EQ(folder_settings.slot[kFilePathSlot], method_data.library_ini_path);
    EXPECT_EQ(file_setting("filePath"), to_upper(up_to_last_dot(file)) + ".INI");
    EXPECT_EQ(menu.caption(UpdateLibrary1), "Edit Library... --> DEMO_LIBRARY.TXT");
    EXPECT_TRUE(menu.enabled(OpenSurrogateFile1));
    EXPECT_EQ(main_flags.NewLibraryMode, 0);
    EXPECT_EQ(main_flags.CalibrationFromFile, 0);
    EXPECT_EQ(method_data.surrogate_range_limits.MinBP, kNotSet);
    EXPECT_EQ(method_data.surrogates[0].name, kDummyName);
    // The records it reset came from a file that is no longer in memory.
    EXPECT_EQ(method_data.surrogate_file_path, "");
    EXPECT_EQ(method_data.surrogate_file_loaded, 0);
}

TEST_F(MainCommands, LoadLibraryStartsInTheFolderOfTheLastLibrary) {
    folder.write("lib/x.txt", "");
    folder.write("5847file_standalone.ini", "[File]\nfilePath=" + to_upper(folder.path()) + "/LIB/X.INI\n");
    EXPECT_EQ(library_start_folder(), to_upper(folder.path()) + "/LIB");
    folder.write("5847file_standalone.ini", "[File]\nfilePath=installPath\n");
    EXPECT_EQ(library_start_folder(), program_paths.program_folder);
    EXPECT_EQ(folder_settings.slot[kLibraryStartFolderSlot], program_paths.program_folder);

    ui.open_returns(std::nullopt);
    load_library_command(menu);
    EXPECT_EQ(ui.open_requests.at(0).start_folder, program_paths.program_folder);
    EXPECT_EQ(ui.open_requests.at(0).filter, "Library Text Compound files (*.txt)|*.txt");
}

// A cancelled dialog and a refused file change nothing: the tables, the limits, the menus,
// the remembered library and the settings file stay as they were.
TEST_F(MainCommands, CancelledOrRefusedLoadChangesNothing) {
    ui.open_returns(example_file("demo_library.txt"));
    load_library_command(menu);
    ASSERT_EQ(method_data.library_loaded, 1);
    const std::string recorded = file_setting("filePath");
    const int compounds = method_data.compound_count;
    method_data.surrogates[0].name = "Loaded IS";
    method_data.surrogate_file_path = "/surrogates/LOADED.INI";
    method_data.surrogate_range_limits.MinBP = 40.0;

    ui.expect_message("Quantilyzer: 06003-1");
    ui.expect_message("is not a compound library");
    const std::optional<std::string> choices[] = {std::nullopt,
                                                  folder.write("bad.txt", "COMPOUND LIBRARY;a;b;c;d;e\n"),
                                                  folder.write("set.ini", "[compound1]\nname=Acetone-d6\n")};
    for (const auto& choice : choices) {
        const MainMenuState before = menu;
        const MethodData whole = method_data;
        ui.open_returns(choice);
        load_library_command(menu);
        SCOPED_TRACE(choice.value_or("cancelled"));
        EXPECT_TRUE(method_data == whole) << "a member of the method data was left changed";
        EXPECT_EQ(method_data.library_loaded, 1);
        EXPECT_EQ(method_data.compound_count, compounds);
        EXPECT_EQ(method_data.library[0].name, method_data.library_saved[0].name);
        EXPECT_NE(method_data.library[0].name, kDummyName);
        EXPECT_EQ(method_data.surrogates[0].name, "Loaded IS");
        EXPECT_EQ(method_data.surrogate_file_path, "/surrogates/LOADED.INI");
        EXPECT_EQ(method_data.surrogate_range_limits.MinBP, 40.0);
        EXPECT_EQ(folder_settings.slot[kLibraryTextFileSlot], example_file("demo_library.txt"));
        EXPECT_EQ(file_setting("filePath"), recorded);
        for (int i = 0; i < kMenuItemCount; ++i) {
            auto item = static_cast<MenuItem>(i);
            EXPECT_EQ(menu.enabled(item), before.enabled(item)) << menu.item(item).name;
            EXPECT_EQ(menu.caption(item), before.caption(item)) << menu.item(item).name;
        }
    }
}

TEST_F(MainCommands, EditLibraryReadsTheLastLibraryAgain) {
    ui.open_returns(example_file("demo_library.txt"));
    load_library_command(menu);
    method_data.library[0].name = "Changed in memory";
    method_data.library_saved[0].name = "Changed in memory";
    editor_state.variables_changed = 1;
    editor_state.current_record = 5;
    ASSERT_TRUE(edit_library_command());
    EXPECT_NE(method_data.library[0].name, "Changed in memory");
    EXPECT_EQ(method_data.library_saved[0].name, method_data.library[0].name);
    EXPECT_EQ(editor_state.variables_changed, 0);
    EXPECT_EQ(editor_state.current_record, 0);
}

// Printer Setup: only a printer chosen lets the printouts that need one run.
TEST_F(MainCommands, PrinterSetupCountsOnlyAChosenPrinter) {
    main_flags.PrinterSelected = 0;
    ui.printer_dialog_returns(false);
    EXPECT_FALSE(choose_printer_command());
    EXPECT_EQ(main_flags.PrinterSelected, 0);
    ui.printer_dialog_returns(true);
    EXPECT_TRUE(choose_printer_command());
    EXPECT_EQ(main_flags.PrinterSelected, 1);
}

}  // namespace
