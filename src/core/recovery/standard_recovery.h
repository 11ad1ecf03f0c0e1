#pragma once
// The measured recovery of one internal standard in one data set, the y of every model. In
// calibration mode it is measured against the reference data set (slot
// calibration_data.standard_count); in check and sample mode against the calibration's mean
// response factor.
#include <string>
#include <vector>

#include "recovery/model_tables.h"

// Check mode (check_standard_mode) or sample mode (sample_count) rather than calibration.
bool check_or_sample_mode();

// What one internal standard shows in data set a.
struct StandardSignal {
    double area = 0.0;        // A
    double amount = 0.0;      // m, its Amount 1
    double ref_area = 0.0;    // Aref; 0 in check and sample mode
    double ref_amount = 0.0;  // mref
    double mean_rf = 0.0;     // mean response factor of its library row (check, sample)
    double amount1 = 0.0;     // Amount 1 of its library row
};
StandardSignal read_standard_signal(const RawDataSets& raw, const std::string& name,
                                    int library_row, int a);

// In calibration mode an internal standard without a peak in the reference data set has
// no recovery to measure: shows the warning on which a model stops (caption "Warning")
// and answers true. False, silently, for a standard the reference shows.
bool warn_missing_from_reference(const StandardSignal& s, const std::string& name);

// The error for a recovery that cannot be computed: an amount or mean response factor 0,
// or (divisor 0) the other model predicting 0 for the internal standard. A model stops on
// it: fitted without that standard, its line would pass for the calibration's own.
void show_recovery_not_computed(const std::string& name, double divisor = 1.0);

struct StandardRecovery {
    double y = 0.0;         // recovery divided by the other model's prediction
    double measured = 0.0;  // recovery before that division (calibration mode)
};

// An internal standard whose measured recovery in a standard is above 500 %. The models
// only note it; the calibration build puts each one into its log.
struct HighRecovery {
    int data_set = 0;
    std::string name;

    bool operator==(const HighRecovery&) const = default;
};
extern std::vector<HighRecovery>& high_recoveries;  // part of the one ProgramState

// The recovery divided by v, the other model's prediction (1.0 for the first pass):
// calibration mode: (A/m)/(Aref/mref)/v, 0.0 when v is 0, the marker when Aref, m or
// mref is 0; a measured recovery above 5.0 is noted in high_recoveries for data set a. Check and sample
// mode: A/mean_rf/m/v, the marker when a divisor is 0.
StandardRecovery standard_recovery(const StandardSignal& s, double v, int a,
                                   const std::string& name);
