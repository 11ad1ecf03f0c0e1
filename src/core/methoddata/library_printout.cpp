#include "methoddata/library_printout.h"

#include <array>

#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/number_text.h"
#include "platform/text_util.h"

namespace {

// Column positions in column units.
constexpr double kNameColumn = 0.4;
constexpr double kTypeColumn = 2.0;
constexpr std::array<double, 5> kValueColumns = {3.5, 4.25, 5.0, 5.75, 6.5};
constexpr int kAmountsPerLine = 5;

int trunc(double v) { return static_cast<int>(v); }

void text_at(Canvas& canvas, double x, double y, const std::string& text) { canvas.text_out(trunc(x), trunc(y), text); }

}  // namespace

std::string property_title(const std::string& label) { return label.size() > 3 ? label.substr(0, 3) + "~" : label; }

double print_library_header(Canvas& canvas, int x, double y, double u, double h, const std::string& library_file) {
    text_at(canvas, x + 5.5 * u, y, "Page: " + std::to_string(canvas.page_number()));
    y += h;
    text_at(canvas, x, y, "Compound Library");
    text_at(canvas, x + 2 * u, y, to_upper(library_file));
    y += h;
    text_at(canvas, x, y, "Process Date:");
    text_at(canvas, x + 2 * u, y, format_date_time(clock_source().now()));
    y += 2 * h;
    text_at(canvas, x, y, "N");
    text_at(canvas, x + kNameColumn * u, y, "Compound");
    text_at(canvas, x + kTypeColumn * u, y, "Type");
    const bool one = method_data.variable_mode.one_variable_mode != 0;
    const std::array<std::string, 5> titles = {one ? "Ln" : property_title(method_data.variable_mode.variable1_label),
                                               one ? "Linear" : property_title(method_data.variable_mode.variable2_label), "Rvo",
                                               "PartCoef.", "CAS#"};
    for (size_t k = 0; k < titles.size(); ++k) text_at(canvas, x + kValueColumns[k] * u, y, titles[k]);
    // The ten amounts take two lines under the five value columns.
    for (int k = 0; k < kMaxLevels; ++k) {
        if (k % kAmountsPerLine == 0) y += h;
        text_at(canvas, x + kValueColumns[k % kAmountsPerLine] * u, y, "C" + std::to_string(k + 1));
    }
    return y + 2 * h;
}

void print_library(Canvas& canvas, int count, const LibraryTable& table, const std::string& library_file) {
    if (!canvas.begin_job("Compound Library")) return;
    canvas.set_font(CanvasFont{"Arial", 8});
    const double u = canvas.page_width() * 2.0 / 17.0;
    const double h = (canvas.page_height() / 11) * 8.0 / 72.0 * 1.15;
    const double first_y = print_library_header(canvas, 0, 0, u, h, library_file);
    double y = first_y;
    for (int i = 0; i < count && i < kMaxCompounds; ++i) {
        const LibraryCompound& c = table[i];
        text_at(canvas, 0, y, std::to_string(i + 1));
        text_at(canvas, kNameColumn * u, y, c.name);
        text_at(canvas, kTypeColumn * u, y, c.is_internal_standard ? "Internal Standard " : "Analyte ");
        const std::array<double, 4> values = {c.rvw, c.bp, c.rvo, c.partcoef};
        for (size_t k = 0; k < values.size(); ++k) text_at(canvas, kValueColumns[k] * u, y, format_fixed(values[k], 2));
        text_at(canvas, kValueColumns[4] * u, y, trim(c.casNumber));
        // Ten amounts in one line would run off the page: five to a line.
        for (int k = 0; k < kMaxLevels; ++k) {
            if (k % kAmountsPerLine == 0) y += h;
            text_at(canvas, kValueColumns[k % kAmountsPerLine] * u, y, format_fixed(c.conc[k], 2));
        }
        y += h;
        if (y > canvas.page_height() * 20.0 / 21.0 && i + 1 < count) {
            canvas.new_page();
            print_library_header(canvas, 0, 0, u, h, library_file);
            y = first_y;
        }
    }
    canvas.end_job();
}
