#include <cmath>
#include <functional>

#include "recovery/bp_model.h"
#include "recovery/first_pass_fit.h"
#include "recovery/model_chain.h"
#include "recovery/model_errors.h"
#include "recovery/predicted_recoveries.h"
#include "recovery/rv_model.h"
#include "recovery_fixture.h"
#include "methoddata/calibration_data.h"

namespace {

class ModelChain : public RecoveryTest {
protected:
    // First-pass standards, three in BP group 1 (recovery 0.65 + 0.005 bp when the first
    // pass is the identity) and three in RV group 1 (0.85 + 0.1 ln rvw when the BP fits
    // are), and one analyte at bp 60, ln rvw 1.0.
    void small_method() {
        standard("FP1", std::exp(0.5), 60, true);
        standard("FP2", std::exp(1.0), 65, true);
        standard("FP3", std::exp(1.5), 70, true);
        standard("B1", 2.0, 50, false, {1});
        standard("B2", 2.0, 60, false, {1});
        standard("B3", 2.0, 70, false, {1});
        standard("R1", std::exp(0.5), 55, false, {}, {1});
        standard("R2", std::exp(1.0), 65, false, {}, {1});
        standard("R3", std::exp(1.5), 68, false, {}, {1});
        analyte = compound("ANALYTE", std::exp(1.0), 60);
        use_reference(1);
        const std::pair<const char*, int> areas[] = {{"FP1", 900}, {"FP2", 1000}, {"FP3", 1100},
                                                     {"B1", 900},  {"B2", 950},   {"B3", 1000},
                                                     {"R1", 900},  {"R2", 950},   {"R3", 1000}};
        for (auto [name, area] : areas) set_area(0, name, area);
        set_area(0, "ANALYTE", 5000);
        calibration_data.level_names[0] = "Amount1";
        set_limits(50, 70, std::exp(0.5), std::exp(1.5));
    }
    ModelChainResult run(AfterFailure after = AfterFailure::Stop) {
        return run_model_chain({calibration_data.raw_data_sets, model_work_tables.first_pass_fits, model_work_tables.bp_group_fits, model_work_tables.rv_group_fits, pairs, scratch},
                               0, after);
    }
    int analyte = 0;
};

}  // namespace

TEST_F(ModelChain, OneVariableModesUseTheIdentityForTheOtherVariable) {
    struct Case {
        u8 bp_chosen, rvw_chosen;
        double bp_recovery, rv_recovery;
    } cases[] = {{1, 0, 0.95, 1.0}, {0, 1, 1.0, 0.95}};
    for (const Case& c : cases) {
        reset_method();
        small_method();
        method_data.variable_mode.one_variable_mode = 1;
        method_data.variable_mode.bp_variable_chosen = c.bp_chosen;
        method_data.variable_mode.rvw_variable_chosen = c.rvw_chosen;
        // The variable not in use needs no limits.
        if (c.bp_chosen) method_data.surrogate_range_limits.MinRVW = method_data.surrogate_range_limits.MaxRVW = kNotSet;
        else method_data.surrogate_range_limits.MinBP = method_data.surrogate_range_limits.MaxBP = kNotSet;
        const ModelChainResult chain = run();
        ASSERT_EQ(chain.result, 1);
        EXPECT_EQ(chain.bp_group_count, 1);
        EXPECT_EQ(chain.rv_group_count, 1);
        EXPECT_EQ(model_work_tables.first_pass_group_count, 1);
        const RecoveryTables& t = calibration_data.recovery_tables;
        EXPECT_NEAR(t.bp_recovery[0][analyte], c.bp_recovery, 1e-12);
        EXPECT_NEAR(t.rv_recovery[0][analyte], c.rv_recovery, 1e-12);
        EXPECT_EQ(c.bp_chosen ? t.rv_fit_error[0][analyte] : t.bp_fit_error[0][analyte], 0.0);
        EXPECT_NEAR(t.predicted_recovery[0][analyte], 0.95, 1e-12);
        EXPECT_NEAR(t.response_factor[0][analyte], 5000 / 0.95 / 1.0, 1e-9);
    }
}

TEST_F(ModelChain, TwoVariablesRunEveryModel) {
    small_method();
    const ModelChainResult chain = run();
    ASSERT_EQ(chain.result, 1);
    EXPECT_EQ(model_work_tables.first_pass_group_count, 2);
    EXPECT_EQ(chain.bp_group_count, 1);
    EXPECT_EQ(chain.rv_group_count, 1);
    EXPECT_EQ(model_work_tables.rv_points[0][2].name, "R3");
}

TEST_F(ModelChain, UnsetRangeLimitsRefuseTheRunBeforeAnyStep) {
    small_method();
    method_data.surrogate_range_limits.MaxRVW = kNotSet;
    ui.expect_message("The relative volatility range limits of the internal standards are not set.");
    EXPECT_THROW(run(), CommandAborted);
    EXPECT_EQ(ui.last_message().caption, "Error");
    EXPECT_EQ(model_work_tables.first_pass_fits[0][0].valid, 0);
    EXPECT_EQ(model_work_tables.first_pass_group_count, 0);
}

TEST_F(ModelChain, ACalibrationStopsAtAFailingStepAndACheckRunsTheRest) {
    struct Case {
        AfterFailure after;
        bool predicted;
    } cases[] = {{AfterFailure::Stop, false}, {AfterFailure::RunRemainingSteps, true}};
    for (const Case& c : cases) {
        reset_method();
        small_method();
        method_data.surrogates[3].bpgroup = method_data.surrogates[4].bpgroup = {};  // one BP point left
        calibration_data.recovery_tables.predicted_recovery[0][analyte] = 7.0;
        ui.expect_message("Quantilyzer: 02001");
        EXPECT_EQ(run(c.after).result, 0);
        EXPECT_EQ(calibration_data.recovery_tables.predicted_recovery[0][analyte] != 7.0, c.predicted);
    }
}

TEST_F(ModelChain, AnErrorThatEndsTheCommandRunsNoFurtherStep) {
    small_method();
    method_data.surrogates[5].rvw = 0.0;
    calibration_data.recovery_tables.predicted_recovery[0][analyte] = 7.0;
    ui.expect_message("Quantilyzer: 02002 | record 6");
    EXPECT_THROW(run(AfterFailure::RunRemainingSteps), CommandAborted);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(calibration_data.recovery_tables.predicted_recovery[0][analyte], 7.0);
}

TEST_F(ModelChain, ErrorsThatEndTheCommandShowTheirMessageAndLeaveTheModel) {
    struct Case {
        const char* text;
        const char* caption;
        std::function<int(FirstPassPairTable&, DataSetValues&)> model;
    } cases[] = {
        {"Quantilyzer: 03007 | record 2", "Error",
         [](FirstPassPairTable& pairs, DataSetValues&) {
             method_data.surrogates[1].rvw = 0.0;
             return first_pass_fit(calibration_data.raw_data_sets, method_data.surrogates, method_data.library, model_work_tables.first_pass_fits, 0, pairs);
         }},
        {"Quantilyzer: 02002 | record 8", "Error",
         [](FirstPassPairTable& pairs, DataSetValues&) {
             method_data.surrogates[7].rvw = -1.0;
             int groups = 0;
             return compute_bp_model(calibration_data.raw_data_sets, method_data.surrogates, method_data.library, model_work_tables.bp_group_fits, model_work_tables.first_pass_fits, 0,
                                     pairs, groups);
         }},
        {"Quantilyzer: 14002 | record 9", "Error",
         [](FirstPassPairTable&, DataSetValues&) {
             method_data.surrogates[8].rvw = 0.0;
             int groups = 0;
             return compute_rv_model(calibration_data.raw_data_sets, method_data.surrogates, method_data.library, model_work_tables.rv_group_fits, model_work_tables.bp_group_fits, 0,
                                     groups, 1);
         }},
        {"Quantilyzer: 01002 | record 10", "Error",
         [](FirstPassPairTable&, DataSetValues& scratch) {
             method_data.library[9].rvw = 0.0;
             return compute_predicted_recoveries(model_work_tables.rv_group_fits, model_work_tables.bp_group_fits, method_data.library, calibration_data.raw_data_sets, 0,
                                                 scratch, 1, 1);
         }},
        {"Quantilyzer: 01001", "Fatal Error",
         [](FirstPassPairTable&, DataSetValues& scratch) {
             return compute_predicted_recoveries(model_work_tables.rv_group_fits, model_work_tables.bp_group_fits, method_data.library, calibration_data.raw_data_sets, 25,
                                                 scratch, 1, 1);
         }},
    };
    for (const Case& c : cases) {
        reset_method();
        small_method();
        ui.expect_message(c.text);
        EXPECT_THROW(c.model(pairs, scratch), ModelEnded) << c.text;
        EXPECT_EQ(ui.last_message().text, c.text);
        EXPECT_EQ(ui.last_message().caption, c.caption) << c.text;
    }
}
