#pragma once
// The walks that place a value in a first-pass segment, a BP group or an RV group.
#include "methoddata/tables.h"
#include "recovery/model_tables.h"

// The first-pass segment of x = ln rvw. outside is set to 1 when x lies below the first
// segment (answer 0) or above the last (answer the last); both outer ends belong to their
// segments, and a value on the shared end of two segments belongs to the lower one. A
// segment end of 0 (rvw 1) is a real end.
int find_first_pass_pair(double x, const FirstPassPairTable& pairs, int& outside);

// The BP group of x over groups 1..n of row a, with the table's own smallest minimum x
// and largest maximum x as outer bounds. Answers kNotFound below every group (no BP
// correction) and n + 1 at or above the top (the caller takes group n at MaxBP).
int find_bp_group_in_fit(double x, const FitTable& fits, int n, int a);

// The same walk with MinBP and MaxBP of surrogate_range_limits as outer bounds.
int find_bp_group_in_limits(double x, const FitTable& fits, int n, int a);

// The RV group of x = ln rvw over groups 1..n of row a; always a group: values below the
// first group take group 1, values above the last (or at ln MaxRVW) the last.
int find_rv_group(const FitTable& fits, double x, int n, int a);
