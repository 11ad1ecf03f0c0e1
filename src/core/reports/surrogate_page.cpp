// The surrogate page of a printed sample report: the internal-standard recoveries of
// each category present, with the category's mean recovery and its deviation.
#include <algorithm>
#include <array>
#include <vector>

#include "methoddata/marker_text.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "reports/report_values.h"
#include "reports/sample_report_pages.h"

namespace {

constexpr double kNameX = 0.25;
constexpr double kBpX = 1.75;
constexpr double kRvX = 2.35;
constexpr double kMeasuredX = 3.25;
constexpr std::array<double, 4> kPredictionX = {4.15, 5.65, 7.15, 8.65};  // BP, RV, total, recovery
constexpr double kErrorOffset = 0.6;

std::string category_heading(int k) {
    const CategoryThresholds& th = method_data.category_thresholds;
    switch (k) {
        case kVolatile: return c_format("Volatile Compound Surrogates (Boiling Point <%0.1f)", th.vcs);
        case kNonPurgeableVolatile:
            return c_format("Non-Purgeable Volatile Compound Surrogates (Relative Volatility >%0.1f)", th.n_pvcsLn);
        default: return c_format("Semi-Volatile Compound Surrogates (Boiling Point >=%.1f)", th.vcs);
    }
}

TableLine heads_line() {
    return {0,
            {{kNameX, "  Compound"},
             {kBpX, "  BP"},
             {kRvX, "  RVW"},
             {kMeasuredX, "  Meas."},
             {kPredictionX[0], "  BP Predict ± err"},
             {kPredictionX[1], "  RV Predict ± err"},
             {kPredictionX[2], "  Total Predict ± err"},
             {kPredictionX[3], "  Recovery ± err"}}};
}

// A value or an error not available says "N/A" in its cell.
void add_value_and_error(TableLine& line, int column, double value, double error, double error_scale = 1.0) {
    line.cells.push_back({kPredictionX[column], fixed_or_na(value, 2)});
    line.cells.push_back({kPredictionX[column] + kErrorOffset,
                          is_value_marker(error) ? kNotAvailableText : "± " + format_fixed(error * error_scale, 2)});
}

// Every error is in percent beside its percent: the BP line's error and the total
// predicted deviation are held as fractions.
TableLine surrogate_line(Canvas& canvas, const PrintLayout& layout, const SurrogateResult& r) {
    TableLine line;
    const int name_room = layout.x(kBpX) - layout.x(kNameX) - layout.x(0.05);
    line.cells = {{kNameX, fit_text(canvas, r.name, name_room)},
                  {kBpX, c_format("%.1f", r.bp)},
                  {kRvX, c_format("  %.1f", r.rv)},
                  {kMeasuredX, fixed_or_na(r.measured_recovery, 2)}};
    add_value_and_error(line, 0, r.bp_recovery, r.bp_fit_error, 100.0);
    add_value_and_error(line, 1, r.rv_recovery, r.rv_fit_error);
    add_value_and_error(line, 2, r.predicted_recovery, r.predicted_recovery_dev, 100.0);
    add_value_and_error(line, 3, r.corrected_recovery, r.corrected_recovery_dev);
    return line;
}

// The internal-standard tables: a block per category present.
std::vector<TableLine> surrogate_tables(SampleReportPages& p) {
    std::vector<TableLine> lines;
    const int rows = surrogate_rows_read(p.data.samples[p.s].surrogate_results, method_data.surrogate_count);
    for (int k = 0; k < kSurrogateCategories; ++k) {
        if (p.data.category_present[k] != 1) continue;
        lines.push_back({1, {{1.65, category_heading(k)}}});
        lines.push_back(heads_line());
        std::vector<double> recoveries;
        for (int i = 0; i < rows; ++i) {
            const SurrogateResult& r = p.data.samples[p.s].surrogate_results[i];
            if (r.name.empty() || r.category != k) continue;
            lines.push_back(surrogate_line(p.canvas, p.layout, r));
            recoveries.push_back(r.corrected_recovery);
        }
        // Without a recovery to average (none available, or no row in this sample) there
        // is no mean: 0.00 would read as one.
        const GroupAverage a = group_average(recoveries);
        TableLine averages{0, {{kNameX, "    Group Averages"}}};
        if (a.count == 0)
            add_value_and_error(averages, 3, kNotSet, kNotSet);
        else
            add_value_and_error(averages, 3, a.mean, a.deviation);
        lines.push_back(averages);
    }
    return lines;
}

}  // namespace

void print_surrogate_report(SampleReportPages& p) {
    const auto& present = p.data.category_present;
    if (std::none_of(present.begin(), present.end(), [](u8 b) { return b == 1; })) return;
    Canvas& c = p.canvas;
    PrintLayout& l = p.layout;
    const int lh = l.line_h();
    const int title_y = l.y(0.125);
    p.pages.start_page();
    draw_title(c, l, l.x(3.0), title_y, "Surrogate Report", l.x(7.0));
    const int start_y = print_file_items(p, title_y + 2 * lh);

    const std::vector<TableLine> lines = surrogate_tables(p);
    const std::vector<PlacedLine> at = flow_lines(lines, start_y, title_y + 2 * lh, c.page_height() - lh, lh);
    int page = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (at[i].page != page) {
            page = at[i].page;
            p.pages.start_page();
            draw_title(c, l, l.x(3.0), title_y, "Surrogate Report", l.x(7.0));
        }
        draw_table_line(c, l, 0.0, at[i].y, lines[i]);
    }
}
