#include "processing/group_limits.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/number_text.h"
#include "platform/text_util.h"
#include "processing/group_limit_entries.h"
#include "processing/model_fits.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace {

class GroupLimitsTest : public ::testing::Test {
protected:
    void SetUp() override {
        calc_limits_data = CalcLimitsData{};
        set_default_group_limits();
    }
    ScriptedUi ui_;
    TempFolder folder_;
};

std::array<double, kGroupLimitValues> distinct_values() {
    std::array<double, kGroupLimitValues> v{};
    for (int i = 0; i < kGroupLimitValues; ++i) v[i] = -1.0 + i * 0.0625;  // exact in binary and in four decimals
    return v;
}

// Sixty different values that are good limits (each band the right way round, inside the
// entry ranges), exact in binary and in four decimals.
std::array<double, kGroupLimitValues> distinct_limits() {
    std::array<double, kGroupLimitValues> v{};
    for (int g = 0; g < 2 * kGroups; ++g) {
        const double step = g * 0.0625;
        const std::array<double, 5> group = {-0.9375 + step, -50.0 - step, 1.0 + step, 0.25 + step, 100.0 + step};
        for (int e = 0; e < 5; ++e) v[g * 5 + e] = group[e];
    }
    return v;
}

TEST_F(GroupLimitsTest, FileHoldsHeaderThenSixtyValuesInGroupOrder) {
    calc_limits_data.group_limits[group_limit_slot(GroupLine::RV, 6)].intercept_upper = 123.45678;
    std::vector<std::string> lines = split(group_limits_file_text(), '\n');
    ASSERT_EQ(lines.size(), 62u);  // header, 60 values, empty piece after the last line end
    EXPECT_EQ(lines[0], "Calculations Limits File V01");
    // BP group 1: slope lower, intercept lower, diff, slope upper, intercept upper.
    EXPECT_EQ(lines[1], "-1.0000");
    EXPECT_EQ(lines[2], "-100.0000");
    EXPECT_EQ(lines[3], "0.2500");
    EXPECT_EQ(lines[4], "1.0000");
    EXPECT_EQ(lines[5], "500.0000");
    EXPECT_EQ(lines[60], "123.45678");  // RV group 6, intercept upper: slot 13, as stored (it reads back equal)
    EXPECT_EQ(lines[61], "");
}

TEST_F(GroupLimitsTest, SavedFileLoadsBackToTheSameValues) {
    for (auto values : {group_limit_values(), distinct_limits()}) {
        set_group_limit_values(values);
        const std::string path = folder_.file("limits.txt");
        ASSERT_TRUE(save_group_limits(path));
        set_default_group_limits();
        calc_limits_data.group_limits[1].slope_lower = 0.77;
        EXPECT_EQ(load_group_limits(path), LimitsLoad::Loaded);
        EXPECT_EQ(group_limit_values(), values);
    }
}

TEST_F(GroupLimitsTest, ValuesGoToBpSlotsOneToSixAndRvSlotsEightToThirteen) {
    set_group_limit_values(distinct_values());
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].slope_lower, -1.0);
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].intercept_upper, -1.0 + 4 * 0.0625);
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[8].slope_lower, -1.0 + 30 * 0.0625);
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[13].intercept_upper, -1.0 + 59 * 0.0625);
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[0].slope_lower, -1.0);  // unused slots untouched
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[7].slope_lower, -1.0);
}

TEST_F(GroupLimitsTest, LoadAllowsBlanksAndCrLineEndsAroundTheLines) {
    std::string text = "  Calculations Limits File V01  \r\n";
    for (double v : distinct_limits()) text += "  " + c_format("%6.4f", v) + " \r\n";
    EXPECT_EQ(load_group_limits(folder_.write("blanks.txt", text)), LimitsLoad::Loaded);
    EXPECT_EQ(group_limit_values(), distinct_limits());
}

// The 60 value lines of a limits file of built-in limits, group `g` (0..11 in file order)
// holding `group` instead.
std::string limits_lines(int g, std::array<double, 5> group) {
    std::string text;
    for (int i = 0; i < 2 * kGroups; ++i) {
        const std::array<double, 5> v = i == g ? group : std::array<double, 5>{-1, -100, 0.25, 1, 500};
        for (double x : v) text += c_format("%6.4f", x) + "\n";
    }
    return text;
}

// Every refused load says so, naming the file, and the limits in force stay.
TEST_F(GroupLimitsTest, LoadRefusesBadFilesWithAMessageAndKeepsTheLimits) {
    set_group_limit_values(distinct_values());
    const auto before = group_limit_values();
    const std::string header = "Calculations Limits File V01\n";
    struct Case {
        const char* name;
        std::string content;
        LimitsLoad result;
        const char* message;
    } cases[] = {
        {"other.txt", "calculations limits file v01\n0.5\n", LimitsLoad::OtherFile, "is not a limits file"},
        {"empty.txt", "", LimitsLoad::OtherFile, "is not a limits file"},
        {"library.txt", "COMPOUND LIBRARY;Linear;BP\nA\tanalyte\t1\n", LimitsLoad::OtherFile,
         "is not a limits file"},
        {"huge.txt", header + "0.5\n1e999\n", LimitsLoad::BadValue, "line 3: '1e999' is out of range"},
        // A line read as 0 would give limits 0..0 and a difference of 0: every line flagged.
        {"cut.txt", header + "0.5\n-100\n0.25\n", LimitsLoad::BadValue,
         "line 5: the file ends here, before its 60 limits"},
        {"cut_early.txt", header, LimitsLoad::BadValue, "line 2: the file ends here"},
        {"typo.txt", header + "0.5\nabc\n", LimitsLoad::BadValue, "line 3: 'abc' is not a number"},
        {"tail.txt", header + "0.5\n2.5xyz\n", LimitsLoad::BadValue, "line 3: '2.5xyz' is not a number"},
        {"comma.txt", header + "0.5\n-0,5\n", LimitsLoad::BadValue, "line 3: '-0,5' is not a number"},
        {"blank.txt", header + "0.5\n\n", LimitsLoad::BadValue, "line 3: is empty"},
        // Well-formed files of values that Apply refuses: the same rule refuses them here.
        {"inverted_slope.txt", header + limits_lines(2, {0.9, -100, 0.25, -0.9, 500}), LimitsLoad::BadValue,
         "line 12: BP group 3, Slope Lower Limit 0.9 is above Slope Upper Limit -0.9"},
        {"inverted_intercept.txt", header + limits_lines(7, {-1, 400, 0.25, 1, -50}), LimitsLoad::BadValue,
         "line 38: RV group 2, Intercept Lower Limit 400 is above Intercept Upper Limit -50"},
        {"zero_band.txt", header + limits_lines(0, {0, -100, 0.25, 0, 500}), LimitsLoad::BadValue,
         "line 2: BP group 1, Slope Lower Limit and Slope Upper Limit are both 0"},
        {"steep.txt", header + limits_lines(11, {5, -100, 0.25, 9, 500}), LimitsLoad::BadValue,
         "line 57: RV group 6, Slope Lower Limit 5 is outside -1 .. 1"},
        {"no_difference.txt", header + limits_lines(5, {-1, -100, 0, 1, 500}), LimitsLoad::BadValue,
         "line 29: BP group 6, Diff at upper is 0"},
    };
    for (const Case& c : cases) {
        const std::string path = folder_.write(c.name, c.content);
        ui_.expect_message(c.message);
        EXPECT_EQ(load_group_limits(path), c.result) << c.name;
        EXPECT_NE(ui_.last_message().text.find(path), std::string::npos) << c.name;
        EXPECT_EQ(ui_.last_message().caption, "FileError");
        EXPECT_EQ(group_limit_values(), before) << c.name;
    }
    for (const std::string& unreadable : {folder_.file("missing.txt"), folder_.path()}) {
        ui_.answer(Answer::Ok);
        EXPECT_EQ(load_group_limits(unreadable), LimitsLoad::NotOpened);
        EXPECT_EQ(ui_.last_message().text,
                  "Can't perform one of the following file operations: Open, Seek, Read, Close\n" + unreadable);
        EXPECT_EQ(ui_.last_message().buttons, Buttons::OkCancel);
    }
    EXPECT_EQ(group_limit_values(), before);
}

TEST_F(GroupLimitsTest, AByteOrderMarkIsNoPartOfTheHeader) {
    set_group_limit_values(distinct_limits());
    const std::string text = "\xEF\xBB\xBF" + group_limits_file_text();
    set_default_group_limits();
    EXPECT_EQ(load_group_limits(folder_.write("bom.txt", text)), LimitsLoad::Loaded);
    EXPECT_EQ(group_limit_values(), distinct_limits());
}

TEST_F(GroupLimitsTest, StartUpLoadsDefaultLimitsFromTheProgramFolderElseBuiltIn) {
    calc_limits_data.group_limits_on = 1;
    set_group_limit_values(distinct_limits());
    init_group_limits(folder_.path());  // no file: built-in limits
    EXPECT_EQ(calc_limits_data.group_limits_on, 0);
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[13].diff_upper, 0.25);

    set_group_limit_values(distinct_limits());
    ASSERT_TRUE(save_group_limits(folder_.file("default_limits.txt")));
    set_default_group_limits();
    init_group_limits(folder_.path());
    EXPECT_EQ(group_limit_values(), distinct_limits());

    // A start-up file Apply would refuse (a slope band the wrong way round) is refused too.
    const std::string inverted = "Calculations Limits File V01\n" + limits_lines(0, {0.5, -100, 0.25, -0.5, 500});
    for (const std::string& text : {inverted, std::string("not a limits file\n0.5\n"),
                                    std::string("Calculations Limits File V01\n0.5\n-100\n")}) {
        folder_.write("default_limits.txt", text);
        ui_.expect_message(folder_.file("default_limits.txt"));
        init_group_limits(folder_.path());
        EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].slope_lower, -1.0) << text;
        EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[13].diff_upper, 0.25) << text;
    }
    EXPECT_NE(ui_.last_message().text.find("line 4: the file ends here"), std::string::npos);
}

TEST_F(GroupLimitsTest, SaveToAnUnwritablePlaceSaysSoAndWritesNothing) {
    ui_.expect_message("could not be written");
    EXPECT_FALSE(save_group_limits(folder_.file("no_such_folder/limits.txt")));
}

// ---- entries ----

struct EntryCase {
    const char* what;
    GroupEntryTexts typed;
    bool ok;
    GroupEntryTexts shown;
    const char* refused;  // "x" under each refused entry
};

GroupEntryMarks marks(const char* pattern) {
    GroupEntryMarks m{};
    for (size_t i = 0; i < m.size(); ++i) m[i] = pattern[i] == 'x';
    return m;
}

// A refused entry keeps what was typed (rewriting it would let a second check pass what
// the first refused); a good entry that reads as 0 shows the 0 it is stored as.
TEST(GroupLimitEntriesTest, EachGroupIsCheckedAndRefusedEntriesKeepTheirText) {
    const EntryCase cases[] = {
        {"defaults", {"-1.0000", "-100.0000", "0.2500", "1.0000", "500.0000"}, true,
         {"-1.0000", "-100.0000", "0.2500", "1.0000", "500.0000"}, "....."},
        {"slope lower 2 is refused, and lies above its upper", {"2", "-100", "0.25", "1", "500"}, false,
         {"2", "-100", "0.25", "1", "500"}, "x..x."},
        {"equal slopes are both refused", {"0.5", "-100", "0.25", "0.5", "500"}, false,
         {"0.5", "-100", "0.25", "0.5", "500"}, "x..x."},
        {"equal intercepts are both refused", {"-1", "7", "0.25", "1", "7"}, false, {"-1", "7", "0.25", "1", "7"},
         ".x..x"},
        {"difference 0 is refused", {"-1", "-100", "0", "1", "500"}, false, {"-1", "-100", "0", "1", "500"}, "..x.."},
        {"difference above 100 is refused", {"-1", "-100", "100.5", "1", "500"}, false,
         {"-1", "-100", "100.5", "1", "500"}, "..x.."},
        {"intercept 0 is accepted and rewritten", {"-1", "0.0000", "0.25", "1", "500"}, true,
         {"-1", "0", "0.25", "1", "500"}, "....."},
        // An entry is read whole: no number read from part of it, none from nothing.
        {"a text without a number is refused", {"-1", "abc", "0.25", "1", "500"}, false,
         {"-1", "abc", "0.25", "1", "500"}, ".x..."},
        {"an empty entry is refused", {"-1", "-100", "", "1", "500"}, false, {"-1", "-100", "", "1", "500"}, "..x.."},
        {"a decimal comma is refused", {"-0,5", "-100", "0.25", "1", "500,5"}, false,
         {"-0,5", "-100", "0.25", "1", "500,5"}, "x...x"},
        {"blanks around a number are allowed", {" -0.5 ", "-100", "0.25", "1", "500"}, true,
         {" -0.5 ", "-100", "0.25", "1", "500"}, "....."},
        {"slope lower Error typed", {"Error", "-100", "0.25", "1", "500"}, false, {"Error", "-100", "0.25", "1", "500"},
         "x...."},
        {"upper intercept out of range", {"-1", "-100", "0.25", "1", "500.01"}, false,
         {"-1", "-100", "0.25", "1", "500.01"}, "....x"},
        // A band the wrong way round would flag every line of every sample.
        {"lower above upper is refused", {"0.9", "400", "0.25", "-0.9", "-50"}, false,
         {"0.9", "400", "0.25", "-0.9", "-50"}, "xx.xx"},
        {"an inverted slope band alone", {"0.2", "-100", "0.25", "0.1", "500"}, false,
         {"0.2", "-100", "0.25", "0.1", "500"}, "x..x."},
        {"out-of-range slopes", {"-3", "-100", "0.25", "3", "500"}, false, {"-3", "-100", "0.25", "3", "500"},
         "x..x."},
    };
    for (const EntryCase& c : cases) {
        GroupEntryTexts e = c.typed;
        GroupEntryMarks refused{};
        EXPECT_EQ(check_group_entries(e, EntryRanges{}, refused), c.ok) << c.what;
        EXPECT_EQ(e, c.shown) << c.what;
        EXPECT_EQ(refused, marks(c.refused)) << c.what;
        // Checked again, as a second Apply or Save checks it: the same answer.
        EXPECT_EQ(check_group_entries(e, EntryRanges{}, refused), c.ok) << c.what << ", checked again";
        EXPECT_EQ(refused, marks(c.refused)) << c.what << ", checked again";
    }
}

TEST(GroupLimitEntriesTest, ApplyStoresOnlyWhenEveryGroupIsGood) {
    calc_limits_data = CalcLimitsData{};
    set_default_group_limits();
    AllGroupEntryTexts entries = group_limit_texts();
    AllGroupEntryMarks refused{};
    EXPECT_EQ(entries[6][0], "-1.0000");
    entries[11][4] = "250";   // RV group 6, intercept upper
    entries[0][2] = "0";      // BP group 1 difference: refused
    entries[3][0] = "-2";     // a second bad group is still checked
    EXPECT_FALSE(apply_group_limits(entries, refused));
    EXPECT_EQ(calc_limits_data.limits_valid, 0);
    EXPECT_TRUE(refused[0][2]);
    EXPECT_TRUE(refused[3][0]);
    EXPECT_FALSE(refused[11][4]);
    EXPECT_EQ(entries[3][0], "-2");
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[13].intercept_upper, 500.0);

    entries = group_limit_texts();
    entries[11][4] = "250abc";  // no number: refused, nothing stored
    entries[0][2] = "0.1";
    EXPECT_FALSE(apply_group_limits(entries, refused));
    EXPECT_TRUE(refused[11][4]);
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].diff_upper, 0.25);
    entries[11][4] = "250";
    EXPECT_TRUE(apply_group_limits(entries, refused));
    EXPECT_EQ(calc_limits_data.limits_valid, 1);
    EXPECT_EQ(refused, AllGroupEntryMarks{});
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[13].intercept_upper, 250.0);
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].diff_upper, 0.1);
}

// However often Save is pressed, a refused entry is neither stored nor saved; an
// intercept limit of 0 in its place would flag every line of the group.
TEST_F(GroupLimitsTest, SaveRefusesBadEntriesEveryTimeAndStoresNothing) {
    AllGroupEntryTexts entries = group_limit_texts();
    AllGroupEntryMarks refused{};
    entries[0][0] = "2";  // BP group 1, slope lower: out of range
    entries[2][4] = "600";  // BP group 3, intercept upper: out of range
    for (int press = 1; press <= 2; ++press) {
        ui_.expect_message("Please correct entry error(s)and try again.(002)");
        EXPECT_FALSE(apply_group_limits_for_save(entries, refused)) << press;
        EXPECT_EQ(ui_.last_message().caption, "Message");
        EXPECT_EQ(entries[0][0], "2");
        EXPECT_EQ(calc_limits_data.limits_valid, 0);
        EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].slope_lower, -1.0);
        EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[3].intercept_upper, 500.0);
    }

    entries[0][0] = "-0.5";
    entries[2][4] = "400";
    EXPECT_TRUE(apply_group_limits_for_save(entries, refused));
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].slope_lower, -0.5);
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[3].intercept_upper, 400.0);
}

// ---- the check of a sample's lines ----

GroupFit line(double slope, double intercept, double min_x, double max_x) {
    GroupFit f;
    f.slope = slope;
    f.intercept = intercept;
    f.min_x = min_x;
    f.max_x = max_x;
    return f;
}

// Six pieces of one line y = 0.001 x + 1, inside the default limits: continuous everywhere.
std::array<GroupFit, kFitSlots> continuous_lines() {
    std::array<GroupFit, kFitSlots> lines{};
    for (int g = 1; g <= kGroups; ++g) lines[g] = line(0.001, 1.0, 100.0 * (g - 1), 100.0 * g);
    return lines;
}

struct Flags {
    int slope, intercept, continuity;
    bool operator==(const Flags&) const = default;
};
Flags bp_flags(const ModelFit& f) { return {f.bp_slope_flag, f.bp_intercept_flag, f.bp_continuity_flag}; }
Flags rv_flags(const ModelFit& f) { return {f.rv_slope_flag, f.rv_intercept_flag, f.rv_continuity_flag}; }

class GroupLimitCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        calc_limits_data = CalcLimitsData{};
        set_default_group_limits();
    }
    std::vector<int> continuity_flags() const {
        std::vector<int> flags;
        for (int g = 1; g <= kGroups; ++g) flags.push_back(fits[g].bp_continuity_flag);
        return flags;
    }
    ModelFitSlots fits{};
};

TEST_F(GroupLimitCheckTest, SlopeAndInterceptOutsideTheirRangesAreFlagged) {
    auto lines = continuous_lines();
    lines[2] = line(1.5, 1.0, 100, 200);   // slope above 1
    lines[3] = line(0.0, -150, 200, 300);  // intercept below -100
    fits[4].bp_slope_flag = 1;             // an old flag is cleared
    fits[1].rv_slope_flag = 1;             // the RV fields are not touched by the BP check
    check_group_limits(fits, lines, GroupLine::BP);
    EXPECT_EQ(bp_flags(fits[2]).slope, 1);
    EXPECT_EQ(bp_flags(fits[2]).intercept, 0);
    EXPECT_EQ(bp_flags(fits[3]).intercept, 1);
    EXPECT_EQ(bp_flags(fits[3]).slope, 0);
    EXPECT_EQ(bp_flags(fits[4]).slope, 0);
    EXPECT_EQ(rv_flags(fits[1]).slope, 1);
}

TEST_F(GroupLimitCheckTest, RvLinesUseSlotsEightToThirteen) {
    auto lines = continuous_lines();
    lines[1] = line(0.0, 50.0, 0, 1);
    calc_limits_data.group_limits[group_limit_slot(GroupLine::RV, 1)].intercept_upper = 40.0;
    check_group_limits(fits, lines, GroupLine::RV);
    EXPECT_EQ(rv_flags(fits[1]).intercept, 1);
    check_group_limits(fits, lines, GroupLine::BP);
    EXPECT_EQ(bp_flags(fits[1]).intercept, 0);
}

TEST_F(GroupLimitCheckTest, ContinuityFailureFlagsTheGroupAndTheNext) {
    auto lines = continuous_lines();
    lines[5] = line(0.001, 2.0, 400, 500);
    // Line 4 at x=400: |1.4 - 2.4| / 1.4 fails; line 5 at x=500: |2.5 - 1.5| / 2.5 fails.
    check_group_limits(fits, lines, GroupLine::BP);
    EXPECT_EQ(continuity_flags(), (std::vector<int>{0, 0, 0, 1, 1, 1}));

    // Group 6 has no test of its own: it is flagged by group 5's test only.
    lines = continuous_lines();
    lines[6] = line(0.001, 3.0, 500, 600);
    check_group_limits(fits, lines, GroupLine::BP);
    EXPECT_EQ(continuity_flags(), (std::vector<int>{0, 0, 0, 0, 1, 1}));

    // Inside the difference limit: |1.5 - 1.8| / 1.5 = 0.2.
    lines[6] = line(0.001, 1.3, 500, 600);
    check_group_limits(fits, lines, GroupLine::BP);
    EXPECT_EQ(continuity_flags(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
}

TEST_F(GroupLimitCheckTest, ANextLineWithoutSlopeOrInterceptIsNotComparedButItsOwnTestComparesBack) {
    auto lines = continuous_lines();
    lines[2] = line(0.0, 0.0, 100, 200);
    // Line 1 skips line 2; line 2's own values are 0 (p1 = 0) so it skips too; line 3
    // compared back with line 2 at x=200: |1.2 - 0| / 1.2 fails.
    check_group_limits(fits, lines, GroupLine::BP);
    EXPECT_EQ(continuity_flags(), (std::vector<int>{0, 0, 1, 1, 0, 0}));

    // A zero intercept alone also keeps line 1 from comparing; line 2 at x=100 is 2.0
    // against line 1's 1.1: |0.9| / 2.0 fails in line 2's own test.
    lines = continuous_lines();
    lines[2] = line(0.02, 0.0, 100, 200);
    check_group_limits(fits, lines, GroupLine::BP);
    EXPECT_EQ(fits[1].bp_continuity_flag, 0);
    EXPECT_EQ(fits[2].bp_continuity_flag, 1);
}

TEST_F(GroupLimitCheckTest, NegativeValuesFailOnlyAgainstANegativeLimit) {
    auto lines = continuous_lines();
    for (int g = 1; g <= kGroups; ++g) lines[g].intercept = -2.0;
    lines[2].intercept = -5.0;  // far from its neighbours, but every p1 is negative
    check_group_limits(fits, lines, GroupLine::BP);
    EXPECT_EQ(continuity_flags(), (std::vector<int>{0, 0, 0, 0, 0, 0}));

    // Line 1 at x=100: |-1.9 - -4.9| / -1.9 = -1.58 lies above -2.
    calc_limits_data.group_limits[1].diff_upper = -2.0;
    check_group_limits(fits, lines, GroupLine::BP);
    EXPECT_EQ(continuity_flags(), (std::vector<int>{1, 1, 0, 0, 0, 0}));
}

TEST_F(GroupLimitCheckTest, RecordingLinesFlagsOnlyWhenTheLimitsAreOn) {
    auto lines = continuous_lines();
    lines[3] = line(2.0, 600.0, 200, 300);
    lines[3].std_error = 0.012345;
    record_group_lines(fits, lines, GroupLine::BP);
    EXPECT_EQ(bp_flags(fits[3]), (Flags{0, 0, 0}));
    EXPECT_EQ(fits[3].bp_text, "2.000000;600.0000;1.23");
    EXPECT_FLOAT_EQ(fits[3].bp_max_x, 300.0f);
    EXPECT_FLOAT_EQ(fits[3].bp_min_x, 200.0f);
    EXPECT_FLOAT_EQ(fits[3].bp_error, 0.012345f);

    calc_limits_data.group_limits_on = 1;
    record_group_lines(fits, lines, GroupLine::BP);
    EXPECT_EQ(bp_flags(fits[3]).slope, 1);
    EXPECT_EQ(bp_flags(fits[3]).intercept, 1);
    EXPECT_EQ(fits[3].rv_text, "");

    calc_limits_data.group_limits_on = 0;
    record_group_lines(fits, lines, GroupLine::BP);  // a later run with the limits off clears them
    EXPECT_EQ(bp_flags(fits[3]), (Flags{0, 0, 0}));
}

// The identity lines of a one-variable mode span the whole double range; their bounds
// are held as the widest floats (a double beyond a float's range does not convert).
TEST_F(GroupLimitCheckTest, IdentityLinesKeepTheWidestFloatBounds) {
    std::array<GroupFit, kFitSlots> lines{};
    for (GroupFit& l : lines) l = line(0.0, 1.0, std::numeric_limits<double>::min(), std::numeric_limits<double>::max());
    lines[2].min_x = -std::numeric_limits<double>::max();
    record_group_lines(fits, lines, GroupLine::BP);
    EXPECT_EQ(fits[1].bp_max_x, std::numeric_limits<float>::max());
    EXPECT_EQ(fits[1].bp_min_x, 0.0f);
    EXPECT_EQ(fits[2].bp_min_x, -std::numeric_limits<float>::max());
    EXPECT_EQ(fits[1].bp_fitted, 0);  // an identity line is no fitted line
}

TEST_F(GroupLimitCheckTest, FirstPassLinesFillTheSlotsOfTheirSegments) {
    std::array<GroupFit, kFitSlots> lines{};
    lines[0] = line(-0.1234567, 1.23456, 0, 1);
    lines[0].std_error = 0.05;
    lines[1] = line(0.5, -0.5, 1, 2);
    lines[2] = line(9, 9, 2, 3);
    record_first_pass_lines(fits, lines);
    EXPECT_EQ(fits[0].fp_text, "-0.123457;1.2346;5.00");
    EXPECT_DOUBLE_EQ(fits[0].fp_slope, -0.1234567);
    EXPECT_FLOAT_EQ(fits[0].fp_error, 0.05f);
    EXPECT_EQ(fits[1].fp_text, "0.500000;-0.5000;0.00");
    EXPECT_EQ(fits[2].fp_text, "9.000000;9.0000;0.00");
    EXPECT_DOUBLE_EQ(fits[2].fp_slope, 9.0);
}

}  // namespace
