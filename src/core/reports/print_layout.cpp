#include "reports/print_layout.h"

#include <algorithm>

#include "platform/text_util.h"

namespace {

const std::string kEllipsis = "...";

}  // namespace

namespace {

// Byte positions where a UTF-8 text may be cut (never inside a character), from `from`
// to before `to`.
std::vector<size_t> cut_positions(const std::string& text, size_t from, size_t to) {
    std::vector<size_t> cuts;
    for (size_t i = from; i < to; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) cuts.push_back(i);
    return cuts;
}

// The first of n candidates for which fits() holds, or n when none does, for candidates
// ordered so that once one fits every later one fits too. Texts only grow narrower as
// they lose characters, so a cut is found in a few measurements, not one per character.
template <typename Fits>
size_t first_fitting(size_t n, Fits fits) {
    size_t lo = 0, hi = n;
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (fits(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// The words of a text, each with the blanks in front of it.
std::vector<std::string> words_of(const std::string& text) {
    std::vector<std::string> words;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t start = pos;
        while (pos < text.size() && text[pos] == ' ') ++pos;
        while (pos < text.size() && text[pos] != ' ') ++pos;
        words.push_back(text.substr(start, pos - start));
    }
    return words;
}

// How many of words[next..] still fit after `line`. A line only grows wider with each
// word, so the count is found by doubling and then halving the words tried: a few
// measurements per line rather than one of the whole growing line for every word.
size_t words_that_fit(Canvas& canvas, const std::string& line, const std::vector<std::string>& words,
                      size_t next, int width) {
    auto fits = [&](size_t n) {
        std::string candidate = line;
        for (size_t k = 0; k < n; ++k) candidate += words[next + k];
        return canvas.text_width(candidate) <= width;
    };
    const size_t available = words.size() - next;
    size_t good = 0;  // this many fit
    size_t bad = 0;   // this many do not (0: none found yet)
    for (size_t step = 1; good < available; step *= 2) {
        const size_t n = std::min(available, good + step);
        if (!fits(n)) {
            bad = n;
            break;
        }
        good = n;
    }
    if (bad == 0) return good;
    while (bad - good > 1) {
        const size_t mid = good + (bad - good) / 2;
        if (fits(mid))
            good = mid;
        else
            bad = mid;
    }
    return good;
}

}  // namespace

std::string fit_path(Canvas& canvas, const std::string& path, int width) {
    if (canvas.text_width(path) <= width) return path;
    // Drop whole characters from the front, as few as will do.
    const std::vector<size_t> cuts = cut_positions(path, 1, path.size());
    const size_t first = first_fitting(
        cuts.size(), [&](size_t i) { return canvas.text_width(kEllipsis + path.substr(cuts[i])) <= width; });
    return first < cuts.size() ? kEllipsis + path.substr(cuts[first]) : kEllipsis;
}

std::string fit_text(Canvas& canvas, const std::string& text, int width) {
    if (canvas.text_width(text) <= width) return text;
    // The longest head that fits: candidates from the longest down.
    const std::vector<size_t> cuts = cut_positions(text, 0, text.size());
    const size_t n = cuts.size();
    const size_t first = first_fitting(
        n, [&](size_t i) { return canvas.text_width(text.substr(0, cuts[n - 1 - i])) <= width; });
    return first < n ? text.substr(0, cuts[n - 1 - first]) : "";
}

std::vector<std::string> wrap_text(Canvas& canvas, const std::string& text, int width) {
    const std::vector<std::string> words = words_of(text);
    if (words.empty()) return {""};
    std::vector<std::string> lines;
    std::string line = words[0];
    size_t next = 1;
    while (next < words.size()) {
        const size_t fit = words_that_fit(canvas, line, words, next, width);
        for (size_t k = 0; k < fit; ++k) line += words[next + k];
        next += fit;
        if (next == words.size()) break;
        lines.push_back(line);
        line = "   " + trim(words[next++]);  // a continued line is indented
    }
    lines.push_back(line);
    return lines;
}

void draw_item(Canvas& canvas, const PrintLayout& layout, int x, int y, const std::string& label,
               double value_offset, const std::string& value, int right) {
    canvas.text_out(x, y, label);
    const int value_x = std::max(layout.grid.step(x, value_offset), x + canvas.text_width(label + " "));
    if (!value.empty()) canvas.text_out(value_x, y, fit_path(canvas, value, right - value_x));
}

void draw_title(Canvas& canvas, const PrintLayout& layout, int x, int y, const std::string& title, int page_x) {
    canvas.text_out(x, y, title);
    const int after_title = x + canvas.text_width(title) + 2 * layout.gap();
    canvas.text_out(std::max(page_x, after_title), y, "Page: " + std::to_string(canvas.page_number()));
}

std::vector<PlacedLine> flow_lines(const std::vector<TableLine>& lines, int start_y, int top, int bottom,
                                   int line_h) {
    std::vector<PlacedLine> placed;
    int page = 0;
    int next_y = start_y;
    for (const TableLine& line : lines) {
        int y = next_y + line.blank_before * line_h;
        if (y + line_h > bottom && next_y > top) {
            ++page;
            y = top;
        }
        placed.push_back({page, y});
        next_y = y + line_h;
    }
    return placed;
}

void draw_table_line(Canvas& canvas, const PrintLayout& layout, double origin, int y, const TableLine& line) {
    for (const TableCell& cell : line.cells)
        if (!cell.text.empty()) canvas.text_out(layout.x(origin + cell.x), y, cell.text);
}
