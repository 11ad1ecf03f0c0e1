#include "methoddata/surrogate_file.h"

#include <gtest/gtest.h>

#include "methoddata/surrogate_library_row.h"

#include <cmath>

#include "methoddata/library_sync.h"
#include "methoddata/library_text_file.h"
#include "methoddata/main_window_start.h"
#include "methoddata/surrogate_commands.h"
#include "methoddata/surrogate_groupings.h"
#include "platform/command_guard.h"
#include "scripted_ui.h"
#include "surrogate_fixtures.h"
#include "test_files.h"
#include "program/program_state.h"

namespace {

class SurrogateFile : public ::testing::Test {
  protected:
    void SetUp() override { construct_method_data(); }
    TempFolder temp;
    ScriptedUi ui;
};

struct RecordText {
    std::string name;
    int lib = 0;
    std::vector<int> bp, rv;
    int first_pass = 0;
    int checked = 0;
};
RecordText rec(const std::string& name, int lib, std::vector<int> bp = {}, std::vector<int> rv = {},
               int first_pass = 0) {
    return RecordText{name, lib, std::move(bp), std::move(rv), first_pass, 0};
}

// One [compound<k>] section as the program writes it.
std::string section_text(int k, const RecordText& r) {
    std::string s = "[compound" + std::to_string(k) + "]\nname=" + r.name +
                    "\nLibCmpndNum=" + std::to_string(r.lib) + "\n";
    auto member = [](const std::vector<int>& groups, int j) {
        return std::find(groups.begin(), groups.end(), j) != groups.end() ? 1 : 0;
    };
    for (int j = 1; j <= 6; ++j)
        s += "bpgroup" + std::to_string(j) + "=" + std::to_string(member(r.bp, j)) + "\n";
    for (int j = 1; j <= 6; ++j)
        s += "rvwgroup" + std::to_string(j) + "=" + std::to_string(member(r.rv, j)) + "\n";
    s += "first_pass=" + std::to_string(r.first_pass) +
         "\nchecked_surrogate=" + std::to_string(r.checked) + "\n";
    return s;
}

std::string file_text(const std::vector<RecordText>& records, const std::string& tail = "") {
    std::string s;
    for (size_t k = 0; k < records.size(); ++k)
        s += section_text(static_cast<int>(k + 1), records[k]) + "\n";
    return s + "[Header]\nnumber_comps=" + std::to_string(records.size()) + "\n\n" + tail;
}

// Seven internal standards between analytes, with groupings that pass every rule:
// first pass A, D, F; BP groups {A,B,C,D} {E,F,G}; RV groups {A,B,C} {D,E,F,G}.
// (No standard is named "F": that is the marker of a missing name.)
const std::vector<RecordText> kGood = {
    rec("A", 2, {1}, {1}, 1), rec("B", 3, {1}, {1}), rec("C", 5, {1}, {1}),
    rec("D", 6, {1}, {2}, 1), rec("E", 7, {2}, {2}), rec("P", 9, {2}, {2}, 1),
    rec("G", 10, {2}, {2}),
};
void good_library() {
    add_library_row("an1", false);
    add_library_row("A", true, 50, 0.5);
    add_library_row("B", true, 60, 2);
    add_library_row("an4", false);
    add_library_row("C", true, 70, 4);
    add_library_row("D", true, 80, 8);
    add_library_row("E", true, 90, 16);
    add_library_row("an8", false);
    add_library_row("P", true, 100, 32);
    add_library_row("G", true, 110, 64);
}

bool load(const std::string& path) {
    int count = 0;
    if (!check_compound_file(path, count)) return false;
    return load_internal_standard_file(path, count);
}

}  // namespace

TEST_F(SurrogateFile, CreatedFileListsTheStandardsWhereverTheyStand) {
    for (int r = 1; r <= 10; ++r)
        add_library_row("C" + std::to_string(r), r == 4 || r == 8 || r == 10);
    const std::string path = temp.file("NEW.INI");
    EXPECT_EQ(create_surrogate_file(path, method_data.library), 0);
    EXPECT_EQ(read_file_text(path),
              section_text(1, rec("C4", 4)) + "\n" + section_text(2, rec("C8", 8)) + "\n" +
                  section_text(3, rec("C10", 10)) + "\n" + "[header]\nnumber_comps=3\n");
    int count = 0;
    EXPECT_TRUE(check_compound_file(path, count));
    EXPECT_EQ(count, 3);
}

TEST_F(SurrogateFile, CheckCompoundFileAnswers) {
    construct_method_data();
    add_library_row("an", false);
    const std::string empty = temp.file("EMPTY.INI");
    create_surrogate_file(empty, method_data.library);  // no internal standards: number_comps=0
    struct Case {
        std::string path;
        bool ok;
        int count;
    } cases[] = {
        {temp.file("MISSING.INI"), false, 1},
        {empty, false, 0},
        {temp.write("NOHEADER.INI", "[compound1]\nname=A\n"), false, 0},
        {temp.write("NEGATIVE.INI", "[Header]\nnumber_comps=-4\n"), false, 0},
        {temp.write("TWO.INI", "[HEADER]\nNUMBER_COMPS=2\n"), true, 2},
    };
    for (const auto& c : cases) {
        int count = 99;
        EXPECT_EQ(check_compound_file(c.path, count), c.ok) << c.path;
        EXPECT_EQ(count, c.count) << c.path;
    }
}

TEST_F(SurrogateFile, LoadTakesPropertiesFromTheLibraryAndLimitsFromTheGroupRanges) {
    good_library();
    const std::string path = temp.write("GOOD.INI", file_text(kGood));
    ASSERT_TRUE(load(path));
    EXPECT_EQ(method_data.surrogate_file_path, path);
    EXPECT_EQ(method_data.surrogates[2].name, "C");
    EXPECT_EQ(method_data.surrogates[2].LibCmpndNum, 5);
    EXPECT_EQ(method_data.surrogates[2].bp, 70.0);
    EXPECT_EQ(method_data.surrogates[2].rvw, 4.0);
    EXPECT_EQ(method_data.surrogates[3].rvwgroup[1], 1);
    EXPECT_EQ(method_data.surrogates[3].first_pass, 1);
    EXPECT_EQ(method_data.surrogates[7].name, "DUMMY");
    // BP group 1 without its first-pass member A (bp 50): B and C span 60..70.
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinBP, 60.0);
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MaxBP, 110.0);  // E, G (F is first pass)
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinRVW, 0.5);
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MaxRVW,
                     std::sqrt(32.0 * 64.0));  // e^((ln 32 + ln 64) / 2)
    EXPECT_EQ(method_data.surrogate_limits_invalid, 0);
}

TEST_F(SurrogateFile, LimitsKeysFromTheFileWinOverTheGroupRanges) {
    good_library();
    ASSERT_TRUE(
        load(temp.write("ONE.INI", file_text(kGood, "[Limits]\nMaxBP=150\nMinBP=\nMinRVW=abc\n"))));
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MaxBP, 150.0);
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinBP, 60.0);  // empty: from the ranges
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinRVW, 0.5);  // not a number: from the ranges
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MaxRVW, std::sqrt(32.0 * 64.0));
}

TEST_F(SurrogateFile, FailingGroupingsWithoutLimitsLeaveTheLimitsNotSet) {
    good_library();
    auto records = kGood;
    records[6].bp = {};  // BP group 2 keeps only E and F
    method_data.surrogate_range_limits.MinBP = 1.0;
    ASSERT_TRUE(load(temp.write("BAD.INI", file_text(records))));
    EXPECT_EQ(method_data.surrogate_range_limits.MinBP, kNotSet);
    EXPECT_EQ(method_data.surrogate_range_limits.MaxRVW, kNotSet);
    EXPECT_EQ(method_data.surrogate_limits_invalid, 1);

    // With a [Limits] section the same groupings take its keys, the rest from the ranges.
    method_data.surrogate_limits_invalid = 0;
    ASSERT_TRUE(load(temp.write("BADLIM.INI", file_text(records, "[Limits]\nMinBP=40\n"))));
    EXPECT_EQ(method_data.surrogate_range_limits.MinBP, 40.0);
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MaxBP, 90.0);  // only E left in group 2
    EXPECT_EQ(method_data.surrogate_limits_invalid, 0);
}

TEST_F(SurrogateFile, NoBpMembersLeaveTheBpDefaultsNotSet) {
    good_library();
    auto records = kGood;
    for (auto& r : records) r.bp = {};
    method_data.variable_mode.one_variable_mode = 1, method_data.variable_mode.rvw_variable_chosen = 1;  // only the RV rule applies
    ASSERT_TRUE(load(temp.write("RV.INI", file_text(records))));
    EXPECT_EQ(method_data.surrogate_range_limits.MinBP, kNotSet);
    EXPECT_EQ(method_data.surrogate_range_limits.MaxBP, kNotSet);
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinRVW, 0.5);
}

TEST_F(SurrogateFile, CheckSurrLimitsPresentPartialAbsent) {
    good_library();
    struct Case {
        const char* tail;
        double vcs, npvcs_ln, svc;
    } cases[] = {
        {"[CheckSurrLimits]\nLinearVCS=120.5\nLnNPVCS=80\n", 120.5, 80.0, 7.0},
        {"[CheckSurrLimits]\nLinearVCS=120.5\n", 120.5, 100.0, 7.0},
        {"", 159.0, 100.0, 158.0},
    };
    for (const auto& c : cases) {
        method_data.category_thresholds.svc = 7.0;
        ASSERT_TRUE(load(temp.write("CHK.INI", file_text(kGood, c.tail)))) << c.tail;
        EXPECT_EQ(method_data.category_thresholds.vcs, c.vcs) << c.tail;
        EXPECT_EQ(method_data.category_thresholds.n_pvcsLn, c.npvcs_ln) << c.tail;
        EXPECT_EQ(method_data.category_thresholds.svc, c.svc) << c.tail;
    }
}

TEST_F(SurrogateFile, FirstBadRecordFailsTheLoadWith22006) {
    good_library();
    struct Case {
        const char* what;
        std::string bad_section;  // replaces record 2
    } cases[] = {
        {"name F", section_text(2, rec("F", 3, {1}, {1}))},
        {"LibCmpndNum 0", section_text(2, rec("B", 0, {1}, {1}))},
        {"LibCmpndNum above compound_count", section_text(2, rec("B", 11, {1}, {1}))},
        {"no LibCmpndNum", "[compound2]\nname=B\nbpgroup1=1\n"},
        {"a group key missing", "[compound2]\nname=B\nLibCmpndNum=3\nbpgroup1=1\n"},
        {"no first_pass",
         [] {
             std::string s = section_text(2, rec("B", 3, {1}, {1}));
             return s.replace(s.find("first_pass=0\n"), 13, "");
         }()},
    };
    for (const auto& c : cases) {
        construct_method_data();
        good_library();
        method_data.surrogate_range_limits.MinBP = 5.0;
        // Record 3 is bad too, and is never reported: reading stops at the first bad record.
        std::string text = section_text(1, kGood[0]) + c.bad_section + "\n" +
                           section_text(3, rec("F", 5)) +
                           "[Header]\nnumber_comps=3\n[CheckSurrLimits]\nLinearVCS=1\n";
        ui.expect_message("Quantilyzer: 22006 | record 2");
        EXPECT_FALSE(load(temp.write("BADREC.INI", text))) << c.what;
        EXPECT_EQ(ui.last_message().text, "Quantilyzer: 22006 | record 2") << c.what;
        EXPECT_EQ(ui.last_message().caption, "Error") << c.what;
        EXPECT_EQ(method_data.surrogates[0].name, kDummyName) << c.what;     // nothing of the refused file is kept
        EXPECT_EQ(method_data.surrogate_range_limits.MinBP, 5.0) << c.what;  // [Limits] not read
        EXPECT_EQ(method_data.category_thresholds.vcs, 0.0) << c.what;       // [CheckSurrLimits] not read
    }
    EXPECT_EQ(ui.messages.size(), std::size(cases));
}

// A group or flag key holds 1 (member) or 0: any other number is refused with its key,
// as the editor could not show it and the calibration file would write it as other groups.
TEST_F(SurrogateFile, AFlagOtherThanOneOrZeroIsRefusedNamingItsKey) {
    for (const char* key : {"bpgroup1", "rvwgroup6", "first_pass", "checked_surrogate"}) {
        for (const char* value : {"-1", "2", "10"}) {
            construct_method_data();
            good_library();
            std::string bad = section_text(2, kGood[1]);
            const size_t at = bad.find(std::string("\n") + key + "=") + 1;
            bad.replace(at, bad.find('\n', at) - at, std::string(key) + "=" + value);
            const std::string text = section_text(1, kGood[0]) + bad + "[Header]\nnumber_comps=2\n";
            const std::string expected =
                std::string("Quantilyzer: 22006 | record 2 | ") + key + "=" + value + " (1 or 0 allowed)";
            ui.expect_message(expected);
            EXPECT_FALSE(load(temp.write("FLAG.INI", text))) << key << value;
            EXPECT_EQ(ui.last_message().text, expected);
            EXPECT_EQ(method_data.surrogates[0].name, kDummyName);  // nothing of the refused file is kept
        }
    }
}

// A record renamed by the library sync counts in the group ranges: the default limits are
// worked out once the renames are settled, not before (MinBP would skip B's 60).
TEST_F(SurrogateFile, DefaultLimitsFollowTheRenamesTheAnalystAccepts) {
    good_library();
    method_data.library[2].name = method_data.library_saved[2].name = "B renamed";
    MainMenuState menu;
    start_main_window_in(menu, temp.path());
    method_data.library_loaded = 1;  // Load Internal Standard File is on once a library is in
    ui.open_returns(temp.write("RENAMED.INI", file_text(kGood)));
    ui.answer(Answer::Yes);  // "Library compound: B renamed ---> Surrogate compound: B"
    ui.expect_message("The surrogate file has been modified.");
    ASSERT_TRUE(load_surrogate_file_command(menu));
    EXPECT_EQ(method_data.surrogates[1].name, "B renamed");
    EXPECT_EQ(method_data.surrogate_range_limits.MinBP, 60.0);
    EXPECT_TRUE(menu.enabled(MenuItem::Calibrate1));
}

// Files edited by hand, or written by older programs, read as on Windows: quoted values,
// Latin-1 micro and plus-minus in names, the first of duplicate keys and sections.
TEST_F(SurrogateFile, HandEditedFilesReadAsTheWindowsProgramReadThem) {
    good_library();
    method_data.library[1].name = "\xC2\xB5-A";      // the library is UTF-8
    method_data.library[2].name = "B \xC2\xB1 iso";
    auto records = kGood;
    records[0].name = "\xB5-A";           // the file holds the Latin-1 bytes
    records[1].name = "B \xB1 iso";
    std::string text = file_text(records);
    text.replace(text.find("first_pass=1"), 12, "first_pass=\"1\"");
    text.replace(text.find("LibCmpndNum=3"), 13, "LibCmpndNum = '3' \nLibCmpndNum=9");
    text += "[compound1]\nname=Z\n[Header]\nnumber_comps=1\n";
    ASSERT_TRUE(load(temp.write("HAND.INI", "\xEF\xBB\xBF" + text)));
    EXPECT_EQ(method_data.surrogates[0].name, "\xC2\xB5-A");
    EXPECT_EQ(method_data.surrogates[0].first_pass, 1);
    EXPECT_EQ(method_data.surrogates[1].name, "B \xC2\xB1 iso");
    EXPECT_EQ(method_data.surrogates[1].LibCmpndNum, 3);
    EXPECT_EQ(method_data.surrogates[6].name, "G");
    int row = -1;
    ASSERT_TRUE(find_surrogate_library_row(row, 0, method_data.surrogates, method_data.library));
    EXPECT_EQ(row, 1);
}

TEST_F(SurrogateFile, AFolderGivenForTheFileCannotBeOpened) {
    int count = 0;
    EXPECT_FALSE(check_compound_file(temp.path(), count));
    EXPECT_EQ(count, 1);  // reported as 06001, not as a file without compounds
}

TEST_F(SurrogateFile, StaleLibraryNumberIsMatchedByName) {
    good_library();
    auto records = kGood;
    records[1].lib = 5;  // B's number points at C's row
    ASSERT_TRUE(load(temp.write("STALE.INI", file_text(records))));
    EXPECT_EQ(method_data.surrogates[1].name, "B");
    EXPECT_EQ(method_data.surrogates[1].LibCmpndNum, 3);
    EXPECT_EQ(method_data.surrogates[1].bp, 60.0);
    EXPECT_EQ(method_data.surrogates[1].rvw, 2.0);
}

// A refused file leaves the file loaded before in place: its records, count, path and limits.
TEST_F(SurrogateFile, ARefusedFileKeepsTheRecordsLoadedBefore) {
    good_library();
    const std::string good = temp.write("GOOD.INI", file_text(kGood));
    ASSERT_TRUE(load(good));
    const SurrogateTable loaded = method_data.surrogates;
    const int count = method_data.surrogate_count;
    const SurrogateRangeLimits limits = method_data.surrogate_range_limits;
    const MethodData whole = method_data;

    auto bad = kGood;
    bad[2].name = "F";
    const std::string files[] = {temp.write("HUGE.INI", "[Header]\nnumber_comps=151\n"),
                                 temp.write("BAD.INI", file_text(bad))};
    ui.expect_message("at most 150 can be loaded");
    ui.expect_message("Quantilyzer: 22006 | record 3");
    for (const std::string& path : files) {
        EXPECT_FALSE(load(path)) << path;
        EXPECT_EQ(method_data.surrogate_count, count);
        EXPECT_EQ(method_data.surrogate_file_path, good);
        EXPECT_EQ(method_data.surrogate_range_limits.MinBP, limits.MinBP);
        for (int k = 0; k < count; ++k) {
            EXPECT_EQ(method_data.surrogates[k].name, loaded[k].name);
            EXPECT_EQ(method_data.surrogates[k].bpgroup, loaded[k].bpgroup);
        }
        EXPECT_TRUE(method_data == whole) << "a member of the method data was left changed";
    }
}

TEST_F(SurrogateFile, RvwNotAboveZeroFailsTheLoadAfterItsMessage) {
    good_library();
    method_data.library_saved[4].rvw = 0.0;  // C
    method_data.library[4].rvw = 0.0;
    ui.expect_message("Quantilyzer: 22010 | record 3");
    EXPECT_FALSE(load(temp.write("ZERO.INI", file_text(kGood))));
}

TEST_F(SurrogateFile, WriteRoundTripsAndErasesTrailingRecordsUpToTheFirstGap) {
    good_library();
    // The file held 8 records plus a stray [compound10] after a gap.
    auto eight = kGood;
    eight.push_back(rec("H", 1));
    const std::string path =
        temp.write("OLD.INI", file_text(eight) + section_text(10, rec("Stray", 1)));
    ASSERT_TRUE(load(path));
    method_data.surrogate_count = 5;
    method_data.surrogates[0].checked_surrogate = 1;
    method_data.surrogate_range_limits = SurrogateRangeLimits{};
    method_data.surrogate_range_limits.MaxBP = 123.25;
    method_data.surrogate_range_limits.MinBP = 2e-7;
    method_data.variable_mode.one_variable_mode = 1, method_data.variable_mode.bp_variable_chosen = 1;  // A..E: BP groups of 4 and 1 fail...
    ui.expect_message("Any limits will not be saved.");
    IniFile file;
    file.load(path);
    EXPECT_EQ(write_surrogate_file(5, file, method_data.surrogates), 0);
    EXPECT_EQ(ui.last_message().caption, "Invalid SInternal Standards");

    IniFile saved;
    ASSERT_TRUE(saved.load(path));
    EXPECT_TRUE(saved.has_section("compound5"));
    EXPECT_FALSE(saved.has_section("compound6"));
    EXPECT_FALSE(saved.has_section("compound8"));
    EXPECT_TRUE(saved.has_section("compound10"));  // beyond the first absent section
    EXPECT_EQ(saved.get_int("header", "number_comps", 0), 5);
    EXPECT_FALSE(saved.has_section("Limits"));
    EXPECT_EQ(saved.get_int("compound1", "checked_surrogate", 0), 1);
    EXPECT_EQ(saved.key_names("compound1"),
              (std::vector<std::string>{"name", "LibCmpndNum", "bpgroup1", "bpgroup2", "bpgroup3",
                                        "bpgroup4", "bpgroup5", "bpgroup6", "rvwgroup1",
                                        "rvwgroup2", "rvwgroup3", "rvwgroup4", "rvwgroup5",
                                        "rvwgroup6", "first_pass", "checked_surrogate"}));

    // ...while all seven pass: [Limits] holds the limits that are set, in the general form.
    method_data.surrogate_count = 7;
    write_surrogate_file(7, saved, method_data.surrogates);
    IniFile again;
    ASSERT_TRUE(again.load(path));
    EXPECT_EQ(again.key_names("Limits"), (std::vector<std::string>{"MinBP", "MaxBP"}));
    EXPECT_EQ(again.get_string("Limits", "MaxBP", ""), "123.25");
    EXPECT_EQ(again.get_string("Limits", "MinBP", ""), "2e-07");

    // Reading the written file gives the same records.
    const SurrogateTable written = method_data.surrogates;
    ASSERT_TRUE(load_internal_standard_file(path, 7));
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(method_data.surrogates[k].name, written[k].name);
        EXPECT_EQ(method_data.surrogates[k].bpgroup, written[k].bpgroup);
        EXPECT_EQ(method_data.surrogates[k].rvwgroup, written[k].rvwgroup);
        EXPECT_EQ(method_data.surrogates[k].checked_surrogate, written[k].checked_surrogate);
    }
}

TEST_F(SurrogateFile, ThresholdsAndSingleRecordFlagsAreWrittenAlone) {
    good_library();
    const std::string path = temp.write("ONE.INI", file_text(kGood));
    ASSERT_TRUE(load(path));
    method_data.surrogates[1].name = "renamed in memory";
    SurrogateFormState boxes;
    boxes.rvw_group[5] = true;
    boxes.first_pass_yes = true;
    apply_surrogate_form_state(1, boxes, method_data.surrogates);
    IniFile file;
    file.load(path);
    save_surrogate_record_flags(1, file, method_data.surrogates);
    method_data.category_thresholds.vcs = 140.0;
    method_data.category_thresholds.n_pvcsLn = 90.5;
    write_surrogate_check_limits(file);
    save_surrogate_ini(file);

    IniFile saved;
    saved.load(path);
    EXPECT_EQ(saved.get_string("compound2", "name", ""), "B");
    EXPECT_EQ(saved.get_int("compound2", "rvwgroup6", 0), 1);
    EXPECT_EQ(saved.get_int("compound2", "rvwgroup1", 1), 0);
    EXPECT_EQ(saved.get_int("compound2", "bpgroup1", 1), 0);
    EXPECT_EQ(saved.get_int("compound2", "first_pass", 0), 1);
    EXPECT_EQ(saved.get_string("CheckSurrLimits", "LinearVCS", ""), "140");
    EXPECT_EQ(saved.get_string("CheckSurrLimits", "LnNPVCS", ""), "90.5");
}

TEST_F(SurrogateFile, AFileThatCannotBeWrittenIsReported) {
    add_library_row("IS", true);
    ui.expect_message("could not be written");
    create_surrogate_file(temp.file("no/such/folder/NEW.INI"), method_data.library);
}

TEST_F(SurrogateFile, DemoFileFitsTheDemoLibrary) {
    ASSERT_TRUE(read_library_text_file(example_file("demo_library.txt")));
    copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    int count = 0;
    ASSERT_TRUE(check_compound_file(example_file("demo_internal_standards.ini"), count));
    ASSERT_TRUE(load_internal_standard_file(example_file("demo_internal_standards.ini"), count));
    EXPECT_EQ(method_data.surrogate_count, 11);
    EXPECT_TRUE(check_library_sync(method_data.library, method_data.surrogates));
    EXPECT_EQ(check_surrogate_groupings(), 0);
    EXPECT_EQ(method_data.surrogates[10].name, "Acenaphthene-d10");
    EXPECT_EQ(method_data.surrogates[10].bp, 279.0);
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinBP, 84.0);
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MaxBP,
                     279.0);  // BP group 3 without its first-pass member: 211 and 279
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinRVW, 0.01);
    EXPECT_DOUBLE_EQ(method_data.category_thresholds.svc, 158.0);
}
