#include "methoddata/surrogate_groupings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "methoddata/group_ranges.h"
#include "methoddata/surrogate_points.h"
#include "platform/command_guard.h"
#include "scripted_ui.h"
#include "surrogate_fixtures.h"
#include "program/program_state.h"

namespace {

class SurrogateGroupings : public ::testing::Test {
  protected:
    void SetUp() override { construct_method_data(); }
    ScriptedUi ui;
};

SurrogatePoint point(int group, double x, const std::string& name = "") {
    SurrogatePoint p = SurrogatePoint_init();
    p.in_use = 1;
    p.group = group;
    p.x = x;
    p.name = name;
    return p;
}

// n records in BP group g (and RV group g), bp from `bp0` upwards.
void add_group(int g, int n, double bp0 = 100.0, int first_pass = 0) {
    for (int i = 0; i < n; ++i)
        add_record("G" + std::to_string(g) + "_" + std::to_string(i), bp0 + i, 1.0 + i,
                   {{g}, {g}, first_pass});
}

}  // namespace

TEST_F(SurrogateGroupings, SortGroupPointsOrdersXWithinEachGroupOnly) {
    PointList list{};
    list[0] = point(1, 5, "a");
    list[1] = point(1, 2, "b");
    list[2] = point(2, 1, "c");
    list[3] = point(2, 0.5, "d");
    list[0].rv = 42.0;  // working values stay with their slot
    sort_group_points(list);
    EXPECT_EQ((std::vector<double>{list[0].x, list[1].x, list[2].x, list[3].x}),
              (std::vector<double>{2, 5, 0.5, 1}));
    EXPECT_EQ(list[0].name, "b");
    EXPECT_EQ(list[0].rv, 42.0);
    EXPECT_EQ(list[1].rv, 0.0);
    EXPECT_FALSE(list[4].in_use);
}

TEST_F(SurrogateGroupings, SortGroupPointsKeepsEqualXInOrder) {
    PointList list{};
    list[0] = point(1, 3, "first3");
    list[1] = point(1, 3, "second3");
    list[2] = point(1, 1, "one");
    sort_group_points(list);
    EXPECT_EQ(list[0].name, "one");
    EXPECT_EQ(list[1].name, "first3");
    EXPECT_EQ(list[2].name, "second3");
}

TEST_F(SurrogateGroupings, SortPointsByGroupThenWithinGroup) {
    PointList list{};
    list[0] = point(3, 1);
    list[1] = point(1, 9);
    list[2] = point(2, 4);
    list[3] = point(1, 2);
    sort_points_by_group(list);
    sort_group_points(list);
    std::vector<std::pair<int, double>> got;
    for (int i = 0; i < 4; ++i) got.emplace_back(list[i].group, list[i].x);
    EXPECT_EQ(got, (std::vector<std::pair<int, double>>{{1, 2}, {1, 9}, {2, 4}, {3, 1}}));
}

TEST_F(SurrogateGroupings, BuildersMakeOnePointPerMembership) {
    add_record("A", 50, std::exp(2.0), {{1, 3}, {2}, 1});
    add_record("B", 60, 1.0, {{}, {}, 0});
    PointList list;
    EXPECT_EQ(fill_bp_group_points(list), 2);
    EXPECT_EQ(list[0].group, 1);
    EXPECT_EQ(list[1].group, 3);
    EXPECT_EQ(list[1].x, 50.0);
    EXPECT_EQ(list[1].record, 0);
    EXPECT_FALSE(list[2].in_use);
    EXPECT_EQ(fill_rv_group_points(list), 1);
    EXPECT_DOUBLE_EQ(list[0].x, 2.0);
    EXPECT_EQ(fill_first_pass_points(list), 1);
    EXPECT_EQ(list[0].group, 0);
}

TEST_F(SurrogateGroupings, GroupSizeAnswers) {
    struct Case {
        const char* what;
        std::vector<int> sizes;  // members per group 1, 2, ...; 0 = group number unused
        int answer;
    } cases[] = {
        {"3, 3 and 2 members", {3, 3, 2}, 3},
        {"5, 5, none, 1 (group 3 missing)", {5, 5, 0, 1}, 3},
        {"members only in groups 1 and 3", {3, 0, 3}, 2},
        {"no member at all", {}, 0},
        {"3, 4, 3 members", {3, 4, 3}, 0},
        {"group 1 of 2", {2, 3}, 1},
    };
    for (const auto& c : cases) {
        construct_method_data();
        for (size_t g = 0; g < c.sizes.size(); ++g) add_group(static_cast<int>(g + 1), c.sizes[g]);
        EXPECT_EQ(check_bp_groups(), c.answer) << c.what;
        EXPECT_EQ(check_rv_groups(), c.answer) << c.what;
    }
}

TEST_F(SurrogateGroupings, WhichRulesRunDependsOnTheVariableMode) {
    // Two first-pass standards and good BP groups, no RV groups at all (passes: 0).
    add_record("FP1", 10, 1, {{1}, {}, 1});
    add_record("FP2", 11, 2, {{1}, {}, 1});
    add_record("X", 12, 3, {{1}, {}, 0});
    add_record("Y", 13, 4, {{2}, {}, 0});

    struct Case {
        u8 one, bp, rv;
        bool first_pass;
        int bp_group;
    } cases[] = {
        {0, 0, 0, true, 2},   // two variables: every rule
        {1, 1, 0, false, 2},  // one variable, BP: the BP rule only
        {1, 0, 1, false, 0},  // one variable, RV: the RV rule only
    };
    for (const auto& c : cases) {
        method_data.variable_mode.one_variable_mode = c.one, method_data.variable_mode.bp_variable_chosen = c.bp, method_data.variable_mode.rvw_variable_chosen = c.rv;
        GroupingFailures f = test_surrogate_groupings();
        EXPECT_EQ(f.first_pass, c.first_pass) << int(c.one) << int(c.bp);
        EXPECT_EQ(f.bp_group, c.bp_group) << int(c.one) << int(c.bp);
        EXPECT_EQ(f.rv_group, 0);
    }
    // Without the BP group 2 member, one-variable BP mode passes with only 2 first-pass standards.
    method_data.surrogates[3].bpgroup = {1, 0, 0, 0, 0, 0};
    method_data.variable_mode.one_variable_mode = 1, method_data.variable_mode.bp_variable_chosen = 1, method_data.variable_mode.rvw_variable_chosen = 0;
    EXPECT_FALSE(test_surrogate_groupings().any());
}

TEST_F(SurrogateGroupings, CheckMessageListsEveryFailureAndSetsTheInvalidFlag) {
    add_record("A", 10, 1, {{1}, {1}, 1});
    add_record("B", 11, 2, {{1}, {1, 2}, 1});
    add_record("C", 12, 3, {{1, 2}, {1}, 0});
    ui.expect_message(
        "There must be at least 3 compounds for First Pass "
        "\nThere must be at least 3 compounds for Boiling Point Group 2"
        "\nThere must be at least 3 compounds for Relative Volatility Group 2"
        "\n\n\tPlease edit the surrogate file and adjust the groupings.");
    EXPECT_EQ(check_surrogate_groupings(), 1);
    EXPECT_EQ(ui.last_message().caption, "Error");
    EXPECT_EQ(method_data.surrogate_limits_invalid, 1);

    ui.expect_message(
        "There must be at least 3 first pass compounds.\n"
        "There must be at least 3 compounds for boiling point group 2.\n"
        "There must be at least 3 compounds for relative volatility group 2.\n"
        "\nPlease edit your surrogate file and adjust the groupings.");
    method_data.surrogate_limits_invalid = 7;
    EXPECT_EQ(report_grouping_errors(), 0);
    EXPECT_EQ(method_data.surrogate_limits_invalid, 7);

    method_data.surrogates[2].first_pass = 1;
    method_data.surrogates[2].bpgroup[1] = 0;
    method_data.surrogates[1].rvwgroup[1] = 0;
    EXPECT_EQ(check_surrogate_groupings(), 0);  // no message
    EXPECT_EQ(method_data.surrogate_limits_invalid, 0);
    EXPECT_EQ(report_grouping_errors(), 1);
}

TEST_F(SurrogateGroupings, RvwNotAboveZeroEndsTheCommandWith22010) {
    add_record("A", 10, 1, {{1}, {1}, 1});
    add_record("B", 11, 0.0, {{1}, {1}, 1});
    ui.expect_message("Quantilyzer: 22010 | record 2");
    EXPECT_FALSE(run_command([] { count_first_pass(); }));
    EXPECT_EQ(ui.last_message().caption, "Error");
    EXPECT_TRUE(ui.exceptions.empty());
}

TEST_F(SurrogateGroupings, GroupListsNeverWritePastTheirEnd) {
    // 150 internal standards, each in all six BP groups: 900 memberships for 150 places.
    for (int q = 0; q < kMaxSurrogates; ++q)
        add_record("S" + std::to_string(q), q, 1.0, {{1, 2, 3, 4, 5, 6}, {}});
    ui.expect_message("more than 150 group entries");
    EXPECT_FALSE(run_command([] { check_bp_groups(); }));
    ui.expect_message("more than 150 group entries");
    GroupRanges ranges{};
    add_library_rows_for_records();
    EXPECT_FALSE(run_command([&] { compute_bp_group_ranges(method_data.surrogates, method_data.library, ranges); }));
}

TEST_F(SurrogateGroupings, GroupRangesByGroupSizeAndPlace) {
    struct Case {
        const char* what;
        int group;  // 1, or 2 for "a later group" (group 1 then holds 3 fillers)
        std::vector<double> x;
        double low, min, high, max;
    } cases[] = {
        {"1 member, group 1", 1, {10}, 10, 10, 10, 10},
        {"2 members, group 1", 1, {20, 10}, 10, 10, 20, 20},
        {"3 members, group 1", 1, {10, 30, 20}, 10, 10, 30, 30},
        {"4 members, group 1", 1, {40, 10, 20, 30}, 15, 10, 35, 40},
        {"1 member, group 2", 2, {10}, 10, 10, 10, 10},
        {"2 members, group 2", 2, {10, 20}, 10, 10, 20, 20},
        {"3 members, group 2", 2, {10, 20, 30}, 10, 10, 25, 30},
        {"5 members, group 2", 2, {50, 10, 20, 40, 30}, 15, 10, 45, 50},
    };
    for (const auto& c : cases) {
        construct_method_data();
        if (c.group == 2)
            for (int i = 0; i < 3; ++i) add_record("F" + std::to_string(i), 1 + i, 1.0, {{1}, {}});
        for (size_t i = 0; i < c.x.size(); ++i)
            add_record("M" + std::to_string(i), c.x[i], 1.0, {{c.group}, {}});
        add_library_rows_for_records();
        GroupRanges ranges{};
        ranges[c.group].slope = 3.5;
        EXPECT_EQ(compute_bp_group_ranges(method_data.surrogates, method_data.library, ranges), c.group) << c.what;
        const GroupFit& f = ranges[c.group];
        EXPECT_EQ(f.valid, 1) << c.what;
        EXPECT_DOUBLE_EQ(f.range_low, c.low) << c.what;
        EXPECT_DOUBLE_EQ(f.min_x, c.min) << c.what;
        EXPECT_DOUBLE_EQ(f.range_high, c.high) << c.what;
        EXPECT_DOUBLE_EQ(f.max_x, c.max) << c.what;
        EXPECT_EQ(f.slope, 3.5) << c.what;
        EXPECT_EQ(ranges[0].valid, 0) << c.what;
    }
}

TEST_F(SurrogateGroupings, BpRangesLeaveOutFirstPassAndUnknownNames) {
    add_record("FP", 5, 1.0, {{1}, {1}, 1});
    add_record("A", 10, 1.0, {{1}, {1}});
    add_record("B", 20, 1.0, {{1}, {1}});
    add_library_rows_for_records();
    add_record("Stranger", 1, 1.0, {{1}, {1}});  // no library row of that name
    GroupRanges bp{};
    EXPECT_EQ(compute_bp_group_ranges(method_data.surrogates, method_data.library, bp), 1);
    EXPECT_EQ(bp[1].min_x, 10.0);
    EXPECT_EQ(bp[1].max_x, 20.0);
    GroupRanges rv{};
    EXPECT_EQ(compute_rv_group_ranges(method_data.surrogates, method_data.library, rv), 1);  // first pass included
    PointList list;
    EXPECT_EQ(list_rv_group_members(method_data.surrogates, method_data.library, list), 3);
}

TEST_F(SurrogateGroupings, RvRangesOfSmallRvwAndGaps) {
    // rvw below 1: ln rvw negative; max_x is the largest of the negative values.
    add_record("A", 1, 0.2, {{}, {1}});
    add_record("B", 2, 0.5, {{}, {1}});
    add_record("C", 3, 0.1, {{}, {3}});
    add_library_rows_for_records();
    GroupRanges rv{};
    EXPECT_EQ(compute_rv_group_ranges(method_data.surrogates, method_data.library, rv), 3);
    EXPECT_DOUBLE_EQ(rv[1].max_x, std::log(0.5));
    EXPECT_DOUBLE_EQ(rv[1].min_x, std::log(0.2));
    // The missing group 2 is walked as an empty run and keeps the search start values.
    EXPECT_EQ(rv[2].valid, 1);
    EXPECT_EQ(rv[2].min_x, std::numeric_limits<double>::max());
    EXPECT_EQ(rv[2].max_x, std::numeric_limits<double>::lowest());
    EXPECT_DOUBLE_EQ(rv[3].min_x, std::log(0.1));

    GroupRanges none{};
    construct_method_data();
    EXPECT_EQ(compute_rv_group_ranges(method_data.surrogates, method_data.library, none), 0);
    EXPECT_EQ(none[1].valid, 0);
}

TEST_F(SurrogateGroupings, RvRangeOfRvwNotAboveZeroEndsTheCommandWith06007) {
    add_record("A", 1, 1.0, {{}, {1}});
    add_record("B", 2, -1.0, {{}, {1}});
    add_library_rows_for_records();
    ui.expect_message("Quantilyzer: 06007 | record 2");
    GroupRanges rv{};
    EXPECT_FALSE(run_command([&] { compute_rv_group_ranges(method_data.surrogates, method_data.library, rv); }));
    EXPECT_EQ(ui.last_message().caption, "Fatal Error");
}
