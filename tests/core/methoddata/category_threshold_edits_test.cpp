#include "methoddata/category_threshold_edits.h"

#include <gtest/gtest.h>

#include "methoddata/tables.h"
#include "platform/errors.h"

namespace {

class ThresholdEdits : public ::testing::Test {
  protected:
    void SetUp() override {
        construct_method_data();
        category_thresholds = {150.5, 1.0, 2.0, 90.0, 158.0, 3.0};
    }
};

TEST_F(ThresholdEdits, TheSemiVolatileEditShowsTheVolatileThreshold) {
    EXPECT_EQ(shown_threshold_texts(), (ThresholdTexts{"150.5", "1", "2", "90", "150.5", "3"}));
    EXPECT_EQ(mirrored_svc_text(" 161.25"), "161.25");
    EXPECT_THROW(mirrored_svc_text(""), ConversionError);
    EXPECT_THROW(mirrored_svc_text("16x"), ConversionError);
}

TEST_F(ThresholdEdits, BlankEditsTakeTheirDefaults) {
    apply_threshold_texts({" ", "", "  ", "", "", " "});
    const CategoryThresholds& t = category_thresholds;
    EXPECT_EQ((std::array{t.vcs, t.vcsLn, t.n_pvcs, t.n_pvcsLn, t.svc, t.svcLn}),
              (std::array{159.0, 100.0, 159.0, 100.0, 159.0, 0.0}));
    apply_threshold_texts({"170", "5", "6", " 80 ", "170", "-1"});
    EXPECT_EQ((std::array{t.vcs, t.vcsLn, t.n_pvcs, t.n_pvcsLn, t.svc, t.svcLn}),
              (std::array{170.0, 5.0, 6.0, 80.0, 170.0, -1.0}));
}

TEST_F(ThresholdEdits, ABadTextKeepsWhatWasStoredBeforeIt) {
    EXPECT_THROW(apply_threshold_texts({"170", "5", "six", "80", "170", "0"}), ConversionError);
    EXPECT_EQ(category_thresholds.vcs, 170.0);
    EXPECT_EQ(category_thresholds.vcsLn, 5.0);
    EXPECT_EQ(category_thresholds.n_pvcs, 2.0);
    EXPECT_EQ(category_thresholds.n_pvcsLn, 90.0);
}

}  // namespace
