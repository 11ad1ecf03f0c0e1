#pragma once
// The program's working tables and shared state. They exist for the whole run and are
// shared by every window; a count variable says how many entries of a table are in use,
// and entries beyond it keep their reset values.
#include <array>
#include <string>

#include "methoddata/records.h"
#include "methoddata/method_data.h"

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

    bool operator==(const RecoveryTables&) const = default;
};

extern PathSettings& folder_settings;  // part of the one ProgramState

// The two counts of the method data bounded to their tables, for loops over the rows and
// records in use.
int library_rows_in_use();
int surrogate_records_in_use();

extern const std::string program_version_text;  // "Version 4.2"

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

    bool operator==(const MainFormFlags&) const = default;
};
extern MainFormFlags& main_flags;  // part of the one ProgramState

// Resets surrogates, library and library_saved (all 150 entries) with the reset values.
void reset_library_tables();

// Copies entries 0..count-1 of source into target, every field; always true.
bool copy_library_compounds(int count, LibraryTable& target, const LibraryTable& source);

// Amount of a compound (index from 0) in library_saved: levels 0..9 give conc1..conc10,
// level 10 the factor times conc1.
double get_compound_amount(int compound, int level, double factor);
