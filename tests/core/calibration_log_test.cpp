#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <span>

#include "calibration/calibration_log.h"
#include "methoddata/calibration_data.h"
#include "methoddata/level_lookup.h"
#include "methoddata/program_paths.h"
#include "methoddata/tables.h"
#include "platform/file_copy.h"
#include "platform/paths.h"
#include "scripted_ui.h"
#include "test_files.h"
#include "program/program_state.h"

namespace {

class CalibrationLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        clear_calibration_log();
        program_paths.data_root_folder = root.path();
    }
    void TearDown() override { clear_calibration_log(); }

    ScriptedUi ui;
    TempFolder root;
};

TEST_F(CalibrationLogTest, FileListsEachEntryWithItsReason) {
    add_calibration_log_entry("/data/runs/STD1.ini", "Acetone", "analyte");
    add_calibration_log_entry("/data/runs/STD2.ini", "Toluene-d8", "");
    add_calibration_log_entry("REF.ini", "Benzene", "Analyte");
    add_calibration_log_entry("/data/runs/STD3.ini", "Fluorobenzene", "Internal Standard");
    ASSERT_TRUE(write_calibration_log());  // creates 5847dir/Calibration
    EXPECT_EQ(read_file_text(root.path() + "/5847dir/Calibration/calibration_error.log"),
              "The Calibration error log file created on: 03/14/2026 09:26\n"
              "/data/runs ---> Acetone ---> analyte with a negative response factor\n"
              "/data/runs ---> Toluene-d8 --->  Surrogate with measured recovery > 500%\n"
              " ---> Benzene ---> Analyte with a negative response factor\n"
              "/data/runs ---> Fluorobenzene ---> Internal Standard with a negative response factor\n");
}

TEST_F(CalibrationLogTest, ClearingEmptiesTheLogAndANewFileReplacesTheOld) {
    add_calibration_log_entry("/r/a.ini", "X", "analyte");
    ASSERT_TRUE(write_calibration_log());
    clear_calibration_log();
    EXPECT_EQ(calibration_log.entry_count, 0);
    EXPECT_EQ(calibration_log.log_flag, 0);
    ASSERT_TRUE(write_calibration_log());
    EXPECT_EQ(read_file_text(calibration_log_path()),
              "The Calibration error log file created on: 03/14/2026 09:26\n");
}

TEST_F(CalibrationLogTest, EventsBeyondTheTableSetTheFlagOnly) {
    for (int i = 0; i < kCalibrationLogEntries + 20; ++i) add_calibration_log_entry("/r/a.ini", "X", "analyte");
    EXPECT_EQ(calibration_log.entry_count, kCalibrationLogEntries);
    EXPECT_EQ(calibration_log.log_flag, 1);
}

TEST(LevelOfLabel, ReadsTheDigitsAfterTheLeadingLetters) {
    struct Case {
        const char* label;
        int level;
    } cases[] = {
        {"Amount10", 10}, {"Amount1", 1}, {"Amount", 0}, {"2.5", -1}, {"", -1}, {" Amount1", -1},
        {"A99999999999", INT_MAX}, {"Amount1 ", 1},
        // Digits followed by anything else name no level, not the level of their digits.
        {"Amt3x", 0}, {"Amount1.5", 0}, {"Amount-2", 0}, {"Amount+7", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(level_of_label(c.label), c.level) << c.label;
}

class LevelLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        method_data.compound_count = 3;
        const char* names[] = {"Benzene", "Fluorobenzene", "Benzene"};
        for (int c = 0; c < 3; ++c) {
            method_data.library[c].name = names[c];
            for (int k = 0; k < kMaxLevels; ++k) method_data.library[c].conc[k] = 10.0 * (c + 1) + k;
            calibration_data.raw_data_sets[1].area[c] = 1000 * (c + 1);
        }
        method_data.library[1].is_internal_standard = 1;
        method_data.library_saved = method_data.library;
        // A build may have written amounts into the working library since the snapshot.
        for (auto& compound : method_data.library) compound.conc.fill(-1.0);
        method_data.library[1].conc[0] = 25.0;
        calibration_data.standard_count = 2;
    }
    std::span<const SampleRawData> sets{calibration_data.raw_data_sets};
};

TEST_F(LevelLookupTest, AreaAndLevelAmountByName) {
    double amount = -7.0;
    EXPECT_EQ(lookup_area_conc(sets, "Missing", 1, amount, 0), kNotSet);
    EXPECT_EQ(amount, -7.0);
    EXPECT_EQ(lookup_area_conc(sets, "Benzene", 1, amount, 2), 1000.0);  // the first of that name
    EXPECT_EQ(amount, -1.0);                                           // conc3 of library
    EXPECT_EQ(lookup_area_conc(sets, "Fluorobenzene", 1, amount, 5), 2000.0);
    EXPECT_EQ(amount, 25.0);  // an internal standard's one amount
    EXPECT_EQ(lookup_area_conc(sets, "Benzene", 1, amount, -2), 1000.0);
    EXPECT_EQ(amount, 0.0);  // a level the table does not have
    EXPECT_EQ(lookup_area_conc(sets, "benzene", 1, amount, 0), kNotSet);  // names are exact
}

TEST_F(LevelLookupTest, AmountFollowsTheSlotsLabel) {
    struct Case {
        const char* label;
        int slot;
        const char* name;
        double amount;
    } cases[] = {
        {"Amount3", 1, "Benzene", 12.0},        // conc3 of library_saved
        {"Amount10", 1, "Benzene", 19.0},
        {"2.5", 1, "Benzene", 25.0},            // factor times the base amount
        {"5.", 1, "Benzene", 50.0},
        // A label that is not wholly a factor above 0 gives no amount, not that of its
        // leading digits.
        {"0.5x", 1, "Benzene", 0.0},
        {"1,5", 1, "Benzene", 0.0},
        {"-2", 1, "Benzene", 0.0},
        {"0", 1, "Benzene", 0.0},
        {"Amount", 1, "Benzene", 0.0},
        {"Amount12", 1, "Benzene", 0.0},
        {"Amount3", 1, "Fluorobenzene", 25.0},  // internal standard: conc1 of library
        {"Amount3", 2, "Benzene", -1.0},        // the reference slot: conc1 of library
    };
    for (const auto& c : cases) {
        calibration_data.level_names[c.slot] = c.label;
        double amount = 0.0;
        lookup_area_conc_by_label(sets, c.name, c.slot, amount);
        EXPECT_EQ(amount, c.amount) << c.label << " " << c.name << " slot " << c.slot;
    }
}

TEST_F(LevelLookupTest, TheRowIndexFindsWhatTheNameLookupFinds) {
    const LibraryRowIndex rows;
    EXPECT_EQ(rows.row_of("Benzene"), 0);  // the first of that name
    EXPECT_EQ(rows.row_of("Fluorobenzene"), 1);
    EXPECT_EQ(rows.row_of("benzene"), -1);
    method_data.library[5].name = "Past the count";
    EXPECT_EQ(LibraryRowIndex().row_of("Past the count"), -1);
    calibration_data.level_names[1] = "Amount3";
    for (const char* name : {"Benzene", "Fluorobenzene", "Missing"}) {
        double by_name = -7.0, by_row = -7.0;
        EXPECT_EQ(lookup_area_conc_by_label(sets, name, 1, by_name),
                  lookup_area_conc_by_label_at(sets, rows.row_of(name), 1, by_row));
        EXPECT_EQ(by_name, by_row) << name;
    }
}

class CopyFileTest : public ::testing::Test {
protected:
    ScriptedUi ui;
    TempFolder folder;
};

TEST_F(CopyFileTest, CopiesByteForByteOverAnOldTarget) {
    const std::string bytes("[Header]\r\nname=\xB5g\x00x\n", 20);
    std::string source = folder.write("IS.INI", bytes);
    std::string target = folder.write("copy.ini", "old content that is longer");
    EXPECT_TRUE(copy_file(source, target));
    EXPECT_EQ(read_file_text(target), bytes);
}

TEST_F(CopyFileTest, SameFileInAnySpellingIsNotCopied) {
    std::string source = folder.write("sub/IS.INI", "keep me");
    const std::string spellings[] = {source, folder.file("SUB/is.ini"), folder.path() + "/sub/../sub/./IS.INI"};
    for (const auto& target : spellings) {
        ui.expect_message("source: " + source + "\ntarget: " + target + "\nFiles are identical, no copy will occur.");
        EXPECT_FALSE(copy_file(source, target)) << target;
        EXPECT_EQ(ui.last_message().caption, "Warning");
        EXPECT_EQ(read_file_text(source), "keep me");
    }
}

TEST_F(CopyFileTest, NamesThatDifferOnlyInCaseAreTwoFilesHere) {
    std::string lower = folder.write("is.ini", "lower");
    std::string upper = folder.write("IS.INI", "upper");
    EXPECT_TRUE(copy_file(upper, lower));
    EXPECT_EQ(read_file_text(lower), "upper");
}

TEST_F(CopyFileTest, MissingSourceCopiesNothing) {
    EXPECT_FALSE(copy_file(folder.file("none.ini"), folder.file("t.ini")));
    EXPECT_FALSE(file_exists(folder.file("t.ini")));
}

}  // namespace
