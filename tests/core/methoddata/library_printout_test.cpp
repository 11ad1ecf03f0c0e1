#include "methoddata/library_printout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "recording_canvas.h"
#include "scripted_ui.h"
#include "program/program_state.h"

namespace {

class LibraryPrintout : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        for (int i = 0; i < 60; ++i) {
            LibraryCompound& c = method_data.library[i];
            c.name = "Compound " + std::to_string(i + 1);
            c.is_internal_standard = i == 0;
            c.rvw = 0.5;
            c.bp = 100.0 + i;
            for (int k = 0; k < kMaxLevels; ++k) c.conc[k] = 1000.0 * (k + 1);
            c.casNumber = " 71-43-2 ";
        }
        method_data.compound_count = 60;
    }
    ScriptedUi ui;  // fixes the clock
    RecordingCanvas canvas;
};

TEST_F(LibraryPrintout, TheHeaderAndTheFirstCompound) {
    method_data.variable_mode.variable1_label = "Volatility";
    method_data.variable_mode.variable2_label = "BP";
    print_library(canvas, 1, method_data.library, "/data/demo_library.txt");
    EXPECT_TRUE(canvas.job_begun && canvas.job_ended);
    EXPECT_EQ(canvas.ops.front().font.name, "Arial");
    EXPECT_EQ(canvas.ops.front().font.size, 8);
    const double h = (3300 / 11) * 8.0 / 72.0 * 1.15;
    struct Line {
        const char* text;
        double row;  // in line heights
    };
    for (const Line& l : {Line{"Page: 1", 0}, {"Compound Library", 1}, {"/DATA/DEMO_LIBRARY.TXT", 1},
                          {"Process Date:", 2}, {"03/14/2026 09:26", 2}, {"N", 4}, {"Vol~", 4}, {"BP", 4},
                          {"PartCoef.", 4}, {"CAS#", 4}, {"C5", 5}, {"C10", 6}, {"Compound 1", 8},
                          {"Internal Standard ", 8}, {"71-43-2", 8}, {"5000.00", 9}, {"10000.00", 10}}) {
        const CanvasOp* op = canvas.find_text(l.text);
        ASSERT_NE(op, nullptr) << l.text;
        EXPECT_EQ(op->y1, static_cast<int>(l.row * h)) << l.text;
    }
    // Amounts 6..10 stand under amounts 1..5.
    EXPECT_EQ(canvas.find_text("C6")->x1, canvas.find_text("C1")->x1);
    EXPECT_EQ(canvas.find_text("10000.00")->x1, canvas.find_text("5000.00")->x1);
}

TEST_F(LibraryPrintout, OneVariableTitlesAndEveryTextOnThePage) {
    method_data.variable_mode.one_variable_mode = 1;
    print_library(canvas, method_data.compound_count, method_data.library, "lib.txt");
    EXPECT_NE(canvas.find_text("Ln"), nullptr);
    EXPECT_NE(canvas.find_text("Linear"), nullptr);
    // The tenth amount ends inside the page, however wide its text.
    const CanvasOp* last_amount = canvas.find_text("10000.00");
    ASSERT_NE(last_amount, nullptr);
    EXPECT_LT(last_amount->x1 + canvas.text_width("10000.00"), canvas.page_width());
}

TEST_F(LibraryPrintout, ANewPageRepeatsTheHeaderAndStartsWhereTheFirstDid) {
    print_library(canvas, method_data.compound_count, method_data.library, "lib.txt");
    ASSERT_GE(canvas.page, 2);
    const CanvasOp* first = canvas.find_text("Compound 1");
    const CanvasOp* page2_top = nullptr;
    for (const CanvasOp& op : canvas.ops)
        if (op.page == 2 && op.kind == CanvasOp::Text && op.text.rfind("Compound ", 0) == 0 &&
            op.text != "Compound Library" && !page2_top)
            page2_top = &op;
    ASSERT_NE(page2_top, nullptr);
    EXPECT_EQ(page2_top->y1, first->y1);
    const std::vector<std::string> page2 = canvas.texts(2);
    EXPECT_NE(std::find(page2.begin(), page2.end(), "Page: 2"), page2.end());
    // Every compound is printed once, and no page is left with a header alone.
    int printed = 0;
    for (const std::string& t : canvas.texts())
        if (t.rfind("Compound ", 0) == 0 && t != "Compound Library") ++printed;
    EXPECT_EQ(printed, 60);
    EXPECT_FALSE(canvas.texts(canvas.page).empty());
    EXPECT_NE(canvas.texts(canvas.page).back(), "C5");
}

TEST(PropertyTitle, LongLabelsAreCut) {
    EXPECT_EQ(property_title("RVW"), "RVW");
    EXPECT_EQ(property_title("Boiling"), "Boi~");
}

}  // namespace
