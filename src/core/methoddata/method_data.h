#pragma once
// The method data: the compound library and its saved copy, the internal-standard records
// and their saved copy, their counts, the range limits and the records they were measured
// on, the class thresholds, the variable mode, and the files and captions that name them.
// One value, so that a snapshot is a copy, a reset is the default and a comparison is ==.
#include <array>
#include <string>

#include "methoddata/records.h"
#include "methoddata/variable_mode.h"

using LibraryTable = std::array<LibraryCompound, kMaxCompounds>;
using SurrogateTable = std::array<SurrogateRecord, kMaxSurrogates>;

// Class-range thresholds of the internal-standard report rows.
struct CategoryThresholds {
    double vcs = 0.0, vcsLn = 0.0, n_pvcs = 0.0, n_pvcsLn = 0.0, svc = 0.0, svcLn = 0.0;

    bool operator==(const CategoryThresholds&) const = default;
};

// Range limits of the internal-standard set.
struct SurrogateRangeLimits {
    double MinBP = kNotSet, MaxBP = kNotSet, MinRVW = kNotSet, MaxRVW = kNotSet;

    bool operator==(const SurrogateRangeLimits&) const = default;
};

// The records the range limits in memory were measured on, one copy for each variable: the BP
// limits on the BP groups, first-pass flags and bps of `bp`, the RV limits on the RV groups,
// first-pass flags and rvws of `rv`. While the records still match a copy, the limits of that
// variable belong to them, whether a file held them, the analyst applied them or the group
// ranges gave them; a move under one variable's limits leaves the other's where they were.
struct LimitsBasis {
    SurrogateTable bp{};
    SurrogateTable rv{};

    bool operator==(const LimitsBasis&) const = default;
};

// Every default member value is the value at program start and after a reset.
struct MethodData {
    LibraryTable library{};
    // The library as it was loaded or last saved: the editor compares with it and goes back
    // to it, and the amounts of a calibration come from it. A saved copy by design.
    LibraryTable library_saved{};
    int compound_count = 0;
    SurrogateTable surrogates{};
    // The records as the internal-standard file was read or last written. A saved copy by design.
    SurrogateTable surrogates_saved{};
    int surrogate_count = 0;

    SurrogateRangeLimits surrogate_range_limits{};
    int surrogate_limits_invalid = 0;
    u8 user_limits_applied = 0;
    LimitsBasis limits_basis{};
    CategoryThresholds category_thresholds{};

    VariableMode variable_mode{};
    // The mode as the library text file last read or saved set it: leaving the library editor
    // without saving puts it back. A saved copy by design, like library_saved, not kept in
    // step with variable_mode: the dialog and a calibration file change the mode in use and
    // leave this one as the library file has it.
    VariableMode loaded_variable_mode = no_loaded_variable_mode();

    std::string library_ini_path;
    std::string surrogate_file_path;
    std::string surrogate_reference_path;
    std::string library_version;

    u8 library_loaded = 0;
    u8 surrogate_file_loaded = 0;
    u8 surrogate_file_selected = 0;
    // 0 while the internal-standard records hold changes not yet written to their file (a
    // rename accepted by the library sync, a Save As under way); the editor then offers to save.
    u8 surrogate_file_written = 1;

    bool operator==(const MethodData&) const = default;
};

// The method data of the run.
extern MethodData& method_data;  // part of the one ProgramState
