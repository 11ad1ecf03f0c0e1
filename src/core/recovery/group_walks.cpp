#include "recovery/group_walks.h"

#include <algorithm>
#include <cmath>

#include "methoddata/calibration_data.h"

namespace {

using FitRow = std::array<GroupFit, kFitSlots>;

// The walk inside the groups shared by the BP and RV searches. A value at or below a
// group's minimum x stays in the group before it; before group 1 there is none, so such a
// value takes group 1 (slot 0 holds no fit).
int walk_groups(double x, const FitRow& row, int n) {
    for (int i = 1; i <= n; ++i) {
        if (x <= row[i].min_x) return std::max(i - 1, 1);
        if (x <= row[i].range_low) return i;
        if (x <= row[i].range_high) return i;
    }
    return n;
}

int walk_bp_groups(double x, const FitRow& row, int n, double lo, double hi) {
    if (n < 1) return kNotFound;  // no BP group fitted: no correction
    n = std::min(n, kGroups);
    if (x < lo) return kNotFound;
    if (x == lo) return 1;
    if (x >= hi) return n + 1;
    return walk_groups(x, row, n);
}

}  // namespace

int find_first_pass_pair(double x, const FirstPassPairTable& pairs, int& outside) {
    outside = 0;
    // A chain whose first pass failed may still run the BP model: keep to the slots.
    const int segments = std::clamp(model_work_tables.first_pass_group_count, 1, kFitSlots);
    // The lowest first-pass standard itself ends segment 0: it lies on the first pass,
    // not outside it, just as the highest one lies on the last segment.
    if (x < pairs[0].x) {
        outside = 1;
        return 0;
    }
    const int filled = std::min(model_work_tables.first_pass_pair_count, kMaxSurrogates);
    int count = 0;
    for (int lower = 0; lower + 1 < filled; lower += 2) {
        if (pairs[lower].x <= x && x <= pairs[lower + 1].x) break;
        ++count;
    }
    if (count < segments) return count;
    outside = 1;
    return segments - 1;
}

int find_bp_group_in_fit(double x, const FitTable& fits, int n, int a) {
    const FitRow& row = fits[a];
    double lo = row[1].min_x, hi = row[1].max_x;
    for (int i = 2; i <= std::min(n, kGroups); ++i) {
        lo = std::min(lo, row[i].min_x);
        hi = std::max(hi, row[i].max_x);
    }
    return walk_bp_groups(x, row, n, lo, hi);
}

int find_bp_group_in_limits(double x, const FitTable& fits, int n, int a) {
    return walk_bp_groups(x, fits[a], n, method_data.surrogate_range_limits.MinBP,
                          method_data.surrogate_range_limits.MaxBP);
}

int find_rv_group(const FitTable& fits, double x, int n, int a) {
    const FitRow& row = fits[a];
    n = std::clamp(n, 1, kGroups);
    if (x <= row[1].range_low) return 1;
    if (x >= std::log(method_data.surrogate_range_limits.MaxRVW)) return n;
    return walk_groups(x, row, n);
}
