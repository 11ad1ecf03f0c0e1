#include "reports/result_cells.h"

#include "methoddata/sample_results.h"
#include "platform/number_text.h"

// A result that cannot be computed has no figure: its marker is no concentration.
std::string concentration_cell(float c) {
    if (is_without_calibration(c)) return "   no calib";
    if (is_not_computable(c)) return "        N/A";
    if (c >= 0.0f) {
        if (c < 0.01f) return "          0";
        if (c < 10.0f) return c_format("          %.2f", c);
        if (c < 100.0f) return c_format("        %.2f", c);
        if (c < 1000.0f) return c_format("      %.1f", c);
        if (c < 10000.0f) return c_format("    %.0f", c);
        if (c < 100000.0f) return c_format("  %.0f", c);
        return c_format("%.0f", c);
    }
    const float m = -c;  // below the reporting limit: the limit is shown
    if (m < 10.0f) return c_format(" <       %.1f", m);
    if (m < 100.0f) return c_format(" <      %.0f", m);
    if (m < 1000.0f) return c_format(" <    %.0f", m);
    return c_format(" <  %.0f", m);
}

std::string error_cell(float c, float e) {
    if (is_without_calibration(c)) return std::string(8, ' ');
    if (is_not_computable(c)) return "     N/A";
    if (c < 0.0f) return std::string(6, ' ');
    if (e < 0.01f && c < 0.01f) return "±      0";
    if (e < 10.0f) return c_format("±      %.2f", e);
    if (e < 100.0f) return c_format("±    %.2f", e);
    if (e < 1000.0f) return c_format("±  %.1f", e);
    if (e < 10000.0f) return c_format("± %.0f", e);
    return c_format("±%.0f", e);
}

std::string recovery_cell(double r) {
    if (r < 100.0) return c_format("   %.2f", r);
    if (r < 1000.0) return c_format("  %.1f", r);
    return c_format(" %.0f", r);
}

std::string deviation_cell(double d) {
    if (d < 10.0) return c_format("±     %.2f", d);
    if (d < 100.0) return c_format("±   %.2f", d);
    if (d < 1000.0) return c_format("±  %.1f", d);
    return c_format("± %.0f", d);
}
