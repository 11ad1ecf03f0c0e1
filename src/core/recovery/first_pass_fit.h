#pragma once
// The first pass: the recovery of the first-pass internal standards against x = ln rvw,
// each two neighbours (in order of x) joined by a straight line, one line per segment.
#include "methoddata/tables.h"
#include "recovery/model_tables.h"

// Fits the first pass of data set a into row a of fits and describes its segments in the pair
// table; sets model_work_tables.first_pass_pair_count, model_work_tables.first_pass_group_count,
// model_work_tables.first_pass_min_rvw and model_work_tables.first_pass_max_rvw and the
// standard's row of model_work_tables.standard_first_pass_points. 1 on success, else 0.
int first_pass_fit(const RawDataSets& raw, const SurrogateTable& surrogates,
                   const LibraryTable& library, FitTable& fits, int a, FirstPassPairTable& pairs);

// One point per first-pass internal standard found in the library; the number of points,
// or kNotFound after the zero-area warning.
int compute_first_pass_points(const RawDataSets& raw, const SurrogateTable& surrogates,
                              const LibraryTable& library, PointList& points, int a);

// Ascending x over the in-use prefix.
void sort_points_by_x(PointList& points);

// Turns n points P0..Pn-1 into the 2(n-1) entries (P0,0)(P1,0)(P1,1)(P2,1)...: segment k
// is the pair (Pk, Pk+1).
void make_pair_groups(PointList& points);

// Fits each segment of a paired list into row a (slots from 0) and sets the first-pass
// rvw interval. The number of segments, or 0 when a segment lacks two points whose y
// could be computed.
int fit_pair_groups(const PointList& points, FitTable& fits, int a);
