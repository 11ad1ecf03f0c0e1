#include "methoddata/library_sync.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "methoddata/mismatch_report.h"
#include "platform/paths.h"
#include "scripted_ui.h"
#include "surrogate_fixtures.h"
#include "test_files.h"
#include "program/program_state.h"

namespace {

// The report file goes to the temp folder; each test gets its own.
class LibrarySync : public ::testing::Test {
  protected:
    void SetUp() override {
        construct_method_data();
        setenv("TMPDIR", temp.path().c_str(), 1);
        method_data.library_ini_path = "/data/lib/DEMO.ini";
        method_data.surrogate_file_path = "/data/surr/DEMO.INI";
    }
    void TearDown() override { unsetenv("TMPDIR"); }

    std::string report_file() const { return read_file_text(temp.file("mismatchfile.TXT")); }
    bool report_written() const { return file_exists(temp.file("mismatchfile.TXT")); }

    TempFolder temp;
    ScriptedUi ui;
};

const std::string kHead = "The mismatch file to be printed\n\nSurrogate Compound" +
                          std::string(20, ' ') + "Library compound\n\n";
const std::string kAlone = ":" + std::string(25, ' ');  // a library row without a record
const std::string kNotInStepWarning =
    "The internal standard file is not synchronized to the compound library.\n"
    "You must create a new internal standard file and enter the settings.\nA printout is being "
    "produced.";
// The report file is named with its printout (the scripted printer tells no job).
const std::string kReportWritten = "The report file was written:\n";

// Internal standards as the 2nd and 4th library rows, records in the given order.
void library_with_two_standards() {
    add_library_row("Benzene", false);
    add_library_row("Toluene-d8", true, 110, 13.5);
    add_library_row("Toluene", false);
    add_library_row("Fluorobenzene", true, 85, 13.0);
}

}  // namespace

TEST_F(LibrarySync, InStepWhenRecordsFollowTheStandardsWhereverTheyStand) {
    library_with_two_standards();
    add_record("Toluene-d8", 110, 13.5, {}, 2);
    add_record("Fluorobenzene", 85, 13.0, {}, 4);
    EXPECT_TRUE(check_library_sync(method_data.library, method_data.surrogates));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(report_written());
    EXPECT_TRUE(ui.printed.empty());
}

TEST_F(LibrarySync, AcceptedRenamesGiveCode1AndTheLibraryCompound) {
    library_with_two_standards();
    add_record("Fluorobenzene", 85, 13.0, {{1}, {}}, 4);
    add_record("Toluene-d8", 110, 13.5, {{2}, {}}, 2);
    ui.answer(Answer::Yes);
    ui.answer(Answer::Yes);
    ui.expect_message(
        "The surrogate file has been modified.\nSave the file in the Surrogate Data form.");
    EXPECT_TRUE(check_library_sync(method_data.library, method_data.surrogates));

    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(
        ui.messages[0].text,
        "Library compound: Toluene-d8 ---> Surrogate compound: Fluorobenzene\nIs this a rename?");
    EXPECT_EQ(ui.messages[0].caption, "Warning");
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(
        ui.messages[1].text,
        "Library compound: Fluorobenzene ---> Surrogate compound: Toluene-d8\nIs this a rename?");
    EXPECT_EQ(ui.messages[2].text,
              "The surrogate file has been modified.\nSave the file in the Surrogate Data form.");
    EXPECT_EQ(ui.messages[2].caption, "Warning");
    // Record 0 now stands for Toluene-d8 with its properties; its groups stay.
    EXPECT_EQ(method_data.surrogates[0].name, "Toluene-d8");
    EXPECT_EQ(method_data.surrogates[0].LibCmpndNum, 2);
    EXPECT_EQ(method_data.surrogates[0].bp, 110.0);
    EXPECT_EQ(method_data.surrogates[0].rvw, 13.5);
    EXPECT_EQ(method_data.surrogates[0].bpgroup[0], 1);
    EXPECT_EQ(method_data.surrogate_file_written, 0);
    EXPECT_FALSE(report_written());
}

TEST_F(LibrarySync, RefusedRenameGivesCode9TheReportAndThePrintout) {
    library_with_two_standards();
    add_record("Fluorobenzene", 85, 13.0, {{1}, {2}, 0, 1}, 4);
    add_record("Toluene-d8", 110, 13.5, {}, 2);
    ui.answer(Answer::No);
    ui.expect_message(kNotInStepWarning);
    ui.expect_message(kReportWritten + temp.file("mismatchfile.TXT"));
    EXPECT_FALSE(check_library_sync(method_data.library, method_data.surrogates));
    EXPECT_EQ(ui.messages.size(), 3u);  // one question only: the walk stops at the refusal
    EXPECT_EQ(method_data.surrogates[0].name, "Fluorobenzene");
    EXPECT_EQ(method_data.surrogate_file_written, 1);
    EXPECT_EQ(report_file(), kHead + "1" + kAlone + "Benzene\n" +
                                 "2: Fluorobenzene bpg1  rvwg2  Surrogate  Toluene-d8\n" + "3" +
                                 kAlone + "Toluene\n" + "4: Toluene-d8  Fluorobenzene\n");
    ASSERT_EQ(ui.finished_jobs.size(), 1u);
    EXPECT_EQ(ui.finished_jobs[0].report_name, "Mismatch Report");
    EXPECT_TRUE(ui.finished_jobs[0].job_ended);
}

// A report that cannot be written is said so, with its path; the printout still comes.
TEST_F(LibrarySync, AReportThatCannotBeWrittenIsReported) {
    library_with_two_standards();
    add_record("Benzene-d6", 80, 1.0, {}, 2);
    make_folders(temp.file("mismatchfile.TXT"));  // a folder in the report's place
    ui.answer(Answer::No);
    ui.expect_message(kNotInStepWarning);
    ui.expect_message("The mismatch report " + temp.file("mismatchfile.TXT") + " could not be written");
    EXPECT_FALSE(check_library_sync(method_data.library, method_data.surrogates));
    EXPECT_EQ(ui.last_message().caption, "Error");
    EXPECT_EQ(ui.finished_jobs.size(), 1u);
}

TEST_F(LibrarySync, MoreRecordsThanStandardsIsOutOfStepEvenWhenNamesMatch) {
    add_library_row("Acetone-d6", true);
    add_library_row("Benzene", false);
    add_record("Acetone-d6", 56, 0.08, {{2}, {1}, 1}, 1);
    add_record("Extra-d5", 90, 1.0, {}, 2);
    ui.expect_message(kNotInStepWarning);
    ui.expect_message(kReportWritten + temp.file("mismatchfile.TXT"));
    EXPECT_FALSE(check_library_sync(method_data.library, method_data.surrogates));
    EXPECT_EQ(report_file(), kHead + "1: Acetone-d6 bpg2  rvwg1  First Pass  = \n" + "2" + kAlone +
                                 "Benzene\n" + "3: Extra-d5\n");
}

TEST_F(LibrarySync, FewerRecordsThanStandardsIsOutOfStep) {
    add_library_row("Acetone-d6", true);
    add_library_row("Toluene-d8", true);
    add_record("Acetone-d6", 56, 0.08, {}, 1);
    ui.expect_message(kNotInStepWarning);
    ui.expect_message(kReportWritten + temp.file("mismatchfile.TXT"));
    EXPECT_FALSE(check_library_sync(method_data.library, method_data.surrogates));
    EXPECT_EQ(report_file(), kHead + "1: Acetone-d6  = \n" + "2" + kAlone + "Toluene-d8\n");
}

TEST_F(LibrarySync, NamesCompareWithRegardToCase) {
    add_library_row("Toluene-D8", true);
    add_record("Toluene-d8", 110, 13.5, {}, 1);
    ui.answer(Answer::Yes);
    ui.expect_message("The surrogate file has been modified.");
    EXPECT_TRUE(check_library_sync(method_data.library, method_data.surrogates));
    EXPECT_EQ(method_data.surrogates[0].name, "Toluene-D8");
}

TEST(MismatchPrintout, RowsMarksAndPageBreak) {
    construct_method_data();
    method_data.library_ini_path = "/data/lib/DEMO.ini";
    method_data.surrogate_file_path = "/data/surr/DEMO.INI";
    ScriptedUi ui;  // fixes the clock
    add_library_row("IS-A", true);
    add_library_row("IS-B", true);
    for (int i = 3; i <= 60; ++i) add_library_row("Analyte " + std::to_string(i), false);
    add_record("IS-A", 1, 1, {{2}, {1}, 1, 1});
    add_record("Other", 1, 1, {});

    RecordingCanvas canvas;
    print_mismatch_report(canvas, mismatch_rows(method_data.library, method_data.surrogates));
    EXPECT_TRUE(canvas.job_ended);
    EXPECT_EQ(canvas.orientation, Orientation::Portrait);  // back after the job

    // Landscape 3300 x 2550: u = 300, b = 300, h = 38; rows begin at 75 + 3h + 2h + 2h.
    const int u = 300, h = 38, first_row = 75 + 7 * h;
    auto at = [&](const std::string& text) {
        const CanvasOp* op = canvas.find_text(text);
        return op ? std::make_tuple(op->page, op->x1, op->y1) : std::make_tuple(0, -1, -1);
    };
    EXPECT_EQ(at("Process Date:"), std::make_tuple(1, 0, 75));
    EXPECT_EQ(at("03/14/2026 09:26"), std::make_tuple(1, 2 * u, 75));
    EXPECT_EQ(at("Page: 1"), std::make_tuple(1, 8 * u, 75));
    EXPECT_EQ(at("/data/lib/DEMO.ini"), std::make_tuple(1, 2 * u, 75 + h));
    EXPECT_EQ(at("/data/surr/DEMO.INI"), std::make_tuple(1, 2 * u, 75 + 2 * h));
    EXPECT_EQ(at("Surrogate Compound"), std::make_tuple(1, u / 4, 75 + 5 * h));
    EXPECT_EQ(at("Library Compound"), std::make_tuple(1, 8 * u, 75 + 5 * h));

    // Row 1: a matching record with its marks one after another from 1.75u, "=" at 8u.
    EXPECT_EQ(at("1:"), std::make_tuple(1, 0, first_row));
    EXPECT_EQ(at("IS-A"), std::make_tuple(1, u / 4, first_row));
    EXPECT_EQ(at("bpg2"), std::make_tuple(1, 525, first_row));
    EXPECT_EQ(at("rvwg1"), std::make_tuple(1, 525 + 120, first_row));
    EXPECT_EQ(at("FP"), std::make_tuple(1, 525 + 240, first_row));
    EXPECT_EQ(at("CS"), std::make_tuple(1, 525 + 360, first_row));
    EXPECT_EQ(at("="), std::make_tuple(1, 8 * u, first_row));
    // Row 2: a record beside another standard's name; row 3 an analyte alone.
    EXPECT_EQ(at("Other"), std::make_tuple(1, u / 4, first_row + h));
    EXPECT_EQ(at("IS-B"), std::make_tuple(1, 8 * u, first_row + h));
    EXPECT_EQ(at("Analyte 3"), std::make_tuple(1, 8 * u, first_row + 2 * h));

    // 55 rows fill page 1 (the 55th passes 8 bands); page 2 repeats the header.
    EXPECT_EQ(at("55:"), std::make_tuple(1, 0, first_row + 54 * h));
    EXPECT_EQ(at("Page: 2"), std::make_tuple(2, 8 * u, 75));
    EXPECT_EQ(at("56:"), std::make_tuple(2, 0, first_row));
    EXPECT_EQ(at("60:"), std::make_tuple(2, 0, first_row + 4 * h));
    EXPECT_EQ(canvas.page, 2);

    // Exactly one page's rows: no empty page after the last.
    method_data.compound_count = 55;
    RecordingCanvas one_page;
    print_mismatch_report(one_page, mismatch_rows(method_data.library, method_data.surrogates));
    EXPECT_EQ(one_page.page, 1);
}
