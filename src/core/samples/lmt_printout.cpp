#include "samples/lmt_printout.h"

#include <algorithm>
#include <vector>

#include "samples/lmt_editor.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/number_text.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

namespace {

// This list's own grid: a column unit of 2/17 of the page width, a vertical unit of 1/11 of
// the page height and the 8-point line step on it, in whole device units.
struct LimitGrid {
    int u;
    int v;
    int h;
    int column_depth;  // a column ends after the row that passes 16/17 of the page height
    explicit LimitGrid(const Canvas& c)
        : u(c.page_width() * 2 / 17),
          v(c.page_height() / 11),
          h(static_cast<int>(v * 8.0 / 72.0 * 1.15)),
          column_depth(8 * (c.page_height() * 2 / 17)) {}
    int at(double units) const { return static_cast<int>(units * u); }
};

struct PrintedRow {
    int number;  // library row + 1: internal standards leave gaps
    std::string name;
    double limit;
};

std::vector<PrintedRow> printed_rows(const ReportingLimitSlot& slot) {
    std::vector<PrintedRow> rows;
    const int count = library_rows_in_use();
    for (int r = 0; r < count; ++r)
        if (!slot[r].is_internal_standard) rows.push_back({r + 1, slot[r].name, slot[r].limit});
    return rows;
}

// The size line's text, or nothing when the text is not a size (after its message).
std::optional<std::string> size_line(const std::string& text, bool show_messages) {
    SizeTextFault fault = size_text_fault(text);
    if (fault == SizeTextFault::None && text != ".") return format_general(lmt_sample_size(text));
    if (show_messages) {
        if (fault == SizeTextFault::TooManyDots)
            show_message("Please enter a valid sample size", "Invalid sample size");
        else
            show_message("The Sample Size must be a valid number", "Error:");
    }
    return std::nullopt;
}

// Prints rows from `next` down two columns; answers the first row not printed.
size_t print_columns(Canvas& canvas, const LimitGrid& g, int top, const std::vector<PrintedRow>& rows, size_t next) {
    for (double column : {0.0, 4.0}) {
        int y = top;
        while (next < rows.size()) {
            const PrintedRow& row = rows[next++];
            canvas.text_out(g.at(column), y, c_format("%d: ", row.number));
            canvas.text_out(g.at(column + 0.3125), y, row.name);
            canvas.text_out(g.at(column + 2.25), y, exact_fixed(row.limit, 2));
            y += g.h;
            if (y > g.column_depth) break;
        }
    }
    return next;
}

}  // namespace

int print_limits_header(Canvas& canvas, const LmtPrintFields& fields, bool show_size_messages) {
    const LimitGrid g(canvas);
    int y = g.v / 4;
    canvas.text_out(g.u, y, "Reporting Limit Report: " + fields.imported_file);
    canvas.text_out(g.at(6.5), y, "Page: " + std::to_string(canvas.page_number()));
    y += 2 * g.h;
    auto line = [&](const std::string& label, const std::string& value, bool first = false) {
        if (!first) y += g.h;
        canvas.text_out(0, y, label);
        canvas.text_out(g.at(1.5), y, value);
    };
    line("Creation Date:", format_date_time(clock_source().now()), true);
    line("Compound Library File:", to_upper(fields.library_file));
    line("Internal Standard Groups:", to_upper(fields.internal_standard_file));
    std::optional<std::string> size = size_line(fields.size_text, show_size_messages);
    if (!size) return y;
    line("Sample Size:", *size);
    line("Matrix:", fields.matrix.empty() ? lmt_no_matrix_text : fields.matrix);
    line("Other:", fields.comment);
    line("Unit:", fields.unit);
    y += 2 * g.h;
    canvas.text_out(0, y, "Compound");
    canvas.text_out(g.at(2.25), y, "LMT");
    if (method_data.compound_count > 95) {
        canvas.text_out(g.at(4), y, "Compound");
        canvas.text_out(g.at(6.25), y, "LMT");
    }
    return y;
}

void print_limits(Canvas& canvas, const LmtPrintFields& fields, const ReportingLimitSlot& slot) {
    canvas.set_orientation(Orientation::Portrait);
    if (!canvas.begin_job("Reporting Limit Report")) return;
    canvas.set_font(CanvasFont{});
    const LimitGrid g(canvas);
    const std::vector<PrintedRow> rows = printed_rows(slot);
    size_t next = 0;
    for (bool first_page = true;; first_page = false) {
        if (!first_page) canvas.new_page();
        const int top = print_limits_header(canvas, fields, first_page) + g.h;
        next = print_columns(canvas, g, top, rows, next);
        if (next >= rows.size()) break;
    }
    canvas.end_job();
}
