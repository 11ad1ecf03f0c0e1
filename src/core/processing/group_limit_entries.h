#pragma once
// The analyst's entries of the group solution limits: five texts per group, checked
// before they are stored. Invalid entries are marked in place ("Error", or "0").
#include <array>
#include <string>

#include "processing/group_limits.h"

// One group's entries: slope lower, intercept lower, diff at upper, slope upper, intercept upper.
using GroupEntryTexts = std::array<std::string, 5>;
// BP groups 1..6, then RV groups 1..6 (limits-file order).
using AllGroupEntryTexts = std::array<GroupEntryTexts, 2 * kGroups>;

// The stored limits as the entries show them ("%6.4f").
AllGroupEntryTexts group_limit_texts();

// Checks one group against the entry ranges and rewrites its texts: an entry out of range
// becomes "Error", an entry that reads as 0 becomes "0", and equal lower and upper limits
// both become "Error". True when the group is good.
bool check_group_entries(GroupEntryTexts& entries, const EntryRanges& ranges);

// Checks every group (all twelve, always); any failure clears limits_valid.
void check_all_groups(AllGroupEntryTexts& entries);

// limits_valid := 1, checks every group and, when all are good, stores every entry's
// number into group_limits. Nothing is stored otherwise. Answers limits_valid.
bool apply_group_limits(AllGroupEntryTexts& entries);

// Save File's first step: checks every group and applies the entries. When any entry is
// bad it says so ("Please correct entry error(s)and try again.(002)") and answers false.
bool apply_group_limits_for_save(AllGroupEntryTexts& entries);
