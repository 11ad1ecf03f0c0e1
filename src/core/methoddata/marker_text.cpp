#include "methoddata/marker_text.h"

#include "platform/number_text.h"

std::string fixed_or_na(double value, int decimals, double scale) {
    std::string text;
    append_fixed_or_na(text, value, decimals, scale);
    return text;
}

void append_fixed_or_na(std::string& out, double value, int decimals, double scale) {
    if (is_value_marker(value))
        out += kNotAvailableText;
    else
        append_fixed(out, value * scale, decimals);
}
