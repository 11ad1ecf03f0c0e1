#include <gtest/gtest.h>

#include <cmath>

#include "methoddata/tables.h"
#include "methoddata/calibration_data.h"
#include "program/program_state.h"
#include "recovery/group_walks.h"
#include "recovery/identity_fits.h"

namespace {

void set_range(GroupFit& fit, double min_x, double low, double high, double max_x) {
    fit.min_x = min_x;
    fit.range_low = low;
    fit.range_high = high;
    fit.max_x = max_x;
}

class GroupWalks : public ::testing::Test {
protected:
    GroupWalks() {
        construct_method_data();
        // BP groups 1: x 100..150 and 2: x 160..220.
        set_range(bp[3][1], 100, 110, 150, 150);
        set_range(bp[3][2], 160, 170, 210, 220);
        set_range(rv[3][1], -1.0, -0.8, 0.3, 0.5);
        set_range(rv[3][2], 0.8, 1.0, 1.8, 2.0);
    }
    FitTable bp{}, rv{};
};

}  // namespace

TEST_F(GroupWalks, BpGroupInFitUsesTheTablesOwnExtremes) {
    struct Case {
        double x;
        int group;
    } cases[] = {{155, 1}, {150, 1}, {160, 1}, {161, 2}, {100, 1}, {90, kNotFound}, {220, 3}, {300, 3}};
    for (const Case& c : cases) EXPECT_EQ(find_bp_group_in_fit(c.x, bp, 2, 3), c.group) << c.x;
}

TEST_F(GroupWalks, BpGroupInLimitsUsesMinAndMaxBp) {
    method_data.surrogate_range_limits.MinBP = 95;
    method_data.surrogate_range_limits.MaxBP = 215;
    struct Case {
        double x;
        int group;
    } cases[] = {
        {94, kNotFound}, {95, 1},
        {97, 1},  // between MinBP and group 1's minimum: group 1, not the empty slot 0
        {161, 2}, {214, 2}, {215, 3},
    };
    for (const Case& c : cases) EXPECT_EQ(find_bp_group_in_limits(c.x, bp, 2, 3), c.group) << c.x;
}

TEST_F(GroupWalks, BpGroupOfAGroupOneThatDoesNotStartLowestIsGroupOne) {
    bp[3][2].min_x = 90;  // group 2 reaches below group 1
    EXPECT_EQ(find_bp_group_in_fit(95, bp, 2, 3), 1);
}

TEST_F(GroupWalks, RvGroupAlwaysAnswersAGroup) {
    method_data.surrogate_range_limits.MaxRVW = std::exp(2.5);
    struct Case {
        double x;
        int group;
    } cases[] = {{-2.0, 1}, {-0.8, 1}, {0.2, 1}, {0.6, 1}, {0.9, 2}, {1.5, 2}, {2.2, 2}, {2.6, 2}};
    for (const Case& c : cases) EXPECT_EQ(find_rv_group(rv, c.x, 2, 3), c.group) << c.x;
}

// The lowest and the highest first-pass standard lie on the first pass: neither is
// marked outside it (the check report would star its rvw as a default value).
TEST(FirstPassPairWalk, FindsTheSegmentAndFlagsValuesOutside) {
    FirstPassPairTable pairs{};
    pairs[0] = {0.5, 0};
    pairs[1] = {1.0, 0};
    pairs[2] = {1.0, 1};
    pairs[3] = {2.0, 1};
    model_work_tables.first_pass_pair_count = 4;
    model_work_tables.first_pass_group_count = 2;
    struct Case {
        double x;
        int segment, outside;
    } cases[] = {{0.3, 0, 1}, {0.5, 0, 0}, {0.7, 0, 0}, {1.0, 0, 0}, {1.5, 1, 0}, {2.0, 1, 0}, {2.5, 1, 1}};
    for (const Case& c : cases) {
        int outside = -1;
        EXPECT_EQ(find_first_pass_pair(c.x, pairs, outside), c.segment) << c.x;
        EXPECT_EQ(outside, c.outside) << c.x;
    }
}

TEST(FirstPassPairWalk, ASegmentEndAtZeroIsARealEnd) {
    // The lowest first-pass standard has rvw 1 (x = 0).
    FirstPassPairTable pairs{};
    pairs[0] = {0.0, 0};
    pairs[1] = {1.0, 0};
    pairs[2] = {1.0, 1};
    pairs[3] = {2.0, 1};
    model_work_tables.first_pass_pair_count = 4;
    model_work_tables.first_pass_group_count = 2;
    int outside = -1;
    EXPECT_EQ(find_first_pass_pair(0.5, pairs, outside), 0);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(find_first_pass_pair(1.5, pairs, outside), 1);
    EXPECT_EQ(outside, 0);
}

TEST(FirstPassPairWalk, OneVariableTablesAlwaysAnswerSegmentZero) {
    FirstPassPairTable reset_pairs{}, fresh_pairs{};
    reset_first_pass_pairs(reset_pairs);
    model_work_tables.first_pass_pair_count = 0;
    model_work_tables.first_pass_group_count = 1;
    for (double x : {-3.0, 0.0, 0.5, 4.0}) {
        int outside = 0;
        EXPECT_EQ(find_first_pass_pair(x, reset_pairs, outside), 0) << x;
        EXPECT_EQ(find_first_pass_pair(x, fresh_pairs, outside), 0) << x;
    }
}
