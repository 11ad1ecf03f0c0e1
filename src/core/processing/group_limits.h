#pragma once
// Group solution limits: acceptance limits for the straight lines the BP and RV models fit
// per group of internal standards, their limits file, and the check of one sample's lines.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "methoddata/records.h"
#include "samples/sample_results.h"

struct GroupLimits {
    double slope_lower = -1.0;
    double slope_upper = 1.0;
    double intercept_lower = -100.0;
    double intercept_upper = 500.0;
    double diff_upper = 0.25;  // largest relative difference to a neighbour group's line

    bool operator==(const GroupLimits&) const = default;
};

// Slots 1..6 hold BP groups 1..6, slots 8..13 RV groups 1..6; 0 and 7 are not used.
constexpr int kGroupLimitSlots = 14;
constexpr int kRvLimitOffset = 7;
constexpr int kGroupLimitValues = 60;  // five per group, six BP and six RV groups

// Bounds of what the analyst may type into the limit entries.
struct EntryRanges {
    float slope_max = 1.0f, slope_min = -1.0f;
    float intercept_max = 500.0f, intercept_min = -100.0f;
    float diff_max = 100.0f, diff_min = 0.0f;

    bool operator==(const EntryRanges&) const = default;
};

// The limits live from start-up to the end of the program; processing reads them.
struct CalcLimitsData {
    std::array<GroupLimits, kGroupLimitSlots> group_limits{};
    u8 limits_valid = 0;
    u8 group_limits_on = 0;  // 1: the processing run checks every sample's lines
    EntryRanges entry_ranges;

    bool operator==(const CalcLimitsData&) const = default;
};
extern CalcLimitsData& calc_limits_data;  // part of the one ProgramState

inline const std::string kGroupLimitsFileHeader = "Calculations Limits File V01";
inline const std::string kDefaultLimitsFileName = "default_limits.txt";

enum class GroupLine { BP, RV };

// Slot of group_limits for group g (1..6) of the BP or RV lines.
int group_limit_slot(GroupLine kind, int g);

// Every BP and RV slot back to the built-in limits.
void set_default_group_limits();

// The 60 values in limits-file order: BP groups 1..6, then RV groups 1..6, each group as
// slope lower, intercept lower, diff at upper, slope upper, intercept upper.
std::array<double, kGroupLimitValues> group_limit_values();
void set_group_limit_values(const std::array<double, kGroupLimitValues>& values);

// The limits file's text: the header line, then each value on its own line as "%6.4f" wherever
// that reads back as the value, else the shortest text that does.
std::string group_limits_file_text();

// One group's five limits in entry and file order.
enum GroupLimitEntry { kSlopeLowerEntry, kInterceptLowerEntry, kDiffEntry, kSlopeUpperEntry, kInterceptUpperEntry };
constexpr int kGroupLimitEntries = 5;

// "BP group 1" .. "BP group 6", "RV group 1" .. "RV group 6" for groups 0..11 in file order.
std::string group_limits_group_name(int group);
// "Slope Lower Limit", "Intercept Lower Limit", "Diff at upper", "Slope Upper Limit",
// "Intercept Upper Limit".
const std::string& group_limit_entry_name(int entry);

// What one group's limits may be: the one rule of Apply, Save File, Load File and the
// start-up file. Each value lies inside its entry range, the difference is above 0, and
// each lower limit lies below its upper limit (equal limits let no line pass, and a lower
// limit above its upper flags every line of every sample). `values` holds the numbers read,
// nothing for an entry that is no number (refused on its own). Each fault marks the entries
// it refuses and says why, naming them.
struct GroupLimitFault {
    std::array<bool, kGroupLimitEntries> entries{};
    std::string why;
};
std::vector<GroupLimitFault> group_limit_faults(const std::array<std::optional<double>, kGroupLimitEntries>& values,
                                                const EntryRanges& ranges);

enum class LimitsLoad { Loaded, NotOpened, OtherFile, BadValue };

// Reads a limits file into group_limits. A file that cannot be opened, a file with another
// first line (an empty file too), a file cut short or with a value line that is not wholly
// a finite number, and a group whose values group_limit_faults refuses each say so, naming
// the file and the line (FileError), and change nothing. Blanks around a value are allowed;
// lines after the 60th are not read.
LimitsLoad load_group_limits(const std::string& path);

// Writes the current limits into a limits file; false after a message when it cannot.
bool save_group_limits(const std::string& path);

// Start-up: "default_limits.txt" of the program folder when it exists and is a limits
// file, else the built-in limits; the limits are off.
void init_group_limits(const std::string& program_folder);

// Switches the limits on or off for the processing run; answers the new state.
u8 toggle_group_limits();

// Flags of group lines 1..6 of one sample against the limits of their slots: slope and
// intercept outside their ranges, and a relative difference to a neighbour line where the
// groups meet beyond diff_upper. The flags of slots 1..6 are cleared first.
void check_group_limits(ModelFitSlots& fits, const std::array<GroupFit, kFitSlots>& lines,
                        GroupLine kind);
