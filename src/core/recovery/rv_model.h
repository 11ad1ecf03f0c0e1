#pragma once
// The RV model: per RV group, the recovery of its internal standards divided by the BP
// model's prediction at their boiling point, fitted against x = ln rvw.
#include "methoddata/tables.h"
#include "recovery/model_tables.h"

// Fits the RV groups of data set a into row a of rv_fits, copies the sorted points into
// model_work_tables.rv_points row a and hands the number of RV groups to the caller.
// bp_group_count is the BP model's (1 after reset_bp_fits). 1 on success, else 0.
int compute_rv_model(const RawDataSets& raw, const SurrogateTable& surrogates,
                     const LibraryTable& library, FitTable& rv_fits, const FitTable& bp_fits, int a,
                     int& rv_group_count, int bp_group_count);

// One point per internal standard and RV group it belongs to; the number of points, or
// kNotFound when it stopped after its message (zero area, more points than a list holds).
int compute_rv_points(const RawDataSets& raw, const SurrogateTable& surrogates,
                      const LibraryTable& library, const FitTable& bp_fits, int a,
                      PointList& points, int bp_group_count);
