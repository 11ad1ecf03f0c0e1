#include "methoddata/surrogate_range_limits.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "scripted_ui.h"
#include "../surrogate_fixtures.h"
#include "program/program_state.h"

namespace {

// BP group 1: bp 40 50 60 70 (range 45..65, x 40..70); group 2: 100 110 120 (range 100..115,
// max 120). RV group 1: ln rvw 0 1 2 (range 0..2); group 2: 3 4 5 6 (range 3.5..5.5, max 6).
// Three first-pass standards outside every group.
class RangeLimits : public ::testing::Test {
  protected:
    void SetUp() override {
        construct_method_data();
        add_two_group_records();
    }
    LimitTexts defaults() const { return {"40", "115.00", "1.00", "244.69"}; }
    ScriptedUi ui;
};

TEST_F(RangeLimits, ShowsSetLimitsAndTheGroupDefaultsOfTheOthers) {
    EXPECT_EQ(shown_limit_texts(), defaults());
    // A set limit shows as applied: two decimals would round 42.456, and 0.004 would show
    // as 0.00, which Apply must refuse.
    method_data.surrogate_range_limits.MinBP = 42.456;
    method_data.surrogate_range_limits.MaxRVW = 100.0;
    method_data.surrogate_range_limits.MinRVW = 0.004;
    EXPECT_EQ(shown_limit_texts(), (LimitTexts{"42.456", "115.00", "0.004", "100.00"}));

    // A default whose two decimals fall outside its band shows a text that Apply accepts.
    method_data.surrogate_range_limits = SurrogateRangeLimits{};
    method_data.surrogates[0].rvw = 0.004;  // the lowest rvw of RV group 1
    const LimitTexts shown = shown_limit_texts();
    EXPECT_EQ(shown[kEditRvMin], "0.004");
    EXPECT_FALSE(apply_range_limits(shown));
    EXPECT_NEAR(method_data.surrogate_range_limits.MinRVW, 0.004, 1e-15);
}

TEST_F(RangeLimits, ApplyChecksEachLimitAgainstItsBand) {
    struct Case {
        int edit;
        std::string text;
        std::string refusal;  // message start, empty when accepted
        std::string reset;
    };
    const Case cases[] = {
        {kEditBpMin, "40", "", ""},
        {kEditBpMin, "39.99", "Quantilyzer: 18001", "40.00"},
        {kEditBpMin, "65", "", ""},
        {kEditBpMin, "65.01", "Quantilyzer: 18002", "65.00"},
        {kEditBpMax, "120", "", ""},  // equal to a bound passes
        {kEditBpMax, "120.5", "Quantilyzer: 18003", "120.00"},
        {kEditBpMax, "99", "Quantilyzer: 18004", "100.00"},
        {kEditRvMin, "0.9999999995", "", ""},  // ln within 1e-9 below the minimum x
        {kEditRvMin, "0.999999998", "Quantilyzer: 18005", "1.00"},
        {kEditRvMin, "7.3890561", "", ""},  // ln within 1e-9 above the range high 2
        // Two decimals of e^2 and e^6 lie outside the band: the general form is suggested.
        {kEditRvMin, "7.39", "Quantilyzer: 18006", "7.38905609893065"},
        {kEditRvMax, "404", "Quantilyzer: 18007", "403.428793492735"},
        {kEditRvMax, "33", "Quantilyzer: 18008", "33.12"},
        {kEditRvMin, "0", "Your specified minimum relative volatility must be greater than 0", "1.00"},
        {kEditRvMax, "-5", "Your specified maximum relative volatility must be greater than 0", "244.69"},
    };
    for (const Case& c : cases) {
        LimitTexts texts = defaults();
        texts[c.edit] = c.text;
        method_data.surrogate_range_limits = SurrogateRangeLimits{};
        method_data.user_limits_applied = 0;
        if (!c.refusal.empty()) ui.expect_message(c.refusal);
        const auto reset = apply_range_limits(texts);
        ASSERT_EQ(reset.has_value(), !c.refusal.empty()) << c.text;
        if (!reset) {
            EXPECT_EQ(method_data.user_limits_applied, 1) << c.text;
            EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinBP, std::stod(texts[kEditBpMin])) << c.text;
            EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MaxRVW, std::stod(texts[kEditRvMax])) << c.text;
            continue;
        }
        EXPECT_EQ(reset->edit, c.edit) << c.text;
        EXPECT_EQ(reset->text, c.reset) << c.text;
        EXPECT_EQ(ui.last_message().caption, "Invalid limits");
        // A refused entry changes nothing...
        EXPECT_EQ(method_data.user_limits_applied, 0) << c.text;
        EXPECT_TRUE(is_not_set(method_data.surrogate_range_limits.MinBP) && is_not_set(method_data.surrogate_range_limits.MaxBP) &&
                    is_not_set(method_data.surrogate_range_limits.MinRVW) && is_not_set(method_data.surrogate_range_limits.MaxRVW))
            << c.text;
        // ...and the value it suggests is accepted as shown.
        texts[c.edit] = reset->text;
        EXPECT_FALSE(apply_range_limits(texts)) << c.text;
        EXPECT_EQ(method_data.user_limits_applied, 1) << c.text;
    }
}

TEST_F(RangeLimits, MessagesNameTheBoundAndTheDefault) {
    ui.expect_message("");
    apply_range_limits({"40", "121", "1.00", "244.69"});  // the message shows two decimals
    EXPECT_EQ(ui.last_message().text,
              "Quantilyzer: 18003 - Your specified maximum boiling point is greater than the last "
              "surrogate group's\n maximum boiling point of 120.00\n The original default boiling "
              "point limit is: 115.00");
    ui.expect_message("");
    apply_range_limits({"40", "115", "1.00", "30"});
    EXPECT_EQ(ui.last_message().text,
              "Quantilyzer: 18008 - Your specified maximum relative volatility is less than the "
              "last surrogate group's\n minimum relative volatility of 33.12\n This value will be "
              "reset to the minimum relative volatility of: 33.12");
}

// A message names the value its edit is given, also where two decimals would not be it.
TEST_F(RangeLimits, AMessageNamesTheValueItsEditIsGiven) {
    method_data.surrogates[0].rvw = 0.004;  // the lowest rvw of RV group 1: "0.00" lies outside the band
    struct Case {
        const char* min_rvw;
        const char* message_end;
    } cases[] = {
        {"0", "It is reset to the default of 0.004"},
        {"0.001", "minimum relative volatility of 0.004"},
        {"7.39", "maximum relative volatility of 7.38905609893065"},
    };
    for (const Case& c : cases) {
        ui.expect_message("");
        const auto reset = apply_range_limits({"40", "115", c.min_rvw, "244.69"});
        ASSERT_TRUE(reset) << c.min_rvw;
        const std::string text = ui.last_message().text;
        EXPECT_EQ(text.substr(text.size() - std::string(c.message_end).size()), c.message_end) << text;
        EXPECT_NE(text.find(reset->text), std::string::npos) << text;
    }
}

TEST_F(RangeLimits, TheVariableNotModelledIsNotChecked) {
    method_data.variable_mode.one_variable_mode = 1;
    method_data.variable_mode.rvw_variable_chosen = 1;
    EXPECT_FALSE(apply_range_limits({"1", "9999", "1.00", "244.69"}));
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinBP, 1.0);  // stored all the same

    method_data.variable_mode.rvw_variable_chosen = 0;
    method_data.variable_mode.bp_variable_chosen = 1;
    EXPECT_FALSE(apply_range_limits({"40", "115", "-3", "0.01"}));
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinRVW, -3.0);
}

TEST_F(RangeLimits, ATextThatIsNotANumberStopsTheApply) {
    method_data.surrogate_range_limits.MaxBP = 111.0;
    EXPECT_THROW(apply_range_limits({"41", "abc", "1.00", "244.69"}), ConversionError);
    EXPECT_TRUE(is_not_set(method_data.surrogate_range_limits.MinBP));  // nothing is stored
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MaxBP, 111.0);
    EXPECT_EQ(method_data.user_limits_applied, 0);

    // The refusal names the edit whose text is not wholly a number.
    const struct {
        LimitTexts texts;
        const char* message;
    } cases[] = {
        {{"41", "abc", "1.00", "244.69"},
         "The box \"Boiling Point Limits, Maximum\" was refused: 'abc' is not a number."},
        {{"41", "115", "0,0105", "244.69"},
         "The box \"Relative volatility Limits, Minimum\" was refused: '0,0105' is not a number."},
    };
    for (const auto& c : cases) {
        try {
            apply_range_limits(c.texts);
            ADD_FAILURE() << c.message;
        } catch (const ConversionError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MaxBP, 111.0);
        EXPECT_EQ(method_data.user_limits_applied, 0);
    }
}

// First-pass standards are left out of the BP ranges: with every BP member a first-pass
// standard there is no BP band, no default and nothing to check; an empty edit is "not set".
TEST_F(RangeLimits, WithoutABandAnEmptyEditLeavesTheLimitNotSet) {
    for (int q = 0; q < method_data.surrogate_count; ++q) method_data.surrogates[q].first_pass = 1;
    const LimitTexts shown = shown_limit_texts();
    EXPECT_EQ(shown[kEditBpMin], "");
    EXPECT_EQ(shown[kEditBpMax], "");
    EXPECT_FALSE(apply_range_limits(shown));
    EXPECT_TRUE(is_not_set(method_data.surrogate_range_limits.MinBP));
    EXPECT_TRUE(is_not_set(method_data.surrogate_range_limits.MaxBP));
    EXPECT_FALSE(apply_range_limits({"5", "500", shown[2], shown[3]}));  // any value passes
    // Where a default exists, an empty edit is no number.
    EXPECT_THROW(apply_range_limits({"5", "500", "", shown[3]}), ConversionError);
}

}  // namespace
