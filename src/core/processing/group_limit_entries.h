#pragma once
// The analyst's entries of the group solution limits: five texts per group, checked
// before they are stored. A refused entry keeps the text the analyst typed and is marked,
// so that the same refusal comes again at every check until the entry is mended: a
// refused entry is never stored or written.
#include <array>
#include <string>

#include "processing/group_limits.h"

// One group's entries: slope lower, intercept lower, diff at upper, slope upper, intercept upper.
using GroupEntryTexts = std::array<std::string, 5>;
// BP groups 1..6, then RV groups 1..6 (limits-file order).
using AllGroupEntryTexts = std::array<GroupEntryTexts, 2 * kGroups>;
// Per entry: true when the check refused it.
using GroupEntryMarks = std::array<bool, 5>;
using AllGroupEntryMarks = std::array<GroupEntryMarks, 2 * kGroups>;

// The stored limits as the entries show them ("%6.4f").
AllGroupEntryTexts group_limit_texts();

// Checks one group against the entry ranges: an entry out of range (a slope lower limit
// that reads "Error" too) is refused, and equal lower and upper limits are both refused.
// Refused entries keep their text; a good entry that reads as 0 is rewritten "0". True
// when the group is good.
bool check_group_entries(GroupEntryTexts& entries, const EntryRanges& ranges, GroupEntryMarks& refused);

// Checks every group (all twelve, always); any failure clears limits_valid.
void check_all_groups(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused);

// limits_valid := 1, checks every group and, when all are good, stores every entry's
// number into group_limits. Nothing is stored otherwise. Answers limits_valid.
bool apply_group_limits(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused);

// Save File's first step: applies the entries. When any entry is refused it says so
// ("Please correct entry error(s)and try again.(002)") and answers false.
bool apply_group_limits_for_save(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused);
