#include "methoddata/category_threshold_edits.h"

#include <gtest/gtest.h>

#include "methoddata/tables.h"
#include "platform/errors.h"
#include "scripted_ui.h"
#include "program/program_state.h"

namespace {

class ThresholdEdits : public ::testing::Test {
  protected:
    void SetUp() override {
        construct_method_data();
        method_data.category_thresholds = {150.5, 1.0, 2.0, 90.0, 158.0, 3.0};
    }
    ScriptedUi ui;
};

TEST_F(ThresholdEdits, TheSemiVolatileEditShowsTheVolatileThreshold) {
    EXPECT_EQ(shown_threshold_texts(), (ThresholdTexts{"150.5", "1", "2", "90", "150.5", "3"}));
    EXPECT_EQ(mirrored_svc_text(" 161.25"), "161.25");
    EXPECT_THROW(mirrored_svc_text(""), ConversionError);
    EXPECT_THROW(mirrored_svc_text("16x"), ConversionError);
}

TEST_F(ThresholdEdits, BlankEditsTakeTheirDefaults) {
    apply_threshold_texts({" ", "", "  ", "", "", " "});
    const CategoryThresholds& t = method_data.category_thresholds;
    EXPECT_EQ((std::array{t.vcs, t.vcsLn, t.n_pvcs, t.n_pvcsLn, t.svc, t.svcLn}),
              (std::array{159.0, 100.0, 159.0, 100.0, 159.0, 0.0}));
    apply_threshold_texts({"170", "5", "6", " 80 ", "170", "-1"});
    EXPECT_EQ((std::array{t.vcs, t.vcsLn, t.n_pvcs, t.n_pvcsLn, t.svc, t.svcLn}),
              (std::array{170.0, 5.0, 6.0, 80.0, 170.0, -1.0}));
}

// Every edit is read whole before any threshold is stored: a refused one stores none.
TEST_F(ThresholdEdits, ABadTextIsRefusedNamingItsEditAndStoresNothing) {
    const CategoryThresholds before = method_data.category_thresholds;
    for (const auto& [texts, message] :
         {std::pair{ThresholdTexts{"170", "5", "six", "80", "170", "0"},
                    "The box \"Non-Purgeable volatile compound class, linear column\" was refused: 'six' is not a number."},
          {ThresholdTexts{"170", "5", "6", "80", "170", "0,5"}, "\"Semi-Volatile compound class, log column\""},
          {ThresholdTexts{"159 C", "5", "6", "80", "170", "0"}, "'159 C' is not a number"}}) {
        ui.expect_message(message);
        EXPECT_FALSE(apply_threshold_texts(texts));
        EXPECT_EQ(method_data.category_thresholds.vcs, before.vcs);
        EXPECT_EQ(method_data.category_thresholds.vcsLn, before.vcsLn);
        EXPECT_EQ(method_data.category_thresholds.svcLn, before.svcLn);
    }
}

}  // namespace
