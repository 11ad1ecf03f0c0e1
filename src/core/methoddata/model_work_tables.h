#pragma once
// What the last run of the recovery-model chain left in each data-set slot: the fitted
// lines, the points of each model and the first-pass state. The calibration build, the
// continuing check and the sample run all write them (each into the slots it models),
// and the calibration window, the check report and the printed sample report show them.
// They are the models' output, not the calibration: no calibration file holds them and
// reading one leaves them as they are.
#include <array>
#include <limits>

#include "methoddata/records.h"
#include "methoddata/tables.h"

constexpr int kFirstPassPointRows = 25;     // standards
constexpr int kFirstPassPointsPerRow = 50;  // paired first-pass entries of one standard

// Every default is the value a fresh program holds; a reset assigns ModelWorkTables{}.
struct ModelWorkTables {
    FitTable first_pass_fits{};
    FitTable bp_group_fits{};
    FitTable rv_group_fits{};
    PointTable bp_points{};
    PointTable rv_points{};
    PointTable first_pass_points{};
    // Per standard, the points of its first pass (the calibration window and the check
    // report show them).
    std::array<std::array<SurrogatePoint, kFirstPassPointsPerRow>, kFirstPassPointRows>
        standard_first_pass_points{};

    // Set by each successful first pass (a one-variable chain sets the group count to 1).
    int first_pass_pair_count = 0;   // filled entries of the pair table
    int first_pass_group_count = 0;  // segments described by the pair table
    // The rvw interval the first pass covers (plain rvw, not ln); the BP model clamps into it.
    double first_pass_min_rvw = std::numeric_limits<double>::min();
    double first_pass_max_rvw = std::numeric_limits<double>::max();

    bool operator==(const ModelWorkTables&) const = default;
};

// The tables in use.
extern ModelWorkTables& model_work_tables;  // part of the one ProgramState
