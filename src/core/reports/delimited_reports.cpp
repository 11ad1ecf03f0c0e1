#include "reports/delimited_reports.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "methoddata/marker_text.h"
#include "methoddata/surrogate_library_row.h"
#include "methoddata/tables.h"
#include "platform/clock.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/print_notices.h"
#include "platform/text_file.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"
#include "reports/report_values.h"

namespace {

const char* const kPlusMinus = "±";

// The data file's path without the extension of its file name (a "." in a folder name
// is not an extension).
std::string report_stem(const std::string& data_file, const std::string& calibration_file) {
    const size_t dot = data_file.rfind('.');
    const size_t sep = last_separator(data_file);
    const bool has_extension = dot != std::string::npos && (sep == std::string::npos || dot > sep);
    const std::string base = has_extension ? data_file.substr(0, dot) : data_file;
    return base + "_" + up_to_last_dot(file_name_of(calibration_file));
}

// Area and retention time of a library row in the sample's data; zeros for a row that
// is not one.
struct RawValues {
    std::int32_t area = 0;
    double retention_time = 0.0;
};
RawValues raw_values(const SampleRawData& raw, int row) {
    if (row < 0 || row >= kMaxCompounds) return {};
    return {raw.area[row], raw.retention_time[row]};
}

std::string cas_number(int row) { return row >= 0 && row < kMaxCompounds ? trim(method_data.library[row].casNumber) : ""; }

// The library row of an internal-standard row: the row carrying its name (internal
// standards may stand anywhere in the library), else its stored row number.
int surrogate_library_row(const SurrogateResult& r) {
    const int by_name = find_library_row_by_name(r.name, method_data.library);
    if (by_name >= 0) return by_name;
    return r.library_number >= 0 && r.library_number < kMaxCompounds ? r.library_number : -1;
}

int analyte_rows(const ProcessFilesData& data) { return std::clamp(data.last_analyte_index + 1, 0, kMaxCompounds); }
int surrogate_rows(const ProcessFilesData& data, int s) {
    return surrogate_rows_read(data.samples[s].surrogate_results, method_data.surrogate_count);
}

std::string qualifier_legend(const SampleSettings& st) {
    std::string text = st.limits_mode == 2
                           ? "X=Result below LOQ, U =Result below CRQL, J=estimated, E=Result exceeds calibration"
                           : " E = Result exceeds calibration (HOQ), X = Concentration lower than calibration (LOQ)";
    text += st.include_calibration_error
                ? ", The error term is one sigma and includes propagation of calibration error"
                : ", The error term is one sigma";
    return text + ", negatives mean conc less than report limit value given).";
}

std::string report_title(const char* kind) {
    const VariableMode& m = method_data.variable_mode;
    return c_format("%s - Linear: %s - Ln: %s - %s\n\n", kind, m.variable2_label.c_str(), m.variable1_label.c_str(),
                    method_data.library_version.c_str());
}

// The title and the file, date and identifier lines both layouts begin with.
std::string quantitation_header_start(const SampleSettings& st, const ReportSourceFiles& files,
                                      const std::string& process_date) {
    std::string t = report_title("Quantitation Report");
    t += "File Identification: " + st.data_file_path + "\n";
    t += "Calibration File: " + files.calibration_file + "\n";
    t += "Process Date: " + process_date + "\n";
    t += "Acquisition Date: " + st.analysed_date + "\n";
    t += "Lab File ID: " + st.lab_file_id + ";; Instrument ID: " + st.instrument_id + "\n";
    return t + "Compound Library: " + files.library_file + "\n";
}

std::string general_header(const ProcessFilesData& data, int s, const ReportSourceFiles& files,
                           const std::string& process_date) {
    const SampleSettings& st = data.samples[s].settings;
    std::string t = quantitation_header_start(st, files, process_date);
    t += c_format("Sample Size: %.2f; %s\n", static_cast<float>(st.size),
                  sample_size_unit(st.units).c_str());
    t += "Internal Standard Groups: " + files.surrogate_file + "\n";
    if (st.limits_mode == 1)
        t += "Sample Type: " + st.matrix + "; LMT " + st.limits_file_path + "\n";
    else if (st.limits_mode == 2)  // no line end: the client sample id follows on this line
        t += "Sample Type: " + st.matrix + "; CRQL File " + st.limits_file_path +
             c_format(" CRQL - %.2f%% ", static_cast<float>(st.crql_percent));
    else
        t += "Sample Type: " + st.matrix + "   No limits indicated for reporting\n";
    t += "Client Sample ID: " + st.agency_sample_id + "\n";
    t += "Lab Sample ID: " + st.lab_sample_id + "\n";
    t += "Comment: " + st.comment + "  \n";
    t += "Qualifiers: " + qualifier_legend(st) + "\n";
    t += "Compound;" + st.units + ";Dev;Qualifier;Recovery;Dev;Area;Retention Time\n";
    return t;
}

std::string forms_header(const ProcessFilesData& data, int s, const ReportSourceFiles& files,
                         const std::string& process_date) {
    const SampleSettings& st = data.samples[s].settings;
    std::string t = quantitation_header_start(st, files, process_date);
    t += c_format("Sample Size: %.2f\n", static_cast<float>(st.size));
    t += "Internal Standard Groups: " + files.surrogate_file + "\n";
    t += "Sample Type: " + st.matrix + "; CRQL File " + st.limits_file_path +
         c_format("\nCRQL - %.2f%%\n", static_cast<float>(st.crql_percent));
    t += "Comment: " + st.comment + "  \n";
    t += "Client Sample ID: " + st.lab_sample_id + "\n";
    t += "Sample ID: " + st.agency_sample_id + "\n";
    t += "Qualifiers: " + qualifier_legend(st) + "\n";
    t += "Compound#;Compound;" + st.units + ";Dev;Qualifier;Recovery;Dev;Area;Retention Time;CAS#\n";
    return t;
}

// Qualifier, recovery and its deviation in percent, area and retention time. The
// percentages are the stored fractions times 100 in double precision: a product rounded to
// single precision can change the last printed digit. A compound without a prediction has
// no deviation: "N/A".
std::string analyte_tail(const AnalyteResult& r, const RawValues& raw, bool forms) {
    std::string t = r.qualifier.empty() ? std::string(" ") : r.qualifier;
    t += ';';
    append_fixed_or_na(t, r.predicted_recovery, 2, 100.0);
    t += ';';
    if (forms) t += std::string(kPlusMinus) + ";";
    append_fixed_or_na(t, r.predicted_recovery_dev, 2, 100.0);
    t += ';';
    append_int(t, raw.area);
    t += ';';
    append_fixed(t, raw.retention_time, 2);
    return t;
}

std::string general_analyte_row(const AnalyteResult& r, const RawValues& raw) {
    const float c = r.concentration;
    std::string t = r.name + ";";
    switch (r.status) {
        case ResultStatus::WithoutCalibration: t += "No Calib;;"; break;
        case ResultStatus::NotComputable: t += "N/A;N/A;"; break;  // no concentration and no error
        case ResultStatus::Measured:
            append_fixed(t, c, 2);
            t += ';';
            append_fixed(t, r.error, 2);
            t += ';';
            break;
        case ResultStatus::BelowLimit:  // the limit it fell below
            t += "LT";
            append_fixed(t, -c, 2);
            t += ";;";
            break;
    }
    return t + analyte_tail(r, raw, false) + "\n";
}

std::string forms_analyte_row(const AnalyteResult& r, const RawValues& raw, float size) {
    const float c = r.concentration;
    std::string t = c_format("%d;", r.library_number) + r.name + ";";
    // A compound without calibration has no result to report: saying "undetected below a
    // limit" would be a number the calibration never gave.
    switch (r.status) {
        case ResultStatus::WithoutCalibration: t += std::string("No Calib;") + kPlusMinus + ";;"; break;
        case ResultStatus::NotComputable: t += std::string("N/A;") + kPlusMinus + ";N/A;"; break;
        case ResultStatus::Measured: t += c_format("%.2f;", c) + kPlusMinus + c_format(";%.2f;", r.error); break;
        case ResultStatus::BelowLimit:
            t += c_format("U%.2f;", -(c * 5.0f / size)) + kPlusMinus + c_format(";%.2f;", r.error);
            break;
    }
    return t + analyte_tail(r, raw, true) + ";" + cas_number(r.library_number - 1) + "\n";
}

std::string surrogate_row(const SurrogateResult& r, const SampleRawData& raw, bool forms) {
    const int row = surrogate_library_row(r);
    const RawValues v = raw_values(raw, row);
    const std::string pm = forms ? std::string(kPlusMinus) + ";" : "";
    std::string t = forms ? c_format("%d;", row + 1) : "";
    t += r.name + ";" + fixed_or_na(r.corrected_recovery, 1) + ";" + pm;
    t += fixed_or_na(r.corrected_recovery_dev, 1) + ";" + fixed_or_na(r.predicted_recovery, 1) + ";" + pm;
    t += fixed_or_na(r.predicted_recovery_dev, 1, 100.0) + c_format(";%d;%.2f;", v.area, v.retention_time);
    return t + (forms ? cas_number(row) : "") + "\n";
}

std::string surrogate_section(const ProcessFilesData& data, int s, bool forms) {
    const CategoryThresholds& th = method_data.category_thresholds;
    const std::array<std::string, kSurrogateCategories> headings = {
        c_format("Volatile Compound Surrogates (BP<%.1f)\n", th.vcs) + (forms ? "Compound#;" : "") +
            "Compound;Recovery;Error;Predicted;Error;Area;Retention Time" + (forms ? ";CAS#" : "") + "\n",
        c_format("  Non-Purgeable Volatile Compound Surrogates (RV>%.1f)\n", th.n_pvcsLn),
        c_format("  Semi-Volatile Compound Surrogates (BP>=%.1f)\n", th.vcs)};
    std::string t = "\n          Surrogate Determinations\n";
    for (int k = 0; k < kSurrogateCategories; ++k) {
        t += headings[k];
        for (int i = 0; i < surrogate_rows(data, s); ++i) {
            const SurrogateResult& r = data.samples[s].surrogate_results[i];
            if (!r.name.empty() && r.category == k) t += surrogate_row(r, data.sample_raw_data[s], forms);
        }
    }
    return t;
}

// The internal standards' own areas and retention times, in library order.
std::string internal_standard_data(const ProcessFilesData& data, int s) {
    const SampleRawData& raw = data.sample_raw_data[s];
    std::string t = "\n          Internal Standard Data\nCompound;Area;Retention Time\n";
    for (int k = 0; k < surrogate_records_in_use(); ++k) {
        int row = 0;
        if (!find_surrogate_library_row(row, k, method_data.surrogates, method_data.library) || raw.name[row].empty()) continue;
        t += raw.name[row] + c_format(";%d;%.2f\n", raw.area[row], raw.retention_time[row]);
    }
    return t;
}

// The QC report's model tables: the first-pass segments, then the BP and RV groups that
// have points, each with its fitted line.
std::string qc_model_tables(const ProcessFilesData& data, int s) {
    const ModelTableCells& cells = data.samples[s].model_table_texts;
    const ModelFitSlots& fits = data.samples[s].model_fits;
    const SurrogateRangeLimits& lim = method_data.surrogate_range_limits;
    const char* const heads = "Compound;BP;RVW;Measured;Recovery\n";
    std::string t = "\nFirst Pass relative Volatility (Ln) vs. Recovery\n";
    t += " (Used to Estimate Rel vol effects on BP Internal standards)\n\n";
    t += heads;
    for (int g = 0; g < kModelTableCells; ++g) {
        if (!first_pass_segment_shown(cells, g)) continue;
        t += model_table_cell(cells, 0, g).first_pass + "\n" + model_table_cell(cells, 1, g).first_pass + "\n";
        t += "   Slope, Intercept, %Err= " + fits[g].fp_text + "\n\n";
    }
    auto group_tables = [&](std::string ModelTableText::*text, std::string ModelFit::*line) {
        std::string out;
        for (int g = 0; g < kGroups; ++g) {
            if ((model_table_cell(cells, 0, g).*text).empty()) continue;
            for (const ModelTableRow& row : cells)
                if (!(row[g].*text).empty()) out += row[g].*text + "\n";
            out += "   Slope, Intercept, %Err= " + fits[g + 1].*line + "\n\n";
        }
        return out;
    };
    t += "Recovery vs. Boiling Point - (First Pass Rel Vol Corrections)-- Boiling point range( " +
         fixed_or_na(lim.MinBP, 1) + " - " + fixed_or_na(lim.MaxBP, 1) + ")\n\n";
    t += heads + group_tables(&ModelTableText::bp, &ModelFit::bp_text);
    t += "Recovery(bp corrected) vs. Relative Volatility (Ln)-- Relative Volatility range( " +
         fixed_or_na(lim.MinRVW, 2) + " - " + fixed_or_na(lim.MaxRVW, 2) + ")\n\n";
    t += heads + group_tables(&ModelTableText::rv, &ModelFit::rv_text);
    return t;
}

// Every error is shown in percent beside the percent it belongs to: the total predicted
// deviation and the BP line's error are held as fractions. A value not available is "N/A".
std::string qc_surrogate_row(const SurrogateResult& r) {
    std::string t = r.name + c_format(";%.1f;", r.bp) + c_format("%.2f;", r.rv);
    const std::pair<double, double> cells[] = {{r.measured_recovery, 1.0},     {r.bp_recovery, 1.0},
                                               {r.bp_fit_error, 100.0},        {r.rv_recovery, 1.0},
                                               {r.rv_fit_error, 1.0},          {r.predicted_recovery, 1.0},
                                               {r.predicted_recovery_dev, 100.0}, {r.corrected_recovery, 1.0},
                                               {r.corrected_recovery_dev, 1.0}};
    for (size_t i = 0; i < std::size(cells); ++i) {
        if (i > 0) t += ';';
        append_fixed_or_na(t, cells[i].first, 1, cells[i].second);
    }
    return t + "\n";
}

std::string qc_surrogate_determinations(const ProcessFilesData& data, int s) {
    const CategoryThresholds& th = method_data.category_thresholds;
    const std::array<std::string, kSurrogateCategories> headings = {
        c_format("Volatile Compound Surrogates(boiling point<%.1f)\n", th.vcs),
        c_format("Non-Purgeable Volatile Compound Surrogates(rw>%.2f)\n", th.n_pvcsLn),
        // The semi-volatiles are those at or above the volatile threshold: the heading names
        // the threshold the rows were classed by.
        c_format("Semi-Volatile Compound Surrogates(boiling points>= %.1f)\n", th.vcs)};
    std::string t = "\n           Surrogate Determinations\n\n";
    for (int k = 0; k < kSurrogateCategories; ++k) {
        t += headings[k];
        t += "Compound;BP;RV;Meas;B.P.Predict;err;R.V.Predict;err;Total Predict;err;Recovery;err\n";
        std::vector<double> recoveries;
        for (int i = 0; i < surrogate_rows(data, s); ++i) {
            const SurrogateResult& r = data.samples[s].surrogate_results[i];
            if (r.name.empty() || r.category != k) continue;
            t += qc_surrogate_row(r);
            recoveries.push_back(r.corrected_recovery);
        }
        const GroupAverage a = group_average(recoveries);
        if (a.count == 0) continue;  // no recovery to average: no average line
        t += c_format("     Group Averages;%.1f;%.1f", a.mean, a.deviation);
        if (k + 1 < kSurrogateCategories) t += "\n\n";  // the last category's line ends the file
    }
    return t;
}

void report_write_failure(const std::string& path) {
    // The analyst reads the message with the ordinary cursor; the run's hourglass returns after.
    ui().set_busy(false);
    ui().message(path + "\n Make sure file not in use by another program", "File access failure.");
    ui().set_busy(true);
}

}  // namespace

std::string quantitation_report_path(const std::string& data_file, const std::string& calibration_file,
                                     QuantitationLayout layout) {
    return report_stem(data_file, calibration_file) + (layout == QuantitationLayout::Forms ? ".prn" : ".txt");
}

std::string qc_report_path(const std::string& data_file, const std::string& calibration_file) {
    return report_stem(data_file, calibration_file) + "QC.txt";
}

std::string quantitation_report_text(const ProcessFilesData& data, int s, const ReportSourceFiles& files,
                                     const std::string& process_date, QuantitationLayout layout) {
    const bool forms = layout == QuantitationLayout::Forms;
    const SampleSettings& st = data.samples[s].settings;
    std::string t = forms ? forms_header(data, s, files, process_date) : general_header(data, s, files, process_date);
    for (int i = 0; i < analyte_rows(data); ++i) {
        const AnalyteResult& r = data.samples[s].analyte_results[i];
        const RawValues raw = raw_values(data.sample_raw_data[s], r.library_number - 1);
        t += forms ? forms_analyte_row(r, raw, static_cast<float>(st.size))
                   : general_analyte_row(r, raw);
    }
    return t + surrogate_section(data, s, forms) + internal_standard_data(data, s);
}

std::string qc_report_text(const ProcessFilesData& data, int s, const ReportSourceFiles& files,
                           const std::string& process_date) {
    const SampleSettings& st = data.samples[s].settings;
    std::string t = report_title("Internal Standard Report");
    t += "Process Date: " + process_date + "\n";
    t += "Compound Library: " + files.library_file + "\n";
    t += "Internal Standard Groups: " + files.surrogate_file + "\n";
    t += "File Identification: " + st.data_file_path + "\n";
    t += "Calibration File: " + files.calibration_file + "\n";
    t += "Aquisition Date: " + st.analysed_date + "\n";
    t += "Lab File ID: " + st.lab_file_id + "; Sample ID: " + st.lab_sample_id + "; Instrument ID: " +
         st.instrument_id + "\n";
    return t + qc_model_tables(data, s) + qc_surrogate_determinations(data, s);
}

bool write_sample_reports(ProcessFilesData& data, int s, const ReportSourceFiles& files) {
    if (s < 0 || s >= kSampleSlots) return false;
    SampleSettings& st = data.samples[s].settings;
    st.size_unit = sample_size_unit(st.units);
    const std::string process_date = format_date_time(clock_source().now());
    const QuantitationLayout layout =
        main_flags.TrqFormsFormat ? QuantitationLayout::Forms : QuantitationLayout::General;
    const std::string data_file = data.samples[s].settings.data_file_path;

    const std::string quantitation_path = quantitation_report_path(data_file, files.calibration_file, layout);
    if (!write_file_atomically(quantitation_path, quantitation_report_text(data, s, files, process_date, layout))) {
        report_write_failure(quantitation_path);
        return false;
    }
    announce_file_written(quantitation_path);
    const std::string qc_path = qc_report_path(data_file, files.calibration_file);
    if (!write_file_atomically(qc_path, qc_report_text(data, s, files, process_date))) {
        report_write_failure(qc_path);
        return false;
    }
    announce_file_written(qc_path);
    return true;
}
