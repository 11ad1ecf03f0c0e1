#include "platform/number_text.h"

#include <locale.h>

#include <cctype>
#include <cmath>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include "platform/errors.h"

namespace {

// Qt sets the process locale from the environment; number texts must not follow it.
locale_t c_locale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return loc;
}

struct CLocaleScope {
    locale_t previous;
    CLocaleScope() : previous(uselocale(c_locale())) {}
    ~CLocaleScope() { uselocale(previous); }
};

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view strip_blanks(std::string_view s) {
    while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
    return s;
}

// Converts a text that leading_number_length() accepted whole. An underflow gives 0;
// an overflow gives infinity, which the callers refuse: no file or box holds one.
double parse_number_prefix(std::string_view digits) {
    std::string tmp(digits);
    return strtod_l(tmp.c_str(), nullptr, c_locale());
}

[[noreturn]] void refuse_double(std::string_view text) {
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

}  // namespace

// Reports format tens of thousands of numbers per run: each is formatted once, into a
// buffer on the stack, and only a text longer than the buffer is formatted again.
std::string c_format(const char* format, ...) {
    CLocaleScope scope;
    char buffer[256];
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    std::string out;
    if (needed > 0 && static_cast<size_t>(needed) < sizeof buffer) {
        out.assign(buffer, static_cast<size_t>(needed));
    } else if (needed > 0) {
        out.resize(static_cast<size_t>(needed));
        std::vsnprintf(out.data(), out.size() + 1, format, copy);
    }
    va_end(copy);
    return out;
}

namespace {

// std::to_chars with a precision gives exactly what printf gives in the C locale for the
// same precision ("%.*f", "%.*g"), without the locale or the format string; a value too
// wide for the buffer (a fixed form of 1e300) goes through printf.
constexpr size_t kNumberBuffer = 128;

std::string general_text(double value, int digits) {
    char buffer[kNumberBuffer];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    if (result.ec != std::errc()) return c_format("%.*g", digits, value);
    return std::string(buffer, result.ptr);
}

}  // namespace

void append_fixed(std::string& out, double value, int decimals) {
    char buffer[kNumberBuffer];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) {
        out += c_format("%.*f", decimals, value);
        return;
    }
    out.append(buffer, result.ptr);
}

std::string format_fixed(double value, int decimals) {
    std::string text;
    append_fixed(text, value, decimals);
    return text;
}

void append_int(std::string& out, long long value) {
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::string format_general(double value) { return general_text(value, 15); }

namespace {

bool reads_back_as(const std::string& text, double value) {
    double read = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), read);
    // A text from_chars calls out of range (a subnormal) is read as the C library reads it.
    if (result.ec != std::errc()) read = strtod_l(text.c_str(), nullptr, c_locale());
    return read == value;
}

// "%.15g" drops trailing zeros, so where 15 digits read back it is already the shortest
// text; 16 and then 17 digits follow (17 always identify a double).
std::string shortest_general(double value) {
    for (int digits = 15; digits < 17; ++digits) {
        std::string text = general_text(value, digits);
        if (reads_back_as(text, value)) return text;
    }
    return general_text(value, 17);
}

}  // namespace

std::string exact_general(double value) {
    if (!std::isfinite(value)) return format_general(value);
    return shortest_general(value);
}

std::string exact_fixed(double value, int decimals) {
    std::string fixed = format_fixed(value, decimals);
    if (!std::isfinite(value) || reads_back_as(fixed, value)) return fixed;
    return shortest_general(value);
}

size_t leading_number_length(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t exp_digits = 0;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j, ++exp_digits;
        if (exp_digits > 0) i = j;
    }
    return i;
}

NumberField read_number(std::string_view text) {
    NumberField field;
    std::string_view s = strip_blanks(text);
    if (s.empty()) {
        field.why = "is empty";
        return field;
    }
    size_t n = leading_number_length(s);
    if (n == 0 || n != s.size()) {
        field.why = "'" + std::string(s) + "' is not a number";
        return field;
    }
    double parsed = parse_number_prefix(s);
    if (!std::isfinite(parsed)) {
        field.why = "'" + std::string(s) + "' is out of range";
        return field;
    }
    field.ok = true;
    field.value = parsed;
    return field;
}

IntegerField read_integer(std::string_view text) {
    IntegerField field;
    std::string_view s = strip_blanks(text);
    if (s.empty()) {
        field.why = "is empty";
        return field;
    }
    std::string_view digits = s;
    if (digits.front() == '+') digits.remove_prefix(1);
    int v = 0;
    auto res = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (res.ptr != digits.data() + digits.size() || digits.empty() ||
        (res.ec != std::errc() && res.ec != std::errc::result_out_of_range)) {
        field.why = "'" + std::string(s) + "' is not a whole number";
        return field;
    }
    if (res.ec == std::errc::result_out_of_range) {
        field.why = "'" + std::string(s) + "' is out of range";
        return field;
    }
    field.ok = true;
    field.value = v;
    return field;
}

bool try_to_double(const std::string& text, double& value) {
    std::string_view s = strip_blanks(text);
    size_t n = leading_number_length(s);
    if (n == 0 || n != s.size()) return false;
    double parsed = parse_number_prefix(s);
    if (!std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

bool try_to_int(const std::string& text, int& value) {
    std::string_view s = strip_blanks(text);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return false;
    int v = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return false;
    value = v;
    return true;
}

double to_double_strict(const std::string& text) {
    double v = 0.0;
    if (!try_to_double(text, v)) refuse_double(text);
    return v;
}

int to_int_strict(const std::string& text) {
    int v = 0;
    if (!try_to_int(text, v)) throw ConversionError("'" + text + "' is not a valid integer value");
    return v;
}
