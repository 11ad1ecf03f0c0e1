#include "reports/result_cells.h"

#include <cmath>

#include "methoddata/marker_text.h"
#include "samples/sample_results.h"
#include "platform/number_text.h"

namespace {

// A measured figure, right-aligned. A negative one (from a negative area) takes its minus
// in place of a leading blank; one that prints as 0 is shown as 0.
std::string measured_cell(float c) {
    const float m = std::fabs(c);
    std::string t;
    if (m < 0.01f) return "          0";
    if (m < 10.0f) t = c_format("          %.2f", m);
    else if (m < 100.0f) t = c_format("        %.2f", m);
    else if (m < 1000.0f) t = c_format("      %.1f", m);
    else if (m < 10000.0f) t = c_format("    %.0f", m);
    else if (m < 100000.0f) t = c_format("  %.0f", m);
    else t = c_format("%.0f", m);
    if (c >= 0.0f) return t;
    const size_t digits = t.find_first_not_of(' ');
    if (digits == 0) return "-" + t;
    t[digits - 1] = '-';
    return t;
}

}  // namespace

std::string concentration_cell(ResultStatus status, float c) {
    switch (status) {
        case ResultStatus::WithoutCalibration: return "   no calib";
        case ResultStatus::NotComputable: return "        N/A";
        case ResultStatus::Measured: return measured_cell(c);
        case ResultStatus::BelowLimit: break;
    }
    const float m = -c;  // below the reporting limit: the limit is shown
    if (m < 10.0f) return c_format(" <       %.1f", m);
    if (m < 100.0f) return c_format(" <      %.0f", m);
    if (m < 1000.0f) return c_format(" <    %.0f", m);
    return c_format(" <  %.0f", m);
}

std::string error_cell(ResultStatus status, float c, float e) {
    switch (status) {
        case ResultStatus::WithoutCalibration: return std::string(8, ' ');
        case ResultStatus::NotComputable: return "     N/A";
        case ResultStatus::BelowLimit: return std::string(6, ' ');
        case ResultStatus::Measured: break;
    }
    if (e < 0.01f && std::fabs(c) < 0.01f) return "±      0";
    if (e < 10.0f) return c_format("±      %.2f", e);
    if (e < 100.0f) return c_format("±    %.2f", e);
    if (e < 1000.0f) return c_format("±  %.1f", e);
    if (e < 10000.0f) return c_format("± %.0f", e);
    return c_format("±%.0f", e);
}

// A recovery or deviation that is not available, aligned as the error cell's "N/A".
const char* const kNotAvailableCell = "     N/A";

std::string recovery_cell(double r) {
    if (is_value_marker(r)) return kNotAvailableCell;
    if (r < 100.0) return c_format("   %.2f", r);
    if (r < 1000.0) return c_format("  %.1f", r);
    return c_format(" %.0f", r);
}

std::string deviation_cell(double d) {
    if (is_value_marker(d)) return kNotAvailableCell;
    if (d < 10.0) return c_format("±     %.2f", d);
    if (d < 100.0) return c_format("±   %.2f", d);
    if (d < 1000.0) return c_format("±  %.1f", d);
    return c_format("± %.0f", d);
}
