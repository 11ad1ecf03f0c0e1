#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "methoddata/calibration_tables.h"
#include "methoddata/editor_state.h"
#include "methoddata/tables.h"
#include "program/program_state.h"

namespace {

class MethodTables : public ::testing::Test {
protected:
    void SetUp() override { construct_method_data(); }
};

TEST_F(MethodTables, ConstructionAndResetDefaultsDiffer) {
    for (const LibraryTable* table : {&method_data.library, &method_data.library_saved}) {
        const LibraryCompound& c = (*table)[kMaxCompounds - 1];
        EXPECT_EQ(c.name, "DUMMY");
        EXPECT_EQ(c.cmpndType, "DUMMY");
        EXPECT_EQ(c.casNumber, "");
        for (double mdl : {c.MDLwater, c.MDLsoil, c.MDLbiota, c.MDLwaste}) EXPECT_EQ(mdl, -1.0);
    }
    EXPECT_EQ(method_data.variable_mode.variable1_label, "RVW");
    EXPECT_EQ(method_data.variable_mode.variable2_label, "BP");
    EXPECT_EQ(method_data.surrogate_range_limits.MinBP, kNotSet);
    EXPECT_EQ(method_data.surrogate_range_limits.MaxRVW, kNotSet);

    method_data.library[5].name = "Benzene";
    method_data.library[5].conc = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    method_data.library[5].MDLsoil = 3.0;
    method_data.library_saved[149].casNumber = "71-43-2";
    method_data.surrogates[2].bpgroup[0] = 1;
    method_data.surrogates[2].name = "Toluene-d8";
    reset_library_tables();

    for (const LibraryTable* table : {&method_data.library, &method_data.library_saved}) {
        const LibraryCompound& c = (*table)[kMaxCompounds - 1];
        EXPECT_EQ(c.name, "DUMMY");
        EXPECT_EQ(c.casNumber, "N/A");
        for (double mdl : {c.MDLwater, c.MDLsoil, c.MDLbiota, c.MDLwaste}) EXPECT_EQ(mdl, 0.0);
    }
    EXPECT_EQ(method_data.library[5].name, "DUMMY");
    EXPECT_EQ(method_data.library[5].conc[0], 0.0);
    EXPECT_EQ(method_data.library[5].MDLsoil, 0.0);
    EXPECT_EQ(method_data.surrogates[2].name, "DUMMY");
    EXPECT_EQ(method_data.surrogates[2].bpgroup[0], 0);
}

// The reset is the value's default: two variables labelled "RVW" and "BP", no transform,
// no single label; the saved copy of a library not yet read is zero and empty throughout.
TEST_F(MethodTables, ResetGivesTheVariableModeItsStartValues) {
    method_data.variable_mode = VariableMode{1, 1, 0, "Linear", "Boiling", "Kh", "Tb"};
    method_data.loaded_variable_mode = method_data.variable_mode;
    editor_state.variables_changed = 1;
    construct_method_data();
    EXPECT_TRUE(method_data.variable_mode == (VariableMode{0, 0, 0, "", "", "RVW", "BP"}));
    EXPECT_TRUE(method_data.loaded_variable_mode == (VariableMode{0, 0, 0, "", "", "", ""}));
    EXPECT_EQ(editor_state.variables_changed, 0);
}

// The reset of the calibration and of the models' tables is their default values, which
// hold the start values: no standards, every amount not set, the first-pass interval the
// whole range of rvw. Each reset takes every member back, the ones the older resets left
// alone (curve statistics, saved inclusion flags, first-pass points and interval) included.
TEST_F(MethodTables, ResetGivesTheCalibrationAndTheModelTablesTheirStartValues) {
    const auto start = std::make_unique<CalibrationData>();
    const auto work_start = std::make_unique<ModelWorkTables>();
    EXPECT_TRUE(calibration_data == *start);
    EXPECT_TRUE(model_work_tables == *work_start);
    EXPECT_EQ(start->standard_count, 0);
    EXPECT_EQ(start->raw_data_sets[kDataSets - 1].cal_amount[0], kNotSet);
    EXPECT_EQ(work_start->first_pass_min_rvw, std::numeric_limits<double>::min());
    EXPECT_EQ(work_start->first_pass_max_rvw, std::numeric_limits<double>::max());

    for (void (*reset)() : {&construct_method_data, &construct_calibration_tables}) {
        calibration_data.standard_count = 3;
        calibration_data.level_included_saved[4][2] = 1;
        calibration_data.curve_statistics.mean_rf[7] = 1.25;
        calibration_data.standard_results_ini[1] = "/runs/std2/results.ini";
        model_work_tables.standard_first_pass_points[2][0].in_use = 1;
        model_work_tables.rv_points[26][149].rv = 0.5;
        model_work_tables.first_pass_max_rvw = 40.0;
        EXPECT_FALSE(calibration_data == *start);
        EXPECT_FALSE(model_work_tables == *work_start);
        reset();
        EXPECT_TRUE(calibration_data == *start);
        EXPECT_TRUE(model_work_tables == *work_start);
    }
}

TEST_F(MethodTables, CompoundAmountComesFromTheSavedLibrary) {
    method_data.library_saved[3].conc = {1, 5, 10, 20, 50, 100, 200, 300, 400, 500};
    method_data.library[3].conc = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9};  // unsaved edits are not used
    EXPECT_EQ(get_compound_amount(3, 0, 1.0), 1.0);
    EXPECT_EQ(get_compound_amount(3, 4, 1.0), 50.0);
    EXPECT_EQ(get_compound_amount(3, 9, 1.0), 500.0);
    EXPECT_EQ(get_compound_amount(3, 10, 2.5), 2.5);
}

TEST_F(MethodTables, CopyLibraryCompoundsCopiesEveryFieldOfTheCountedEntries) {
    LibraryTable source;
    source.fill(LibraryCompound_init());
    for (int i = 0; i < 3; ++i) {
        LibraryCompound& c = source[i];
        c.name = "C" + std::to_string(i);
        c.cmpndType = "Internal Standard";
        c.rvw = 1.5 + i;
        c.rvo = 2.5;
        c.bp = 80.0;
        c.conc.fill(25.0);
        c.MDLwater = 0.1;
        c.MDLsoil = 0.2;
        c.MDLbiota = 0.3;
        c.MDLwaste = 0.4;
        c.partcoef = 2.13;
        c.casNumber = "2037-26-5";
        c.is_internal_standard = 1;
    }

    EXPECT_TRUE(copy_library_compounds(0, method_data.library_saved, source));
    EXPECT_EQ(method_data.library_saved[0].name, "DUMMY");

    EXPECT_TRUE(copy_library_compounds(2, method_data.library_saved, source));
    for (int i = 0; i < 2; ++i) {
        const LibraryCompound& c = method_data.library_saved[i];
        EXPECT_EQ(c.name, source[i].name);
        EXPECT_EQ(c.cmpndType, "Internal Standard");
        EXPECT_EQ(c.rvw, source[i].rvw);
        EXPECT_EQ(c.rvo, 2.5);
        EXPECT_EQ(c.bp, 80.0);
        EXPECT_EQ(c.conc, source[i].conc);
        EXPECT_EQ(c.MDLwater, 0.1);
        EXPECT_EQ(c.MDLwaste, 0.4);
        EXPECT_EQ(c.partcoef, 2.13);
        EXPECT_EQ(c.casNumber, "2037-26-5");
        EXPECT_EQ(c.is_internal_standard, 1);
    }
    EXPECT_EQ(method_data.library_saved[2].name, "DUMMY");
}

}  // namespace
