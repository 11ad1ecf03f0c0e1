#include "program/program_state.h"
#include "samples/reporting_limits_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>

#include "../surrogate_fixtures.h"
#include "samples/process_files_data.h"
#include "methoddata/reporting_limit_files.h"
#include "methoddata/tables.h"
#include "platform/text_file.h"
#include "processing/quantitation.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace {

// A library of three analytes around an internal standard, and the header the editor writes.
class ReportingLimitsReader : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        construct_process_files_data();
        add_library_row("Benzene", false);
        add_library_row("Toluene-d8", true);
        add_library_row("Toluene", false);
        add_library_row("Xylene", false);
    }
    std::string write(const std::string& rows) {
        return folder.write("limits.lmt", header + rows);
    }
    double limit(int slot, int row) const {
        return process_files_data.samples[slot].reporting_limits[row].limit;
    }

    const std::string header =
        "Creation Date;09/22/2025 09:05\n"
        "Compound Library File:/DATA/DEMO_LIBRARY.TXT\n"
        "Internal Standard File;/DATA/DEMO_IS.INI\n"
        "25.00;WATER;ng/mL\n"
        "Other;field blank lot 7";
    ScriptedUi ui;
    TempFolder folder;
};

TEST_F(ReportingLimitsReader, ReadsTheHeaderAndTheLimitsIntoTheSlot) {
    EXPECT_EQ(read_reporting_limits_file(write("\nBenzene;1.50\nToluene;;ignored"), 3), 1);

    EXPECT_EQ(reporting_limit_files.lmt_header.creation_date, "09/22/2025 09:05");
    EXPECT_EQ(reporting_limit_files.lmt_header.internal_standard_file, "/DATA/DEMO_IS.INI");
    EXPECT_EQ(reporting_limit_files.lmt_header.size, 25.0);
    EXPECT_EQ(reporting_limit_files.lmt_header.matrix, "WATER");
    EXPECT_EQ(reporting_limit_files.lmt_header.unit, "ng/mL");
    EXPECT_EQ(reporting_limit_files.lmt_header.comment, "field blank lot 7");
    EXPECT_EQ(process_files_data.samples[3].reporting_limits[0].name, "Benzene");
    EXPECT_EQ(limit(3, 0), 1.5);
    EXPECT_EQ(limit(3, 2), 0.0);  // "name;" and nothing else: limit 0
    EXPECT_EQ(limit(0, 0), 0.0);
}

// The limits of a slot are those of the file read last, alone: a compound that file does
// not list keeps no limit from an earlier file.
TEST_F(ReportingLimitsReader, EachFileSetsEveryLimitOfTheSlot) {
    ASSERT_EQ(read_reporting_limits_file(write("\nBenzene;1.50\nToluene;2.50\nXylene;3.50"), 2), 1);
    EXPECT_EQ(limit(2, 3), 3.5);
    ASSERT_EQ(read_reporting_limits_file(folder.write("b.lmt", header + "\nToluene;7.00"), 2), 1);
    EXPECT_EQ(limit(2, 0), 0.0);
    EXPECT_EQ(limit(2, 2), 7.0);
    EXPECT_EQ(limit(2, 3), 0.0);
    EXPECT_EQ(process_files_data.samples[2].reporting_limits[1].limit,
              0.0);  // the internal standard has no limit
}

// After a library change in the run, a slot holds the names of the library in memory:
// a name an earlier file left under another row would still be found by the lookup.
TEST_F(ReportingLimitsReader, TheSlotTakesTheNamesOfTheLibraryInMemory) {
    ASSERT_EQ(read_reporting_limits_file(write("\nBenzene;1.00\nXylene;3.00"), 0), 1);  // Benzene in row 0
    method_data.compound_count = 0;
    for (const char* name : {"Chloroform", "Toluene-d8", "Benzene"}) add_library_row(name, name[0] == 'T');
    method_data.library[3] = method_data.library_saved[3] = LibraryCompound_init();
    ASSERT_EQ(read_reporting_limits_file(folder.write("b.lmt", header + "\nBenzene;60"), 0), 1);
    EXPECT_EQ(lookup_reporting_limit("Benzene", 0), 60.0);
    EXPECT_EQ(lookup_reporting_limit("Chloroform", 0), 0.0);  // not listed: no limit
    EXPECT_EQ(lookup_reporting_limit("Xylene", 0), kNotSet);  // no longer in the library
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(process_files_data.samples[0].reporting_limits[r].name, method_data.library_saved[r].name)
            << r;
    EXPECT_EQ(process_files_data.samples[0].reporting_limits[3].name, kDummyName);
}

// A file that would take every limit away is refused naming the file, and the sample keeps
// the limits it had.
TEST_F(ReportingLimitsReader, AFileThatListsNoCompoundIsRefused) {
    struct Case {
        std::string text;
        const char* message;
    } cases[] = {
        {"", "lists no compound"},
        {header, "lists no compound"},
        {header + "\n\n", "lists no compound"},
    };
    for (const Case& c : cases) {
        process_files_data.samples[4].reporting_limits[0] = {"Benzene", 7.0, 0};
        reporting_limit_files.lmt_header.matrix = "SOIL";
        const std::string path = folder.write("bad.lmt", c.text);
        ui.expect_message(c.message);
        EXPECT_EQ(read_reporting_limits_file(path, 4), 0) << c.text;
        EXPECT_NE(ui.last_message().text.find(path), std::string::npos) << ui.last_message().text;
        EXPECT_EQ(ui.last_message().caption, "Error");
        EXPECT_EQ(limit(4, 0), 7.0) << c.text;
        EXPECT_EQ(reporting_limit_files.lmt_header.matrix, "SOIL") << c.text;
    }
}

TEST_F(ReportingLimitsReader, FinalLineEndsAndBlankLinesAreNoRows) {
    // One final line end, two, CRLF line ends, and a blank line among the rows: all read.
    for (const std::string& rows : {std::string("\nBenzene;2.00\n"), std::string("\nBenzene;2.00\n\n"),
                                    std::string("\r\nBenzene;2.00\r\n\r\n"), std::string("\n\nBenzene;2.00")}) {
        process_files_data.samples[0].reporting_limits[0].limit = 9.0;
        EXPECT_EQ(read_reporting_limits_file(write(rows), 0), 1) << rows;
        EXPECT_EQ(limit(0, 0), 2.0) << rows;
    }
}

// A refused file is not read half-way: the slot and the header stay as they were.
TEST_F(ReportingLimitsReader, ANameNotInTheLibraryAnswersItsLineNumber) {
    process_files_data.samples[5].reporting_limits[0].limit = 6.0;
    reporting_limit_files.lmt_header.matrix = "SOIL";
    // Names match exactly: letter case counts.
    EXPECT_EQ(read_reporting_limits_file(write("\nBenzene;1.00\nXylene;2.00\ntoluene;3.00"), 5), 8);
    EXPECT_EQ(limit(5, 0), 6.0);
    EXPECT_EQ(limit(5, 3), 0.0);
    EXPECT_EQ(reporting_limit_files.lmt_header.matrix, "SOIL");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ReportingLimitsReader, ARowWithoutALimitFieldIs10003) {
    process_files_data.samples[1].reporting_limits[0].limit = 6.0;
    ui.expect_message("Quantilyezr: 10003");
    EXPECT_EQ(read_reporting_limits_file(write("\nBenzene;4\nToluene\nXylene;5"), 1), 0);
    EXPECT_EQ(ui.last_message().caption, "Error");
    EXPECT_EQ(limit(1, 0), 6.0);
    EXPECT_EQ(limit(1, 3), 0.0);
}

// A second limit of one compound would silently replace the first.
TEST_F(ReportingLimitsReader, ACompoundListedTwiceIsRefusedNamingBothRows) {
    process_files_data.samples[1].reporting_limits[0].limit = 6.0;
    const std::string path = write("\nBenzene;1.00\nXylene;2.00\nBenzene;3.00");
    ui.expect_message("The reporting-limit file " + path +
                      " was not read: the compound \"Benzene\" is named twice, in row 1 (line 6) and in row 3 "
                      "(line 8).\nThe file was not used.");
    EXPECT_EQ(read_reporting_limits_file(path, 1), 0);
    EXPECT_EQ(ui.last_message().caption, "Error");
    EXPECT_EQ(limit(1, 0), 6.0);
    EXPECT_EQ(limit(1, 3), 0.0);
}

TEST_F(ReportingLimitsReader, AFileThatCannotBeOpenedIs10002) {
    for (const std::string& path : {folder.file("missing.lmt"), folder.path()}) {
        ui.expect_message("Quantilyzer: 10002");
        EXPECT_EQ(read_reporting_limits_file(path, 0), 0) << path;
    }
}

// A field is read whole and must be able to mean what it is used for: read by its leading
// digits "50,5" (a spreadsheet's decimal comma) became the limit 50 and "O.55E2" no limit
// at all. The refusal names the file, the line and the field, and nothing changes.
TEST_F(ReportingLimitsReader, AFieldThatIsNotItsValueRefusesTheFileNamingLineAndField) {
    const std::string head = "Creation Date;x\nlib\nInternal Standard File;y\n";
    struct Case {
        std::string text;
        const char* message;
    } cases[] = {
        {header + "\nBenzene;4\nToluene;50,5", "line 7: field 2 (the limit of Toluene) '50,5' is not a number"},
        {header + "\nBenzene;O.55E2", "line 6: field 2 (the limit of Benzene) 'O.55E2' is not a number"},
        {header + "\nBenzene;1.5 ug", "line 6: field 2 (the limit of Benzene) '1.5 ug' is not a number"},
        {header + "\nBenzene;4\nToluene;1e999", "line 7: field 2 (the limit of Toluene) '1e999' is out of range"},
        {header + "\nBenzene;-1.50", "line 6: field 2 (the limit of Benzene) '-1.50' is below 0"},
        {header + "\nBenzene;4\n;5", "line 7: the row names no compound"},
        {header + "\nBenzene;4\n  ;5", "line 7: the row names no compound"},
        {head + "-1e999;SOIL;ng/g\nOther;\nXylene;1", "line 4: field 1 (the sample size) '-1e999' is out of range"},
        {head + "1,5;SOIL;ng/g\nOther;\nXylene;1", "line 4: field 1 (the sample size) '1,5' is not a number"},
        {head + "0.00;SOIL;ng/g\nOther;\nXylene;1", "line 4: field 1 (the sample size) '0.00' is not above 0"},
        {head + "-25;SOIL;ng/g\nOther;\nXylene;1", "line 4: field 1 (the sample size) '-25' is not above 0"},
        {head + ";SOIL;ng/g\nOther;\nXylene;1", "line 4: field 1 (the sample size) is empty"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        process_files_data.samples[1].reporting_limits[0] = {"Benzene", 6.0, 0};
        reporting_limit_files.lmt_header.matrix = "CLAY";
        const std::string path = folder.write("bad.lmt", c.text);
        ui.expect_message("The reporting-limit file " + path + " was not read: " + c.message +
                          ".\nThe file was not used.");
        EXPECT_EQ(read_reporting_limits_file(path, 1), 0);
        EXPECT_EQ(ui.last_message().caption, "Error");
        EXPECT_EQ(limit(1, 0), 6.0);
        EXPECT_EQ(reporting_limit_files.lmt_header.matrix, "CLAY");
    }
}

// What a field may hold: blanks around a name or a number (the editor wrote "Name ;limit"
// for a name typed with a blank), an empty limit (no limit, as an empty cell of the
// editor), a limit of 0, and numbers in any form that is wholly one.
TEST_F(ReportingLimitsReader, BlanksAroundAFieldAndAnEmptyLimitAreRead) {
    struct Case {
        const char* rows;
        double benzene, xylene;
    } cases[] = {
        {"\nBenzene ;1.50\nXylene\t; 2.5 ", 1.5, 2.5},
        {"\n  Benzene  ;  1.50\nXylene;", 1.5, 0.0},
        {"\nBenzene;0\nXylene;-0", 0.0, 0.0},
        {"\nBenzene;5.5e-1\nXylene;+12", 0.55, 12.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        ASSERT_EQ(read_reporting_limits_file(write(c.rows), 2), 1);
        EXPECT_EQ(limit(2, 0), c.benzene);
        EXPECT_EQ(limit(2, 3), c.xylene);
        EXPECT_FALSE(std::signbit(limit(2, 3)));
        EXPECT_EQ(reporting_limit_files.lmt_header.size, 25.0);
    }
}

TEST_F(ReportingLimitsReader, AByteOrderMarkIsNoPartOfTheFirstLine) {
    EXPECT_EQ(read_reporting_limits_file(folder.write("bom.lmt", "\xEF\xBB\xBF" + header + "\nXylene;5"), 0), 1);
    EXPECT_EQ(reporting_limit_files.lmt_header.creation_date, "09/22/2025 09:05");
    EXPECT_EQ(limit(0, 3), 5.0);
}

TEST_F(ReportingLimitsReader, AHeaderLineFourWithoutFieldsGivesTheNotSetSize) {
    const std::string path = folder.write("short.lmt", "Creation Date;x\nlib\nInternal Standard File;y\n\nOther;\nXylene;1");
    EXPECT_EQ(read_reporting_limits_file(path, 0), 1);
    EXPECT_EQ(reporting_limit_files.lmt_header.size, kNotSet);
    EXPECT_EQ(reporting_limit_files.lmt_header.unit, "");
}

TEST_F(ReportingLimitsReader, AMicroSignOfAnOlderFileReadsAsTheSixthUnit) {
    const std::string path = folder.write("old.lmt", "Creation Date;x\nlib\nInternal Standard File;y\n"
                                                     "1.00;SOIL;\xb5g/l\nOther;\nXylene;1");
    EXPECT_EQ(read_reporting_limits_file(path, 0), 1);
    EXPECT_EQ(reporting_limit_files.lmt_header.unit, "\u00b5g/l");
}

// The file as an analyst's file usually is when the samples are entered: last written an
// hour ago.
std::string settled(const std::string& path) {
    static const auto an_hour_ago = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(path, an_hour_ago);
    return path;
}

// The samples of a run share one file: each slot filled from it is the slot a reading of
// its own gives, whatever an earlier file left there. (That each reading goes to the disk,
// so that nothing kept from an earlier one stands in for what the file holds now, the next
// test shows.)
TEST_F(ReportingLimitsReader, EveryReadingFillsEachSlotAlike) {
    const std::string path = settled(write("\nBenzene;1.50\nXylene;3.50"));
    ASSERT_EQ(read_reporting_limits_file(path, 0), 1);
    process_files_data.samples[7].reporting_limits[2] = {"Toluene", 9.0, 0};
    process_files_data.samples[7].reporting_limits[4] = {"Gone", 4.0, 0};
    reporting_limit_files.lmt_header = LmtHeader{};
    // The path as the program upper-cases it leads to the same file.
    ASSERT_EQ(read_reporting_limits_file(folder.file("LIMITS.LMT"), 7), 1);

    for (int r = 0; r < kMaxCompounds; ++r) {
        EXPECT_EQ(process_files_data.samples[7].reporting_limits[r].name,
                  process_files_data.samples[0].reporting_limits[r].name)
            << r;
        EXPECT_EQ(limit(7, r), limit(0, r)) << r;
    }
    EXPECT_EQ(limit(7, 3), 3.5);
    EXPECT_EQ(process_files_data.samples[7].reporting_limits[4].name, kDummyName);
    EXPECT_EQ(reporting_limit_files.lmt_header.matrix, "WATER");
    EXPECT_EQ(reporting_limit_files.lmt_header.comment, "field blank lot 7");
}

// Whatever changed the file since it was read, the next reading takes what it holds now:
// the times set back to those of the first reading too (as a file system that keeps whole
// seconds leaves a file rewritten within one).
TEST_F(ReportingLimitsReader, AFileChangedOnDiskIsReadAgain) {
    const std::string path = folder.file("limits.lmt");
    const std::string rows = "\nBenzene;1.50\nXylene;3.50";
    const std::string changed = header + "\nBenzene;7.25\nXylene;3.50";  // the same size
    struct Case {
        const char* change;
        bool settled_first;
        std::function<void()> make;
    };
    const Case cases[] = {
        {"written again in place", true, [&] { settled(folder.write("limits.lmt", changed)); }},
        {"replaced by a rename", true,
         [&] {
             ASSERT_TRUE(write_file_atomically(path, changed));
             settled(path);
         }},
        {"saved by the reporting-limit editor", true,
         [&] {
             ReportingLimitSlot slot = process_files_data.samples[0].reporting_limits;
             slot[0].limit = 7.25;
             ASSERT_TRUE(write_lmt_file(path, reporting_limit_files.lmt_header, "/DATA/DEMO_LIBRARY.TXT", slot));
         }},
        // A file just read can be written again within one step of the file system's clock.
        {"written again at once", false, [&] { folder.write("limits.lmt", changed); }},
    };
    for (const Case& c : cases) {
        write(rows);
        if (c.settled_first) settled(path);
        ASSERT_EQ(read_reporting_limits_file(path, 0), 1) << c.change;
        ASSERT_EQ(limit(0, 0), 1.5) << c.change;
        c.make();
        ASSERT_EQ(read_reporting_limits_file(path, 1), 1) << c.change;
        EXPECT_EQ(limit(1, 0), 7.25) << c.change;
    }

    // A file gone since is refused as before, and the slot keeps its limits.
    settled(write(rows));
    ASSERT_EQ(read_reporting_limits_file(path, 2), 1);
    std::filesystem::remove(path);
    ui.expect_message("Quantilyzer: 10002");
    EXPECT_EQ(read_reporting_limits_file(path, 2), 0);
    EXPECT_EQ(limit(2, 0), 1.5);
}

// The rows of a file name library compounds: after a library change they are matched again.
TEST_F(ReportingLimitsReader, AChangedLibraryMatchesTheRowsAgain) {
    const std::string path = settled(write("\nBenzene;1.50\nXylene;3.50"));
    ASSERT_EQ(read_reporting_limits_file(path, 0), 1);
    std::swap(method_data.library_saved[0].name, method_data.library_saved[3].name);  // Xylene, Toluene-d8, Toluene, Benzene
    ASSERT_EQ(read_reporting_limits_file(path, 0), 1);
    EXPECT_EQ(process_files_data.samples[0].reporting_limits[0].name, "Xylene");
    EXPECT_EQ(limit(0, 0), 3.5);
    EXPECT_EQ(limit(0, 3), 1.5);

    method_data.compound_count = 3;  // Benzene leaves the library: line 6 names no compound
    EXPECT_EQ(read_reporting_limits_file(path, 0), 6);
    EXPECT_EQ(limit(0, 3), 1.5);
}

// A refused file is refused again, with the same answer, however often it is read.
TEST_F(ReportingLimitsReader, ARefusedFileIsRefusedEachTime) {
    const std::string twice = settled(folder.write("twice.lmt", header + "\nBenzene;1\nBenzene;2"));
    const std::string unknown = settled(folder.write("unknown.lmt", header + "\nBenzene;1\nStyrene;2"));
    for (int i = 0; i < 2; ++i) {
        ui.expect_message("is named twice");
        EXPECT_EQ(read_reporting_limits_file(twice, 0), 0) << i;
        EXPECT_EQ(read_reporting_limits_file(unknown, 0), 7) << i;
    }
}

}  // namespace
