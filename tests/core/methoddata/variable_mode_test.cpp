#include "methoddata/variable_mode.h"

#include <gtest/gtest.h>

#include "methoddata/editor_state.h"
#include "methoddata/library_text_file.h"
#include "methoddata/tables.h"
#include "platform/text_util.h"
#include "scripted_ui.h"
#include "program/program_state.h"

namespace {

VariableMode two_variables() {
    VariableMode m;
    m.transform_text = "V2";
    m.variable1_label = "RVW";
    m.variable2_label = "BP";
    return m;
}

VariableMode one_variable(bool boiling_point, const std::string& label) {
    VariableMode m = two_variables();
    m.one_variable_mode = 1;
    m.bp_variable_chosen = boiling_point;
    m.rvw_variable_chosen = !boiling_point;
    m.transform_text = boiling_point ? "Linear" : "Ln";
    m.single_variable_label = label;
    return m;
}

class VariableDialog : public ::testing::Test {
protected:
    void SetUp() override { construct_method_data(); }
    ScriptedUi ui;
};

TEST_F(VariableDialog, ShowsTheCurrentMode) {
    struct Case {
        VariableMode mode;
        VariableDialogEntry shown;
    };
    const Case cases[] = {
        {two_variables(), {"RVW", "BP", "2"}},
        {one_variable(true, "Boiling"), {"", "Boiling", "1"}},
        {one_variable(false, "Volatility"), {"Volatility", "", "1"}},
    };
    for (const Case& c : cases) {
        method_data.variable_mode = c.mode;
        VariableDialogEntry e = variable_dialog_entry(method_data.variable_mode);
        EXPECT_EQ(e.var1, c.shown.var1);
        EXPECT_EQ(e.var2, c.shown.var2);
        EXPECT_EQ(e.count_text, c.shown.count_text);
    }
}

TEST_F(VariableDialog, OkSetsTheModeThatTheEntryNames) {
    struct Case {
        VariableDialogEntry entry;
        VariableMode expected;
    };
    VariableMode renamed = two_variables();
    renamed.variable1_label = "Rel. vol.";
    renamed.variable2_label = "b.p.";
    const Case cases[] = {
        {{"", "BP", "1"}, one_variable(true, "BP")},
        {{"RVW", "", "1"}, one_variable(false, "RVW")},
        {{"Rel. vol.", "b.p.", "2"}, renamed},
    };
    for (const Case& c : cases) {
        method_data.variable_mode = two_variables();
        EXPECT_TRUE(apply_variable_dialog_entry(c.entry, false)) << c.entry.var1 << "|" << c.entry.var2;
        VariableMode got = method_data.variable_mode;
        // Labels of the mode not chosen keep their values.
        if (c.expected.one_variable_mode) {
            got.variable1_label = c.expected.variable1_label;
            got.variable2_label = c.expected.variable2_label;
        }
        EXPECT_TRUE(got == c.expected) << c.entry.var1 << "|" << c.entry.var2;
    }
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(editor_state.variables_changed, 0);
}

TEST_F(VariableDialog, AnUnclearEntryIsRefusedAndChangesNothing) {
    struct Case {
        VariableDialogEntry entry;
        const char* message;
        const char* caption;
    };
    const Case cases[] = {
        {{"RVW", "BP", "3"}, "Please enter 1 or 2 variables", "Error"},
        {{"RVW", "BP", ""}, "Please enter 1 or 2 variables", "Error"},
        {{"RVW", "BP", "1"}, "Please enter only one label for variable name", "Warning"},
        {{"RVW", "", "2"}, "Please enter labels for both variables", "Warning"},
        {{"", "BP", "2"}, "Please enter labels for both variables", "Warning"},
        {{"", "", "1"}, "Please enter a variable label", "Warning"},
    };
    for (const VariableMode& start : {two_variables(), one_variable(false, "RVW")}) {
        for (const Case& c : cases) {
            method_data.variable_mode = start;
            ui.expect_message(c.message);
            EXPECT_FALSE(apply_variable_dialog_entry(c.entry, false));
            EXPECT_EQ(ui.last_message().caption, c.caption);
            EXPECT_TRUE(method_data.variable_mode == start) << c.message;
        }
    }
}

TEST_F(VariableDialog, ModifiedLabelsMarkTheVariablesChangedEvenWhenRefused) {
    ui.expect_message("Please enter 1 or 2 variables");
    EXPECT_FALSE(apply_variable_dialog_entry({"RVW", "BP", "x"}, true));
    EXPECT_EQ(editor_state.variables_changed, 1);
}

// What the dialog sets is what the library header carries and reads back.
TEST_F(VariableDialog, EveryModeSetHereSurvivesTheLibraryHeader) {
    method_data.library_version = "Version 4.2";
    for (const VariableDialogEntry& entry :
         {VariableDialogEntry{"", "Boiling", "1"}, {"Volatility", "", "1"}, {"RV", "BP2", "2"}}) {
        method_data.variable_mode = two_variables();
        ASSERT_TRUE(apply_variable_dialog_entry(entry, false));
        VariableMode set = method_data.variable_mode;
        std::string header = split(format_library_text(0, method_data.library), '\n')[0];
        construct_method_data();
        ASSERT_TRUE(parse_library_header(header)) << header;
        VariableMode read = method_data.variable_mode;
        // What a header does not carry: the other mode's labels, the two-variable transform.
        if (set.one_variable_mode) read.variable1_label = set.variable1_label;
        else read.transform_text = set.transform_text, read.single_variable_label = set.single_variable_label;
        EXPECT_TRUE(read == set) << header;
    }
}

TEST(VariableHelp, TheHelpFileIsInTheInstallFolder) {
    construct_method_data();
    folder_settings.slot[kInstallFolderSlot] = "/opt/m5847/";
    EXPECT_EQ(variable_help_file(), "/opt/m5847/RHELPFILE.HLP");
}

}  // namespace
