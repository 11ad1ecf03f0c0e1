#include <cmath>

#include "calibration/curve_statistics.h"
#include "methoddata/calibration_tables.h"
#include "samples/process_files_data.h"
#include "recovery/model_errors.h"
#include "recovery/rv_model.h"
#include "recovery_fixture.h"

namespace {

class RvModel : public RecoveryTest {
protected:
    RvModel() {
        // BP group 1: bp 50..100 on 0.8 + 0.002 bp; group 2: bp 110..150 on 0.9 + 0.001 bp.
        set_line(model_work_tables.bp_group_fits[0][1], 50, 55, 95, 100, 0.002, 0.8);
        set_line(model_work_tables.bp_group_fits[0][2], 110, 115, 145, 150, 0.001, 0.9);
        method_data.surrogate_range_limits.MaxBP = 160;
        standard("R1", std::exp(0.5), 120, false, {}, {1});  // BP group 2: divisor 1.02
        standard("R2", std::exp(2.0), 200, false, {}, {2});  // above MaxBP: group 2 at 160, 1.06
        standard("R3", std::exp(1.0), 30, false, {}, {1});   // below every BP group: 1.0
        standard("R4", std::exp(2.5), 75, false, {}, {2});   // BP group 1: 0.95
        standard("R5", std::exp(1.5), 105, false, {}, {1});  // between the groups: group 1, 1.01
        standard("R6", std::exp(3.0), 150, false, {}, {2});  // at the top: group 2 at 160, 1.06
        use_reference(1);
        const std::pair<const char*, int> areas[] = {{"R1", 1020}, {"R2", 1060}, {"R3", 900},
                                                     {"R4", 950},  {"R5", 1010}, {"R6", 1166}};
        for (auto [name, area] : areas) set_area(0, name, area);
    }
    int model() {
        return compute_rv_model(calibration_data.raw_data_sets, method_data.surrogates, method_data.library, model_work_tables.rv_group_fits, model_work_tables.bp_group_fits, 0,
                                groups, 2);
    }
    int groups = -1;
};

}  // namespace

TEST_F(RvModel, DividesEachRecoveryByTheBpPredictionAtItsBoilingPoint) {
    ASSERT_EQ(model(), 1);
    EXPECT_EQ(groups, 2);
    struct Expect {
        const char* name;
        double measured, y;
    } expect[] = {{"R1", 1.02, 1.0}, {"R3", 0.9, 0.9},  {"R5", 1.01, 1.0},
                  {"R2", 1.06, 1.0}, {"R4", 0.95, 1.0}, {"R6", 1.166, 1.1}};
    for (int i = 0; i < 6; ++i) {
        const SurrogatePoint& p = model_work_tables.rv_points[0][i];
        EXPECT_EQ(p.name, expect[i].name);
        EXPECT_NEAR(p.measured, expect[i].measured, 1e-12) << p.name;
        EXPECT_NEAR(p.y, expect[i].y, 1e-12) << p.name;
    }
    EXPECT_EQ(model_work_tables.rv_points[0][6].in_use, 0);
    const GroupFit& g2 = model_work_tables.rv_group_fits[0][2];
    EXPECT_NEAR(g2.min_x, 2.0, 1e-12);
    EXPECT_NEAR(g2.max_x, 3.0, 1e-12);
    // (2, 1.0) (2.5, 1.0) (3, 1.1): slope 0.15 / 1.5, intercept (3.1·19.25 - 7.5·7.8) / 1.5.
    EXPECT_NEAR(g2.slope, 0.1, 1e-12);
    EXPECT_NEAR(g2.intercept, 1.175 / 1.5, 1e-12);
}

TEST_F(RvModel, ZeroAreaNamesTheRunningSampleOrTheStandard) {
    struct Case {
        u8 from_file;
        const char* where;
    } cases[] = {{1, "sample\n/runs/s1.txt"}, {0, "standard file\n/runs/std1.ini"}};
    process_files_data.current_sample_name = "/runs/s1.txt";
    calibration_data.standard_results_ini[0] = "/runs/std1.ini";
    set_area(0, "R4", 0);
    for (const Case& c : cases) {
        main_flags.CalibrationFromFile = c.from_file;
        ui.expect_message(std::string("The area count for the compound R4 is ZERO for ") + c.where +
                          ".\nPlease reintegrate or revise your Internal Standard groups");
        EXPECT_EQ(model(), 0);
        EXPECT_EQ(ui.last_message().caption, "Warning");
    }
}

TEST_F(RvModel, AStandardMissingFromTheReferenceStopsTheModel) {
    method_data.surrogate_reference_path = "/runs/REF.TXT";
    set_area(1, "R4", 0);
    ui.expect_message("The area count for the compound R4 is ZERO in the reference file\n/runs/REF.TXT.");
    EXPECT_EQ(model(), 0);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(RvModel, FewerThanTwoPointsFail) {
    for (int q = 1; q < method_data.surrogate_count; ++q) method_data.surrogates[q].rvwgroup = {};
    ui.expect_message("Quantilyzer: 14001");
    EXPECT_EQ(model(), 0);  // a failure of the model, not an end of the command
}

// A standard whose recovery cannot be computed stops the model and names the cause: its
// Amount 1 of 0, or in a sample a BP prediction of 0 at its boiling point.
TEST_F(RvModel, AStandardWhoseRecoveryCannotBeComputedStopsTheModel) {
    struct Case {
        bool sample_mode;
        const char* cause;
    } cases[] = {{false, "its amount or its mean response factor is 0"},
                 {true, "the model it is divided by predicts 0 for it"}};
    for (const Case& c : cases) {
        process_files_data.sample_count = c.sample_mode ? 1 : 0;
        for (int q = 0; q < method_data.surrogate_count; ++q) calibration_data.curve_statistics.mean_rf[row_of(method_data.surrogates[q].name)] = 500.0;
        method_data.library[row_of("R4")].conc[0] = c.sample_mode ? 1.0 : 0.0;
        if (c.sample_mode) set_line(model_work_tables.bp_group_fits[0][1], 50, 55, 95, 100, 0.0, 0.0);  // R4's group predicts 0
        ui.expect_message(std::string("The recovery of the internal standard R4 cannot be computed: ") + c.cause);
        EXPECT_EQ(model(), 0) << c.cause;
        EXPECT_EQ(ui.messages.size(), 1u) << c.cause;
        ui.messages.clear();
    }
}
