#include "calibration/level_label.h"

#include <gtest/gtest.h>

#include "methoddata/tables.h"
#include "program/program_state.h"

namespace {

// A library whose analyte has an amount at every level.
class LevelLabel : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        method_data.compound_count = 1;
        method_data.library[0].name = "Benzene";
        method_data.library[0].conc = {1, 5, 10, 20, 50, 100, 200, 300, 400, 500};
        method_data.library_saved = method_data.library;
    }
};

TEST_F(LevelLabel, EntriesAreCheckedInTheOrderTheAnalystIsTold) {
    struct Case {
        int item;
        const char* dilution;
        const char* refusal;  // nullptr: accepted
        const char* caption;
    } cases[] = {
        {kNoLevelItem, "", "Please select a concentration before exiting.", "Selection Required"},
        {kNoLevelItem, "2", "Please select a concentration before exiting.", "Selection Required"},
        {kDilutionItem, "", "Please enter a dilution factor before exiting.",
         "Dilution Factor Required"},
        {kDilutionItem, "1.2.3", "Please enter a valid dilution factor", "Invalid dilution factor"},
        {kDilutionItem, "-2", "Please enter a valid dilution factor", "Invalid dilution factor"},
        {kDilutionItem, "2e-1", "Please enter a valid dilution factor", "Invalid dilution factor"},
        {kDilutionItem, "1,5", "Please enter a valid dilution factor", "Invalid dilution factor"},
        {kDilutionItem, " 2", "Please enter a valid dilution factor", "Invalid dilution factor"},
        // A factor of 0 gives the standard no amount to calibrate with.
        {kDilutionItem, "0", "Please enter a dilution factor greater than 0", "Invalid dilution factor"},
        {kDilutionItem, "0.00", "Please enter a dilution factor greater than 0", "Invalid dilution factor"},
        {kDilutionItem, ".", "Please enter a dilution factor greater than 0", "Invalid dilution factor"},
        {kDilutionItem, "0.01", nullptr, nullptr},
        {kDilutionItem, "10", nullptr, nullptr},
        // The level table keeps 9 characters: a longer factor would be used cut.
        {kDilutionItem, "0.1234567", nullptr, nullptr},
        {kDilutionItem, "0.12345678", "A dilution factor can have at most 9 characters.",
         "Invalid dilution factor"},
        {kDilutionItem, ".12345678", "A dilution factor can have at most 9 characters.",
         "Invalid dilution factor"},
        {kDilutionItem, "5.", nullptr, nullptr},
        {9, "", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dilution);
        auto refusal = check_level_entry(c.item, c.dilution);
        ASSERT_EQ(refusal.has_value(), c.refusal != nullptr);
        if (refusal) {
            EXPECT_EQ(refusal->text, c.refusal);
            EXPECT_EQ(refusal->caption, c.caption);
        }
    }
}

TEST_F(LevelLabel, TheLabelIsTheLevelCaptionOrTheDilutionFactor) {
    EXPECT_EQ(level_label_of_entry(0, ""), "Amount1");
    EXPECT_EQ(level_label_of_entry(9, ""), "Amount10");
    EXPECT_EQ(level_label_of_entry(kDilutionItem, "0.5"), "0.5");
    EXPECT_EQ(level_label_of_entry(kDilutionItem, ".25"), "0.25");
    EXPECT_EQ(level_label_of_entry(kDilutionItem, "5."), "5.");
    EXPECT_EQ(level_item_captions[kDilutionItem], "Amount as Dilution of Amount 1");
}

// A standard at a level where no analyte of the library has an amount calibrates nothing,
// and its amounts of 0 would become every analyte's lowest level.
TEST_F(LevelLabel, ALevelWithoutAnyAnalyteAmountIsRefused) {
    // An internal standard is at its own Amount 1 at every level: it gives no level amounts.
    method_data.library[1] = method_data.library[0];
    method_data.library[1].name = "Fluorobenzene";
    method_data.library[1].is_internal_standard = 1;
    method_data.library[1].conc.fill(25.0);
    method_data.compound_count = 2;
    method_data.library[0].conc = {1, 5, 10, 20, 50, 100, 0, 0, 0, 0};  // as the demo library's analytes
    method_data.library_saved = method_data.library;
    const std::string refused = "A standard at this level would calibrate nothing: please choose the level "
                                "the standard was made at.";
    EXPECT_FALSE(check_level_entry(5, ""));
    for (int item : {6, 9}) {
        auto refusal = check_level_entry(item, "");
        ASSERT_TRUE(refusal) << item;
        EXPECT_EQ(refusal->text, "No analyte of the library has an amount at " + level_item_captions[item] +
                                     ".\n" + refused);
        EXPECT_EQ(refusal->caption, "Level Without Amounts");
    }
    EXPECT_FALSE(check_level_entry(kDilutionItem, "0.5"));
    // The saved library is the one the amounts are taken from.
    method_data.library_saved[0].conc[0] = 0.0;
    auto no_base = check_level_entry(kDilutionItem, "0.5");
    ASSERT_TRUE(no_base);
    EXPECT_EQ(no_base->text, "No analyte of the library has an amount at Amount1, which the dilution factor "
                             "multiplies.\n" + refused);
}

}  // namespace
