#include <cmath>

#include "methoddata/check_state.h"
#include "samples/process_files_data.h"
#include "recovery/identity_fits.h"
#include "recovery/predicted_recoveries.h"
#include "recovery_fixture.h"
#include "methoddata/calibration_data.h"

namespace {

class Predicted : public RecoveryTest {
protected:
    int predict(int bp_groups, int rv_groups, int a = 0) {
        return compute_predicted_recoveries(model_work_tables.rv_group_fits, model_work_tables.bp_group_fits, method_data.library, calibration_data.raw_data_sets, a,
                                            scratch, bp_groups, rv_groups);
    }
    const RecoveryTables& t = calibration_data.recovery_tables;
};

}  // namespace

TEST_F(Predicted, RecoveryIsTheProductAndItsErrorIsPropagated) {
    set_limits(10, 500, 0.01, 100);
    set_line(model_work_tables.bp_group_fits[0][1], 10, 10, 500, 500, 0.0, 0.9, 0.09);
    set_line(model_work_tables.rv_group_fits[0][1], -5, -5, 5, 5, 0.0, 0.8, 0.06);
    const int q = compound("TOLUENE", 2.0, 110, 5.0);
    calibration_data.standard_count = 1;          // set 0 is a standard, set 1 the reference
    calibration_data.level_names[0] = "Amount2";  // amount 10.0
    set_area(0, "TOLUENE", 3600);
    ASSERT_EQ(predict(1, 1), 1);
    EXPECT_DOUBLE_EQ(t.bp_recovery[0][q], 0.9);
    EXPECT_DOUBLE_EQ(t.rv_recovery[0][q], 0.8);
    EXPECT_DOUBLE_EQ(t.bp_fit_error[0][q], 0.09);
    EXPECT_DOUBLE_EQ(t.rv_fit_error[0][q], 0.06);
    EXPECT_NEAR(t.predicted_recovery[0][q], 0.72, 1e-15);
    EXPECT_NEAR(t.predicted_recovery_dev[0][q], 0.0900, 1e-12);  // 0.72·√(0.01 + 0.005625)
    EXPECT_NEAR(t.response_factor[0][q], 3600 / 0.72 / 10.0, 1e-9);
    EXPECT_DOUBLE_EQ(scratch[0][q], t.response_factor[0][q]);
    EXPECT_NEAR(t.response_factor_dev[0][q], 0.09 / 0.72 * 500.0, 1e-9);
}

TEST_F(Predicted, BoilingPointsAreHeldToTheirGroupOutsideSampleMode) {
    set_limits(40, 170, 0.01, 100);
    set_line(model_work_tables.bp_group_fits[0][1], 50, 55, 95, 100, 0.005, 0.5, 0.01);
    set_line(model_work_tables.bp_group_fits[0][2], 110, 115, 145, 150, 0.001, 1.0, 0.02);
    reset_rv_fits(model_work_tables.rv_group_fits);
    struct Case {
        double bp, calibration, sample, fit_error;
        int group;  // the line that predicted it; 0: none
    } cases[] = {
        {30, 1.0, 1.0, 0.0, 0},       // below MinBP: no BP correction
        {45, 0.75, 0.725, 0.01, 1},   // below group 1's points: at its minimum x (50)
        {105, 1.0, 1.025, 0.01, 1},   // between the groups, in group 1: at its maximum x (100)
        {160, 1.15, 1.16, 0.02, 2},   // above the last range: group 2, at most at 150
        {200, 1.15, 1.17, 0.02, 2},   // above MaxBP: group 2 at MaxBP, at most at 150
    };
    for (const Case& c : cases) compound("C" + std::to_string(c.bp), 2.0, c.bp);
    for (int mode = 0; mode < 2; ++mode) {
        process_files_data.sample_count = mode;
        ASSERT_EQ(predict(2, 1), 1);
        for (int q = 0; q < 5; ++q) {
            const Case& c = cases[q];
            EXPECT_NEAR(t.bp_recovery[0][q], mode ? c.sample : c.calibration, 1e-12) << c.bp;
            EXPECT_DOUBLE_EQ(t.bp_fit_error[0][q], c.fit_error) << c.bp;
            EXPECT_EQ(t.bp_group[0][q], c.group) << c.bp;
            EXPECT_DOUBLE_EQ(t.rv_recovery[0][q], 1.0) << c.bp;
            EXPECT_EQ(t.rv_fit_error[0][q], 0.0) << c.bp;
        }
    }
}

TEST_F(Predicted, RvwIsHeldWithinTheLimitsButNotToItsGroup) {
    set_limits(40, 170, std::exp(-2.0), std::exp(3.0));
    reset_bp_fits(model_work_tables.bp_group_fits);
    set_line(model_work_tables.rv_group_fits[0][1], -1, -0.5, 0.5, 1, 0.1, 0.9);
    set_line(model_work_tables.rv_group_fits[0][2], 1.2, 1.5, 2.5, 3, -0.05, 1.2);
    struct Case {
        double ln_rvw, rv;
        int group;  // every ln rvw has its line
    } cases[] = {
        {5.0, 1.05, 2},   // above MaxRVW: the last group at ln MaxRVW
        {-1.5, 0.75, 1},  // below group 1's range low: group 1's line
        {-3.0, 0.7, 1},   // below MinRVW: at ln MinRVW
        {1.1, 1.01, 1},   // between the groups: group 1, extended
        {2.0, 1.1, 2},
    };
    for (const Case& c : cases) compound("C" + std::to_string(c.ln_rvw), std::exp(c.ln_rvw), 100);
    ASSERT_EQ(predict(1, 2), 1);
    for (int q = 0; q < 5; ++q) {
        EXPECT_NEAR(t.rv_recovery[0][q], cases[q].rv, 1e-12) << cases[q].ln_rvw;
        EXPECT_EQ(t.rv_group[0][q], cases[q].group) << cases[q].ln_rvw;
        EXPECT_DOUBLE_EQ(t.bp_recovery[0][q], 1.0);
        EXPECT_NEAR(t.predicted_recovery[0][q], cases[q].rv, 1e-12);
    }
}

TEST_F(Predicted, OnlyACalibrationMakesResponseFactors) {
    set_limits(10, 500, 0.01, 100);
    set_line(model_work_tables.bp_group_fits[0][1], 10, 10, 500, 500, 0.0, 0.8, 0.04);
    set_line(model_work_tables.rv_group_fits[0][1], -5, -5, 5, 5, 0.0, 1.0, 0.0);
    const int q = compound("BENZENE", 2.0, 80);
    calibration_data.level_names[0] = "Amount1";
    set_area(0, "BENZENE", 4000);
    struct Case {
        int check_active, samples;
        bool made;
    } cases[] = {{0, 0, true}, {1, 0, false}, {0, 3, false}};
    for (const Case& c : cases) {
        calibration_data.recovery_tables.response_factor[0][q] = calibration_data.recovery_tables.response_factor_dev[0][q] = 7.0;
        check_state.continuing_check_active = c.check_active;
        process_files_data.sample_count = c.samples;
        ASSERT_EQ(predict(1, 1), 1);
        EXPECT_DOUBLE_EQ(t.response_factor[0][q], c.made ? 5000.0 : 7.0);
        EXPECT_DOUBLE_EQ(t.response_factor_dev[0][q], c.made ? 250.0 : 7.0);
    }
}

TEST_F(Predicted, AZeroPredictionLeavesNoDeviationAndBuildsNoResponseFactor) {
    set_limits(10, 500, 0.01, 100);
    set_line(model_work_tables.bp_group_fits[0][1], 10, 10, 500, 500, 0.0, 0.0, 0.04);
    set_line(model_work_tables.rv_group_fits[0][1], -5, -5, 5, 5, 0.0, 1.0, 0.0);
    const int q = compound("BENZENE", 2.0, 80);
    set_area(0, "BENZENE", 4000);
    // Values of an earlier data set in the row: a build clears them, a sample run keeps
    // the calibration's response factor.
    for (int samples : {0, 3}) {
        process_files_data.sample_count = samples;
        calibration_data.recovery_tables.predicted_recovery_dev[0][q] = 3.0;
        calibration_data.recovery_tables.response_factor[0][q] = 4.0;
        calibration_data.recovery_tables.response_factor_dev[0][q] = 0.5;
        ASSERT_EQ(predict(1, 1), 1);
        EXPECT_EQ(t.predicted_recovery[0][q], 0.0);
        EXPECT_EQ(t.predicted_recovery_dev[0][q], kNotSet);
        EXPECT_EQ(t.response_factor[0][q], samples ? 4.0 : kNotSet) << samples;
        EXPECT_EQ(t.response_factor_dev[0][q], samples ? 0.5 : kNotSet) << samples;
    }
}
