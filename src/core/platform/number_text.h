#pragma once
// Numbers as text, always in the C locale: files written here are read on any machine.
#include <string>
#include <string_view>

// printf-style formatting under the C locale ("%.2f", "%s\t%.2f" ...).
std::string c_format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "%.<decimals>f" in the C locale.
std::string format_fixed(double value, int decimals);

// format_fixed and "%d" appended to a text: a report row takes a handful of numbers, and
// each would otherwise be a text of its own.
void append_fixed(std::string& out, double value, int decimals);
void append_int(std::string& out, long long value);

// The general floating-point text form: up to 15 significant digits, no trailing
// zeros, the exponent form only for very large or very small magnitudes.
std::string format_general(double value);

// A stored value as text that reads back equal: "%.<decimals>f" wherever that reads back
// as the same double (so ordinary values keep their familiar form), otherwise the
// shortest general form that does. Non-finite values keep the fixed form.
std::string exact_fixed(double value, int decimals);

// The general form (format_general) wherever it reads back equal, otherwise the shortest
// general form with more digits that does.
std::string exact_general(double value);

// Length of the longest leading numeric part of text starting at its first character
// (0 when there is none): where a number ends. A field is a number only when this part is
// all of it (read_number); no reader takes a number from part of a field.
size_t leading_number_length(std::string_view text);

// Strict conversions: surrounding blanks allowed, anything else throws ConversionError
// with the standard message ("'%s' is not a valid floating point value"). Numbers are
// finite: "inf", "nan" and "1e999" are refused.
double to_double_strict(const std::string& text);
int to_int_strict(const std::string& text);

// A number field or box read whole: the text, blanks around it trimmed, must be one finite
// number in the C locale ("50,5", "1,234" and "O.55E2" are not numbers, and reading their
// leading digits would put another value into the tables). `why` says what is wrong, for
// the message that names the file, line and field or the box.
struct NumberField {
    bool ok = false;
    double value = 0.0;
    std::string why;  // "is empty", "'50,5' is not a number", "'1e999' is out of range"
};
NumberField read_number(std::string_view text);

// The same for a whole count ("12", not "12.5" or "1e1"); the value is within int.
struct IntegerField {
    bool ok = false;
    int value = 0;
    std::string why;
};
IntegerField read_integer(std::string_view text);

// The same conversions without the exception; false when the text is not a number.
bool try_to_double(const std::string& text, double& value);
bool try_to_int(const std::string& text, int& value);
