#include <cmath>

#include "calibration/curve_statistics.h"
#include "methoddata/calibration_tables.h"
#include "samples/process_files_data.h"
#include "recovery/bp_model.h"
#include "recovery/first_pass_fit.h"
#include "recovery/identity_fits.h"
#include "recovery_fixture.h"

namespace {

class BpModel : public RecoveryTest {
protected:
    // The first pass of one-variable "Linear" mode: every divisor is 1.0.
    void identity_first_pass() {
        reset_first_pass_fits(model_work_tables.first_pass_fits);
        reset_first_pass_pairs(pairs);
        model_work_tables.first_pass_group_count = 1;
        model_work_tables.first_pass_pair_count = 0;
    }
    // Seven standards in BP groups 1 (bp 50-70), 2 (80, 100) and 3 (100-120); F is in
    // groups 2 and 3 and listed first. Recoveries 0.90 .. 1.20 in standard 0.
    void three_groups() {
        standard("F", 2.0, 100, false, {2, 3});
        standard("A", 2.0, 50, false, {1});
        standard("B", 2.0, 60, false, {1});
        standard("C", 2.0, 70, false, {1});
        standard("D", 2.0, 80, false, {2});
        standard("G", 2.0, 110, false, {3});
        standard("H", 2.0, 120, false, {3});
        use_reference(1);
        const char* names[] = {"A", "B", "C", "D", "F", "G", "H"};
        for (int i = 0; i < 7; ++i) set_area(0, names[i], 900 + 50 * i);
    }
    int model(int a = 0) {
        return compute_bp_model(calibration_data.raw_data_sets, method_data.surrogates, method_data.library, model_work_tables.bp_group_fits, model_work_tables.first_pass_fits, a,
                                pairs, groups);
    }
    int groups = -1;
};

}  // namespace

TEST_F(BpModel, IdentityFirstPassFitsTheRelativeRecoveryPerGroup) {
    three_groups();
    identity_first_pass();
    ASSERT_EQ(model(), 1);
    EXPECT_EQ(groups, 3);
    const char* names[] = {"A", "B", "C", "D", "F", "F", "G", "H"};
    const int point_groups[] = {1, 1, 1, 2, 2, 3, 3, 3};
    const double ys[] = {0.90, 0.95, 1.00, 1.05, 1.10, 1.10, 1.15, 1.20};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(model_work_tables.bp_points[0][i].name, names[i]) << i;
        EXPECT_EQ(model_work_tables.bp_points[0][i].group, point_groups[i]) << i;
        EXPECT_NEAR(model_work_tables.bp_points[0][i].y, ys[i], 1e-12) << i;
        EXPECT_NEAR(model_work_tables.bp_points[0][i].measured, ys[i], 1e-12) << i;
    }
    EXPECT_EQ(model_work_tables.bp_points[0][8].in_use, 0);
    EXPECT_NEAR(model_work_tables.bp_group_fits[0][1].slope, 0.005, 1e-12);
    EXPECT_NEAR(model_work_tables.bp_group_fits[0][1].intercept, 0.65, 1e-12);
    EXPECT_NEAR(model_work_tables.bp_group_fits[0][2].slope, 0.0025, 1e-12);
}

TEST_F(BpModel, APointOutsideTheFirstPassUsesTheEndSegmentAndKeepsItsClampedRvw) {
    standard("FP3", std::exp(2.0), 120, true);
    standard("FP1", std::exp(0.5), 80, true);
    standard("FP2", std::exp(1.0), 100, true);
    standard("X", std::exp(0.2), 90, false, {2});  // below the first pass; sorted behind Y, Z
    standard("Y", std::exp(1.5), 40, false, {1});
    standard("Z", std::exp(3.0), 45, false, {1});  // above the first pass
    standard("W", std::exp(1.2), 95, false, {2});
    use_reference(1);
    const std::pair<const char*, int> areas[] = {{"FP1", 800}, {"FP2", 900}, {"FP3", 1300}, {"X", 880},
                                                 {"Y", 990},   {"Z", 1300},  {"W", 980}};
    for (auto [name, area] : areas) set_area(0, name, area);
    ASSERT_EQ(first_pass_fit(calibration_data.raw_data_sets, method_data.surrogates, method_data.library, model_work_tables.first_pass_fits, 0, pairs), 1);
    ASSERT_EQ(model(), 1);
    // Divisors: X 0.2·0.5 + 0.7 (segment 0 at the clamped rvw e^0.5), Y 0.4·1.5 + 0.5,
    // Z 0.4·2 + 0.5 (segment 1 at e^2), W 0.4·1.2 + 0.5.
    struct Expect {
        const char* name;
        double measured, divisor, clamped_rv;
    } expect[] = {{"Y", 0.99, 1.1, kNotSet},
                  {"Z", 1.3, 1.3, std::exp(2.0)},
                  {"X", 0.88, 0.8, std::exp(0.5)},
                  {"W", 0.98, 0.98, kNotSet}};
    for (int i = 0; i < 4; ++i) {
        const SurrogatePoint& p = model_work_tables.bp_points[0][i];
        EXPECT_EQ(p.name, expect[i].name);
        EXPECT_NEAR(p.measured, expect[i].measured, 1e-12) << p.name;
        EXPECT_NEAR(p.y, expect[i].measured / expect[i].divisor, 1e-12) << p.name;
        if (is_not_set(expect[i].clamped_rv)) EXPECT_EQ(p.clamped_rv, kNotSet) << p.name;
        else EXPECT_NEAR(p.clamped_rv, expect[i].clamped_rv, 1e-12) << p.name;
    }
}

TEST_F(BpModel, ZeroAreaNamesTheDataSetAsTheMainWindowsModesSay) {
    struct Case {
        u8 from_file, check_mode;
        const char* where;
    } cases[] = {
        {1, 0, "sample\n/runs/s1.ini"},
        {0, 0, "standard file\n/runs/std1.ini"},
        {0, 1, "the calibration check standard"},
        {1, 1, "the calibration check standard"},
    };
    three_groups();
    identity_first_pass();
    set_area(0, "B", 0);
    process_files_data.samples[0].settings.results_ini_path = "/runs/s1.ini";
    calibration_data.standard_results_ini[0] = "/runs/std1.ini";
    for (const Case& c : cases) {
        main_flags.CalibrationFromFile = c.from_file;
        main_flags.CheckCalibrationMode = c.check_mode;
        ui.expect_message(std::string("The area count for the compound B is ZERO for ") + c.where +
                          ".\nPlease reintegrate or revise your Internal Standard groups");
        EXPECT_EQ(model(), 0);
        EXPECT_EQ(ui.last_message().caption, "Warning");
    }
    EXPECT_EQ(ui.messages.size(), 4u);  // no further message after the warning
}

TEST_F(BpModel, TwoPointsAreEnoughAndOneFails) {
    standard("A", 2.0, 50, false, {1});
    standard("B", 2.0, 60, false, {1});
    use_reference(1);
    set_area(0, "A", 900);
    set_area(0, "B", 1000);
    identity_first_pass();
    ASSERT_EQ(model(), 1);
    EXPECT_EQ(groups, 1);
    method_data.surrogates[1].bpgroup[0] = 0;
    ui.expect_message("Quantilyzer: 02001");
    EXPECT_EQ(model(), 0);  // a failure of the model, not an end of the command
}

TEST_F(BpModel, SampleModeDividesByTheMeanResponseOfEachStandard) {
    compound("ANALYTE", 1.0, 75);
    three_groups();
    identity_first_pass();
    process_files_data.sample_count = 1;
    for (int q = 0; q < method_data.surrogate_count; ++q) calibration_data.curve_statistics.mean_rf[row_of(method_data.surrogates[q].name)] = 500.0;
    ASSERT_EQ(model(), 1);
    EXPECT_NEAR(model_work_tables.bp_points[0][0].y, 900.0 / 500.0 / 1.0, 1e-12);
    EXPECT_EQ(model_work_tables.bp_points[0][0].measured, 0.0);
}

// A standard whose recovery cannot be computed (Amount 1 of 0 in a calibration, no
// calibrated response in a sample) stops the model with its name: fitted without it,
// its group's line would be taken for the calibration's.
TEST_F(BpModel, AStandardWhoseRecoveryCannotBeComputedStopsTheModel) {
    for (const bool sample_mode : {false, true}) {
        reset_method();
        three_groups();
        identity_first_pass();
        process_files_data.sample_count = sample_mode ? 1 : 0;
        for (int q = 0; q < method_data.surrogate_count; ++q) calibration_data.curve_statistics.mean_rf[row_of(method_data.surrogates[q].name)] = 500.0;
        if (sample_mode)
            calibration_data.curve_statistics.mean_rf[row_of("B")] = 0.0;
        else
            method_data.library[row_of("B")].conc[0] = 0.0;
        model_work_tables.bp_group_fits[0][1].slope = 0.25;  // an earlier data set's line
        ui.expect_message("The recovery of the internal standard B cannot be computed: its amount or its mean "
                          "response factor is 0.");
        EXPECT_EQ(model(), 0) << sample_mode;
        EXPECT_EQ(ui.last_message().caption, "Error");
        EXPECT_EQ(ui.messages.size(), 1u) << sample_mode;
        EXPECT_EQ(model_work_tables.bp_group_fits[0][1].slope, 0.25) << sample_mode;
        ui.messages.clear();
    }
}

TEST_F(BpModel, AShorterModelLeavesNoPointsOfAnEarlierOneBehind) {
    three_groups();
    identity_first_pass();
    ASSERT_EQ(model(), 1);
    method_data.surrogates[0].bpgroup[2] = 0;  // F leaves group 3: seven points instead of eight
    ASSERT_EQ(model(), 1);
    EXPECT_EQ(model_work_tables.bp_points[0][6].in_use, 1);
    EXPECT_EQ(model_work_tables.bp_points[0][7].in_use, 0);
}
