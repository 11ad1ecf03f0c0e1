#include <gtest/gtest.h>

#include <cmath>

#include "platform/errors.h"
#include "platform/number_text.h"

TEST(NumberText, LeadingNumberTakesTheLongestNumericPrefix) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"12.5abc", 12.5}, {"  -3e2x", -300.0}, {"4e", 4.0}, {"1e+", 1.0}, {"abc", 0.0}, {"", 0.0},
        {".5", 0.5},       {"+7", 7.0},         {"-.", 0.0}, {"1.2.3", 1.2}, {"inf", 0.0}, {"1e999", HUGE_VAL},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(leading_number(c.text), c.value) << c.text;
}

TEST(NumberText, StrictConversionsUseTheStandardMessages) {
    EXPECT_DOUBLE_EQ(to_double_strict(" 2.5 "), 2.5);
    EXPECT_EQ(to_int_strict("42"), 42);
    try {
        to_double_strict("2,5");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'2,5' is not a valid floating point value");
    }
    try {
        to_int_strict("4.0");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'4.0' is not a valid integer value");
    }
}

TEST(NumberText, FormsIgnoreTheProcessLocale) {
    EXPECT_EQ(format_fixed(1234.565, 2), "1234.57");
    EXPECT_EQ(format_general(0.1), "0.1");
    EXPECT_EQ(format_general(2147483647.0), "2147483647");
    EXPECT_EQ(format_general(1e-7), "1e-07");
    EXPECT_EQ(c_format("%s;%.2f", "a", 0.5), "a;0.50");
}
