#pragma once
// The x ranges of the BP and RV groups, from which the internal-standard limits take
// their defaults. BP x is the boiling point, RV x is ln rvw. Only records whose name is
// found in the library take part; BP ranges leave first-pass internal standards out.
#include <array>

#include "methoddata/surrogate_points.h"
#include "methoddata/tables.h"

// Slot g holds group g (1..6); slot 0 stays as the caller left it.
using GroupRanges = std::array<GroupFit, kFitSlots>;

// Members of BP / RV groups among records 0..surrogate_count-1, one point per group
// membership, ordered by group and by x within a group; answers the count. An RV member
// whose rvw is not above 0 shows "Quantilyzer: 06007 | record <n>" ("Fatal Error") and
// ends the command (CommandAborted).
int list_bp_group_members(const SurrogateTable& surrogates, const LibraryTable& library,
                          PointList& list);
int list_rv_group_members(const SurrogateTable& surrogates, const LibraryTable& library,
                          PointList& list);

// Walks the groups of a sorted list from group 1 and sets valid, range_low, min_x,
// range_high and max_x of each slot walked; slope, intercept, std_error and r_squared
// are left alone. A group of 4 or more has range_low = mean of its two smallest x and
// range_high = mean of its two largest; a group of 1 or 2 spans its smallest to its
// largest x; a group of 3 takes its smallest x as range_low and, in group 1 only, its
// largest x as range_high. Answers the last group number walked (0 for an empty list).
int compute_group_ranges(const PointList& list, GroupRanges& ranges);

// The two together: answers the last BP / RV group number.
int compute_bp_group_ranges(const SurrogateTable& surrogates, const LibraryTable& library,
                            GroupRanges& ranges);
int compute_rv_group_ranges(const SurrogateTable& surrogates, const LibraryTable& library,
                            GroupRanges& ranges);

// One value of slot g (min_x, range_low, range_high or max_x), or kNotSet when it has
// nothing measured: g outside 1..6, a slot not walked, or a group number without members
// (its slot holds only the search bounds).
double group_range_value(const GroupRanges& ranges, int g, double GroupFit::*field);
