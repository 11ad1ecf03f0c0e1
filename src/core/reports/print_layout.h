#pragma once
// The layout of one sample's printed report and the drawing helpers its pages share:
// positions on the page grid, text cut or wrapped to the room it has, labelled items,
// and tables that run down a column over as many pages as they need.
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/page_grid.h"

struct PrintLayout {
    PageGrid grid;
    int rows_per_page = 90;
    float page_count = 1.0f;
    int heads_y = 0;  // y of the results column heads
    std::string print_date;

    explicit PrintLayout(const Canvas& canvas) : grid(canvas) {}
    int x(double units) const { return grid.at(units); }
    int y(double bands) const { return static_cast<int>(bands * grid.b); }
    int line_h() const { return grid.h; }
    int gap() const { return x(0.1); }  // the room kept between neighbouring texts
};

// Text no wider than width: a path keeps its end behind "...", any other text its start.
std::string fit_path(Canvas& canvas, const std::string& path, int width);
std::string fit_text(Canvas& canvas, const std::string& text, int width);
// Lines no wider than width, broken at blanks; a word wider than the width stands alone.
std::vector<std::string> wrap_text(Canvas& canvas, const std::string& text, int width);

// A label and its value: the value stands value_offset column units after the label's x,
// or after the label itself when the label is wider; it is cut to end before `right`.
void draw_item(Canvas& canvas, const PrintLayout& layout, int x, int y, const std::string& label,
               double value_offset, const std::string& value, int right);

// A page title with "Page: n" at page_x, or after the title when the title reaches it.
void draw_title(Canvas& canvas, const PrintLayout& layout, int x, int y, const std::string& title, int page_x);

// Pages of one print job: every page but the job's first begins with a new page, so that
// no empty page is left between or after the reports.
class PageSequence {
public:
    PageSequence(Canvas& canvas, bool job_has_pages) : canvas_(canvas), started_(job_has_pages) {}
    void start_page() {
        if (started_) canvas_.new_page();
        started_ = true;
    }

private:
    Canvas& canvas_;
    bool started_;
};

// One line of a printed table: its cells, x in column units from the table's origin.
struct TableCell {
    double x = 0.0;
    std::string text;
};
struct TableLine {
    int blank_before = 0;  // empty lines above it (none at the top of a page)
    std::vector<TableCell> cells;
};
struct PlacedLine {
    int page = 0;  // pages after the table's first
    int y = 0;
};

// Places the lines down from start_y; a line whose foot would pass bottom goes to the next
// page, at top.
std::vector<PlacedLine> flow_lines(const std::vector<TableLine>& lines, int start_y, int top, int bottom,
                                   int line_h);
void draw_table_line(Canvas& canvas, const PrintLayout& layout, double origin, int y, const TableLine& line);
