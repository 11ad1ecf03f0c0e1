#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/errors.h"
#include "platform/number_text.h"

// The scanner behind every number read: where the numeric part of a text ends.
TEST(NumberText, TheNumericPartEndsWhereTheNumberEnds) {
    struct Case {
        const char* text;
        size_t length;
    } cases[] = {
        {"12.5abc", 4}, {"-3e2x", 4}, {"4e", 1}, {"1e+", 1}, {"abc", 0},    {"", 0},      {".5", 2},
        {"+7", 2},      {"-.", 0},    {"1.2.3", 3}, {"inf", 0}, {"nan", 0}, {"1e-999", 6}, {"50,5", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(leading_number_length(c.text), c.length) << c.text;
}

// A number out of the range of doubles is no number: taken as infinity it passed range
// checks ("rvw > 0") and went into the models.
TEST(NumberText, NumbersThatAreNotFiniteAreRefused) {
    for (const char* text : {"1e999", "inf", "-INF", "nan", "infinity", "1e400"}) {
        double v = 7.0;
        EXPECT_FALSE(try_to_double(text, v)) << text;
        EXPECT_EQ(v, 7.0);
        EXPECT_THROW(to_double_strict(text), ConversionError) << text;
    }
    try {
        to_double_strict("1e999");
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1e999' is not a valid floating point value");
    }
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

// Stored values read back equal: the fixed or general form where it keeps the value,
// otherwise the shortest exact text.
TEST(NumberText, ExactFormsReadBackEqual) {
    const struct {
        double value;
        int decimals;
        const char* fixed;
    } cases[] = {
        {84.0, 6, "84.000000"},     {4e-7, 6, "4e-07"},    {13.247641299491766, 6, "13.247641299491766"},
        {0.0123, 2, "0.0123"},      {2.5, 2, "2.50"},      {-0.5, 2, "-0.50"},
        {0.1 + 0.2, 2, "0.30000000000000004"}, {2147483647.0, 2, "2147483647.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(exact_fixed(c.value, c.decimals), c.fixed) << c.value;
        EXPECT_EQ(std::stod(exact_fixed(c.value, c.decimals)), c.value);
    }
    EXPECT_EQ(exact_general(0.1), "0.1");
    EXPECT_EQ(exact_general(123456.789012345), "123456.789012345");
    EXPECT_EQ(exact_general(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(std::stod(exact_general(std::exp(1.0))), std::exp(1.0));
}

// The fixed and general forms are made without printf, and must give printf's text to
// the byte: every report and file holds them. Halfway cases, negative zero, values
// wider than any buffer, subnormals and the markers among them.
TEST(NumberText, FormsGivePrintfsTextToTheByte) {
    const double values[] = {0.0,     -0.0,    0.125,   2.675,      1234.565,   -0.005,   0.5,
                             1.5,     2.5,     -2.5,    1e-7,       1e-5,       1e15,     1e16,
                             1e17,    1e300,   -1e300,  4.9e-324,   2.2e-308,   1e21,     99.995,
                             123456.789012345,  0.1 + 0.2, 2147483647.0, -2147483647.0, 13.247641299491766,
                             std::exp(1.0), HUGE_VAL, -HUGE_VAL, std::nan("")};
    for (double v : values) {
        for (int decimals : {0, 2, 4, 6}) {
            EXPECT_EQ(format_fixed(v, decimals), c_format("%.*f", decimals, v)) << v;
            std::string appended = "row;";
            append_fixed(appended, v, decimals);
            EXPECT_EQ(appended, c_format("row;%.*f", decimals, v)) << v;
        }
        EXPECT_EQ(format_general(v), c_format("%.15g", v)) << v;
        if (std::isfinite(v)) {
            std::string expected;  // the shortest of 15, 16, 17 digits that reads back
            for (int digits = 15; digits <= 17 && expected.empty(); ++digits) {
                const std::string text = c_format("%.*g", digits, v);
                if (std::strtod(text.c_str(), nullptr) == v || digits == 17) expected = text;
            }
            EXPECT_EQ(exact_general(v), expected) << v;
        }
    }
    for (long long n : {0LL, -1LL, 2147483647LL, -2147483648LL}) {
        std::string appended = ";";
        append_int(appended, n);
        EXPECT_EQ(appended, c_format(";%lld", n));
    }
    // A text longer than the stack buffer of c_format comes whole.
    const std::string wide(300, 'x');
    EXPECT_EQ(c_format("%s;%.2f", wide.c_str(), 1.5), wide + ";1.50");
}

// A field is a number only when all of it is one: a decimal comma or a letter O read by
// its leading digits gave another value without a word.
TEST(NumberText, FieldsAreReadWholeOrSayWhyNot) {
    struct Case {
        const char* text;
        bool ok;
        double value;
        const char* why;
    } cases[] = {
        {" 50.5 ", true, 50.5, ""},
        {"-3e2", true, -300.0, ""},
        {".5", true, 0.5, ""},
        {"\t7\r", true, 7.0, ""},
        {"1e-999", true, 0.0, ""},
        {"50,5", false, 0, "'50,5' is not a number"},
        {"1,234", false, 0, "'1,234' is not a number"},
        {"O.55E2", false, 0, "'O.55E2' is not a number"},
        {"12abc", false, 0, "'12abc' is not a number"},
        {"abc", false, 0, "'abc' is not a number"},
        {"  ", false, 0, "is empty"},
        {"", false, 0, "is empty"},
        {"inf", false, 0, "'inf' is not a number"},
        {" 1e999 ", false, 0, "'1e999' is out of range"},
    };
    for (const auto& c : cases) {
        NumberField f = read_number(c.text);
        EXPECT_EQ(f.ok, c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(f.value, c.value) << c.text;
        }
        EXPECT_EQ(f.why, c.why) << c.text;
    }
}

TEST(NumberText, CountsAreReadWholeOrSayWhyNot) {
    struct Case {
        const char* text;
        bool ok;
        int value;
        const char* why;
    } cases[] = {
        {" 12 ", true, 12, ""},
        {"+3", true, 3, ""},
        {"-4", true, -4, ""},
        {"12.5", false, 0, "'12.5' is not a whole number"},
        {"1e1", false, 0, "'1e1' is not a whole number"},
        {"Compound Count", false, 0, "'Compound Count' is not a whole number"},
        {"+", false, 0, "'+' is not a whole number"},
        {"", false, 0, "is empty"},
        {"99999999999", false, 0, "'99999999999' is out of range"},
    };
    for (const auto& c : cases) {
        IntegerField f = read_integer(c.text);
        EXPECT_EQ(f.ok, c.ok) << c.text;
        EXPECT_EQ(f.value, c.value) << c.text;
        EXPECT_EQ(f.why, c.why) << c.text;
    }
}
