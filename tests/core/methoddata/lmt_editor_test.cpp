#include "program/program_state.h"
#include "samples/lmt_editor.h"

#include <gtest/gtest.h>

#include "../surrogate_fixtures.h"
#include "samples/process_files_data.h"
#include "methoddata/reporting_limit_files.h"
#include "platform/errors.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace {

class LmtEditor : public ::testing::Test {
  protected:
    void SetUp() override {
        construct_method_data();
        construct_process_files_data();
        add_limits_library();
    }
    ScriptedUi ui;
};

TEST_F(LmtEditor, GridListsTheAnalytesAndAnImportShowsTheirLimits) {
    EXPECT_EQ(lmt_grid_names(), (std::vector<std::string>{"Benzene", "Toluene", "Xylene"}));
    ReportingLimitSlot slot;
    slot[1].limit = 0.5;
    slot[2].limit = 12;
    slot[4].limit = 0.004;
    EXPECT_EQ(lmt_grid_limit_texts(slot), (std::vector<std::string>{"0.5", "12", "0.004"}));
}

TEST_F(LmtEditor, CompoundNumberBoxChoosesARowWithinTheGrid) {
    struct Case {
        const char* text;
        int current, count;
        std::optional<int> row;
    };
    const Case cases[] = {
        {"3", 0, 10, 2},  {"0", 5, 10, 0},   {"11", 0, 10, 9}, {"99999999999999999999", 0, 10, 9},
        {"", 4, 10, 4},   {"1a", 0, 10, {}}, {"-1", 0, 10, {}}, {" 2", 0, 10, {}}, {"5", 0, 0, 0},
    };
    for (const Case& c : cases) {
        if (!c.row) ui.expect_message("Quantilyzer: 07002");
        EXPECT_EQ(lmt_row_from_number_text(c.text, c.current, c.count), c.row) << c.text;
    }
}

TEST_F(LmtEditor, ImportedUnitOutsideTheListIsReported) {
    EXPECT_EQ(lmt_file_unit_index("ng/g"), 3);
    ui.expect_message("Invalid unit read from the file!");
    EXPECT_EQ(lmt_file_unit_index("ng/G"), -1);
    EXPECT_EQ(ui.last_message().caption, "Error");
}

TEST_F(LmtEditor, SaveAsChecksItsEntriesInOrder) {
    struct Case {
        const char *is_file, *size, *matrix, *text, *caption;
        LmtEntryBox focus;
    };
    const Case cases[] = {
        {"", "", "", "Please enter a internal standard file name", "Warning", LmtEntryBox::InternalStandardFile},
        {"IS.INI", "", "", "Please enter the sample size", "Warning", LmtEntryBox::SampleSize},
        {"IS.INI", "1,5", "", "Quantilyzer: 07004", "Invalid Sample Size", LmtEntryBox::None},
        {"IS.INI", "-1", "", "Quantilyzer: 07004", "Invalid Sample Size", LmtEntryBox::None},
        {"IS.INI", "1.2.3", "", "Quantilyzer: 07005", "Invalid Sample Size", LmtEntryBox::None},
        {"IS.INI", ".5", "", "Please enter the matrix", "Warning", LmtEntryBox::Matrix},
        // Read whole, and above 0: a size divides every concentration of the samples.
        {"IS.INI", ".", "water", "The box \"Sample Size\" was refused: '.' is not a number.", "Invalid Sample Size",
         LmtEntryBox::SampleSize},
        {"IS.INI", "0", "water", "The box \"Sample Size\" was refused: '0' is not above 0", "Invalid Sample Size",
         LmtEntryBox::SampleSize},
        {"IS.INI", "0.00", "water", "'0.00' is not above 0", "Invalid Sample Size", LmtEntryBox::SampleSize},
    };
    for (const Case& c : cases) {
        ui.expect_message(c.text);
        LmtEntryCheck check = check_lmt_entries(c.is_file, c.size, c.matrix);
        EXPECT_FALSE(check.ok) << c.text;
        EXPECT_EQ(check.focus, c.focus) << c.text;
        EXPECT_EQ(ui.last_message().caption, c.caption) << c.text;
    }
    EXPECT_TRUE(check_lmt_entries("IS.INI", "12.5", "water").ok);
}

TEST_F(LmtEditor, SampleSizeOfAnEmptyBoxIsOne) {
    EXPECT_EQ(lmt_sample_size(""), 1.0);
    EXPECT_EQ(lmt_sample_size("12.5"), 12.5);
    EXPECT_THROW(lmt_sample_size("."), ConversionError);
}

TEST_F(LmtEditor, ChosenNamesEndInLmt) {
    const std::pair<const char*, const char*> cases[] = {
        {"/d/limits", "/d/limits.lmt"},   {"/d/limits.LMT", "/d/limits.LMT"}, {"/d/a.b", "/d/a.b.lmt"},
        {"/d/x.lmt/limits", "/d/x.lmt/limits.lmt"},  // a dot of the folder is no extension
        {"/d/limits.lmtx", "/d/limits.lmtx"},
    };
    for (const auto& [chosen, path] : cases) EXPECT_EQ(with_lmt_extension(chosen), path) << chosen;
}

TEST_F(LmtEditor, AnExistingFileIsReplacedOnlyOnYes) {
    TempFolder temp;
    const std::string taken = temp.write("old.lmt", "x");
    ui.save_returns(temp.file("old"));
    ui.answer(Answer::No);  // another name
    ui.save_returns(taken);
    ui.answer(Answer::Yes);
    EXPECT_EQ(choose_lmt_save_path(), taken);
    EXPECT_EQ(ui.messages[0].text, "Overwrite file: " + taken + "?");
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(ui.save_requests[0].filter, "Reporting limit files (*.lmt)|*.lmt");
    EXPECT_EQ(ui.save_requests[0].start_folder, lmt_default_folder());

    ui.save_returns(taken);
    ui.answer(Answer::Cancel);
    EXPECT_EQ(choose_lmt_save_path(), std::nullopt);
    ui.save_returns(temp.file("new"));
    EXPECT_EQ(choose_lmt_save_path(), temp.file("new.lmt"));
}

TEST_F(LmtEditor, GridLimitsGoToTheirLibraryRows) {
    ReportingLimitSlot slot;
    slot[2].limit = 7;
    slot[4].limit = 9;
    EXPECT_TRUE(store_grid_limits({{"Benzene", " 1.5 "}, {"Toluene", "0"}, {"Xylene", "2"}}, slot, false));
    EXPECT_EQ(slot[1].limit, 1.5);
    EXPECT_EQ(slot[2].limit, 0.0);
    EXPECT_EQ(slot[4].limit, 2.0);

    // Print Limits keeps what an empty cell had.
    slot[2].limit = 7;
    EXPECT_TRUE(store_grid_limits({{"Benzene", "3"}, {"Toluene", ""}, {"Xylene", "2"}}, slot, true));
    EXPECT_EQ(slot[1].limit, 3.0);
    EXPECT_EQ(slot[2].limit, 7.0);
}

// A cell is read whole; a cell that is no number, a limit below 0, and (at Save As) an
// empty cell are refused naming the compound, and nothing is stored.
TEST_F(LmtEditor, ABadLimitCellStoresNothing) {
    const struct {
        const char* cell;
        bool keep_on_empty;
        const char* message;
    } cases[] = {
        {"abc", false, "The box \"Limit of Xylene\" was refused: 'abc' is not a number."},
        {"50,5", true, "The box \"Limit of Xylene\" was refused: '50,5' is not a number."},
        {"O.55E2", false, "'O.55E2' is not a number"},
        {"-1", true, "The box \"Limit of Xylene\" was refused: '-1' is below 0, and no limit can be."},
        {"", false, "The box \"Limit of Xylene\" was refused: it is empty."},
    };
    for (const auto& c : cases) {
        ReportingLimitSlot slot;
        slot[1].limit = 3;
        slot[4].limit = 2;
        ui.expect_message(c.message);
        EXPECT_FALSE(store_grid_limits({{"Benzene", "4"}, {"Xylene", c.cell}}, slot, c.keep_on_empty)) << c.cell;
        EXPECT_EQ(ui.last_message().caption, "Error");
        EXPECT_EQ(slot[1].limit, 3.0) << c.cell;
        EXPECT_EQ(slot[4].limit, 2.0) << c.cell;
    }
}

TEST_F(LmtEditor, InternalStandardFileIsComparedWithTheOneInUse) {
    EXPECT_TRUE(confirm_lmt_internal_standard_file("is.ini"));  // nothing in use: the typed name

    method_data.surrogate_file_path = "/data/is.ini";
    EXPECT_TRUE(confirm_lmt_internal_standard_file("/DATA/IS.INI"));

    reporting_limit_files.lmt_header.internal_standard_file = " /data/other.ini\n";  // the last file read counts first
    ui.answer(Answer::No);
    EXPECT_FALSE(confirm_lmt_internal_standard_file("/data/is.ini"));
    EXPECT_EQ(ui.last_message().text,
              "The loaded internal standard file name:\n</DATA/OTHER.INI>\nand the internal standard file "
              "name\n</DATA/IS.INI>\nlisted in the LMT file do not match.\nProceed anyway?");
    ui.answer(Answer::Yes);
    EXPECT_TRUE(confirm_lmt_internal_standard_file("/data/is.ini"));
}

TEST_F(LmtEditor, ClearLimitsEmptiesTheLibraryRowsOfEverySlot) {
    for (ListedSample& sample : process_files_data.samples)
        for (auto& entry : sample.reporting_limits) entry.limit = 4;
    clear_all_reporting_limits();
    EXPECT_EQ(process_files_data.samples[0].reporting_limits[0].limit, 0.0);
    EXPECT_EQ(process_files_data.samples[24].reporting_limits[4].limit, 0.0);
    EXPECT_EQ(process_files_data.samples[24].reporting_limits[5].limit, 4.0);  // beyond the library
}

TEST_F(LmtEditor, HeaderTextsLoseOnlyTheirLineEnd) {
    EXPECT_EQ(without_line_end("IS.INI\n"), "IS.INI");
    EXPECT_EQ(without_line_end("IS.INI\r\n"), "IS.INI");
    EXPECT_EQ(without_line_end("IS.INI"), "IS.INI");
    EXPECT_EQ(without_line_end(""), "");
}

TEST_F(LmtEditor, EditorSlotStaysInTheTable) {
    process_files_data.sample_info_index = 24;
    EXPECT_EQ(lmt_editor_slot(), 24);
    process_files_data.sample_info_index = 25;
    EXPECT_EQ(lmt_editor_slot(), 24);
}

}  // namespace
