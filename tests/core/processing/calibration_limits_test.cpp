#include "processing/calibration_limits.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace {

TEST(CalibrationLimits, DefaultsShowAsTheBoxesReadAtStart) {
    EXPECT_EQ(min_mean_response_text(kDefaultMinMeanResponse), "  0.0010");
    EXPECT_EQ(max_response_deviation_text(kDefaultMaxResponseDeviation), " 90");
    EXPECT_EQ(max_response_deviation_text(5.0f), "500");
}

TEST(CalibrationLimits, MinimumCheck) {
    const std::pair<const char*, bool> cases[] = {
        {"  0.0010", true}, {"1e8", true},  {"100000000.5", false}, {"0", false},
        {"", false},        {"-1", false},  {"abc", false},         {"0.5x", true},  // strict store refuses it
        {"0.0000", false},  {"2e-3", true},
    };
    for (const auto& [text, ok] : cases) EXPECT_EQ(min_mean_response_text_ok(text), ok) << text;
}

TEST(CalibrationLimits, PercentageCheck) {
    const std::pair<const char*, bool> cases[] = {
        {" 90", true},  {"500", true}, {"501", false}, {"500.5", false}, {"0", false}, {"", false},
        {"-5", false},  {"x", false},  {"50.5", true},  // strict store refuses it
        {"-0.5", true},                                 // no negative whole number; strict store refuses it
        {"5e3", false},
    };
    for (const auto& [text, ok] : cases) EXPECT_EQ(max_response_deviation_text_ok(text), ok) << text;
}

TEST(CalibrationLimits, StoredValuesAreSinglePrecision) {
    EXPECT_EQ(min_mean_response_from_text("0.01"), 0.01f);
    EXPECT_EQ(min_mean_response_from_text(" 1e8"), 1e8f);
    EXPECT_EQ(max_response_deviation_from_text("90"), 0.9f);
    EXPECT_EQ(max_response_deviation_from_text("50"), 0.5f);
    EXPECT_EQ(max_response_deviation_from_text("500"), 5.0f);
}

TEST(CalibrationLimits, StrictConversionsRefuseWhatTheCheckLetThrough) {
    try {
        min_mean_response_from_text("0.5x");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'0.5x' is not a valid floating point value");
    }
    try {
        max_response_deviation_from_text("50.5");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'50.5' is not a valid integer value");
    }
}

}  // namespace
