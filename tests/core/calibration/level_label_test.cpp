#include "calibration/level_label.h"

#include <gtest/gtest.h>

namespace {

TEST(LevelLabel, EntriesAreCheckedInTheOrderTheAnalystIsTold) {
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

TEST(LevelLabel, TheLabelIsTheLevelCaptionOrTheDilutionFactor) {
    EXPECT_EQ(level_label_of_entry(0, ""), "Amount1");
    EXPECT_EQ(level_label_of_entry(9, ""), "Amount10");
    EXPECT_EQ(level_label_of_entry(kDilutionItem, "0.5"), "0.5");
    EXPECT_EQ(level_label_of_entry(kDilutionItem, ".25"), "0.25");
    EXPECT_EQ(level_label_of_entry(kDilutionItem, "5."), "5.");
    EXPECT_EQ(level_item_captions[kDilutionItem], "Amount as Dilution of Amount 1");
}

}  // namespace
