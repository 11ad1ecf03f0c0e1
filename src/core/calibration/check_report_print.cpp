#include "calibration/check_report_print.h"

#include <array>
#include <string>
#include <utility>

#include "calibration/check_report_file.h"
#include "calibration/curve_statistics.h"
#include "methoddata/check_state.h"
#include "methoddata/marker_text.h"
#include "methoddata/tables.h"
#include "methoddata/calibration_data.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/number_text.h"
#include "platform/print_notices.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

namespace {

const char* const kReportName = "Check Calibration Report";

// The page grid of a portrait page: a column unit of two seventeenths of the width,
// a band of an eleventh of the height and the line step of the 8-point font.
struct Grid {
    double u, band, h, page_end;
    explicit Grid(const Canvas& c)
        : u(c.page_width() * 2.0 / 17.0),
          band(c.page_height() / 11.0),
          h(band * 8.0 / 72.0 * 1.15),
          page_end(8.0 * c.page_height() * 2.0 / 17.0) {}
};

class ReportPrinter {
public:
    ReportPrinter(Canvas& canvas, const CheckLevel& level) : canvas_(canvas), g_(canvas), level_(level) {}

    void print() {
        title_block();
        headings();
        for (int c = 0; c < method_data.compound_count && c < kMaxCompounds; ++c) {
            y_ += g_.h;
            if (y_ > g_.page_end) {
                page_header();
                headings();
                y_ += g_.h;
            }
            compound_row(c);
        }
    }

private:
    void text(double x, double y, const std::string& s) {
        canvas_.text_out(static_cast<int>(x), static_cast<int>(y), s);
    }

    void title_block() {
        labels_ = {{{"Calibration File:", to_upper(calibration_data.calibration_file_name)},
                    {"Process Date:", format_date_time(clock_source().now())},
                    {"Surrogate Groupings File:", to_upper(surrogate_groupings_file())},
                    {"Check Standard File:", to_upper(check_state.check_data_file)}}};
        y_ = 0;
        text(2.5 * g_.u, y_, check_report_title());
        text(6.5 * g_.u, y_, "Page: " + std::to_string(canvas_.page_number()));
        label_lines();
    }

    // The file's path as stored, without a line end that an older file left on it.
    static std::string surrogate_groupings_file() {
        std::string path = method_data.surrogate_file_path;
        if (const size_t end = path.rfind('\n'); end != std::string::npos) path.erase(end);
        if (!path.empty() && path.back() == '\r') path.pop_back();
        return path;
    }

    void label_lines() {
        for (const auto& [label, value] : labels_) {
            y_ += g_.h;
            text(0, y_, label);
            text(2 * g_.u, y_, value);
        }
    }

    // Later pages repeat the labels under their page number; the rows go on below the
    // labels, where they began on the first page.
    void page_header() {
        canvas_.new_page();
        text(6.5 * g_.u, g_.band / 4, "Page: " + std::to_string(canvas_.page_number()));
        y_ = 0;
        label_lines();
    }

    void headings() {
        y_ += 3 * g_.h;
        text(3 * g_.u, y_, "Calibration");
        text(5 * g_.u, y_, "Check Standard");
        text(7.25 * g_.u, y_, "Difference");
        y_ += g_.h;
        const std::pair<double, const char*> row2[] = {{0, "Compound"},          {2.5, "response"},
                                                       {3.5, "deviation"},       {4.375, "(concentrations)"},
                                                       {5.375, "Pred_Rec"},      {6.0, "R_Dev"},
                                                       {6.5, "response"},        {7.375, "%"}};
        for (const auto& [x, caption] : row2) text(x * g_.u, y_, caption);
    }

    void compound_row(int c) {
        text(0, y_, std::to_string(c + 1));
        text(0.3125 * g_.u, y_, method_data.library[c].name);
        const double amount = check_amount(c, level_);
        const double predicted = calibration_data.recovery_tables.predicted_recovery[kCheckDataSet][c];
        if (amount == 0.0 || predicted == 0.0) return;
        const double response = check_response_factor(c, level_);
        const double difference = percent_difference(c, level_);
        text(2.5 * g_.u, y_, fixed_or_na(calibration_data.curve_statistics.mean_rf[c], 2));
        text(3.5 * g_.u, y_, fixed_or_na(calibration_data.curve_statistics.sd_rf[c], 2));
        text(4.375 * g_.u, y_, "(" + fixed_or_na(amount, 2) + ")");
        text(5.375 * g_.u, y_, fixed_or_na(predicted, 2, 100.0));
        text(6.0 * g_.u, y_, fixed_or_na(calibration_data.recovery_tables.predicted_recovery_dev[kCheckDataSet][c], 2, 100.0));
        text(6.55 * g_.u, y_, fixed_or_na(response, 2));
        text(7.425 * g_.u, y_, is_value_marker(difference) ? kNotAvailableText : format_fixed(difference, 1) + "%");
    }

    Canvas& canvas_;
    Grid g_;
    const CheckLevel& level_;
    double y_ = 0;
    std::array<std::pair<std::string, std::string>, 4> labels_;
};

}  // namespace

void print_check_calibration_report(Canvas& canvas, const CheckLevel& level) {
    canvas.set_orientation(Orientation::Portrait);
    if (!canvas.begin_job(kReportName)) return;
    canvas.set_font(CanvasFont{});  // Arial 8
    ReportPrinter(canvas, level).print();
    canvas.end_job();
}

void write_and_print_check_calibration(const CheckLevel& level) {
    PrintNoticeGroup notices;  // the report file and its printout in one message
    write_check_calibration_file(level);
    if (auto canvas = ui().current_printer(kReportName)) print_check_calibration_report(*canvas, level);
}
