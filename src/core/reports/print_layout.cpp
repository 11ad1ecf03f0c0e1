#include "reports/print_layout.h"

#include <algorithm>

#include "platform/text_util.h"

namespace {

const std::string kEllipsis = "...";

}  // namespace

std::string fit_path(Canvas& canvas, const std::string& path, int width) {
    if (canvas.text_width(path) <= width) return path;
    // Drop whole characters from the front (UTF-8 continuation bytes go with their lead).
    for (size_t cut = 1; cut < path.size(); ++cut) {
        if ((static_cast<unsigned char>(path[cut]) & 0xC0) == 0x80) continue;
        std::string tail = kEllipsis + path.substr(cut);
        if (canvas.text_width(tail) <= width) return tail;
    }
    return kEllipsis;
}

std::string fit_text(Canvas& canvas, const std::string& text, int width) {
    if (canvas.text_width(text) <= width) return text;
    for (size_t keep = text.size(); keep-- > 0;) {
        if (keep < text.size() && (static_cast<unsigned char>(text[keep]) & 0xC0) == 0x80) continue;
        std::string head = text.substr(0, keep);
        if (canvas.text_width(head) <= width) return head;
    }
    return "";
}

std::vector<std::string> wrap_text(Canvas& canvas, const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string line;
    size_t pos = 0;
    while (pos < text.size()) {
        // The next word with the blanks in front of it.
        size_t start = pos;
        while (pos < text.size() && text[pos] == ' ') ++pos;
        while (pos < text.size() && text[pos] != ' ') ++pos;
        const std::string word = text.substr(start, pos - start);
        if (!line.empty() && canvas.text_width(line + word) > width) {
            lines.push_back(line);
            line = "   " + trim(word);  // a continued line is indented
        } else {
            line += word;
        }
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
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
