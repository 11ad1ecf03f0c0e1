#include "calibration/check_report_file.h"

#include "calibration/curve_statistics.h"
#include "methoddata/calibration_data.h"
#include "methoddata/check_state.h"
#include "methoddata/marker_text.h"
#include "methoddata/surrogate_library_row.h"
#include "platform/clock.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/print_notices.h"
#include "platform/text_file.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"
#include "recovery/model_chain.h"

namespace {

constexpr int kClasses = 3;
const char* const kDeterminationHeading =
    "Compound;Linear;Ln;Recovery;B.P.Predict;err;R.V.Predict;err;Total Predict;err;Recovery;err\n";

bool two_variables() { return model_variables(method_data.variable_mode) == ModelVariables::Two; }
bool uses_bp() { return ::uses_bp(model_variables(method_data.variable_mode)); }
bool uses_rv() { return ::uses_rv(model_variables(method_data.variable_mode)); }

// The recovery (percent) of an internal standard's library row in the check standard,
// measured against the calibration's mean response; kNotSet when it has none.
double measured_recovery(const CalibrationData& cal, int row) {
    const double mean = cal.curve_statistics.mean_rf[row];
    const double amount1 = method_data.library[row].conc[0];
    if (mean == 0.0 || amount1 == 0.0) return kNotSet;
    return cal.raw_data_sets[kCheckDataSet].area[row] / mean / amount1 * 100.0;
}

std::string compound_row(const CalibrationData& cal, int c, const CheckLevel& level) {
    const CurveStatistics& st = cal.curve_statistics;
    std::string row = c_format("\n%d;%s;", c + 1, method_data.library[c].name.c_str());
    if (included_levels(c) == 0) return row + c_format("<%.2f;(%.1f%%)>", st.mean_rf[c], st.sd_rf[c] * 100.0);
    const RecoveryTables& t = cal.recovery_tables;
    const SampleRawData& data = cal.raw_data_sets[kCheckDataSet];
    // A value not available (no prediction, no check amount, no mean response) says "N/A".
    struct Cell {
        double value;
        int decimals;
        double scale;
    };
    const Cell cells[] = {{st.mean_rf[c], 2, 1.0},
                          {st.sd_rf[c], 2, 1.0},
                          {check_amount(c, level), 2, 1.0},
                          {t.predicted_recovery[kCheckDataSet][c], 2, 100.0},
                          {t.predicted_recovery_dev[kCheckDataSet][c], 2, 100.0},
                          {check_response_factor(c, level), 2, 1.0},
                          {percent_difference(c, level), 1, 1.0}};
    for (const Cell& cell : cells) {
        append_fixed_or_na(row, cell.value, cell.decimals, cell.scale);
        row += ';';
    }
    return row + c_format("%d;%.2f", data.area[c], data.retention_time[c]);
}

std::string fit_row(const CalibrationData& cal, const SurrogatePoint& p, int row, bool& starred) {
    const LibraryCompound& compound = method_data.library[row];
    std::string out = compound.name + ";";
    if (uses_bp()) out += c_format("%.1f", compound.bp);
    if (two_variables()) out += ";";
    if (uses_rv()) {
        if (is_not_set(p.clamped_rv)) {
            out += c_format("%.2f", compound.rvw);
        } else {
            out += format_general(p.clamped_rv) + "*";
            starred = true;
        }
    }
    out += ";" + fixed_or_na(measured_recovery(cal, row), 2);
    return out + ";" + fixed_or_na(p.y, 2, 100.0) + "\n";
}

std::string fit_tables(const CalibrationData& cal, const ModelWorkTables& work, bool& starred) {
    const int s = kCheckDataSet;
    const SurrogateRangeLimits& limits = method_data.surrogate_range_limits;
    std::string out;
    if (two_variables()) {
        out += "\nFirst Pass relative Volatility (Ln) vs. Recovery\n";
        out += "(Used to Estimate Rel vol effects on BP Internal standards)\n\n";
        out += check_fit_table(cal, 0, work.standard_first_pass_points[s], work.first_pass_fits, starred);
    }
    if (uses_bp()) {
        out += "\nRecovery vs. Boiling Point - (First Pass Rel Vol Corrections)--";
        out += " Boiling point range( " + fixed_or_na(limits.MinBP, 2) + " - " + fixed_or_na(limits.MaxBP, 2) + ")\n";
        out += check_fit_table(cal, 1, work.bp_points[s], work.bp_group_fits, starred);
    }
    if (uses_rv()) {
        out += "\nRecovery(bp corrected) vs. Relative Volatility (Ln)--";
        out += " Relative Volatility range((" + fixed_or_na(limits.MinRVW, 2) + " - " + fixed_or_na(limits.MaxRVW, 2) +
               ")\n";
        out += check_fit_table(cal, 1, work.rv_points[s], work.rv_group_fits, starred);
    }
    return out;
}

bool in_class(const LibraryCompound& c, int category) {
    if (!two_variables()) return category == 0;
    const double a = method_data.category_thresholds.vcs;
    const double b = method_data.category_thresholds.n_pvcsLn;
    switch (category) {
        case 0: return c.bp < a && c.rvw < b;
        case 1: return c.bp < a && c.rvw > b;
        default: return c.bp >= a;
    }
}

std::string class_heading(int category) {
    if (!two_variables()) return kDeterminationHeading;
    switch (category) {
        case 0:
            return c_format("Volatile Compound Surrogates(boiling point<%.f)\n", method_data.category_thresholds.vcs) +
                   kDeterminationHeading;
        case 1:
            return c_format("Non-Purgeable Volatile Compound Surrogates(rw>%.2f)\n", method_data.category_thresholds.n_pvcsLn) +
                   "Compound;Linear;ln;Recovery;B.P.Predict;err;R.V.Predict;err;Total Predict;err;Recovery;err\n";
        default:
            return c_format("Semi-Volatile Compound Surrogates(boiling points=%.2f) \n", method_data.category_thresholds.vcs) +
                   kDeterminationHeading;
    }
}

}  // namespace

std::string check_report_path() {
    const std::string& data = check_state.check_data_file;
    const size_t dot = data.rfind('.');
    const size_t separator = last_separator(data);
    const bool has_extension = dot != std::string::npos && (separator == std::string::npos || dot > separator);
    return (has_extension ? data.substr(0, dot) : data) + ".check";
}

std::string check_report_title() {
    const VariableMode& m = method_data.variable_mode;
    if (m.one_variable_mode)
        return "Check Calibration Report - Using ONE VARIABLE - " + m.transform_text + " - " + m.single_variable_label +
               " - " + method_data.library_version;
    return "Check Calibration Report - Linear: " + m.variable2_label + " -- Ln: " + m.variable1_label + " - " +
           method_data.library_version;
}

std::string check_fit_table(const CalibrationData& cal, int first_group, std::span<const SurrogatePoint> points,
                            const FitTable& fits, bool& starred) {
    const VariableMode& m = method_data.variable_mode;
    std::string out = two_variables()
                          ? c_format("Compound;%s;%s;Measured;Recovery\n", m.variable2_label.c_str(), m.variable1_label.c_str())
                          : c_format("Compound;%s;Measured;Recovery\n", m.single_variable_label.c_str());
    size_t i = 0;
    // The points are sorted by group; a group's rows are followed by its line. The fit
    // table has one slot per group, which bounds the walk.
    for (int g = first_group; g < kFitSlots && i < points.size() && points[i].in_use; ++g) {
        for (; i < points.size() && points[i].in_use && points[i].group == g; ++i) {
            int row = 0;
            if (find_surrogate_library_row(row, points[i].record, method_data.surrogates, method_data.library))
                out += fit_row(cal, points[i], row, starred);
        }
        const GroupFit& line = fits[kCheckDataSet][g];
        // A line through two points has no R squared: it is not written as a number.
        const std::string rsq = is_not_set(line.r_squared) ? "N/A" : c_format("%.6f", line.r_squared);
        out += c_format("\nSlope = %.6f;Intercept = %.6f;Error = %.3f;RSQ = ", line.slope, line.intercept,
                        line.std_error * 100.0) +
               rsq + "\n\n";
    }
    return out;
}

std::string check_surrogate_determinations(const CalibrationData& cal, int category) {
    const int s = kCheckDataSet;
    const RecoveryTables& t = cal.recovery_tables;
    std::string out;
    double sum_m = 0.0, sum_o = 0.0;
    int averaged = 0;
    for (int i = 0; i < method_data.surrogate_count && i < kMaxSurrogates; ++i) {
        int row = 0;
        if (!method_data.surrogates[i].checked_surrogate || !find_surrogate_library_row(row, i, method_data.surrogates, method_data.library)) continue;
        const LibraryCompound& c = method_data.library[row];
        if (!in_class(c, category)) continue;
        const double h = measured_recovery(cal, row);
        const double predicted = t.predicted_recovery[s][row];
        const double deviation = t.predicted_recovery_dev[s][row];
        out += c_format("%s;%.f;%.2f", c.name.c_str(), c.bp, c.rvw);
        out += ";" + fixed_or_na(h, 3);
        for (double fraction : {t.bp_recovery[s][row], t.bp_fit_error[s][row], t.rv_recovery[s][row],
                                t.rv_fit_error[s][row], predicted, deviation}) {
            out += ';';
            append_fixed_or_na(out, fraction, 2, 100.0);
        }
        if (is_not_set(h) || is_value_marker(predicted) || predicted == 0.0) {
            out += ";N/A;N/A\n";
            continue;
        }
        const double m = h / predicted;
        const double o = m * deviation / predicted;
        out += c_format(";%.2f;%.2f\n", m, o);
        sum_m += m;
        sum_o += o;
        ++averaged;
    }
    if (averaged > 0) out += c_format("\nGroup Averages;%.2f;%.2f\n", sum_m / averaged, sum_o / averaged);
    return out;
}

std::string check_report_text(const CalibrationData& cal, const CheckLevel& level) {
    std::string out = check_report_title() + "\n";
    out += "Calibration File: " + cal.calibration_file_name + "\n";
    out += "Process Date: " + format_date_time(clock_source().now()) + "\n";
    out += "Surrogate Groupings File:" + method_data.surrogate_file_path + "\n";
    out += "Compound Library File:" + to_upper(folder_settings.slot[kLibraryTextFileSlot]) + "\n";
    out += "Check Standard File:" + check_state.check_data_file + "\n";
    out += "N;Compound;Calibration response;Calibration Response Deviation;Check Standard(CS) Concentration;"
           "CS Pred_Rec; CS R_Dev;CS Response;% Difference;Area Count;Retention Time\n";
    for (int c = 0; c < method_data.compound_count && c < kMaxCompounds; ++c) out += compound_row(cal, c, level);
    out += "\nInternal standard Report - " + method_data.library_version + "\n";
    bool starred = false;
    out += fit_tables(cal, model_work_tables, starred);
    out += "\t\tSurrogate Determinations\n\n";
    for (int category = 0; category < (two_variables() ? kClasses : 1); ++category) {
        out += class_heading(category);
        out += check_surrogate_determinations(cal, category);
    }
    if (starred)
        out += "* The relative volatility is outside the range of first pass Internal standards.  Value displayed is "
               "default.";
    return out;
}

bool write_check_calibration_file(const CheckLevel& level) {
    const std::string path = check_report_path();
    std::string error;
    if (write_file_atomically(path, check_report_text(calibration_data, level), &error)) {
        announce_file_written(path);
        return true;
    }
    show_message("The check calibration report file\n" + path + "\ncould not be written:\n" + error, "Error");
    return false;
}
