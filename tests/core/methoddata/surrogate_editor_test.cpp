#include "methoddata/surrogate_editor.h"

#include <gtest/gtest.h>

#include <cmath>

#include "methoddata/editor_state.h"
#include "methoddata/program_paths.h"
#include "methoddata/surrogate_file.h"
#include "methoddata/surrogate_range_limits.h"
#include "platform/errors.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "scripted_ui.h"
#include "../surrogate_fixtures.h"
#include "test_files.h"
#include "program/program_state.h"

namespace {

// The two-group records; their default limits: MinBP 40, MaxBP 115, MinRVW 1, MaxRVW e^5.5.
class SurrogateEditor : public ::testing::Test {
  protected:
    void SetUp() override {
        construct_method_data();
        add_two_group_records();
        for (int q = 0; q < method_data.surrogate_count; ++q) method_data.surrogates[q].LibCmpndNum = q + 1;

        program_paths.data_root_folder = temp.path();
        make_folders(save_folder());
        method_data.surrogate_file_path = temp.file("LOADED.INI");
        IniFile file;
        file.set_path(method_data.surrogate_file_path);
        write_surrogate_file(method_data.surrogate_count, file, method_data.surrogates);
        loaded_text = read_file_text(method_data.surrogate_file_path);
        method_data.surrogate_range_limits = {45.0, 110.0, 1.5, 200.0};  // as a file may hold them
        limits_measured_on_records();                          // as its load does

        method_data.surrogates_saved = method_data.surrogates;  // as Edit Internal Standard File does
        begin_surrogate_editing();
    }
    std::string save_folder() const { return temp.path() + "/5847dir/Surrogates"; }
    std::string saved(const std::string& name) const { return save_folder() + "/" + name; }

    TempFolder temp;
    ScriptedUi ui;
    std::string loaded_text;
};

TEST_F(SurrogateEditor, ModifiedCountsFlagsLimitMarksAndLimitsButNotNames) {
    EXPECT_EQ(surrogates_modified(false), 0);
    EXPECT_EQ(surrogates_modified(true), 1);

    struct Change {
        const char* what;
        void (*apply)();
        int modified;
    } changes[] = {
        {"rv group", [] { method_data.surrogates[2].rvwgroup[5] = 1; }, 1},
        {"bp group", [] { method_data.surrogates[9].bpgroup[0] = 1; }, 1},
        {"first pass", [] { method_data.surrogates[0].first_pass = 1; }, 1},
        {"checked", [] { method_data.surrogates[4].checked_surrogate = 1; }, 1},
        {"limit", [] { method_data.surrogate_range_limits.MaxBP = 111.0; }, 1},
        {"volatile threshold", [] { method_data.category_thresholds.vcs = 150.0; }, 1},
        {"non-purgeable threshold", [] { method_data.category_thresholds.n_pvcsLn = 90.0; }, 1},
        {"a threshold the file does not keep", [] { method_data.category_thresholds.svcLn = 5.0; }, 0},
        {"name", [] { method_data.surrogates[1].name = "Renamed"; }, 0},
        {"record past the count", [] { method_data.surrogates[method_data.surrogate_count].first_pass = 1; }, 0},
    };
    for (const Change& c : changes) {
        const SurrogateTable before = method_data.surrogates;
        const SurrogateRangeLimits limits = method_data.surrogate_range_limits;
        const CategoryThresholds thresholds = method_data.category_thresholds;
        c.apply();
        EXPECT_EQ(surrogates_modified(false), c.modified) << c.what;
        method_data.surrogates = before;
        method_data.surrogate_range_limits = limits;
        method_data.category_thresholds = thresholds;
    }
}

TEST_F(SurrogateEditor, CopyAndFindWorkOnTheRecordsInUse) {
    SurrogateTable copy{};
    method_data.surrogates[method_data.surrogate_count].name = "beyond";
    copy_surrogate_records(method_data.surrogates, copy);
    EXPECT_EQ(copy[3].name, "S4");
    EXPECT_EQ(copy[3].bpgroup, method_data.surrogates[3].bpgroup);
    EXPECT_DOUBLE_EQ(copy[3].rvw, method_data.surrogates[3].rvw);
    EXPECT_EQ(copy[method_data.surrogate_count].name, "DUMMY");

    method_data.library[4].name = "S2";  // found by name, whatever its record number
    EXPECT_EQ(find_surrogate_by_library_number(5), 1);
    EXPECT_EQ(find_surrogate_by_library_number(0), -1);
    EXPECT_EQ(find_surrogate_by_library_number(method_data.compound_count + 1), -1);
}

TEST_F(SurrogateEditor, TheCounterChoosesTheRecord) {
    EXPECT_EQ(record_of_counter(""), -1);
    EXPECT_EQ(record_of_counter(" 3 "), 2);
    EXPECT_EQ(record_of_counter("0"), -1);
    EXPECT_EQ(record_of_counter("11"), -1);  // no write past the records
    EXPECT_THROW(record_of_counter("3a"), ConversionError);

    EXPECT_EQ(counter_target("3", 2), -1);  // the shown one: no move
    EXPECT_EQ(counter_target("4", 2), 3);
    EXPECT_EQ(counter_target("-7", 2), 0);
    EXPECT_EQ(counter_target("99", 2), 9);
    EXPECT_THROW(counter_target("", 2), ConversionError);
}

TEST_F(SurrogateEditor, SetLimitsRefusesFailingGroupings) {
    method_data.surrogates[7].first_pass = 0;  // two first-pass standards
    method_data.surrogates[6].bpgroup[1] = 0;  // BP group 2 of two
    ui.expect_message("There must be");
    EXPECT_FALSE(set_limits_command());
    EXPECT_EQ(ui.last_message().text,
              "There must be at least 3 compounds for First Pass \nThere must be at least 3 "
              "compounds for Boiling Point Group 2\n\n\tQuantilyzer: 16001 - Please Edit your "
              "Surrogate file and adjust the groupings");
    EXPECT_EQ(ui.last_message().caption, "Error");
    EXPECT_EQ(editor_state.grouping_error, 1);

    method_data.variable_mode.one_variable_mode = 1;  // RV alone: no first-pass or BP rule
    method_data.variable_mode.rvw_variable_chosen = 1;
    EXPECT_TRUE(set_limits_command());
    EXPECT_EQ(editor_state.grouping_error, 0);
}

TEST_F(SurrogateEditor, SetLimitsForgetsLimitsOnlyWhenTheGroupingsChanged) {
    method_data.user_limits_applied = 1;
    EXPECT_TRUE(set_limits_command());
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinBP, 45.0);

    method_data.surrogates[0].checked_surrogate = 1;  // moves no group band
    EXPECT_TRUE(set_limits_command());
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinBP, 45.0);

    // A BP group moves the BP bands only: the RV limits stay, an rvw then moves them too.
    method_data.surrogates[0].bpgroup[1] = 1;
    EXPECT_TRUE(set_limits_command());
    EXPECT_TRUE(is_not_set(method_data.surrogate_range_limits.MinBP));
    EXPECT_TRUE(is_not_set(method_data.surrogate_range_limits.MaxBP));
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinRVW, 1.5);
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MaxRVW, 200.0);
    EXPECT_EQ(method_data.user_limits_applied, 0);
    method_data.surrogate_range_limits.MinBP = 42.0;
    method_data.surrogates[6].rvw = std::exp(7.0);
    EXPECT_TRUE(set_limits_command());
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinBP, 42.0);
    EXPECT_TRUE(is_not_set(method_data.surrogate_range_limits.MinRVW));
    EXPECT_TRUE(is_not_set(method_data.surrogate_range_limits.MaxRVW));
    method_data.surrogates[1].first_pass = 1;  // the first pass moves both
    EXPECT_TRUE(set_limits_command());
    EXPECT_TRUE(is_not_set(method_data.surrogate_range_limits.MinBP));

    // Limits applied after that survive the next Set Limits; the change is still one to save.
    method_data.surrogate_range_limits.MinBP = 41.0;
    EXPECT_TRUE(set_limits_command());
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinBP, 41.0);
    EXPECT_EQ(surrogates_modified(false), 1);
}

TEST_F(SurrogateEditor, SaveAsWritesTheWholeFileAndMakesItTheFileInUse) {
    ui.save_returns(saved("copy"));
    EXPECT_TRUE(save_as_surrogate_command());
    const FileDialogRequest& request = ui.save_requests.back();
    EXPECT_EQ(request.start_folder, save_folder());
    EXPECT_EQ(request.filter, "Surrogate files (*.ini)|*.ini");
    EXPECT_EQ(method_data.surrogate_file_written, 1);
    EXPECT_EQ(method_data.surrogate_file_path, saved("copy.ini"));  // its groupings are those in memory

    IniFile file;
    ASSERT_TRUE(file.load(saved("copy.ini")));
    EXPECT_EQ(file.get_int("header", "number_comps", 0), 10);
    EXPECT_EQ(file.get_string("compound10", "name", ""), "FP3");
    EXPECT_EQ(file.get_int("compound5", "bpgroup2", 0), 1);
    EXPECT_DOUBLE_EQ(file.get_double("CheckSurrLimits", "LinearVCS", 0), method_data.category_thresholds.vcs);
    EXPECT_TRUE(file.has_key("CheckSurrLimits", "LnNPVCS"));

    // A name ending in ".ini" keeps its own ending; a refused save leaves the file in use.
    ui.save_returns(saved("MINE.INI"));
    EXPECT_TRUE(save_as_surrogate_command());
    EXPECT_TRUE(file_exists(saved("MINE.INI")));
    ui.save_returns(std::nullopt);
    EXPECT_FALSE(save_as_surrogate_command());
    EXPECT_EQ(method_data.surrogate_file_path, saved("MINE.INI"));
}

// Save As and Exit's save write the same limits: those in memory while the records they
// were measured on stand (a file's own limits come back as it held them), each variable's
// group defaults once its groups, the first-pass flags or its property moved, unless the
// analyst applied limits; a limit not set takes its default.
TEST_F(SurrogateEditor, BothSavesKeepTheLimitsUntilTheGroupsMoveUnderThem) {
    const SurrogateRangeLimits held{45.0, 110.0, 1.5, 200.0};
    const SurrogateRangeLimits defaults{40.0, 115.0, 1.0, std::exp(5.5)};
    struct Case {
        const char* what;
        void (*edit)();
        u8 applied;
        SurrogateRangeLimits written;
    };
    const Case cases[] = {
        {"nothing edited", [] {}, 0, held},
        {"checked flag", [] { method_data.surrogates[1].checked_surrogate = 1; }, 0, held},
        {"a limit not set", [] { method_data.surrogate_range_limits.MaxRVW = kNotSet; }, 0, {45.0, 110.0, 1.5, std::exp(5.5)}},
        {"bp group", [] { method_data.surrogates[4].bpgroup[0] = 1; }, 0, {40.0, 115.0, 1.5, 200.0}},
        {"first pass", [] { method_data.surrogates[0].first_pass = 1; }, 0, {50.0, 115.0, 1.0, std::exp(5.5)}},
        {"a bp the library changed", [] { method_data.surrogates[0].bp = 41.0; }, 0, {41.0, 115.0, 1.5, 200.0}},
        {"an rvw the library changed", [] { method_data.surrogates[6].rvw = std::exp(7.0); }, 0, {45.0, 110.0, 1.0, std::exp(6.0)}},
        {"rv group", [] { method_data.surrogates[2].rvwgroup[1] = 1; }, 0, {45.0, 110.0, 1.0, std::exp(5.5)}},
        {"bp and rv groups", [] { method_data.surrogates[4].bpgroup[0] = method_data.surrogates[2].rvwgroup[1] = 1; }, 0, defaults},
        {"applied, then a group", [] { method_data.surrogates[4].bpgroup[0] = 1; }, 1, held},
    };
    int n = 0;
    ui.allow_any_message = true;  // the grouping check of Exit may complain
    for (const bool exit : {false, true}) {
        for (const Case& c : cases) {
            const std::string name = "limits" + std::to_string(++n);
            SetUp();
            method_data.user_limits_applied = c.applied;
            c.edit();
            if (exit) {
                ui.answer(Answer::Yes);
                ui.save_returns(saved(name));
                ASSERT_TRUE(exit_surrogate_editor_command(true)) << c.what;
            } else {
                ui.save_returns(saved(name));
                ASSERT_TRUE(save_as_surrogate_command()) << c.what;
            }
            IniFile file;
            ASSERT_TRUE(file.load(saved(name + ".ini")));
            const std::string how = std::string(exit ? "Exit: " : "Save As: ") + c.what;
            EXPECT_EQ(file.get_double("Limits", "MinBP", 0), c.written.MinBP) << how;
            EXPECT_EQ(file.get_double("Limits", "MaxBP", 0), c.written.MaxBP) << how;
            EXPECT_EQ(file.get_double("Limits", "MinRVW", 0), c.written.MinRVW) << how;
            EXPECT_NEAR(file.get_double("Limits", "MaxRVW", 0), c.written.MaxRVW, 1e-9) << how;
        }
    }

    // One variable: the limits of the variable in use follow the same rule.
    SetUp();
    method_data.variable_mode.one_variable_mode = 1;
    method_data.variable_mode.bp_variable_chosen = 1;
    method_data.surrogates[2].checked_surrogate = 1;
    ui.answer(Answer::Yes);
    ui.save_returns(saved("one"));
    EXPECT_TRUE(exit_surrogate_editor_command(false));
    IniFile file;
    ASSERT_TRUE(file.load(saved("one.ini")));
    EXPECT_DOUBLE_EQ(file.get_double("Limits", "MinBP", 0), 45.0);
    EXPECT_DOUBLE_EQ(file.get_double("Limits", "MaxBP", 0), 110.0);
}

TEST_F(SurrogateEditor, SaveAsAsksBeforeReplacingAFile) {
    const std::string existing = temp.write("5847dir/Surrogates/OLD.ini", "[keep]\nx=1\n");
    ui.save_returns(saved("OLD"));
    ui.answer(Answer::No);  // another name, please
    ui.save_returns(saved("OLD.ini"));
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(save_as_surrogate_command());
    EXPECT_EQ(ui.messages[0].text, "Overwrite file: " + existing + "?");
    EXPECT_EQ(ui.messages[0].caption, "Warning");
    EXPECT_EQ(ui.save_requests.size(), 2u);
    EXPECT_EQ(read_file_text(existing), "[keep]\nx=1\n");
    EXPECT_EQ(method_data.surrogate_file_written, 0);  // the next Exit asks

    ui.save_returns(saved("OLD.ini"));
    ui.answer(Answer::Yes);
    EXPECT_TRUE(save_as_surrogate_command());
    IniFile file;
    ASSERT_TRUE(file.load(existing));
    EXPECT_EQ(file.get_int("keep", "x", 0), 1);  // what the writers leave alone stays
    EXPECT_EQ(file.get_int("header", "number_comps", 0), 10);
}

TEST_F(SurrogateEditor, ExitWithoutChangesLeavesABackupAndAsksNothing) {
    EXPECT_TRUE(exit_surrogate_editor_command(false));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(read_file_text(temp.file("LOADED.$$$")), loaded_text);

    ui.save_returns(std::nullopt);  // a Save As given up
    EXPECT_FALSE(save_as_surrogate_command());
    ui.answer(Answer::No);
    EXPECT_TRUE(exit_surrogate_editor_command(false));
    EXPECT_EQ(ui.last_message().text, "Would you like to save your changes?");
    EXPECT_EQ(ui.last_message().caption, "Surrogate Library Has Changed");
}

TEST_F(SurrogateEditor, ExitAnsweredNoDiscardsTheSession) {
    method_data.surrogates[0].rvwgroup = {0, 0, 0, 0, 0, 1};
    method_data.surrogates[8].first_pass = 0;  // the grouping check complains, Exit goes on
    method_data.surrogate_range_limits.MinBP = 42.0;
    method_data.user_limits_applied = 1;
    ui.expect_message("There must be at least 3 compounds for First Pass");
    ui.answer(Answer::No);
    EXPECT_TRUE(exit_surrogate_editor_command(false));
    EXPECT_EQ(method_data.surrogates[0].rvwgroup, method_data.surrogates_saved[0].rvwgroup);
    EXPECT_EQ(method_data.surrogates[8].first_pass, 1);
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinBP, 45.0);
    EXPECT_EQ(method_data.user_limits_applied, 0);
    EXPECT_EQ(read_file_text(method_data.surrogate_file_path), loaded_text);
}

// Class thresholds applied in the session are asked about like groupings: No puts them back,
// Yes writes them.
TEST_F(SurrogateEditor, ExitAsksAboutAppliedClassThresholds) {
    method_data.category_thresholds.vcs = 150.0;
    method_data.category_thresholds.svc = 150.0;
    ui.answer(Answer::No);
    EXPECT_TRUE(exit_surrogate_editor_command(false));
    EXPECT_TRUE(ui.saw_message("Would you like to save your changes?"));
    EXPECT_EQ(method_data.category_thresholds.vcs, CategoryThresholds{}.vcs);
    EXPECT_EQ(method_data.category_thresholds.svc, CategoryThresholds{}.svc);

    begin_surrogate_editing();
    method_data.category_thresholds.n_pvcsLn = 90.5;
    ui.answer(Answer::Yes);
    ui.save_returns(saved("classes"));
    EXPECT_TRUE(exit_surrogate_editor_command(false));
    IniFile file;
    ASSERT_TRUE(file.load(saved("classes.ini")));
    EXPECT_EQ(file.get_double("CheckSurrLimits", "LnNPVCS", 0), 90.5);
}

// After Save As the file is the saved state: Exit asks nothing, and a later No goes back to
// what was saved, not to what the session started from.
TEST_F(SurrogateEditor, SaveAsIsTheNewSavedState) {
    method_data.surrogates[1].checked_surrogate = 1;
    method_data.category_thresholds.vcs = 150.0;
    ui.save_returns(saved("new"));
    ASSERT_TRUE(save_as_surrogate_command());
    EXPECT_EQ(surrogates_modified(false), 0);
    EXPECT_TRUE(exit_surrogate_editor_command(false));
    EXPECT_FALSE(ui.saw_message("Would you like to save your changes?"));
    EXPECT_EQ(method_data.surrogates[1].checked_surrogate, 1);

    method_data.surrogates[2].checked_surrogate = 1;
    ui.answer(Answer::No);
    EXPECT_TRUE(exit_surrogate_editor_command(false));
    EXPECT_EQ(method_data.surrogates[1].checked_surrogate, 1);
    EXPECT_EQ(method_data.surrogates[2].checked_surrogate, 0);
    EXPECT_EQ(method_data.category_thresholds.vcs, 150.0);
}

TEST_F(SurrogateEditor, ExitStaysOnCancelAnywhere) {
    method_data.surrogates[1].checked_surrogate = 1;
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(exit_surrogate_editor_command(false));
    ui.answer(Answer::Yes);
    ui.save_returns(std::nullopt);
    EXPECT_FALSE(exit_surrogate_editor_command(false));
    temp.write("5847dir/Surrogates/X.ini", "");
    ui.answer(Answer::Yes);
    ui.save_returns(saved("X"));
    ui.answer(Answer::Cancel);  // do not overwrite X.ini
    EXPECT_FALSE(exit_surrogate_editor_command(false));
    EXPECT_EQ(method_data.surrogates[1].checked_surrogate, 1);  // nothing discarded
}

TEST_F(SurrogateEditor, ExitSavesTheEditsAsTheFileInUse) {
    method_data.surrogates[1].checked_surrogate = 1;
    ui.answer(Answer::Yes);
    ui.save_returns(saved("two"));
    EXPECT_TRUE(exit_surrogate_editor_command(false));
    EXPECT_EQ(method_data.surrogate_file_written, 1);
    EXPECT_EQ(method_data.surrogates_saved[1].checked_surrogate, 1);
    EXPECT_EQ(method_data.surrogate_file_path, saved("two.ini"));
    IniFile file;
    ASSERT_TRUE(file.load(saved("two.ini")));
    EXPECT_EQ(file.get_int("compound2", "checked_surrogate", 0), 1);
}

TEST_F(SurrogateEditor, ExitStaysWhenTheFileCannotBeWritten) {
    method_data.surrogates[1].checked_surrogate = 1;
    ui.answer(Answer::Yes);
    ui.save_returns(temp.path() + "/no such folder/x.ini");
    ui.expect_message("could not be written");
    EXPECT_FALSE(exit_surrogate_editor_command(false));
    EXPECT_EQ(method_data.surrogate_file_written, 0);
    EXPECT_EQ(method_data.surrogates[1].checked_surrogate, 1);
}

TEST(SurrogateBackupPath, ReplacesTheExtensionOfTheFileName) {
    EXPECT_EQ(surrogate_backup_path("/a/b/VOA.INI"), "/a/b/VOA.$$$");
    EXPECT_EQ(surrogate_backup_path("/a/b/VOA.X.INI"), "/a/b/VOA.X.$$$");
    EXPECT_EQ(surrogate_backup_path("/a.d/VOA"), "/a.d/VOA.$$$");
}

}  // namespace
