#include "program/program_state.h"
#include "samples/lmt_printout.h"

#include <gtest/gtest.h>

#include "../surrogate_fixtures.h"
#include "samples/lmt_editor.h"
#include "recording_canvas.h"
#include "scripted_ui.h"

namespace {

// On the recording canvas (portrait 2550 x 3300): u = 300, v = 300, line step h = 38.
class LmtPrintout : public ::testing::Test {
  protected:
    void SetUp() override { construct_method_data(); }
    LmtPrintFields fields() const {
        return {"/mdl/water.lmt", "/lib/demo.txt", "/is/demo.ini", "10", "water", "grab", "ng/l"};
    }
    ReportingLimitSlot slot_with_limits() const {
        ReportingLimitSlot slot;
        fill_slot_from_library(slot);
        for (int r = 0; r < method_data.compound_count; ++r) slot[r].limit = 0.5 * r;
        return slot;
    }
    const CanvasOp& at(const RecordingCanvas& c, const std::string& text) const {
        const CanvasOp* op = c.find_text(text);
        EXPECT_NE(op, nullptr) << text;
        static const CanvasOp none;
        return op ? *op : none;
    }
    ScriptedUi ui;
};

TEST_F(LmtPrintout, HeaderAndRowsWithLibraryNumbers) {
    add_library_row("IS-1", true);
    add_library_row("Benzene", false);
    add_library_row("Toluene", false);
    RecordingCanvas c;
    print_limits(c, fields(), slot_with_limits());
    EXPECT_TRUE(c.job_begun && c.job_ended);
    EXPECT_EQ(c.orientation, Orientation::Portrait);
    EXPECT_EQ(c.page, 1);
    struct Pos {
        const char* text;
        int x, y;
    };
    const Pos expected[] = {
        {"Reporting Limit Report: /mdl/water.lmt", 300, 75}, {"Page: 1", 1950, 75},
        {"Creation Date:", 0, 151},         {"03/14/2026 09:26", 450, 151},
        {"/LIB/DEMO.TXT", 450, 189},        {"Internal Standard Groups:", 0, 227},
        {"/IS/DEMO.INI", 450, 227},         {"Sample Size:", 0, 265},
        {"10", 450, 265},                   {"water", 450, 303},
        {"grab", 450, 341},                 {"ng/l", 450, 379},
        {"Compound", 0, 455},               {"LMT", 675, 455},
        {"2: ", 0, 493},                    {"Benzene", 93, 493},
        {"0.50", 675, 493},                 {"3: ", 0, 531},
        {"1.00", 675, 531},
    };
    for (const Pos& p : expected) {
        const CanvasOp& op = at(c, p.text);
        EXPECT_EQ(op.x1, p.x) << p.text;
        EXPECT_EQ(op.y1, p.y) << p.text;
    }
    EXPECT_EQ(c.find_text("1: "), nullptr);  // an internal standard is not listed
}

TEST_F(LmtPrintout, RowsFillTwoColumnsThenContinueOnANewPage) {
    for (int r = 0; r < kMaxCompounds; ++r) add_library_row("C" + std::to_string(r + 1), false);
    RecordingCanvas c;
    print_limits(c, fields(), slot_with_limits());
    // Column 1 from y 493 in steps of 38 ends after the row that passes 3104 (16/17 page):
    // 69 rows a column.
    const CanvasOp& last_of_column_1 = at(c, "69: ");
    EXPECT_EQ(last_of_column_1.x1, 0);
    EXPECT_EQ(last_of_column_1.y1, 493 + 68 * 38);
    const CanvasOp& first_of_column_2 = at(c, "70: ");
    EXPECT_EQ(first_of_column_2.x1, 1200);
    EXPECT_EQ(first_of_column_2.y1, 493);
    EXPECT_EQ(at(c, "C70").x1, 1293);
    EXPECT_EQ(at(c, "34.50").x1, 1875);
    EXPECT_EQ(at(c, "138: ").page, 1);
    EXPECT_NE(c.find_text("Compound"), nullptr);
    // The rows two columns cannot hold are not lost: page 2 repeats the header.
    EXPECT_EQ(c.page, 2);
    EXPECT_EQ(at(c, "139: ").page, 2);
    EXPECT_EQ(at(c, "139: ").y1, 493);
    EXPECT_EQ(at(c, "150: ").page, 2);
    EXPECT_EQ(c.texts(2)[1], "Page: 2");
}

TEST_F(LmtPrintout, ABadSampleSizeEndsTheHeaderOnceAndTheRowsFollow) {
    add_library_row("Benzene", false);
    for (const auto& [size, text] : std::vector<std::pair<std::string, std::string>>{
             {"1,5", "The Sample Size must be a valid number"},
             {".", "The Sample Size must be a valid number"},  // no number: no exception mid-print
             {"1.2.3", "Please enter a valid sample size"}}) {
        ui.expect_message(text);
        LmtPrintFields f = fields();
        f.size_text = size;
        RecordingCanvas c;
        print_limits(c, f, slot_with_limits());
        EXPECT_EQ(c.find_text("Sample Size:"), nullptr);
        EXPECT_EQ(c.find_text("LMT"), nullptr);
        EXPECT_EQ(at(c, "1: ").y1, 227 + 38);
    }
}

TEST_F(LmtPrintout, EmptySizeCountsAsOneAndAnEmptyMatrixIsNamed) {
    add_library_row("Benzene", false);
    LmtPrintFields f = fields();
    f.size_text = "";
    f.matrix = "";
    f.imported_file = "";
    RecordingCanvas c;
    print_limits(c, f, slot_with_limits());
    EXPECT_EQ(at(c, "1").y1, 265);
    EXPECT_EQ(at(c, "No MATRIX Given").y1, 303);
    EXPECT_NE(c.find_text("Reporting Limit Report: "), nullptr);
}

}  // namespace
