#include "processing/calibration_limits.h"

#include <cctype>
#include <string_view>

#include "platform/number_text.h"

namespace {

// The sign of the whole number at the start of a text (after leading blanks): -1 when it
// is a negative number other than zero, else 0 or 1. Only its sign matters to the check.
int leading_integer_sign(std::string_view text) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    bool nonzero = false;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        nonzero = nonzero || text[i] != '0';
    if (!nonzero) return 0;
    return negative ? -1 : 1;
}

}  // namespace

std::string min_mean_response_text(float min_mean_response) {
    return c_format("%8.4f", static_cast<double>(min_mean_response));
}

std::string max_response_deviation_text(float max_response_deviation) {
    return c_format("%3.0f", static_cast<double>(max_response_deviation) * 100.0);
}

bool min_mean_response_text_ok(const std::string& text) {
    const double a = leading_number(text);
    return a > 0.0 && a <= 1e8;
}

bool max_response_deviation_text_ok(const std::string& text) {
    const double p = leading_number(text);
    return leading_integer_sign(text) >= 0 && p <= 500.0 && p != 0.0;
}

float min_mean_response_from_text(const std::string& text) {
    return static_cast<float>(to_double_strict(text));
}

float max_response_deviation_from_text(const std::string& text) {
    return static_cast<float>(to_int_strict(text) * 0.01);
}
