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
        {"", false},        {"-1", false},  {"abc", false},         {"0.5x", false}, {"0,5", false},
        {"0.0000", false},  {"2e-3", true},
    };
    for (const auto& [text, ok] : cases) EXPECT_EQ(min_mean_response_text_ok(text), ok) << text;
}

TEST(CalibrationLimits, PercentageCheck) {
    const std::pair<const char*, bool> cases[] = {
        {" 90", true},  {"500", true}, {"501", false}, {"500.5", false}, {"0", false}, {"", false},
        {"-5", false},  {"x", false},  {"50.5", false},  // read whole: no part of a percentage
        {"-0.5", false}, {"5e3", false}, {"90%", false}, {" 50 ", true},
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

// One message names every refused box and why; nothing is stored after it.
TEST(CalibrationLimits, TheCheckNamesEachRefusedBox) {
    CalibrationLimitsCheck check = check_calibration_limit_texts("0.5x", "50.5");
    EXPECT_FALSE(check.minimum_ok);
    EXPECT_FALSE(check.deviation_ok);
    EXPECT_EQ(check.message,
              "The box \"Minimum Calibration average response (cts/mass)\" was refused: '0.5x' is not a number.\n"
              "The box \"Maximum calibration curve response deviation\" was refused: '50.5' is not a whole number.\n"
              "Neither limit was stored.");
    check = check_calibration_limit_texts("0.01", "501");
    EXPECT_TRUE(check.minimum_ok);
    EXPECT_NE(check.message.find("'501' is not above 0 and at most 500"), std::string::npos);
    EXPECT_TRUE(check_calibration_limit_texts("0.01", "50").message.empty());
    EXPECT_THROW(min_mean_response_from_text("0.5x"), ConversionError);
    EXPECT_THROW(max_response_deviation_from_text("50.5"), ConversionError);
}

// OK stores both limits as the boxes read; Defaults brings back the start values.
TEST(CalibrationLimits, OkStoresBothAndDefaultsRestoresThem) {
    ProcessFilesData data;
    store_calibration_limits(data, "0.01", "50");
    EXPECT_EQ(data.min_mean_response, 0.01f);
    EXPECT_EQ(data.max_response_deviation, 0.5f);
    reset_calibration_limits(data);
    EXPECT_EQ(data.min_mean_response, kDefaultMinMeanResponse);
    EXPECT_EQ(data.max_response_deviation, kDefaultMaxResponseDeviation);
}

}  // namespace
