#include <cmath>

#include "calibration/calibration_log.h"
#include "calibration/curve_statistics.h"
#include "methoddata/calibration_data.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/check_state.h"
#include "recovery/first_pass_fit.h"
#include "recovery/group_walks.h"
#include "recovery/model_errors.h"
#include "recovery_fixture.h"

namespace {

class FirstPass : public RecoveryTest {
protected:
    // Three first-pass standards at x = 0.5, 1.0, 2.0 with recoveries 0.8, 0.9, 1.3 in
    // standard 0 against the reference set 1; listed out of x order.
    void three_standards() {
        standard("FP3", std::exp(2.0), 120, true);
        standard("FP1", std::exp(0.5), 80, true);
        standard("FP2", std::exp(1.0), 100, true);
        use_reference(1);
        set_area(0, "FP1", 800);
        set_area(0, "FP2", 900);
        set_area(0, "FP3", 1300);
    }
    int fit(int a = 0) { return first_pass_fit(calibration_data.raw_data_sets, method_data.surrogates, method_data.library, model_work_tables.first_pass_fits, a, pairs); }
};

}  // namespace

TEST_F(FirstPass, ThreeStandardsGiveTwoSegments) {
    three_standards();
    ASSERT_EQ(fit(), 1);
    const GroupFit& s0 = model_work_tables.first_pass_fits[0][0];
    const GroupFit& s1 = model_work_tables.first_pass_fits[0][1];
    EXPECT_NEAR(s0.slope, 0.2, 1e-12);
    EXPECT_NEAR(s0.intercept, 0.7, 1e-12);
    EXPECT_NEAR(s1.slope, 0.4, 1e-12);
    EXPECT_NEAR(s1.intercept, 0.5, 1e-12);
    EXPECT_EQ(s0.std_error, 0.0);
    EXPECT_EQ(s1.std_error, 0.0);
    EXPECT_NEAR(s0.range_low, 0.5, 1e-12);
    EXPECT_NEAR(s0.range_high, 1.0, 1e-12);
    EXPECT_EQ(s1.valid, 1);
    const double xs[] = {0.5, 1.0, 1.0, 2.0};
    const int groups[] = {0, 0, 1, 1};
    const char* names[] = {"FP1", "FP2", "FP2", "FP3"};
    const auto& row = model_work_tables.standard_first_pass_points[0];
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(pairs[i].x, xs[i], 1e-12) << i;
        EXPECT_EQ(pairs[i].group, groups[i]) << i;
        EXPECT_EQ(row[i].name, names[i]) << i;
        EXPECT_EQ(row[i].group, groups[i]) << i;
    }
    EXPECT_NEAR(row[3].y, 1.3, 1e-12);
    EXPECT_EQ(row[4].in_use, 0);
    EXPECT_EQ(model_work_tables.first_pass_pair_count, 4);
    EXPECT_EQ(model_work_tables.first_pass_group_count, 2);
    EXPECT_NEAR(model_work_tables.first_pass_min_rvw, std::exp(0.5), 1e-12);
    EXPECT_NEAR(model_work_tables.first_pass_max_rvw, std::exp(2.0), 1e-12);
}

TEST_F(FirstPass, SevenStandardsAreAllDescribedAndNineAreRefused) {
    calibration_data.standard_count = 3;
    for (int i = 0; i < 9; ++i) {
        const std::string name = "FP" + std::to_string(i);
        standard(name, std::exp(0.25 * (i + 1)), 100, i < 7);
        set_area(3, name, 1000);
        set_area(0, name, 900 + 10 * i);
    }
    ASSERT_EQ(fit(), 1);
    EXPECT_EQ(model_work_tables.first_pass_pair_count, 12);
    EXPECT_EQ(model_work_tables.first_pass_group_count, 6);
    int outside = 0;
    EXPECT_EQ(find_first_pass_pair(1.70, pairs, outside), 5);  // between the 6th and 7th
    EXPECT_EQ(outside, 0);
    EXPECT_NEAR(model_work_tables.first_pass_fits[0][5].slope, 10.0 / 1000 / 0.25, 1e-9);

    const FitTable before = model_work_tables.first_pass_fits;
    method_data.surrogates[7].first_pass = method_data.surrogates[8].first_pass = 1;
    ui.expect_message("There are 9 First Pass internal standards; at most 8 can be fitted.");
    EXPECT_EQ(fit(), 0);
    EXPECT_EQ(model_work_tables.first_pass_pair_count, 12);
    EXPECT_EQ(model_work_tables.first_pass_fits[0][6].valid, before[0][6].valid);
}

TEST_F(FirstPass, RecordsWithoutALibraryRowAreLeftOutSilently) {
    three_standards();
    standard("GHOST", std::exp(3.0), 150, true);
    method_data.library[row_of("GHOST")].name = "RENAMED";
    ASSERT_EQ(fit(), 1);
    EXPECT_EQ(model_work_tables.first_pass_group_count, 2);
}

TEST_F(FirstPass, AStandardMissingFromTheReferenceWarnsAndFitsNothing) {
    three_standards();
    method_data.surrogate_reference_path = "/data/runs/REF.TXT";
    const FitTable before = model_work_tables.first_pass_fits;
    set_area(1, "FP1", 0);
    ui.expect_message("The area count for the compound FP1 is ZERO in the reference file\n"
                      "/data/runs/REF.TXT.\nPlease reintegrate or revise your Internal Standard groups");
    EXPECT_EQ(fit(), 0);
    EXPECT_EQ(ui.last_message().caption, "Warning");
    EXPECT_EQ(model_work_tables.first_pass_fits[0][0].slope, before[0][0].slope);
}

TEST_F(FirstPass, RecoveriesAboveFiveAreLogged) {
    three_standards();
    calibration_data.standard_results_ini[0] = "/data/std1.ini";
    calibration_data.raw_data_sets[1].area[row_of("FP1")] = 1000000;
    calibration_data.raw_data_sets[0].area[row_of("FP1")] = 5000000;  // exactly 5.0: not logged
    ASSERT_EQ(fit(), 1);
    log_high_recoveries();  // the build takes the models' notes into the log
    EXPECT_EQ(calibration_log.log_flag, 0);
    calibration_data.raw_data_sets[0].area[row_of("FP1")] = 5000001;
    ASSERT_EQ(fit(), 1);
    log_high_recoveries();
    ASSERT_EQ(calibration_log.entry_count, 1);
    EXPECT_EQ(calibration_log.log_flag, 1);
    EXPECT_EQ(calibration_log.entries[0].data_file, "/data/std1.ini");
    EXPECT_EQ(calibration_log.entries[0].compound, "FP1");
    EXPECT_EQ(calibration_log.entries[0].category, "");
}

TEST_F(FirstPass, XSummingToZeroIsFittedAndEqualXEndTheCommand) {
    standard("LOW", std::exp(-1.0), 80, true);
    standard("HIGH", std::exp(1.0), 90, true);
    use_reference(1);
    set_area(0, "LOW", 900);
    set_area(0, "HIGH", 1100);
    ASSERT_EQ(fit(), 1);
    EXPECT_NEAR(model_work_tables.first_pass_fits[0][0].slope, 0.1, 1e-12);
    EXPECT_NEAR(model_work_tables.first_pass_fits[0][0].intercept, 1.0, 1e-12);

    method_data.surrogates[1].rvw = method_data.surrogates[0].rvw;
    ui.expect_message("Quantilyzer: 03008");
    EXPECT_THROW(fit(), ModelEnded);
}

TEST_F(FirstPass, AllRvwBelowOneGiveAMaximumBelowOne) {
    standard("A", 0.2, 80, true);
    standard("B", 0.5, 90, true);
    use_reference(1);
    set_area(0, "A", 900);
    set_area(0, "B", 950);
    ASSERT_EQ(fit(), 1);
    EXPECT_NEAR(model_work_tables.first_pass_max_rvw, 0.5, 1e-12);
    EXPECT_NEAR(model_work_tables.first_pass_min_rvw, 0.2, 1e-12);
}

TEST_F(FirstPass, CheckModeMeasuresAgainstTheMeanResponseOfTheStandardsOwnRow) {
    compound("ANALYTE", 2.0, 90);  // the internal standards do not start the library
    standard("S1", std::exp(0.5), 80, true, {}, {}, 2.0);
    standard("S2", std::exp(1.5), 90, true, {}, {}, 2.0);
    check_state.check_standard_mode = 1;
    calibration_data.curve_statistics.mean_rf[row_of("S1")] = 400.0;
    calibration_data.curve_statistics.mean_rf[row_of("S2")] = 500.0;
    calibration_data.curve_statistics.mean_rf[0] = 1.0;  // the record index of S1: must not be used
    set_area(0, "S1", 720);
    set_area(0, "S2", 1100);
    ASSERT_EQ(fit(), 1);
    const auto& row = model_work_tables.standard_first_pass_points[0];
    EXPECT_DOUBLE_EQ(row[0].y, 720.0 / 400.0 / 2.0);
    EXPECT_DOUBLE_EQ(row[0].measured, 720.0 / (400.0 * 2.0));
    EXPECT_DOUBLE_EQ(row[1].y, 1100.0 / 500.0 / 2.0);

    calibration_data.curve_statistics.mean_rf[row_of("S2")] = 0.0;  // no calibrated response: no recovery, no segment
    ui.expect_message("The recovery of the internal standard S2 cannot be computed");
    EXPECT_EQ(fit(), 0);  // a failure of the fit, not an end of the command
}

TEST_F(FirstPass, ZeroAreaWarnsOnceAndFewerThanTwoPointsFail) {
    three_standards();
    set_area(0, "FP2", 0);
    ui.expect_message("The area count for the compound FP2 is ZERO.\nPlease revise your Internal Standard groups");
    EXPECT_EQ(fit(), 0);
    EXPECT_EQ(ui.last_message().caption, "Warning");

    method_data.surrogates[0].first_pass = method_data.surrogates[2].first_pass = 0;
    set_area(0, "FP2", 900);
    ui.expect_message("Quantilyzer: 03003");
    EXPECT_EQ(fit(), 0);
    EXPECT_EQ(model_work_tables.first_pass_pair_count, 0);
}
