#include <vector>

#include "samples/process_files_data.h"
#include "recovery/group_lines.h"
#include "recovery/model_errors.h"
#include "recovery_fixture.h"

namespace {

struct P {
    int group;
    double x, y;
};

PointList list_of(const std::vector<P>& ps) {
    PointList list;
    clear_fit_points(list);
    for (size_t i = 0; i < ps.size(); ++i) {
        list[i].in_use = 1;
        list[i].group = ps[i].group;
        list[i].x = ps[i].x;
        list[i].y = ps[i].y;
    }
    return list;
}

class GroupLines : public RecoveryTest {
protected:
    FitTable fits{};
};

}  // namespace

TEST_F(GroupLines, RangesUseMeansOfTwoEndPointsAboveThreePoints) {
    // Group 1: x 1,2,3,4,6 on the line 0.5 + 0.1x; group 2: x 1,2,4.
    PointList list = list_of({{1, 1, 0.6}, {1, 2, 0.7}, {1, 3, 0.8}, {1, 4, 0.9}, {1, 6, 1.1},
                              {2, 1, 1.0}, {2, 2, 1.2}, {2, 4, 1.1}});
    ASSERT_EQ(fit_group_lines(list, fits, 4), 2);
    const GroupFit& g1 = fits[4][1];
    EXPECT_DOUBLE_EQ(g1.range_low, 1.5);
    EXPECT_DOUBLE_EQ(g1.range_high, 5.0);
    EXPECT_DOUBLE_EQ(g1.min_x, 1.0);
    EXPECT_DOUBLE_EQ(g1.max_x, 6.0);
    EXPECT_NEAR(g1.slope, 0.1, 1e-12);
    EXPECT_NEAR(g1.intercept, 0.5, 1e-12);
    EXPECT_EQ(g1.std_error, 0.0);
    EXPECT_NEAR(g1.r_squared, 1.0, 1e-12);
    EXPECT_EQ(g1.valid, 1);
    const GroupFit& g2 = fits[4][2];
    EXPECT_DOUBLE_EQ(g2.range_low, 1.0);
    EXPECT_DOUBLE_EQ(g2.range_high, 4.0);
    // n 3, Σx 7, Σy 3.3, Σx² 21, Σxy 7.8: slope (23.4 - 23.1) / (63 - 49), intercept 14.7 / 14.
    EXPECT_NEAR(g2.slope, 0.3 / 14.0, 1e-12);
    EXPECT_NEAR(g2.intercept, 1.05, 1e-12);
    EXPECT_GT(g2.std_error, 0.0);
}

TEST_F(GroupLines, ATwoPointGroupShowsNoRSquaredOfAnEarlierFit) {
    fits[0][1].r_squared = 0.97;  // an earlier data set's fit in the slot
    PointList list = list_of({{1, 1, 0.6}, {1, 2, 0.7}});
    ASSERT_EQ(fit_group_lines(list, fits, 0), 1);
    EXPECT_EQ(fits[0][1].r_squared, kNotSet);  // none was computed
}

TEST_F(GroupLines, AGroupOfNegativeXGetsItsTrueMaximum) {
    PointList list = list_of({{1, -3.0, 0.9}, {1, -2.0, 1.0}, {1, -1.5, 1.05}});
    ASSERT_EQ(fit_group_lines(list, fits, 0), 1);
    EXPECT_DOUBLE_EQ(fits[0][1].max_x, -1.5);
    EXPECT_DOUBLE_EQ(fits[0][1].range_high, -1.5);
}

TEST_F(GroupLines, SmoothFirstPassCapsOnlyTheLowestPointOfGroupOne) {
    struct Case {
        double first_y;
        int group;
        double fitted_first_y;
    } cases[] = {{1.2, 1, 1.0}, {1.0, 1, 1.0}, {0.8, 1, 0.8}, {1.2, 2, 1.2}};
    process_files_data.samples[2].settings.smooth_first_pass = 1;
    for (const Case& c : cases) {
        std::vector<P> ps;
        if (c.group == 2) ps = {{1, 0.5, 1.3}, {1, 0.6, 1.3}};  // group 1 starts with y > 1 too
        ps.push_back({c.group, 1.0, c.first_y});
        ps.push_back({c.group, 2.0, 1.0});
        ps.push_back({c.group, 3.0, 1.0});
        PointList list = list_of(ps);
        ASSERT_EQ(fit_group_lines(list, fits, 2), c.group);
        const int first = c.group == 2 ? 2 : 0;
        EXPECT_DOUBLE_EQ(list[first].y, c.fitted_first_y) << c.first_y << " group " << c.group;
        // x 1, 2, 3 with y y1, 1, 1: slope (1 - y1) / 2.
        EXPECT_NEAR(fits[2][c.group].slope, (1.0 - c.fitted_first_y) / 2.0, 1e-12);
    }
    PointList other = list_of({{1, 1.0, 1.2}, {1, 2.0, 1.0}, {1, 3.0, 1.0}});
    process_files_data.samples[2].settings.smooth_first_pass = 0;
    fit_group_lines(other, fits, 2);
    EXPECT_DOUBLE_EQ(other[0].y, 1.2);
}

TEST_F(GroupLines, AGapInTheGroupNumbersEndsTheCommand) {
    PointList list = list_of({{1, 1, 1}, {1, 2, 1}, {2, 1, 1}, {2, 2, 1}, {4, 1, 1}, {4, 2, 1}});
    ui.expect_message("Quantilyzer: 14003");
    EXPECT_THROW(fit_group_lines(list, fits, 0), ModelEnded);
    EXPECT_EQ(ui.last_message().caption, "Error");
}

TEST_F(GroupLines, PointsWithoutARecoveryAreLeftOutOfTheSums) {
    PointList list = list_of({{1, 1, 0.9}, {1, 2, kNotSet}, {1, 3, 1.1}});
    ASSERT_EQ(fit_group_lines(list, fits, 0), 1);
    EXPECT_NEAR(fits[0][1].slope, 0.1, 1e-12);
    EXPECT_EQ(fits[0][1].std_error, 0.0);  // two points left
    EXPECT_DOUBLE_EQ(fits[0][1].max_x, 3.0);

    PointList short_list = list_of({{1, 1, 0.9}, {1, 2, kNotSet}});
    EXPECT_EQ(fit_group_lines(short_list, fits, 0), 0);
    PointList capped = list_of({{1, 1, kNotSet}, {1, 2, 0.9}, {1, 3, 1.0}});
    process_files_data.samples[0].settings.smooth_first_pass = 1;
    ASSERT_EQ(fit_group_lines(capped, fits, 0), 1);
    EXPECT_EQ(capped[0].y, kNotSet);  // the marker is no recovery to cap
}
