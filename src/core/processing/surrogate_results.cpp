#include "processing/surrogate_results.h"

#include <limits>

#include "calibration/curve_statistics.h"
#include "methoddata/calibration_data.h"
#include "methoddata/marker_text.h"
#include "samples/process_files_data.h"
#include "methoddata/surrogate_library_row.h"
#include "methoddata/surrogate_points.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "recovery/model_chain.h"

namespace {

constexpr int kNoCategory = -1;

int category_of(const SurrogateRecord& s) {
    if (s.checked_surrogate == 0) return kNoCategory;
    const CategoryThresholds& t = method_data.category_thresholds;
    if (s.bp < t.vcs && s.rvw < t.n_pvcsLn) return kVolatile;
    if (s.bp < t.vcs && s.rvw > t.n_pvcsLn) return kNonPurgeableVolatile;
    if (s.bp >= t.vcs) return kSemiVolatile;
    return kNoCategory;
}

// Area / mean response factor / first library amount x 100 of library row c in the
// sample; kNotSet when the calibration has no mean response or the library no amount for
// it: a recovery of 0 would be one the sample never showed.
double measured_recovery(int c, int sample) {
    const double mean = calibration_data.curve_statistics.mean_rf[c];
    const double amount = method_data.library[c].conc[0];
    if (mean == 0.0 || amount == 0.0) return kNotSet;
    return process_files_data.sample_raw_data[sample].area[c] / mean / amount * 100.0;
}

// A fraction of the recovery tables in percent; a marker stays the marker.
double percent(double fraction) { return is_value_marker(fraction) ? kNotSet : fraction * 100.0; }

void fill_row(SurrogateResult& r, const SurrogateRecord& s, int c, int j) {
    const RecoveryTables& t = calibration_data.recovery_tables;
    r.name = s.name;
    r.bp = s.bp;
    r.rv = s.rvw;
    r.library_number = s.LibCmpndNum;
    r.bp_recovery = percent(t.bp_recovery[j][c]);
    r.bp_fit_error = t.bp_fit_error[j][c];
    r.rv_recovery = percent(t.rv_recovery[j][c]);
    r.rv_fit_error = percent(t.rv_fit_error[j][c]);
    r.predicted_recovery = percent(t.predicted_recovery[j][c]);
    r.predicted_recovery_dev = t.predicted_recovery_dev[j][c];
    r.measured_recovery = measured_recovery(c, j);
    // Corrected for the predicted recovery, in single precision. Without a measured
    // recovery or a prediction there is nothing to correct: not available (a 0 would be
    // printed and averaged as a recovery of 0 %).
    const float P = static_cast<float>(r.predicted_recovery);
    if (is_value_marker(r.measured_recovery) || is_value_marker(r.predicted_recovery) || P == 0.0f) {
        r.corrected_recovery = r.corrected_recovery_dev = kNotSet;
        return;
    }
    const float corrected = static_cast<float>(r.measured_recovery) / P * 100.0f;
    r.corrected_recovery = corrected;
    r.corrected_recovery_dev = is_value_marker(r.predicted_recovery_dev)
                                   ? kNotSet
                                   : corrected * (static_cast<float>(r.predicted_recovery_dev) / P) * 100.0f;
}

}  // namespace

void build_surrogate_results() {
    process_files_data.category_present.fill(0);
    for (int j = 0; j < process_files_data.sample_count && j < kSampleSlots; ++j) {
        SurrogateResultRows& rows = process_files_data.samples[j].surrogate_results;
        rows.clear();
        const size_t most = kSurrogateResultRows;
        for (int i = 0; i < method_data.surrogate_count && i < kMaxSurrogates && rows.size() < most; ++i) {
            const SurrogateRecord& s = method_data.surrogates[i];
            const int category = category_of(s);
            int c = 0;
            if (category == kNoCategory || !find_surrogate_library_row(c, i, method_data.surrogates, method_data.library)) continue;
            SurrogateResult& r = rows.emplace_back();
            r.category = category;
            fill_row(r, s, c, j);
            if (j == 0) process_files_data.category_present[category] = 1;
        }
    }
}

namespace {

// The library row of a point's internal standard; -1 when the library has none by its name.
int library_row_of(const SurrogatePoint& p) {
    int c = -1;
    if (p.record < 0 || p.record >= kMaxSurrogates ||
        !find_surrogate_library_row(c, p.record, method_data.surrogates, method_data.library))
        return -1;
    return c;
}

// name;bp;rvw;measured %;y x 100, with the rvw field given by the caller. A recovery that
// could not be measured (no mean response factor or no amount) shows as "N/A", not as its
// marker.
std::string point_text(const SurrogatePoint& p, int c, int j, const std::string& rvw_field) {
    return p.name + c_format(";%.1f", method_data.library[c].bp) + rvw_field + ";" + fixed_or_na(measured_recovery(c, j), 2) +
           ";" + fixed_or_na(p.y, 1, 100.0);
}

std::string rvw_field(int c) { return c_format(";%.2f", method_data.library[c].rvw); }

// Appends a text to the next free row of a group cell, adding the row when the table has
// none there yet: a row for every point a model can use.
void put_in_cell(ModelTableCells& cells, std::array<int, kModelTableCells>& next_row, int cell,
                 std::string ModelTableText::*field, const std::string& text) {
    if (cell < 0 || cell >= kModelTableCells || next_row[cell] >= kModelTableRows) return;
    const int row = next_row[cell]++;
    if (static_cast<size_t>(row) >= cells.size()) cells.resize(row + 1);
    cells[row][cell].*field = text;
}

// The first-pass points come in pairs, one pair per segment: each pair goes to the group
// cell of its segment, beside the segment's own line. Answers the largest rvw among them
// (0 when there is none).
double fill_first_pass_rows(ModelTableCells& cells, int j) {
    double largest = 0.0;
    if (j >= kFirstPassPointRows) return largest;
    std::array<int, kModelTableCells> next_row{};
    int placed = 0;
    for (const SurrogatePoint& p : model_work_tables.standard_first_pass_points[j]) {
        const int c = p.in_use ? library_row_of(p) : -1;
        if (c < 0) continue;
        put_in_cell(cells, next_row, placed / 2, &ModelTableText::first_pass, point_text(p, c, j, rvw_field(c)));
        ++placed;
        if (method_data.library[c].rvw > largest) largest = method_data.library[c].rvw;
    }
    return largest;
}

// BP or RV points of the data set into their group cells. A BP point whose rvw lies
// beyond the first pass shows the largest first-pass rvw, marked "*".
void fill_model_rows(ModelTableCells& cells, const PointList& points, std::string ModelTableText::*field,
                     int j, double largest_first_pass_rvw, bool bp) {
    std::array<int, kModelTableCells> next_row{};
    for (int i = 0; i < kMaxSurrogates; ++i) {
        const SurrogatePoint& p = points[i];
        const int c = p.in_use ? library_row_of(p) : -1;
        if (c < 0) continue;
        std::string rv = rvw_field(c);
        if (bp && method_data.library[c].rvw > largest_first_pass_rvw) {
            rv = c_format(";%.0f*", largest_first_pass_rvw);
            process_files_data.samples[j].default_rv_marker = 1;
        }
        put_in_cell(cells, next_row, p.group - 1, field, point_text(p, c, j, rv));
    }
}

}  // namespace

void build_is_report_rows(int sample) {
    if (sample < 0 || sample >= kSampleSlots) return;
    // The tables are built anew: a model that did not run for the sample leaves its texts
    // empty, with no row of an earlier build left over.
    ModelTableCells& cells = process_files_data.samples[sample].model_table_texts;
    cells.clear();
    process_files_data.samples[sample].default_rv_marker = 0;
    // With one variable only that variable's model ran for the sample: the other point
    // lists hold nothing of it (at most an earlier data set's points), and without a first
    // pass no BP point lies beyond one (a largest first-pass rvw of 0 would star every rvw).
    const ModelVariables variables = model_variables(method_data.variable_mode);
    const bool two = variables == ModelVariables::Two;
    const double largest = two ? fill_first_pass_rows(cells, sample) : std::numeric_limits<double>::infinity();
    if (uses_bp(variables)) fill_model_rows(cells, model_work_tables.bp_points[sample], &ModelTableText::bp, sample, largest, true);
    if (uses_rv(variables)) fill_model_rows(cells, model_work_tables.rv_points[sample], &ModelTableText::rv, sample, largest, false);
}
