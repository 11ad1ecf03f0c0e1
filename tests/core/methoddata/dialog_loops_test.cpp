#include "methoddata/dialog_loops.h"

#include <gtest/gtest.h>

#include "methoddata/tables.h"
#include "platform/text_util.h"
#include "scripted_ui.h"
#include "test_files.h"
#include "program/program_state.h"

namespace {

const std::string surrogate_filter = "Surrogate files (*.ini)|*.ini";

class DialogLoops : public ::testing::Test {
protected:
    void SetUp() override { construct_method_data(); }
    ScriptedUi ui;
    TempFolder folder;
    std::string chosen;
};

TEST_F(DialogLoops, OpenTakesAnExistingFileUpperCased) {
    ui.open_returns(folder.path() + "/is/Set1.ini");
    ASSERT_TRUE(open_dialog_loop("/start", chosen, surrogate_filter, ".ini", OpenRequest::ExistingFile));
    EXPECT_EQ(chosen, to_upper(folder.path()) + "/IS/SET1.INI");
    const FileDialogRequest& r = ui.open_requests.at(0);
    EXPECT_EQ(r.title, "Open");
    EXPECT_EQ(r.start_folder, "/start");
    EXPECT_EQ(r.filter, surrogate_filter);
    EXPECT_EQ(r.default_extension, ".INI");
    EXPECT_EQ(r.file_name, "");
    EXPECT_TRUE(r.must_exist);
}

TEST_F(DialogLoops, OpenCancelledChoosesNothing) {
    ui.open_returns(std::nullopt);
    EXPECT_FALSE(open_dialog_loop("F", chosen, surrogate_filter, ".INI", OpenRequest::ExistingFile));
}

TEST_F(DialogLoops, CreateModeReplacesExtensionsAndRefusesAnExistingName) {
    folder.write("OLD.INI", "[Header]\n");
    ui.open_returns(folder.path() + "/old.tmp.txt");  // exists once its extensions are replaced
    ui.expect_message(" already exists.\nPlease enter a new file name.");
    ui.open_returns(folder.path() + "/new.v2.txt");
    ASSERT_TRUE(open_dialog_loop(folder.path(), chosen, surrogate_filter, ".INI", OpenRequest::NewFile));
    EXPECT_EQ(chosen, to_upper(folder.path()) + "/NEW.INI");
    EXPECT_FALSE(ui.open_requests.at(0).must_exist);
    EXPECT_EQ(ui.messages.at(0).text, to_upper(folder.path()) + "/OLD.INI already exists.\nPlease enter a new file name.");
    EXPECT_EQ(ui.messages.at(0).caption, "Open");
}

TEST_F(DialogLoops, CreateModeKeepsADotInAFolderName) {
    ui.open_returns(folder.path() + "/run.2024/newset");
    ASSERT_TRUE(open_dialog_loop(folder.path(), chosen, surrogate_filter, ".INI", OpenRequest::NewFile));
    EXPECT_EQ(chosen, to_upper(folder.path()) + "/RUN.2024/NEWSET.INI");
}

TEST_F(DialogLoops, SaveAsStartsAtTheCurrentFileAndRefusesToOverwriteIt) {
    std::string current = folder.write("Set1.ini", "[Header]\n");
    ui.save_returns(folder.path() + "/set1.bak");  // the current file once ".ini" replaces ".bak"
    ui.expect_message("The current surrogate file cannot be overwritten.");
    ui.save_returns(folder.path() + "/copy");
    ASSERT_TRUE(save_as_dialog_loop(current, chosen, surrogate_filter, ".ini"));
    EXPECT_EQ(chosen, to_upper(folder.path()) + "/COPY.ini");
    EXPECT_EQ(ui.messages.at(0).caption, "Warning");
    const FileDialogRequest& r = ui.save_requests.at(0);
    EXPECT_EQ(r.title, "Save As");
    EXPECT_EQ(r.start_folder, folder.path());
    EXPECT_EQ(r.file_name, "Set1.ini");
    EXPECT_EQ(r.default_extension, ".INI");
}

TEST_F(DialogLoops, SaveAsOverAnExistingFileAsksYesNoCancel) {
    std::string current = folder.write("Set1.ini", "[Header]\n");
    folder.write("OTHER.ini", "[Header]\n");
    struct Case {
        std::vector<Answer> answers;
        bool result;
        size_t dialogs;
    };
    for (const Case& c : {Case{{Answer::Yes}, true, 1}, Case{{Answer::Cancel}, false, 1},
                          Case{{Answer::No, Answer::Yes}, true, 2}}) {
        ScriptedUi script;
        for (Answer a : c.answers) {
            script.save_returns(folder.path() + "/other.ini");
            script.answer(a);
        }
        EXPECT_EQ(save_as_dialog_loop(current, chosen, surrogate_filter, ".ini"), c.result);
        EXPECT_EQ(script.save_requests.size(), c.dialogs);
        const ShownMessage& m = script.messages.at(0);
        EXPECT_EQ(m.text, to_upper(folder.path()) + "/OTHER.ini already exists.\nDo you want to replace it?");
        EXPECT_EQ(m.caption, "Save As");
        EXPECT_EQ(m.buttons, Buttons::YesNoCancel);
        EXPECT_EQ(m.icon, Icon::Warning);
    }
}

TEST_F(DialogLoops, SaveAsCancelledChoosesNothing) {
    ui.save_returns(std::nullopt);
    EXPECT_FALSE(save_as_dialog_loop("/x/set1.ini", chosen, surrogate_filter, ".ini"));
}

TEST_F(DialogLoops, ConfirmCopyNamesTheFileAndAnswersYesOnly) {
    ui.answer(Answer::Yes);
    EXPECT_TRUE(confirm_copy("/home/ana/5847dir/Surrogates/SET1.INI"));
    EXPECT_EQ(ui.last_message().text, "Copy SET1.INI?");
    EXPECT_EQ(ui.last_message().caption, "Confirm Copy");
    EXPECT_EQ(ui.last_message().buttons, Buttons::YesNo);
    ui.answer(Answer::No);
    EXPECT_FALSE(confirm_copy("/x/SET1.INI"));
    ui.answer(Answer::Yes);
    confirm_copy("/x/" + std::string(80, 'a') + ".ini");
    EXPECT_EQ(ui.last_message().text, "Copy " + std::string(64, 'a') + "?");
}

}  // namespace
