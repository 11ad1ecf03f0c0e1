#pragma once
// The program's working tables and shared state. They exist for the whole run and are
// shared by every window; a count variable says how many entries of a table are in use,
// and entries beyond it keep their reset values.
#include <array>
#include <string>

#include "methoddata/records.h"
#include "methoddata/variable_mode.h"

using LibraryTable = std::array<LibraryCompound, kMaxCompounds>;
using SurrogateTable = std::array<SurrogateRecord, kMaxSurrogates>;
using PointTable = std::array<std::array<SurrogatePoint, kMaxSurrogates>, kDataSets>;
using FitTable = std::array<std::array<GroupFit, kFitSlots>, kDataSets>;
using DataSetValues = std::array<std::array<double, kMaxCompounds>, kDataSets>;
using DataSetGroups = std::array<std::array<u8, kMaxCompounds>, kDataSets>;

struct RecoveryTables {
    DataSetValues predicted_recovery{};
    DataSetValues response_factor{};
    DataSetValues response_factor_dev{};
    DataSetValues predicted_recovery_dev{};
    DataSetValues bp_recovery{};
    DataSetValues rv_recovery{};
    DataSetValues bp_fit_error{};
    DataSetValues rv_fit_error{};
    // The BP and RV group (1..6) whose line gave bp_recovery and rv_recovery; 0 when no
    // line did (a boiling point below MinBP keeps a recovery of 1). A group-limit letter
    // names the flagged line that predicted the compound, so it reads these.
    DataSetGroups bp_group{};
    DataSetGroups rv_group{};
};

extern LibraryTable library;
extern LibraryTable library_saved;
extern SurrogateTable surrogates;
extern SurrogateTable surrogates_saved;
extern std::array<SampleRawData, kDataSets> raw_data_sets;
extern std::array<std::string, kDataSets> level_names;  // at most 10 characters each
extern std::array<std::array<u8, kDataSets>, kMaxCompounds> level_included;
extern FitTable first_pass_fits;
extern FitTable bp_group_fits;
extern FitTable rv_group_fits;
extern PointTable bp_points;
extern PointTable rv_points;
extern PointTable first_pass_points;
extern RecoveryTables recovery_tables;
extern PathSettings folder_settings;

// Scalar state.
extern int compound_count;
extern int surrogate_count;
// The two counts bounded to their tables, for loops over the rows and records in use.
int library_rows_in_use();
int surrogate_records_in_use();
extern int standard_count;
extern int current_record;
extern std::string library_ini_path;
extern std::string surrogate_file_path;
extern std::string surrogate_reference_path;
extern u8 library_loaded;
extern u8 surrogate_file_loaded;
extern u8 surrogate_file_selected;
extern int calibration_loaded;
extern std::string calibration_file_name;  // at most 255 characters
extern int continuing_check_active;
extern u8 check_started;
extern int check_standard_mode;
extern int sample_count;
extern int sample_info_index;
extern int request_type;  // 9 while the Open dialog creates a new internal-standard file

// Class-range thresholds of the internal-standard report rows.
struct CategoryThresholds {
    double vcs = 0.0, vcsLn = 0.0, n_pvcs = 0.0, n_pvcsLn = 0.0, svc = 0.0, svcLn = 0.0;
};
extern CategoryThresholds category_thresholds;

// Range limits of the internal-standard set.
struct SurrogateRangeLimits {
    double MinBP = kNotSet, MaxBP = kNotSet, MinRVW = kNotSet, MaxRVW = kNotSet;
};
extern SurrogateRangeLimits surrogate_range_limits;
extern int surrogate_limits_invalid;
extern u8 user_limits_applied;
// The records the range limits in memory were measured on, one copy for each variable: the BP
// limits on the BP groups, first-pass flags and bps of `bp`, the RV limits on the RV groups,
// first-pass flags and rvws of `rv`. While the records still match a copy, the limits of that
// variable belong to them, whether a file held them, the analyst applied them or the group
// ranges gave them; a move under one variable's limits leaves the other's where they were.
struct LimitsBasis {
    SurrogateTable bp{};
    SurrogateTable rv{};
};
extern LimitsBasis limits_basis;
// 0 while the internal-standard records hold changes not yet written to their file (a
// rename accepted by the library sync, a Save As under way); the editor then offers to save.
extern u8 surrogate_file_written;
// The internal-standard editor: the record it shows (0-based), and whether Set Limits
// found a grouping rule failing.
extern int current_surrogate_record;
extern int grouping_error;

extern const std::string program_version_text;  // "Version 4.2"
extern std::string library_version;
extern std::string data_root_folder;  // data_root: in front of "/5847dir/..." (empty: home)
extern std::string install_path;
extern std::string program_folder;
extern std::string check_ini_path;
extern std::string check_data_file;

// The variable dialog changed the mode or its labels (or the number of variables was
// typed) since the library editor was opened. An edit mark of the editor, not part of
// the mode: it is set even when the dialog refuses its entry and the mode stays, and a
// copy of the mode taken or put back leaves it as it is.
extern u8 variables_changed;

// Mode flags of the main window that commands of other windows read.
struct MainFormFlags {
    u8 DelimitedReports = 1;
    u8 TrqFormsFormat = 0;
    u8 BatchReport = 1;
    u8 PrinterSelected = 0;
    u8 CalibrationEditMode = 0;
    u8 ReviewSaveAs = 0;
    u8 NewLibraryMode = 0;
    u8 CheckCalibrationMode = 0;
    u8 CalibrationFromFile = 0;
};
extern MainFormFlags main_flags;

// Puts every table and state back to its construction values (program start; tests).
void construct_method_data();

// Resets surrogates, library and library_saved (all 150 entries) with the reset values.
void reset_library_tables();

// The method data a load replaces, taken before it starts, so that a file refused half-way
// can put everything back: a failed load changes nothing.
struct MethodDataSnapshot {
    LibraryTable library_rows = library;
    LibraryTable saved_rows = library_saved;
    int compounds = compound_count;
    SurrogateTable records = surrogates;
    int records_in_file = surrogate_count;
    std::string records_path = surrogate_file_path;
    SurrogateRangeLimits limits = surrogate_range_limits;
    LimitsBasis limits_records = limits_basis;
    int limits_invalid = surrogate_limits_invalid;
    CategoryThresholds thresholds = category_thresholds;

    void put_back() const;
};

// Copies entries 0..count-1 of source into target, every field; always true.
bool copy_library_compounds(int count, LibraryTable& target, const LibraryTable& source);

// Amount of a compound (index from 0) in library_saved: levels 0..9 give conc1..conc10,
// level 10 the factor times conc1.
double get_compound_amount(int compound, int level, double factor);
