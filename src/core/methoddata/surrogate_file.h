#pragma once
// The internal-standard file: an INI file of [compound<K>] records (K = 1..number_comps,
// the library's internal standards in library order), a [header] with number_comps,
// the range limits [Limits] and the class thresholds [CheckSurrLimits]. Section and key
// names match without regard to case. bp and rvw are not stored: a record takes them
// from the library row of its name when the file is read.
#include <array>
#include <string>

#include "methoddata/tables.h"
#include "platform/ini_file.h"

// Defaults that mark a key as missing.
constexpr int kMissingInt = -2147483647;
constexpr double kMissingLimit = 3.4028234663852886e38;  // the largest single-precision float

// Writes a new file with one record per internal standard of the library, all groups
// and flags 0, and [header] number_comps; no limits. The file is not loaded. Answers 0.
int create_surrogate_file(const std::string& path, const LibraryTable& library);

// count := 1; false when the file cannot be read (count stays 1); else count := [Header]
// number_comps (0 when missing), false when there are no records.
bool check_compound_file(const std::string& path, int& count);

// The load: resets `surrogates`, remembers the path, reads `count` records (surrogate_count
// := count), then the limits and class thresholds. False on a bad record (22006), on a
// count the tables cannot hold, or when the limits could not be worked out (the message
// was shown); the records, count, path, limits and thresholds then stay as they were.
bool load_internal_standard_file(const std::string& path, int count);

// Reads records 0..count-1 into `surrogates`, stopping at the first bad one, which is
// reported as "Quantilyzer: 22006 | record <n>", followed by " | <key>=<value> (1 or 0
// allowed)" when a group or flag key holds another number. Answers the number of errors.
int read_surrogate_file(int count, const IniFile& file, SurrogateTable& surrogates);

// [Limits] into surrogate_range_limits, missing keys from the group ranges; with failing
// groupings and no [Limits], all four not set and surrogate_limits_invalid := 1. The limits
// are then those of the records as read (limits_basis). Ends the
// command (CommandAborted) after its message when an rvw is not above 0.
void read_surrogate_limits(const IniFile& file);

// [CheckSurrLimits] into category_thresholds (vcs 159.0 and n_pvcsLn 100.0 by default;
// without the section also svc := 158.0).
void read_check_surrogate_limits(const IniFile& file);

// The full write: records 0..count-1, erasure of the records after them up to the first
// absent one, [header], and [Limits] when the groupings pass (else the message "Any
// limits will not be saved."); then saves the file. Answers 0.
int write_surrogate_file(int count, IniFile& file, const SurrogateTable& surrogates);
// The same in memory only, for a command that adds more before it saves the file once.
void fill_surrogate_file(int count, IniFile& file, const SurrogateTable& surrogates);

// The four limits that are set into [Limits]; a limit not set leaves its key as it is.
void write_surrogate_limits(IniFile& file);

// [CheckSurrLimits] LinearVCS := vcs and LnNPVCS := n_pvcsLn.
void write_surrogate_check_limits(IniFile& file);

// The internal-standard editor's boxes for one record.
struct SurrogateFormState {
    std::array<bool, kGroups> rvw_group{};
    std::array<bool, kGroups> bp_group{};
    bool first_pass_yes = false;  // "Yes" selected in the first-pass list
    bool checked_yes = false;     // "Yes" selected in the checked list
};

// The core of get_surrogate_record_from_form: the boxes into record k.
void apply_surrogate_form_state(int k, const SurrogateFormState& state, SurrogateTable& surrogates);

// The core of save_surrogate_record: record k's groups and flags into [compound<k+1>]
// (name and LibCmpndNum untouched), then saves the file. Answers 0.
int save_surrogate_record_flags(int k, IniFile& file, const SurrogateTable& surrogates);

// Saves the file; a file that cannot be written is reported. False then.
bool save_surrogate_ini(const IniFile& file);
