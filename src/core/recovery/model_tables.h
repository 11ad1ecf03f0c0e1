#pragma once
// The working tables of the recovery-model chain that are not method data: the point
// list one model builds, the first-pass pair table and the state a first pass leaves.
#include <array>

#include "methoddata/records.h"
#include "methoddata/surrogate_points.h"

// Every data set's raw results: raw_data_sets, or the processing run's own sample table.
using RawDataSets = std::array<SampleRawData, kDataSets>;

// Every entry of a model's working list out of use with x, y and measured 0.0 (the other fields stay).
void clear_fit_points(PointList& points);

// One end of a first-pass segment: entries 2k and 2k+1 of the table are the lower and
// upper end of segment k.
struct FirstPassPair {
    double x = 0.0;  // ln rvw of a first-pass internal standard
    int group = 0;   // the segment
};
using FirstPassPairTable = std::array<FirstPassPair, kMaxSurrogates>;

// The first pass fits one segment per fit slot, so at most this many standards take part.
constexpr int kMaxFirstPassStandards = kFitSlots + 1;

// Set by each successful first pass (a one-variable chain sets the group count to 1).
extern int first_pass_pair_count;   // filled entries of the pair table
extern int first_pass_group_count;  // segments described by the pair table
// The rvw interval the first pass covers (plain rvw, not ln); the BP model clamps into it.
extern double first_pass_min_rvw;
extern double first_pass_max_rvw;
