#pragma once
// The least-squares line of each group of a point list, shared by the BP and RV models.
#include "methoddata/tables.h"
#include "recovery/model_tables.h"

// Fits groups 1, 2, ... of points (sorted by group, and by x within a group) into slots
// 1, 2, ... of row a. With the smooth-first-pass switch of data set a's sample settings the
// first, lowest-x point of group 1 is fitted at most at 1.0 (the capped y stays in the
// list). Points whose y could not be computed take no part in the sums; they still count
// for the group's x range. Answers the last group fitted, or 0 when a group is left with
// fewer than two points that have a y (the model then fails with its own message).
// A group whose x do not determine a line (a gap in the numbering, one x) ends the
// command with 14003.
int fit_group_lines(PointList& points, FitTable& fits, int a);
