#pragma once
// The BP model: per BP group, the recovery of its internal standards divided by the
// first-pass prediction at their rvw, fitted against the boiling point.
#include "methoddata/tables.h"
#include "recovery/model_tables.h"

// Fits the BP groups of data set a into row a of bp_fits, copies the sorted points into
// model_work_tables.bp_points row a and hands the number of BP groups to the caller. 1 on
// success, else 0.
int compute_bp_model(const RawDataSets& raw, const SurrogateTable& surrogates,
                     const LibraryTable& library, FitTable& bp_fits, const FitTable& first_pass_fits,
                     int a, const FirstPassPairTable& pairs, int& bp_group_count);

// One point per internal standard and BP group it belongs to; the number of points, or
// kNotFound when it stopped after its message (zero area, more points than a list holds).
int compute_bp_points(const RawDataSets& raw, const SurrogateTable& surrogates,
                      const LibraryTable& library, const FitTable& first_pass_fits, int a,
                      PointList& points, const FirstPassPairTable& pairs);
