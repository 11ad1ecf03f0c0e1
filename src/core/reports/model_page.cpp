// The model page of a printed sample report: the first-pass and BP tables down the left
// half, the RV table down the right half, footnotes, and the three recovery charts.
#include <algorithm>
#include <array>
#include <span>

#include "methoddata/calibration_data.h"
#include "methoddata/marker_text.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "platform/text_util.h"
#include "reports/recovery_chart.h"
#include "reports/sample_report_pages.h"

namespace {

constexpr double kLeftHalf = 0.25;
constexpr double kRightHalf = 5.5;

// The fields of a model row: name, BP, RV, measured and recovery.
constexpr std::array<double, 5> kFieldX = {0.0, 1.45, 1.85, 2.45, 3.0};
// Characters of the widest figure of each field: a shorter figure is padded with a pair
// of blanks per missing character (a digit is as wide as two blanks), so figures line up.
constexpr std::array<size_t, 5> kFieldWidth = {0, 5, 6, 6, 5};
constexpr double kSlopeX = 3.55, kInterceptX = 4.25, kErrorX = 4.75;

const std::array<TableCell, 8> kHeads = {{{0.0, "  Compound"},
                                          {1.45, "BP"},
                                          {1.85, "RV"},
                                          {2.45, "Meas(%)"},
                                          {3.0, "Recovery(%)"},
                                          {3.7, "Slope"},
                                          {4.4, "Int"},
                                          {4.75, "Err%"}}};

TableLine text_line(const std::string& text, int blank_before = 0) { return {blank_before, {{0.0, text}}}; }
TableLine heads_line() { return {0, {kHeads.begin(), kHeads.end()}}; }

// A title wider than its half of the page runs on to further lines.
void add_title(std::vector<TableLine>& lines, Canvas& canvas, const std::string& title, int width,
               int blank_before) {
    for (const std::string& line : wrap_text(canvas, title, width)) {
        lines.push_back(text_line(line, blank_before));
        blank_before = 0;
    }
}

// A figure's marks ("*" for a borrowed rvw, "$" beyond a group limit) stand after it and
// do not count.
std::string padded(const std::string& field, size_t width) {
    const size_t marks = field.size() - field.find_last_not_of("*$") - 1;
    std::string out;
    for (size_t n = field.size() - std::min(marks, field.size()); n < width; ++n) out += "  ";
    return out + field;
}

// The cells of one ";"-joined model row text: the name cut to its column, the figures
// padded so that they line up.
std::vector<TableCell> model_row_cells(Canvas& canvas, const PrintLayout& layout, const std::string& text) {
    const std::vector<std::string> fields = split(text, ';');
    std::vector<TableCell> cells;
    for (size_t i = 0; i < fields.size() && i < kFieldX.size(); ++i) {
        if (i == 0) {
            const int room = layout.x(kFieldX[1]) - layout.x(kFieldX[0]) - layout.x(0.05);
            cells.push_back({kFieldX[0], fit_text(canvas, fields[0], room)});
        } else {
            cells.push_back({kFieldX[i], padded(fields[i], kFieldWidth[i])});
        }
    }
    return cells;
}

// A line whose standard error could not be worked out shows "N/A" for it.
std::vector<TableCell> line_cells(const std::string& slope, const std::string& intercept, float error) {
    return {{kSlopeX, slope}, {kInterceptX, intercept}, {kErrorX, fixed_or_na(error, 2, 100.0)}};
}

// The rows of one fit group, the group's line on its first row.
void add_group(std::vector<TableLine>& lines, Canvas& canvas, const PrintLayout& layout,
               const std::vector<std::string>& rows, std::vector<TableCell> line) {
    TableLine first{1, std::move(line)};
    if (!rows.empty()) {
        auto cells = model_row_cells(canvas, layout, rows[0]);
        first.cells.insert(first.cells.begin(), cells.begin(), cells.end());
    }
    lines.push_back(std::move(first));
    for (size_t r = 1; r < rows.size(); ++r) lines.push_back({0, model_row_cells(canvas, layout, rows[r])});
}

struct GroupKind {
    std::string ModelTableText::*text;
    double ModelFit::*slope;
    float ModelFit::*intercept;
    float ModelFit::*error;
    u8 ModelFit::*slope_flag;
    u8 ModelFit::*intercept_flag;
    u8 ModelFit::*continuity_flag;
};
const GroupKind kBp{&ModelTableText::bp,   &ModelFit::bp_slope,          &ModelFit::bp_intercept,
                    &ModelFit::bp_error,   &ModelFit::bp_slope_flag,     &ModelFit::bp_intercept_flag,
                    &ModelFit::bp_continuity_flag};
const GroupKind kRv{&ModelTableText::rv,   &ModelFit::rv_slope,          &ModelFit::rv_intercept,
                    &ModelFit::rv_error,   &ModelFit::rv_slope_flag,     &ModelFit::rv_intercept_flag,
                    &ModelFit::rv_continuity_flag};

// The BP or RV groups that have points. Rows of a group beyond its continuity limit get a
// "$", kept in the sample's model texts for the delimited report written after.
void add_model_groups(std::vector<TableLine>& lines, SampleReportPages& p, const GroupKind& k) {
    ModelTableCells& cells = p.data.samples[p.s].model_table_texts;
    const ModelFitSlots& fits = p.data.samples[p.s].model_fits;
    for (int g = 0; g < kGroups; ++g) {
        if ((model_table_cell(cells, 0, g).*k.text).empty()) continue;
        const ModelFit& fit = fits[g + 1];
        std::vector<std::string> rows;
        for (ModelTableRow& row : cells) {
            std::string& text = row[g].*k.text;
            if (text.empty()) continue;
            if (fit.*k.continuity_flag && text.back() != '$') text += "$";
            rows.push_back(text);
        }
        const std::string slope = c_format(fit.*k.slope_flag ? "$%.7f" : "%.7f", fit.*k.slope);
        const std::string intercept = c_format(fit.*k.intercept_flag ? "$%.4f" : "%.4f", fit.*k.intercept);
        add_group(lines, p.canvas, p.layout, rows, line_cells(slope, intercept, fit.*k.error));
    }
}

// The left half of the model tables: first pass, BP groups, footnotes.
std::vector<TableLine> left_half(SampleReportPages& p, int width) {
    const ModelTableCells& cells = p.data.samples[p.s].model_table_texts;
    const ModelFitSlots& fits = p.data.samples[p.s].model_fits;
    const SurrogateRangeLimits& lim = method_data.surrogate_range_limits;
    std::vector<TableLine> lines;
    add_title(lines, p.canvas, "First Pass (Relative Volatility (log) vs. Recovery", width, 0);
    add_title(lines, p.canvas, "   (Used to Estimate Rel vol effects on BP Internal standards)", width, 0);
    lines.push_back(heads_line());
    for (int g = 0; g < kModelTableCells; ++g) {
        if (!first_pass_segment_shown(cells, g)) continue;
        std::vector<std::string> rows;
        for (int r = 0; r < 2; ++r) rows.push_back(model_table_cell(cells, r, g).first_pass);
        add_group(lines, p.canvas, p.layout, rows,
                  line_cells(c_format("%.7f", fits[g].fp_slope), c_format("%.4f", fits[g].fp_intercept),
                             fits[g].fp_error));
    }
    add_title(lines, p.canvas,
              "Recovery vs. Boiling Point - (First Pass Rel Vol Corrections)-- Boiling point range( " +
                  fixed_or_na(lim.MinBP, 1) + " - " + fixed_or_na(lim.MaxBP, 1) + ")",
              width, 1);
    lines.push_back(heads_line());
    add_model_groups(lines, p, kBp);
    if (p.data.samples[p.s].default_rv_marker == 1)
        lines.push_back(text_line("*RV exceeds First Pass range.  Value used as estimate."));
    if (p.options.group_limits_on) lines.push_back(text_line("$ exceeds group solution limits."));
    return lines;
}

std::vector<TableLine> right_half(SampleReportPages& p, int width) {
    const SurrogateRangeLimits& lim = method_data.surrogate_range_limits;
    std::vector<TableLine> lines;
    add_title(lines, p.canvas,
              "Recovery(bp corrected) vs. Relative Volatility (Ln)-- Relative Volatility range( " +
                  fixed_or_na(lim.MinRVW, 2) + " - " + fixed_or_na(lim.MaxRVW, 2) + ")",
              width, 0);
    lines.push_back(heads_line());
    add_model_groups(lines, p, kRv);
    return lines;
}

// The charts this variable mode has, at their places under the tables.
void draw_charts(SampleReportPages& p) {
    Canvas& c = p.canvas;
    const PrintLayout& l = p.layout;
    const int s = p.s;
    const ModelFitSlots& fits = p.data.samples[s].model_fits;
    const bool two = !method_data.variable_mode.one_variable_mode;
    struct Chart {
        bool drawn;
        double x;
        const char* caption;
        ChartKind kind;
        std::span<const SurrogatePoint> points;
    };
    // Every paired point of the first pass, as its table above the chart lists them.
    std::span<const SurrogatePoint> first_pass;
    if (s < kFirstPassPointRows) first_pass = model_work_tables.standard_first_pass_points[s];
    const Chart charts[] = {
        {two, 1.5, "First-Pass Graph", ChartKind::FirstPass, first_pass},
        {bp_variable_in_use(method_data.variable_mode), 4.5, "Boiling-Point Graph", ChartKind::BoilingPoint, model_work_tables.bp_points[s]},
        {rv_variable_in_use(method_data.variable_mode), 7.5, "Relative-Volatility Graph", ChartKind::RelativeVolatility, model_work_tables.rv_points[s]},
    };
    for (const Chart& chart : charts) {
        if (!chart.drawn) continue;
        const ChartFrame frame{l.x(chart.x), l.y(6.25), l.x(1.5), l.y(7.75) - l.y(6.25)};
        c.text_out(frame.left, l.y(6.0), chart.caption);
        draw_recovery_chart(c, chart.kind, frame, fits, chart.points);
    }
}

}  // namespace

void print_model_report(SampleReportPages& p) {
    Canvas& c = p.canvas;
    PrintLayout& l = p.layout;
    const int lh = l.line_h();
    const std::string title = sample_report_title("Internal Standard Report");
    const int title_y = l.y(0.125);
    p.pages.start_page();
    draw_title(c, l, l.x(3.0), title_y, title, l.x(7.0));
    const int start_y = print_file_items(p, title_y + 2 * lh) + lh;

    const int gap = l.gap();
    const std::vector<TableLine> left = left_half(p, l.x(kRightHalf) - l.x(kLeftHalf) - gap);
    const std::vector<TableLine> right = right_half(p, c.page_width() - l.x(kRightHalf) - gap);
    // Tables too long for the page run on over further pages under the title.
    const int top = title_y + 2 * lh, bottom = c.page_height() - lh;
    const std::vector<PlacedLine> left_at = flow_lines(left, start_y, top, bottom, lh);
    const std::vector<PlacedLine> right_at = flow_lines(right, start_y, top, bottom, lh);
    int pages = 1;
    for (const auto* placed : {&left_at, &right_at})
        if (!placed->empty()) pages = std::max(pages, placed->back().page + 1);
    int lowest = 0;  // foot of the tables on their last page
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            p.pages.start_page();
            draw_title(c, l, l.x(3.0), title_y, title, l.x(7.0));
        }
        auto draw = [&](const std::vector<TableLine>& lines, const std::vector<PlacedLine>& at, double origin) {
            for (size_t i = 0; i < lines.size(); ++i) {
                if (at[i].page != page) continue;
                draw_table_line(c, l, origin, at[i].y, lines[i]);
                if (page == pages - 1) lowest = std::max(lowest, at[i].y + lh);
            }
        };
        draw(left, left_at, kLeftHalf);
        draw(right, right_at, kRightHalf);
    }
    // The charts stand under the tables; tables that reach down to them send the charts
    // to a page of their own.
    if (lowest > l.y(6.0) - lh) {
        p.pages.start_page();
        draw_title(c, l, l.x(3.0), title_y, title, l.x(7.0));
    }
    draw_charts(p);
}
