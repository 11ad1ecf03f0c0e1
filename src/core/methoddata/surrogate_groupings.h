#pragma once
// The group-size rules of the internal-standard groupings: every BP and RV group in use
// needs at least 3 members, numbered from 1 without gaps, and the first pass at least
// 3 internal standards. Which rules apply depends on the variable mode. All work on
// records 0..surrogate_count-1 of `surrogates`.
#include <string>

// Internal standards flagged for the first pass.
int count_first_pass();

// The first BP / RV group number with fewer than 3 members (a missing group number
// counts as a group of 0), 0 when every group passes or no internal standard is grouped.
int check_bp_groups();
int check_rv_groups();

// The answers of the rules that apply in the current variable mode, without messages:
// first pass (two-variable mode), BP groups (two-variable mode or BP chosen), RV groups
// (two-variable mode or RV chosen).
struct GroupingFailures {
    bool first_pass = false;
    int bp_group = 0;  // first failing BP group, 0 = passes or not tested
    int rv_group = 0;
    bool any() const { return first_pass || bp_group != 0 || rv_group != 0; }
};
GroupingFailures test_surrogate_groupings();

// The grouping check of the load and of the editor's Exit: one message listing every
// failure (caption "Error"); sets surrogate_limits_invalid to the answer, 1 when a rule failed.
int check_surrogate_groupings();

// The grouping report of Edit Internal Standard File: the same rules in other words;
// answers 1 when every rule passed. Leaves surrogate_limits_invalid alone.
int report_grouping_errors();

// The two message texts (empty when nothing failed).
// The lines naming each group that is too small, without the closing request.
std::string grouping_failure_lines(const GroupingFailures& failures);
std::string grouping_check_text(const GroupingFailures& failures);
std::string grouping_report_text(const GroupingFailures& failures);
