#include "processing/quantitation.h"

#include <cmath>
#include <optional>

#include "calibration/curve_statistics.h"
#include "calibration/results_file.h"
#include "methoddata/calibration_data.h"
#include "samples/process_files_data.h"
#include "methoddata/tables.h"
#include "platform/errors.h"
#include "platform/ini_file.h"
#include "platform/number_text.h"
#include "platform/ui_services.h"

void average_response_factors() {
    for (int c = 0; c < method_data.compound_count && c < kMaxCompounds; ++c) {
        double sum = 0.0;
        int n = 0;
        for (int e = 0; e < kMaxLevels; ++e)
            if (level_counts(c, e)) sum += calibration_data.recovery_tables.response_factor[e][c], ++n;
        calibration_data.curve_statistics.mean_rf[c] = n > 0 ? sum / n : 0.0;
    }
}

int read_sample_ini(RawDataSets& table, int slot, const std::string& path) {
    if (slot < 0 || slot >= kDataSets) return 0;
    IniFile ini;
    if (!load_results_ini(ini, path)) throw CommandAborted("results file cannot be read");
    return read_sample_ini(table, slot, ini);
}

namespace {

int listed_compounds(const IniFile& ini) {
    return to_int_strict(ini.get_string("header", "number_comps", "failGetareas_num_cmnd"));
}

// The compounds read_sample_ini takes from a file, or nothing where it would refuse the
// file or throw.
std::optional<ResultsCompounds> read_sample_compounds_quietly(const IniFile& ini) {
    try {
        const int n = listed_compounds(ini);
        ResultsCompounds compounds;
        AreaOutOfRange refused;
        if (n > kMaxCompounds || !read_results_compound_list(ini, n, compounds, refused)) return std::nullopt;
        return compounds;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

}  // namespace

int read_sample_ini(RawDataSets& table, int slot, const IniFile& ini) {
    if (slot < 0 || slot >= kDataSets) return 0;
    const std::string& path = ini.path();
    const int n = listed_compounds(ini);
    if (n > kMaxCompounds) {
        show_message(c_format("The results file %s lists %d compounds; at most %d can be read.\n"
                              "The file was not read.",
                              path.c_str(), n, kMaxCompounds),
                     "Error");
        throw CommandAborted("results file too long");
    }
    // Read into a copy so that a refused or malformed file leaves the slot as it was.
    SampleRawData filled = table[slot];
    if (!read_results_compounds(ini, path, n, filled)) throw CommandAborted("area out of range");
    table[slot] = std::move(filled);
    return 0;
}

KeptSampleResults keep_sample_results(const IniFile& ini, std::string text) {
    KeptSampleResults kept{ini.path(), read_sample_compounds_quietly(ini), {}};
    if (!kept.compounds) kept.text = std::move(text);
    return kept;
}

void read_kept_sample(RawDataSets& table, int slot, const std::string& path, const KeptSampleResults& kept) {
    if (kept.path.empty() || kept.path != path) {
        read_sample_ini(table, slot, path);
    } else if (kept.compounds) {
        if (slot >= 0 && slot < kDataSets) put_results_compounds(*kept.compounds, table[slot]);
    } else {
        IniFile ini;
        ini.load_text(kept.text);
        ini.set_path(path);
        read_sample_ini(table, slot, ini);
    }
}

double lookup_reporting_limit(const std::string& name, int sample) {
    if (sample < 0 || sample >= kSampleSlots) return kNotSet;
    for (const ReportingLimit& entry : process_files_data.samples[sample].reporting_limits)
        if (entry.name == name) return entry.limit;
    return kNotSet;
}

namespace {

constexpr double kNoLowestLevel = 1.0e12;
constexpr double kNoHighestLevel = -1.0e12;

// Calibration amounts of compound c in the standards whose level counts for the range:
// included in the curve, with an amount, and with a peak of c. An amount of 0 is no
// level: as the lowest one it would leave no result below the range.
template <typename Better>
double extreme_calibration_level(int c, double start, Better better) {
    double level = start;
    for (int i = 0; i < kMaxStandards; ++i) {
        const double amount = calibration_data.raw_data_sets[i].cal_amount[c];
        if (!is_not_set(amount) && amount > 0.0 && better(amount, level) && calibration_data.level_included[c][i] == 1 &&
            calibration_data.raw_data_sets[i].area[c] != 0)
            level = amount;
    }
    return level;
}

const SampleSettings& settings_of(int sample) {
    return process_files_data.samples[sample].settings;
}

std::int32_t area_of(int c, int sample) { return process_files_data.sample_raw_data[sample].area[c]; }

// The limit of compound c in the sample's reporting-limit table; 0 when it has none.
double limit_of(int c, int sample) {
    const double lim = lookup_reporting_limit(method_data.library[c].name, sample);
    return is_not_set(lim) ? 0.0 : lim;
}

// Standard deviation of the response factors of c about mean_rf over the levels that count.
double response_factor_sd(int c) {
    const double mean = calibration_data.curve_statistics.mean_rf[c];
    double squares = 0.0;
    int n = 0;
    for (int e = 0; e < kMaxLevels; ++e)
        if (level_counts(c, e)) {
            const double d = calibration_data.recovery_tables.response_factor[e][c] - mean;
            squares += d * d;
            ++n;
        }
    return n >= 2 ? std::sqrt(squares / (n - 1)) : 0.0;
}

// The calibration is too weak to quantitate with: too small a mean response, or response
// factors that scatter too much. The limits are compared as stored, in single precision.
// No mean response at all is always without calibration, even against a minimum that
// came out 0: the concentration would divide by it.
bool without_calibration(int c, double sd) {
    const double mean = calibration_data.curve_statistics.mean_rf[c];
    if (mean == 0.0 || mean < process_files_data.min_mean_response) return true;
    return sd / mean > process_files_data.max_response_deviation;
}

// Concentration and its one-sigma error from the area (steps in single precision where
// the stored values are).
void quantitate(AnalyteResult& r, int c, int j, double sd) {
    const double mean = calibration_data.curve_statistics.mean_rf[c];
    const double R = calibration_data.recovery_tables.predicted_recovery[j][c];
    const double D = calibration_data.recovery_tables.predicted_recovery_dev[j][c];
    const std::int32_t A = area_of(c, j);
    const SampleSettings& s = settings_of(j);
    r.concentration = static_cast<float>(A / mean / R / static_cast<float>(s.size));
    r.status = ResultStatus::Measured;
    // A one-sigma error is a spread: a negative area gives a negative result, not a
    // negative error.
    r.error = static_cast<float>(std::fabs(r.concentration) * D / R);
    if (s.include_calibration_error == 1 && A > 0) {
        const float rsd = sd == 0.0 ? 0.0f : static_cast<float>(sd / mean);
        const float rel = static_cast<float>(D / R);
        r.error = r.concentration * std::sqrt(rel * rel + rsd * rsd);
    }
}

// The line that predicted a compound's recovery, when the model fitted it (an identity
// line stands in for a variable the mode does not use, and breaks no limit).
const ModelFit* predicting_line(int group, const ModelFitSlots& fits, u8 ModelFit::*fitted) {
    if (group < 1 || group > kGroups || fits[group].*fitted != 1) return nullptr;
    return &fits[group];
}

// "Q" when the BP line that predicted the compound's recovery broke a group limit, "q" the
// same for its RV line. A compound no line predicted (a boiling point below MinBP) gets no
// letter, whatever group 1's line did.
std::string group_limit_qualifiers(int c, int j, const ModelFitSlots& fits) {
    std::string letters;
    if (const ModelFit* f = predicting_line(calibration_data.recovery_tables.bp_group[j][c], fits, &ModelFit::bp_fitted))
        if (f->bp_slope_flag == 1 || f->bp_intercept_flag == 1 || f->bp_continuity_flag == 1) letters += "Q";
    if (const ModelFit* f = predicting_line(calibration_data.recovery_tables.rv_group[j][c], fits, &ModelFit::rv_fitted))
        if (f->rv_slope_flag == 1 || f->rv_intercept_flag == 1 || f->rv_continuity_flag == 1) letters += "q";
    return letters;
}

void below_limit(AnalyteResult& r, double limit) {
    r.concentration = static_cast<float>(-limit);
    r.status = ResultStatus::BelowLimit;
}

void apply_limits_mode(AnalyteResult& r, int c, int j) {
    const SampleSettings& s = settings_of(j);
    if (s.limits_mode == 1) {
        const double L = apply_reporting_limit(c, j, r.concentration, r.error);
        if (L > 0.0) below_limit(r, L);
    } else if (s.limits_mode == 2) {
        const double L = apply_crql_limit(c, j, r.concentration);
        if (L > 0.0) {
            if (L - L * static_cast<float>(s.crql_percent) * 0.01 >= r.concentration) {
                r.qualifier += "U";
                below_limit(r, L);
            } else {
                r.qualifier += "J";
            }
        }
    }
}

// A result that is not known (without calibration, or not computable) goes through no
// limit rule: "below the limit" would report a number nobody measured.
void quantitate_sample(int j) {
    AnalyteResultRows& rows = process_files_data.samples[j].analyte_results;
    int k = -1;
    for (int c = 0; c < method_data.compound_count && c < kMaxCompounds; ++c) {
        if (method_data.library[c].is_internal_standard) continue;
        ++k;
        process_files_data.last_analyte_index = k;
        AnalyteResult& r = rows[k];
        r.library_number = c + 1;
        r.predicted_recovery = static_cast<float>(calibration_data.recovery_tables.predicted_recovery[j][c]);
        r.predicted_recovery_dev = static_cast<float>(calibration_data.recovery_tables.predicted_recovery_dev[j][c]);
        const double sd = response_factor_sd(c);
        const bool calibrated = !without_calibration(c, sd);
        // A recovery predicted at or below 0 would divide the area into a negative or
        // endless concentration.
        if (!(calibration_data.recovery_tables.predicted_recovery[j][c] > 0.0) ||
            static_cast<float>(settings_of(j).size) == 0.0f) {
            r.concentration = r.error = static_cast<float>(kCannotCompute);
            r.status = ResultStatus::NotComputable;
        } else if (!calibrated) {
            r.concentration = static_cast<float>(kNoCalibration);
            r.error = 0.0f;
            r.status = ResultStatus::WithoutCalibration;
        } else {
            quantitate(r, c, j, sd);
        }
        r.name = method_data.library[c].name;
        // Without a calibration there are no levels to lie below or above.
        r.qualifier = calibrated ? range_qualifier(c, j) : std::string();
        if (!is_unknown_result(r.status)) apply_limits_mode(r, c, j);
        if (settings_of(j).limits_mode != 2)
            r.qualifier += group_limit_qualifiers(c, j, process_files_data.samples[j].model_fits);
    }
}

}  // namespace

double lowest_calibration_level(int c) {
    return extreme_calibration_level(c, kNoLowestLevel, [](double a, double b) { return a < b; });
}

double highest_calibration_level(int c) {
    return extreme_calibration_level(c, kNoHighestLevel, [](double a, double b) { return a > b; });
}

double apply_reporting_limit(int c, int sample, double concentration, double error) {
    const double lim = limit_of(c, sample);
    return reporting_limit_sigmas(settings_of(sample)) * error + concentration >= lim ? 0.0 : lim;
}

double apply_crql_limit(int c, int sample, double concentration) {
    const double lim = limit_of(c, sample);
    return concentration + concentration * settings_of(sample).crql_percent * 0.01 >= lim ? 0.0
                                                                                          : lim;
}

std::string range_qualifier(int c, int sample) {
    // The mean response factor is corrected for recovery: level x mean is the area of the
    // level at full recovery. At the sample's own predicted recovery a poorly recovered
    // compound inside the range would otherwise read as below it (and above it never).
    const double recovery = calibration_data.recovery_tables.predicted_recovery[sample][c];
    const double mean = calibration_data.curve_statistics.mean_rf[c] * (recovery > 0.0 ? recovery : 1.0);
    const double lo = lowest_calibration_level(c) * mean;
    const double hi = highest_calibration_level(c) * mean;
    const std::int32_t A = area_of(c, sample);
    if (A < lo) return "X";
    if (A > hi) return settings_of(sample).limits_mode == 2 ? "EJ" : "E";
    return "";
}

void compute_concentrations() {
    int count = 0;
    for (int c = 0; c < method_data.compound_count && c < kMaxCompounds; ++c)
        if (method_data.library[c].is_internal_standard) ++count;
    process_files_data.internal_standard_count = count;
    // Analyte count - 1: -1 until an analyte row is made, so a library without analytes
    // leaves no row of an earlier run to report.
    process_files_data.last_analyte_index = -1;
    for (int j = 0; j < process_files_data.sample_count && j < kSampleSlots; ++j)
        quantitate_sample(j);
}
