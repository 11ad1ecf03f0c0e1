#pragma once
// The working tables of the recovery-model chain that are not method data: the point
// list one model builds and the first-pass pair table.
#include <array>

#include "methoddata/records.h"
#include "methoddata/surrogate_points.h"

// Every data set's raw results: calibration_data.raw_data_sets, or the processing run's
// own sample table.
using RawDataSets = std::array<SampleRawData, kDataSets>;

// Every entry of a model's working list out of use with x, y and measured 0.0 (the other fields stay).
void clear_fit_points(PointList& points);

// One end of a first-pass segment: entries 2k and 2k+1 of the table are the lower and
// upper end of segment k. The counts and the rvw interval a first pass leaves are members
// of ModelWorkTables.
struct FirstPassPair {
    double x = 0.0;  // ln rvw of a first-pass internal standard
    int group = 0;   // the segment
};
using FirstPassPairTable = std::array<FirstPassPair, kMaxSurrogates>;

// The first pass fits one segment per fit slot, so at most this many standards take part.
constexpr int kMaxFirstPassStandards = kFitSlots + 1;
