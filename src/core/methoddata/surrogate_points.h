#pragma once
// Group point lists of the internal standards and the sorts the group checks and the
// recovery models apply to them. A list is a fixed table of 150 points; the points in
// use come first and the list ends at the first point not in use (or after the last).
#include <array>

#include "methoddata/records.h"

using PointList = std::array<SurrogatePoint, kMaxSurrogates>;

// Number of points in use at the front of the list.
int points_in_use(const PointList& list);

// Builders over records 0..surrogate_count-1 of `surrogates`, into a list of fresh
// points (SurrogatePoint_init). Each point gets name, in_use, x, group and record.
// An internal standard in several groups gets one point per group. A member whose rvw
// is not above 0 shows "Quantilyzer: 22010 | record <n>" and ends the command
// (CommandAborted); so does a grouping that would need more points than the list holds.
int fill_first_pass_points(PointList& list);  // x = ln rvw, group 0; answers the count
int fill_bp_group_points(PointList& list);    // x = bp, group 1..6
int fill_rv_group_points(PointList& list);    // x = ln rvw, group 1..6

// A fresh point of record q in a group list: name, in_use, x, group and record set.
SurrogatePoint make_group_point(const SurrogateRecord& record, int q, double x, int group);

// Adds a point at position `count` of the list and advances count. Past the end of
// the list it shows why and ends the command: a group list never drops members.
void append_group_point(PointList& list, int& count, const SurrogatePoint& point);

// Exchanges the point fields that copy_surrogate_point copies; the RV working values
// of both entries stay where they are.
void swap_points(SurrogatePoint& p, SurrogatePoint& q);

// Ascending group numbers over the points in use (exchange sort).
void sort_points_by_group(PointList& list);

// x ascending within each run of equal group number; points of different groups are
// never exchanged, so the list must already be ordered by group. Equal x keep their
// order; an x that is not a number counts as below its neighbour.
void sort_group_points(PointList& list);
