#pragma once
// A small method for the recovery-model tests: library rows, internal-standard records
// (in library order, LibCmpndNum 1-based as an internal-standard file holds it), areas.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "methoddata/tables.h"
#include "recovery/model_tables.h"
#include "scripted_ui.h"

// A fitted group line: x from min_x to max_x, its range low..high, y = slope x + intercept.
inline void set_line(GroupFit& fit, double min_x, double low, double high, double max_x, double slope,
                     double intercept, double std_error = 0.0) {
    fit = GroupFit{1, slope, intercept, std_error, 0.0, low, min_x, high, max_x};
}

class RecoveryTest : public ::testing::Test {
protected:
    RecoveryTest() { reset_method(); }
    // Every table and state the models read or write back to a fresh program's.
    void reset_method();

    ScriptedUi ui;

    // A library row; answers its index.
    int compound(const std::string& name, double rvw, double bp, double amount = 1.0);
    // A library row flagged as internal standard and its record; answers the record index.
    int standard(const std::string& name, double rvw, double bp, bool first_pass,
                 std::initializer_list<int> bp_groups = {}, std::initializer_list<int> rv_groups = {},
                 double amount = 1.0);
    int row_of(const std::string& name) const;
    void set_area(int a, const std::string& name, double area);
    // Calibration mode against reference set `reference` (calibration_data.standard_count):
    // the reference shows every internal standard with area 1000.
    void use_reference(int reference);
    void set_limits(double min_bp, double max_bp, double min_rvw, double max_rvw);

    FirstPassPairTable pairs{};
    DataSetValues scratch{};
};
