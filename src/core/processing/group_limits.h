#pragma once
// Group solution limits: acceptance limits for the straight lines the BP and RV models fit
// per group of internal standards, their limits file, and the check of one sample's lines.
#include <array>
#include <string>

#include "methoddata/records.h"
#include "methoddata/sample_results.h"

struct GroupLimits {
    double slope_lower = -1.0;
    double slope_upper = 1.0;
    double intercept_lower = -100.0;
    double intercept_upper = 500.0;
    double diff_upper = 0.25;  // largest relative difference to a neighbour group's line
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
};

// The limits live from start-up to the end of the program; processing reads them.
struct CalcLimitsData {
    std::array<GroupLimits, kGroupLimitSlots> group_limits{};
    u8 limits_valid = 0;
    u8 group_limits_on = 0;  // 1: the processing run checks every sample's lines
    EntryRanges entry_ranges;
};
extern CalcLimitsData calc_limits_data;

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

// The limits file's text: the header line, then each value "%6.4f" on its own line.
std::string group_limits_file_text();

enum class LimitsLoad { Loaded, NotOpened, OtherFile, BadValue };

// Reads a limits file into group_limits. A file that cannot be opened, a file with another
// first line (an empty file too), and a file cut short or with a value line that is not
// wholly a finite number each say so, naming the file and the line (FileError), and change
// nothing. Blanks around a value are allowed; lines after the 60th are not read.
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
