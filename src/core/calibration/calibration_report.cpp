#include "calibration/calibration_report.h"

#include <algorithm>
#include <array>

#include "calibration/curve_statistics.h"
#include "calibration/level_amount.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/surrogate_library_row.h"
#include "methoddata/tables.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/number_text.h"
#include "platform/page_grid.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"
#include "recovery/model_chain.h"

namespace {

constexpr double kStandardColumn = 1.3125;  // column units between two standards' columns
constexpr double kStatisticsColumn = 0.6;   // column units between Ave, dev and rel dev
// The standards' columns start at 2.25 units and the statistics take 1.7 units after them
// (Ave, dev, rel dev and its text), so 7.05 of the 11 units are theirs.
constexpr double kStandardsWidth = 7.05;

// The step between two standards' columns: 1.3125 units as long as the statistics stay on
// the page (up to five standards), else just narrow enough to keep them there.
double standard_column_step(int files) {
    return files > 0 ? std::min(kStandardColumn, kStandardsWidth / files) : kStandardColumn;
}

std::string group_digits(const std::array<int, kGroups>& groups) {
    std::string out;
    for (int g : groups) out += std::to_string(g);
    return out;
}

// The data files of the calibration: one per standard, in order, as long as a standard
// has its results file.
int listed_data_files() {
    int n = 0;
    while (n < kMaxStandards && !calibration_data.standard_results_ini[n].empty()) ++n;
    return n;
}

// Line i of the data-file list: files 2i and 2i + 1, each followed by ", ".
std::string data_file_pair(int i) {
    std::string text;
    for (int k = 2 * i; k < 2 * i + 2 && k < listed_data_files(); ++k) text += to_upper(calibration_data.standard_data_files[k]) + ", ";
    return text;
}

// The report's running position and what every line routine needs.
class ReportPrinter {
public:
    ReportPrinter(Canvas& canvas, bool with_groups, bool with_values)
        : canvas_(canvas), g_(canvas), with_groups_(with_groups), with_values_(with_values),
          variables_(model_variables(method_data.variable_mode)) {}

    void print();

private:
    void print_calibration_report_header();
    void print_calibration_page_header();
    void print_report_column_heads();
    void print_compound_responses(int c);
    void print_compound_amounts(int c);
    void print_internal_standard_groups(int c);
    void print_bp_rv_values(int c);

    // A header line stored so that later pages repeat it.
    void header_line(const std::string& label, const std::string& value);
    void out(int x, const std::string& text) { canvas_.text_out(x, y_, text); }
    void next_line(int lines = 1) { y_ += lines * g_.h; }
    bool uses_rv() const { return ::uses_rv(variables_); }
    bool uses_bp() const { return ::uses_bp(variables_); }

    Canvas& canvas_;
    const PageGrid g_;
    const bool with_groups_, with_values_;
    const ModelVariables variables_;
    int x_ = 0, y_ = 0;
    int files_ = 0;      // data files listed, one column each
    int results_x_ = 0;  // x of the "Results" head
    double column_step_ = kStandardColumn;
    std::array<PrintCell, kPrintCells> header_{};
    int header_lines_ = 0;  // stored lines repeated on later pages
};

void ReportPrinter::print() {
    canvas_.set_font(CanvasFont{});  // Arial 8 for every text of the report
    print_calibration_report_header();
    compute_all_curve_statistics();
    const int body_top = y_ + 2 * g_.h;
    const int count = library_rows_in_use();
    const double page_end = canvas_.page_height() * (2.0 / 17.0) * 8.0;
    bool heads_due = true;
    for (int c = 0; c < count; ++c) {
        if (heads_due) print_report_column_heads();
        heads_due = false;
        print_compound_responses(c);
        print_compound_amounts(c);
        if (with_groups_ && method_data.library[c].is_internal_standard) print_internal_standard_groups(c);
        if (with_values_) print_bp_rv_values(c);
        // A page is full past 16/17 of its height; no page follows the last compound.
        if (y_ > page_end && c + 1 < count) {
            canvas_.new_page();
            print_calibration_page_header();
            y_ = body_top - 9 * g_.h;
            heads_due = true;
        }
    }
}

void ReportPrinter::header_line(const std::string& label, const std::string& value) {
    next_line();
    out(0, label);
    out(2 * g_.u, value);
    if (header_lines_ < kPrintCells) header_[header_lines_++] = PrintCell{label, value};
}

void ReportPrinter::print_calibration_report_header() {
    const VariableMode& m = method_data.variable_mode;
    y_ = static_cast<int>(g_.b * 0.25);
    if (m.one_variable_mode)
        out(4 * g_.u, "Calibration Curve Report - Using ONE VARIABLE - " + m.transform_text + " - " + m.single_variable_label);
    else
        out(4 * g_.u, "Calibration Curve Report - Linear: " + m.variable2_label + " -- Ln: " + m.variable1_label);
    out(9 * g_.u, "Page: " + std::to_string(canvas_.page_number()));

    header_line("Calibration File:", to_upper(calibration_data.calibration_file_name));
    header_line("Process Date:", format_date_time(clock_source().now()));
    header_line("Surrogate Groupings File:", to_upper(first_line(method_data.surrogate_file_path)));
    header_line("Compound Library File:", to_upper(folder_settings.slot[kLibraryTextFileSlot]));

    // The data files two to a line, the first on the "Files:" line; after an even
    // number of files one empty line follows the last pair.
    files_ = listed_data_files();
    column_step_ = standard_column_step(files_);
    const int lines = (files_ + 1) / 2;
    header_line("Files:", lines > 0 ? data_file_pair(0) : std::string());
    for (int i = 1; i < lines; ++i) header_line("", data_file_pair(i));
    if (files_ > 0 && files_ % 2 == 0) next_line();

    method_data.surrogate_reference_path = first_line(method_data.surrogate_reference_path);
    next_line(2);
    out(0, "Reference File:");
    out(2 * g_.u, to_upper(method_data.surrogate_reference_path));

    if (!(with_groups_ && with_values_)) return;
    next_line(2);
    out(0, "Explanation of lines following the concentration values");
    next_line();
    if (m.one_variable_mode)
        out(0, m.single_variable_label + "G1 - G6 " + "/For Internal Standards");
    else
        out(0, m.variable1_label + "_Group1-6/" + m.variable2_label + "_Group1-6;/First Pass /For Internal Standards");
    next_line();
    if (m.one_variable_mode)
        out(0, m.single_variable_label + " - For Internal Standards and Analytes");
    else
        out(0, m.variable1_label + "/" + m.variable2_label + " - For Internal Standards and Analytes");
}

void ReportPrinter::print_calibration_page_header() {
    canvas_.text_out(9 * g_.u, static_cast<int>(g_.b * 0.25), "Page: " + std::to_string(canvas_.page_number()));
    int y = g_.h;
    for (int i = 0; i < header_lines_; ++i, y += g_.h) {
        canvas_.text_out(0, y, header_[i].text1);
        canvas_.text_out(2 * g_.u, y, header_[i].text2);
    }
}

void ReportPrinter::print_report_column_heads() {
    next_line(4);
    int x = g_.at(2.25);
    for (int k = 0; k < files_; ++k) {
        out(x, "Standard" + std::to_string(k + 1));
        x = g_.step(x, column_step_);
    }
    results_x_ = g_.step(x, 0.5);
    out(results_x_, "Results");

    next_line();
    out(g_.at(0.5), "compound(concentartions)");
    x = g_.at(2.125);
    for (int k = 0; k < files_; ++k) {
        out(x, "resp(%dev)");
        x = g_.step(x, column_step_);
    }
    x = g_.step(results_x_, -0.5);
    out(x, "Ave");
    x = g_.step(x, kStatisticsColumn);
    out(x, "dev");
    x = g_.step(x, kStatisticsColumn);
    out(x, "rel dev");
}

void ReportPrinter::print_compound_responses(int c) {
    next_line();
    out(0, std::to_string(c + 1));
    out(g_.at(0.5), method_data.library[c].name);
    x_ = 2 * g_.u;
    const RecoveryTables& t = calibration_data.recovery_tables;
    for (int k = 0; k < files_; ++k) {
        out(x_, report_response_cell(t.response_factor[k][c], t.predicted_recovery_dev[k][c], calibration_data.level_included[c][k] != 0));
        x_ = g_.step(x_, column_step_);
    }
    const CurveStatistics& s = calibration_data.curve_statistics;
    x_ = g_.step(results_x_, -0.5);
    out(x_, report_number(s.mean_rf[c], 2));
    x_ = g_.step(x_, kStatisticsColumn);
    out(x_, report_number(s.sd_rf[c], 2));
    x_ = g_.step(x_, kStatisticsColumn);
    out(x_, is_not_set(s.pct_rsd[c]) ? std::string("N/A") : format_fixed(s.pct_rsd[c], 1) + "%");
}

void ReportPrinter::print_compound_amounts(int c) {
    next_line();
    std::string text = "(";
    for (int k = 0; k < files_; ++k) text += (k > 0 ? "," : "") + report_amount_text(level_amount(c, k));
    out(g_.at(0.5), text + ")");
}

void ReportPrinter::print_internal_standard_groups(int c) {
    // The record is found by the compound's name: records are kept in library order,
    // not at their library rows.
    const SurrogateRecord* record = find_surrogate_of_library_row(c, method_data.surrogates, method_data.library);
    if (!record) return;
    next_line();
    x_ = g_.at(0.5);
    std::string text;
    if (uses_rv()) {
        out(x_, text + group_digits(record->rvwgroup));
        text = "/";
        x_ = g_.step(x_, 0.5);
    }
    if (uses_bp()) {
        out(x_, text + group_digits(record->bpgroup));
        text = "/";
        x_ = g_.step(x_, 0.5);
    }
    if (variables_ == ModelVariables::Two) {
        out(x_, text + std::to_string(record->first_pass));
        text = "/";
        x_ = g_.step(x_, 0.25);
    }
    out(x_, text + std::to_string(record->checked_surrogate));
}

void ReportPrinter::print_bp_rv_values(int c) {
    next_line();
    x_ = g_.at(0.5);
    std::string text;
    if (uses_rv()) {
        out(x_, format_fixed(method_data.library[c].rvw, 2));
        text = "/";
        x_ = g_.step(x_, 0.5);
    }
    if (uses_bp()) out(x_, text + format_fixed(method_data.library[c].bp, 2));
}

}  // namespace

// A value that is not set prints as "N/A": the marker printed as a number would read as a
// real response factor on the analyst's report.
std::string report_number(double value, int decimals) {
    return is_not_set(value) ? std::string("N/A") : format_fixed(value, decimals);
}

std::string report_amount_text(double amount) {
    if (is_not_set(amount)) return "N/A";
    if (amount >= 100.0) return format_fixed(amount, 0);
    if (amount >= 10.0) return format_fixed(amount, 1);
    if (amount >= 1.0) return format_fixed(amount, 2);
    return format_fixed(amount, 3);
}

std::string report_response_cell(double response_factor, double recovery_dev, bool included) {
    const std::string dev = is_not_set(recovery_dev) ? std::string("N/A") : format_fixed(recovery_dev * 100.0, 1) + "%";
    const std::string cell = report_number(response_factor, 2) + "(" + dev + ")";
    return included ? cell : "<" + cell + ">";
}

void print_calibration_report(Canvas& canvas, bool with_groups, bool with_values) {
    ReportPrinter(canvas, with_groups, with_values).print();
}

void print_calibration_report_job(bool with_groups, bool with_values) {
    auto canvas = ui().current_printer("Calibration Report");
    if (!canvas) return;
    canvas->set_orientation(Orientation::Landscape);
    if (!canvas->begin_job("Calibration Report")) return;
    print_calibration_report(*canvas, with_groups, with_values);
    canvas->end_job();
}
