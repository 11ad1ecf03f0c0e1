#include "processing/analysed_date.h"

#include <string_view>

#include "platform/number_text.h"

namespace {

// A left-to-right reader over the text: every step looks at a bounded number of
// characters, so a text of any length is read in one pass without recursion.
class DateCursor {
public:
    explicit DateCursor(std::string_view text) : text_(text) {}

    bool at_end() const { return pos_ == text_.size(); }
    void skip_blanks() {
        while (!at_end() && is_blank(text_[pos_])) ++pos_;
    }
    // At least one blank, or a 'T' between date and time where `t_too`.
    bool separator(bool t_too) {
        const size_t start = pos_;
        while (!at_end() && (is_blank(text_[pos_]) || (t_too && text_[pos_] == 'T'))) ++pos_;
        return pos_ > start;
    }
    bool literal(char c) {
        if (at_end() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    // A number of `min` to `max` digits; a longer run of digits does not match.
    bool number(int min, int max, int& value) {
        int digits = 0;
        value = 0;
        while (!at_end() && is_digit(text_[pos_]) && digits < max) {
            value = value * 10 + (text_[pos_] - '0');
            ++pos_;
            ++digits;
        }
        return digits >= min && (at_end() || !is_digit(text_[pos_]));
    }
    // ":ss" after the minutes, where written.
    bool optional_seconds(bool fraction_too) {
        if (at_end() || text_[pos_] != ':') return true;
        ++pos_;
        int seconds = 0;
        if (!number(2, 2, seconds)) return false;
        if (fraction_too && literal('.')) {
            int digits = 0;
            while (!at_end() && is_digit(text_[pos_])) ++pos_, ++digits;
            if (digits == 0) return false;
        }
        return true;
    }
    // "AM" or "PM" in either case: 'A' or 'P', empty when there is none.
    bool optional_half(char& half) {
        half = 0;
        if (pos_ + 2 > text_.size()) return true;
        const char h = static_cast<char>(text_[pos_] & ~0x20), m = static_cast<char>(text_[pos_ + 1] & ~0x20);
        if ((h != 'A' && h != 'P') || m != 'M') return true;
        half = h;
        pos_ += 2;
        return true;
    }

private:
    static bool is_digit(char c) { return c >= '0' && c <= '9'; }
    // The blanks of a date text: space, tab and the line-end and feed characters.
    static bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    std::string_view text_;
    size_t pos_ = 0;
};

struct DateTimeParts {
    int month = 0, day = 0, year = 0, hour = 0, minute = 0;
    char half = 0;  // 'A', 'P' or none
};

// "m/d/yyyy h:nn[:ss] [AM|PM]"
bool read_us_form(std::string_view text, DateTimeParts& t) {
    DateCursor c(text);
    c.skip_blanks();
    if (!c.number(1, 2, t.month) || !c.literal('/') || !c.number(1, 2, t.day) || !c.literal('/') ||
        !c.number(4, 4, t.year) || !c.separator(false) || !c.number(1, 2, t.hour) || !c.literal(':') ||
        !c.number(2, 2, t.minute) || !c.optional_seconds(false))
        return false;
    c.skip_blanks();
    c.optional_half(t.half);
    c.skip_blanks();
    return c.at_end();
}

// "yyyy-m-d[T ]h:nn[:ss[.fff]]"
bool read_iso_form(std::string_view text, DateTimeParts& t) {
    DateCursor c(text);
    c.skip_blanks();
    if (!c.number(4, 4, t.year) || !c.literal('-') || !c.number(1, 2, t.month) || !c.literal('-') ||
        !c.number(1, 2, t.day) || !c.separator(true) || !c.number(1, 2, t.hour) || !c.literal(':') ||
        !c.number(2, 2, t.minute) || !c.optional_seconds(true))
        return false;
    c.skip_blanks();
    return c.at_end();
}

}  // namespace

std::string analysed_date_text(const std::string& injection_time) {
    DateTimeParts t;
    if (!read_us_form(injection_time, t) && !read_iso_form(injection_time, (t = DateTimeParts{})))
        return injection_time;
    if (t.half != 0) {
        if (t.hour < 1 || t.hour > 12) return injection_time;
        t.hour = t.hour % 12 + (t.half == 'P' ? 12 : 0);
    }
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59)
        return injection_time;
    return c_format("%02d/%02d/%04d %02d:%02d", t.month, t.day, t.year, t.hour, t.minute);
}

bool fits_analysed_date_layout(const std::string& text) {
    static constexpr std::string_view layout = "99/99/9999 99:99";
    if (text.size() != layout.size()) return false;
    for (size_t i = 0; i < layout.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (layout[i] == '9' ? !digit : text[i] != layout[i]) return false;
    }
    return true;
}
