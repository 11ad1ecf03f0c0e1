#pragma once
// What a processing run leaves per sample for the reports: the quantitated analytes,
// the fitted recovery lines with their group-limit flags, the internal-standard rows and
// the point texts of the model tables.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "methoddata/records.h"

// Every internal standard the models used gets its row: at most as many as the
// internal-standard table holds. A sample holds only the rows its run filled.
constexpr int kSurrogateResultRows = kMaxSurrogates;  // most internal-standard rows per sample
constexpr int kModelTableRows = kMaxSurrogates;       // most point rows per fit group in the model tables
constexpr int kModelTableCells = kFitSlots;  // first-pass segments 0..6; BP and RV groups use cells 0..5
constexpr int kSurrogateCategories = 3;   // volatile, non-purgeable volatile, semi-volatile

// What a result's number means. The status is kept beside the number, never read from
// it: every value the number can hold (a negative one, a limit of 99) is also a result.
enum class ResultStatus : u8 {
    Measured,            // concentration and error are the result (negative for a negative area)
    BelowLimit,          // concentration is minus the reporting limit or CRQL it fell below
    WithoutCalibration,  // the calibration is too weak: no figure (concentration kNoCalibration)
    NotComputable,       // no sample size or predicted recovery: no figure (kCannotCompute)
};

// One analyte of one sample. Concentrations are held in single precision.
struct AnalyteResult {
    float concentration = 0.0f;  // read it as its status says
    float error = 0.0f;          // one sigma, never negative
    ResultStatus status = ResultStatus::Measured;
    float predicted_recovery = 0.0f;      // total predicted recovery, a fraction
    float predicted_recovery_dev = 0.0f;  // its deviation, a fraction; a marker without a prediction
    std::string qualifier;                // "X"/"E"/"EJ", then "U"/"J", then "Q", then "q"
    std::string name;
    std::int32_t library_number = 0;  // 1-based library row

    bool operator==(const AnalyteResult&) const = default;
};

// Summary of the fitted lines of one fit slot of one sample. Slots 0..6 hold the lines of
// first-pass segments 0..6; slots 1..6 hold BP and RV groups 1..6.
struct ModelFit {
    std::string fp_text;  // "%.6f;%.4f;%.2f": slope, intercept, standard error x 100
    double fp_slope = 0.0;
    float fp_intercept = 0.0f;
    float fp_error = 0.0f;

    std::string bp_text;
    double bp_slope = 0.0;
    float bp_intercept = 0.0f;
    float bp_max_x = 0.0f;
    float bp_min_x = 0.0f;
    float bp_error = 0.0f;
    u8 bp_slope_flag = 0;
    u8 bp_intercept_flag = 0;
    u8 bp_continuity_flag = 0;
    u8 bp_fitted = 0;  // the BP model fitted this group's line (an identity line is not fitted)

    std::string rv_text;
    double rv_slope = 0.0;
    float rv_intercept = 0.0f;
    float rv_max_x = 0.0f;  // ln rvw
    float rv_min_x = 0.0f;
    float rv_error = 0.0f;
    u8 rv_slope_flag = 0;
    u8 rv_intercept_flag = 0;
    u8 rv_continuity_flag = 0;
    u8 rv_fitted = 0;

    bool operator==(const ModelFit&) const = default;
};

// Category of an internal standard in the reports.
enum SurrogateCategory : std::int32_t {
    kVolatile = 0,
    kNonPurgeableVolatile = 1,
    kSemiVolatile = 2,
};

// One internal standard in use in one sample. Recoveries in percent unless noted; a value
// that is not available (no mean response, no prediction) holds kNotSet, which the reports
// show as "N/A" and leave out of the group averages.
struct SurrogateResult {
    std::string name;
    std::int32_t category = kVolatile;
    double bp = 0.0;
    double rv = 0.0;  // rvw
    double measured_recovery = 0.0;
    double predicted_recovery = 0.0;
    double predicted_recovery_dev = 0.0;  // a fraction, as stored in the recovery tables
    double bp_recovery = 0.0;
    double bp_fit_error = 0.0;  // not scaled
    double rv_recovery = 0.0;
    double rv_fit_error = 0.0;  // x 100
    double corrected_recovery = 0.0;      // computed in single precision
    double corrected_recovery_dev = 0.0;  // computed in single precision
    std::int32_t library_number = 0;      // the record's LibCmpndNum

    bool operator==(const SurrogateResult&) const = default;
};

// The texts of one cell of the model tables: one point of a fit group.
struct ModelTableText {
    std::string first_pass;
    std::string bp;
    std::string rv;

    bool operator==(const ModelTableText&) const = default;
};

// A result that is not known: the reports show it as words, never as a number.
inline bool is_unknown_result(ResultStatus status) {
    return status == ResultStatus::WithoutCalibration || status == ResultStatus::NotComputable;
}

using AnalyteResultRows = std::array<AnalyteResult, kMaxCompounds>;
using ModelFitSlots = std::array<ModelFit, kFitSlots>;
// A run uses a handful to a few dozen internal standards, so a sample keeps only the rows
// its run filled (at most kSurrogateResultRows), in the order the run filled them.
using SurrogateResultRows = std::vector<SurrogateResult>;

// How many of a sample's rows the reports read: those the run filled, but no more than
// the internal-standard table holds now.
inline int surrogate_rows_read(const SurrogateResultRows& rows, int surrogate_count) {
    return std::clamp(surrogate_count, 0, static_cast<int>(rows.size()));
}

// The model tables of one sample: as many rows as its fullest group cell has points (at
// most kModelTableRows). A row the table does not hold reads as an empty row.
using ModelTableRow = std::array<ModelTableText, kModelTableCells>;  // [group cell]
using ModelTableCells = std::vector<ModelTableRow>;                  // [row][group cell]

// The texts of one cell; empty texts past the rows the table holds.
inline const ModelTableText& model_table_cell(const ModelTableCells& cells, int row, int cell) {
    static const ModelTableText kEmptyCell;
    return row >= 0 && static_cast<size_t>(row) < cells.size() ? cells[row][cell] : kEmptyCell;
}

// First-pass segments the model tables show: the first two always (empty rows when the
// first pass has none), every further one that has its pair of points.
inline bool first_pass_segment_shown(const ModelTableCells& cells, int segment) {
    return segment < 2 || !model_table_cell(cells, 0, segment).first_pass.empty();
}
