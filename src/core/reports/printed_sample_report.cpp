#include "reports/printed_sample_report.h"

#include <algorithm>
#include <array>

#include "methoddata/marker_text.h"
#include "methoddata/tables.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "reports/report_values.h"
#include "reports/result_cells.h"
#include "reports/sample_report_pages.h"

namespace {

constexpr std::array<double, 6> kColumn = {0.0, 2.1, 2.7, 3.5, 3.8, 4.3};
constexpr double kLeftBlock = 0.25;
constexpr double kRightBlock = 5.5;

std::string qualifier_legend(const SampleSettings& st, bool group_limits_on) {
    std::string text = st.limits_mode == 2
                           ? "X=Result below LOQ, U =Result below CRQL, J=estimated, E=Result exceeds calibration"
                           : " E = Result > calibration (HOQ), X = Concentration < calibration (LOQ)";
    if (st.limits_mode != 2 && group_limits_on) text += ", Q&q denotes group limit exceeded";
    return text + (st.include_calibration_error
                       ? ", The error term is one sigma and includes propagation of calibration error"
                       : ", The error term is one sigma");
}

std::string sample_size_text(float size) { return c_format(size >= 100.0f ? "%.0f" : "%.2f", size); }

void print_quantitation_header(SampleReportPages& p) {
    Canvas& c = p.canvas;
    PrintLayout& l = p.layout;
    SampleSettings& st = p.data.samples[p.s].settings;
    st.size_unit = sample_size_unit(st.units);
    const int lh = l.line_h();
    const int left = l.x(kLeftBlock), right = l.x(5.0);
    const int left_end = right - l.gap(), right_end = c.page_width() - l.gap();

    int y = l.y(0.25);
    draw_title(c, l, l.x(4.0), y, sample_report_title("Quantitation Report"), l.x(9.0));
    y += 2 * lh;
    draw_item(c, l, left, y, "File Identification:", 1.0, st.data_file_path, left_end);
    draw_item(c, l, right, y, "Calibration File:", 1.25, p.files.calibration_file, right_end);
    y += lh;
    draw_item(c, l, left, y, "Process Date:", 1.0, l.print_date, left_end);
    draw_item(c, l, right, y, "Compound Library File:", 1.25, p.files.library_file, right_end);
    y += lh;
    draw_item(c, l, left, y, "Acquisition Date:", 1.0, st.analysed_date, left_end);
    draw_item(c, l, right, y, "Internal Standard Groups:", 1.25, p.files.surrogate_file, right_end);
    y += lh;
    draw_item(c, l, left, y, "Sample Size (" + st.size_unit + "):", 1.0,
              sample_size_text(static_cast<float>(st.size)), left_end);
    y += lh;
    draw_item(c, l, left, y, "Sample Type:", 1.0, st.matrix, left_end);
    if (st.limits_mode == 1)
        draw_item(c, l, right, y, "LMT File:", 1.25, st.limits_file_path, right_end);
    else if (st.limits_mode == 2)
        draw_item(c, l, right, y, "CRQL File:", 1.25,
                  st.limits_file_path + "   CRQL Factor - " +
                      c_format("%.2f", static_cast<float>(st.crql_percent)) + "%",
                  right_end);
    y += lh;
    draw_item(c, l, left, y, "Sample ID:", 1.0, st.agency_sample_id, left_end);
    if (st.limits_mode == 1)
        draw_item(c, l, right, y, "       Reporting Limit:", 1.25,
                  "Result + " + std::to_string(st.sigma_count) + " Sigma", right_end);
    y += lh;
    draw_item(c, l, left, y, "Lab Sample ID:", 1.25, st.lab_sample_id, left_end);
    if (st.instrument_id != "failGetinstrumentId")
        draw_item(c, l, right, y, "Instrument ID:", 1.25, st.instrument_id, right_end);
    y += lh;
    draw_item(c, l, left, y, "Lab File ID:", 1.0, st.lab_file_id, left_end);
    y += lh;
    draw_item(c, l, left, y, "Comment:", 1.0, st.comment, left_end);
    // The legend may not fit one line on narrow paper: it then runs on below.
    for (const std::string& line :
         wrap_text(c, "Qualifiers: " + qualifier_legend(st, p.options.group_limits_on), right_end - left)) {
        y += lh;
        c.text_out(left, y, line);
    }
    y += 2 * lh;
    l.heads_y = y;
    const std::array<std::string, 6> heads = {"Compound", st.units, "Error", "Q", "Recovery", "± Deviation"};
    for (double origin : {kLeftBlock, kRightBlock})
        for (size_t i = 0; i < heads.size(); ++i) c.text_out(l.x(origin + kColumn[i]), y, heads[i]);
}

void print_result_row(SampleReportPages& p, const AnalyteResult& r, double origin, int y) {
    Canvas& c = p.canvas;
    const PrintLayout& l = p.layout;
    const auto at = [&](int column) { return l.x(origin + kColumn[column]); };
    c.text_out(at(0), y, fit_text(c, r.name, at(1) - at(0) - l.gap() / 2));
    c.text_out(at(1), y, concentration_cell(r.status, r.concentration));
    c.text_out(at(2), y, error_cell(r.status, r.concentration, r.error));
    c.text_out(at(3), y, r.qualifier);
    // Percentages of the stored fractions in double precision (see recovery_cell).
    const auto percent = [](float fraction) { return is_value_marker(fraction) ? kNotSet : fraction * 100.0; };
    c.text_out(at(4), y, recovery_cell(percent(r.predicted_recovery)));
    c.text_out(at(5), y, deviation_cell(percent(r.predicted_recovery_dev)));
}

// Rows start..end: the first half and one more down the left block, the rest down the
// right block from the column heads again.
void print_result_rows(SampleReportPages& p, int start, int end) {
    const int split = start + p.layout.rows_per_page / 2 + 1;
    const int lh = p.layout.line_h();
    for (int i = start; i <= end; ++i) {
        const bool left = i < split;
        const int y = p.layout.heads_y + (left ? i - start + 1 : i - split + 1) * lh;
        print_result_row(p, p.data.samples[p.s].analyte_results[i], left ? kLeftBlock : kRightBlock,
                         y);
    }
}

}  // namespace

std::string sample_report_title(const std::string& one_variable_kind) {
    const VariableMode& m = method_data.variable_mode;
    if (m.one_variable_mode)
        return one_variable_kind + " - Using ONE VARIABLE - " + m.transform_text + " - " + m.single_variable_label +
               " - " + method_data.library_version;
    return "Quantitation Curve Report - Linear: " + m.variable2_label + " -- Ln: " + m.variable1_label + " - " +
           method_data.library_version;
}

int print_file_items(SampleReportPages& p, int y) {
    Canvas& c = p.canvas;
    const PrintLayout& l = p.layout;
    const int lh = l.line_h();
    const int left = l.x(0.25), right = l.x(5.5);
    const int left_end = right - l.gap(), right_end = c.page_width() - l.gap();
    const SampleSettings& st = p.data.samples[p.s].settings;
    draw_item(c, l, left, y, "File Identification:", 1.4, st.data_file_path, left_end);
    draw_item(c, l, right, y, "Compound Library File:", 1.4, p.files.library_file, right_end);
    y += lh;
    draw_item(c, l, left, y, "Calibration File:", 1.4, p.files.calibration_file, left_end);
    draw_item(c, l, right, y, "Internal Standard Groups:", 1.4, p.files.surrogate_file, right_end);
    y += lh;
    draw_item(c, l, left, y, "Process Date:", 1.4, l.print_date, left_end);
    return y + lh;
}

void print_result_pages(SampleReportPages& p) {
    // A page holds two blocks of rows_per_page / 2 + 1 rows.
    const int per_page = p.layout.rows_per_page + 2;
    const int last = std::min(p.data.last_analyte_index, kMaxCompounds - 1);
    for (int start = 0; start == 0 || start <= last; start += per_page) {
        if (start > 0) p.layout.page_count = 2.0f;
        p.pages.start_page();
        print_quantitation_header(p);
        print_result_rows(p, start, std::min(last, start + per_page - 1));
    }
}

void print_sample_report(Canvas& canvas, ProcessFilesData& data, int s, const ReportSourceFiles& files,
                         const PrintedReportOptions& options) {
    if (s < 0 || s >= kSampleSlots) return;
    if (!options.batch) {
        canvas.set_orientation(Orientation::Landscape);
        if (!canvas.begin_job(file_name_of(data.samples[s].settings.data_file_path))) return;
    }
    canvas.set_font(CanvasFont{});  // Arial 8
    PrintLayout layout(canvas);
    layout.print_date = format_date_time(clock_source().now());
    PageSequence pages(canvas, options.batch && !options.first_in_job);
    SampleReportPages p{canvas, layout, data, s, files, options, pages};
    print_result_pages(p);
    print_model_report(p);
    print_surrogate_report(p);
    if (!options.batch) canvas.end_job();
}
