#pragma once
// The analyst's entries of the group solution limits: five texts per group, checked
// before they are stored. A refused entry keeps the text the analyst typed and is marked,
// so that the same refusal comes again at every check until the entry is mended: a
// refused entry is never stored or written.
#include <array>
#include <string>
#include <vector>

#include "processing/group_limits.h"

// One group's entries: slope lower, intercept lower, diff at upper, slope upper, intercept upper.
using GroupEntryTexts = std::array<std::string, 5>;
// BP groups 1..6, then RV groups 1..6 (limits-file order).
using AllGroupEntryTexts = std::array<GroupEntryTexts, 2 * kGroups>;
// Per entry: true when the check refused it.
using GroupEntryMarks = std::array<bool, 5>;
using AllGroupEntryMarks = std::array<GroupEntryMarks, 2 * kGroups>;

// The stored limits as the entries show them: "%6.4f" wherever it reads back as the value
// stored, else the shortest text that does (a value shown otherwise would be stored anew
// as another value at the next Apply).
AllGroupEntryTexts group_limit_texts();

// Checks one group: every entry read whole (a text that is not wholly a number is
// refused), then the rule of group_limit_faults (ranges, a difference above 0, each lower
// limit below its upper). Refused entries keep their text and are marked; a good entry that
// reads as 0 is rewritten "0". The reasons, each naming its entry, go to `why` when given.
// True when the group is good.
bool check_group_entries(GroupEntryTexts& entries, const EntryRanges& ranges, GroupEntryMarks& refused,
                         std::vector<std::string>* why = nullptr);

// Checks every group (all twelve, always); any failure clears limits_valid. The reasons
// name the group and the entry.
void check_all_groups(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused,
                      std::vector<std::string>* why = nullptr);

// limits_valid := 1, checks every group and, when all are good, stores every entry's
// number into group_limits. Nothing is stored otherwise. Answers limits_valid.
bool apply_group_limits(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused,
                        std::vector<std::string>* why = nullptr);

// The message of refused entries: each reason on its line, and that the limits in force stay.
std::string group_entries_refusal_text(const std::vector<std::string>& why);

// Apply: apply_group_limits, and a refusal says which groups and entries and why ("Message").
bool apply_group_limits_with_message(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused);

// Save File's first step: applies the entries. When any entry is refused it says so
// ("Please correct entry error(s)and try again.(002)", then the reasons) and answers false.
bool apply_group_limits_for_save(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused);
