#include "calibration/calibration_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "calibration/level_amount.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "scripted_ui.h"
#include "test_files.h"
#include "program/program_state.h"

namespace {

// A small library whose internal standards are not its first rows: rows 1 and 3 are
// internal standards, records 0 and 1 of surrogates.
constexpr int kCompounds = 5;

void fill_library() {
    const char* names[kCompounds] = {"Chloromethane", "Fluorobenzene-IS", "Benzene",
                                     "Toluene-d8-IS", "Naphthalene"};
    for (int c = 0; c < kCompounds; ++c) {
        LibraryCompound& lib = method_data.library[c];
        lib.name = names[c];
        lib.is_internal_standard = (c == 1 || c == 3) ? 1 : 0;
        lib.cmpndType = lib.is_internal_standard ? "Internal Standard" : "analyte";
        lib.rvw = 0.25 * (c + 1);
        lib.rvo = 1.5 + c;
        lib.bp = 40.0 + 30.0 * c;
        lib.partcoef = 2.25 + c;
        lib.casNumber = "  74-87-" + std::to_string(c) + " ";
        for (int k = 0; k < kMaxLevels; ++k)
            lib.conc[k] = lib.is_internal_standard ? 25.0 : 2.0 * (k + 1) + c;
    }
    method_data.library[4].rvw = 0.0031;  // too small for two decimals
    method_data.compound_count = kCompounds;
    copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    method_data.surrogate_count = 2;
    method_data.surrogates[0].name = "Fluorobenzene-IS";
    method_data.surrogates[0].rvwgroup = {1, 0, 0, 0, 0, 0};
    method_data.surrogates[0].bpgroup = {0, 1, 0, 0, 0, 0};
    method_data.surrogates[0].first_pass = 1;
    method_data.surrogates[0].checked_surrogate = 1;
    method_data.surrogates[1].name = "Toluene-d8-IS";
    method_data.surrogates[1].rvwgroup = {0, 0, 1, 0, 0, 1};
    method_data.surrogates[1].bpgroup = {1, 0, 0, 0, 0, 0};
    method_data.surrogates[1].first_pass = 0;
    method_data.surrogates[1].checked_surrogate = 1;
}

// n standards with distinct values in every cell the file carries; the last standard is
// a dilution factor when there are more than 3.
void fill_calibration(int n) {
    calibration_data.standard_count = n;
    for (int p = 0; p < n; ++p) {
        calibration_data.level_names[p] = (n > 3 && p == n - 1) ? "0.5" : "Amount" + std::to_string(p + 1);
        calibration_data.standard_data_files[p] = "/home/analyst/runs/std" + std::to_string(p + 1) + ".txt";
        for (int c = 0; c < kCompounds; ++c) {
            calibration_data.recovery_tables.predicted_recovery[p][c] = 0.5 + 0.01 * p + 0.001 * c;
            calibration_data.recovery_tables.predicted_recovery_dev[p][c] = 0.02 + 0.0001 * p;
            calibration_data.recovery_tables.response_factor[p][c] = 1000.0 + 10.0 * p + c + 0.123456;
            calibration_data.recovery_tables.response_factor_dev[p][c] = 12.5 + p;
            calibration_data.raw_data_sets[p].area[c] = 50000 + 1000 * p + c;
            calibration_data.level_included[c][p] = (c == 2 && p == 1) ? 0 : 1;
        }
    }
    for (int c = 0; c < kCompounds; ++c) calibration_data.raw_data_sets[n].area[c] = 77000 + c;
    folder_settings.slot[kLibraryTextFileSlot] = "/home/analyst/lib/demo.txt";
    method_data.surrogate_file_path = " /home/analyst/is/demo.ini ";
    method_data.surrogate_reference_path = "/home/analyst/runs/ref.txt";
    method_data.surrogate_range_limits = {45.0, 150.5, 0.1, 12.0};
    method_data.category_thresholds.vcs = 159.0;
    method_data.category_thresholds.n_pvcsLn = 100.0;
}

// The internal-standard path as the file writes it: upper-cased.
std::string to_upper_if(const char* kind, const std::string& path) {
    return std::string(kind) == "internal standard" ? to_upper(path) : path;
}

std::string join(const std::vector<std::string>& pieces, const std::string& separator) {
    std::string out;
    for (size_t i = 0; i < pieces.size(); ++i) out += (i ? separator : "") + pieces[i];
    return out;
}

class CalibrationFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        construct_method_data();
        construct_calibration_tables();
        method_data.library_version = program_version_text;
        fill_library();
    }
    // The file text without its date line, which carries the time of writing.
    static std::string without_date(const std::string& text) {
        size_t first = text.find('\n');
        size_t second = text.find('\n', first + 1);
        return text.substr(0, first + 1) + text.substr(second + 1);
    }
    static std::vector<std::string> lines_of(const std::string& text) { return split(text, '\n'); }

    ScriptedUi ui;
    TempFolder dir;
};

TEST_F(CalibrationFileTest, ThreeStandardsWriteTheExactLayout) {
    fill_calibration(3);
    ASSERT_TRUE(write_calibration(dir.file("cal3.cal")));
    std::vector<std::string> lines = lines_of(read_file_text(dir.file("cal3.cal")));
    ASSERT_EQ(lines.size(), 20u + 3 * kCompounds + 7);
    EXPECT_EQ(lines[0], "Date-V2-Version 4.2");
    EXPECT_EQ(lines[1], "3/14/2026 9:26:53 AM-RVW;BP");
    EXPECT_EQ(lines[3], "/home/analyst/lib/demo.txt");
    EXPECT_EQ(lines[5], "/HOME/ANALYST/IS/DEMO.INI");
    EXPECT_EQ(lines[7], "/home/analyst/runs/ref.txt");
    EXPECT_EQ(
        lines[9],
        "/home/analyst/runs/std1.txt;/home/analyst/runs/std2.txt;/home/analyst/runs/std3.txt;");
    EXPECT_EQ(lines[11], "5");
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[19], "");
    // Benzene: three groups, three labels, five digits (level 2 excluded, levels 4 and 5
    // without data), the reference area.
    EXPECT_EQ(lines[26],
              "Benzene;4.00;0.50200;0.02000;1002.12346;12.50000;50002;"
              "6.00;0.51200;0.02010;1012.12346;13.50000;51002;"
              "8.00;0.52200;0.02020;1022.12346;14.50000;52002;"
              "Amount1;Amount2;Amount3;10100;77002");
    EXPECT_EQ(lines[27], "0.75;3.50;100.00;4.00;6.00;8.00;10.00;12.00;4.25;74-87-2");
    EXPECT_EQ(lines[28], "A");
    EXPECT_EQ(lines[25], "S;100000;010000;1;1");  // record 0 beside library row 1
    EXPECT_EQ(lines[31], "S;001001;100000;0;1");  // record 1 beside library row 3
    EXPECT_EQ(lines[33], "0.0031;5.50;160.00;6.00;8.00;10.00;12.00;14.00;6.25;74-87-4");
    EXPECT_EQ(lines[34], "A");
    EXPECT_EQ(lines[35], "45.000000");
    EXPECT_EQ(lines[38], "12.000000");
    EXPECT_EQ(lines[39], "Surrogate Ranges: linearVCS, lnNPVCS");
    EXPECT_EQ(lines[41], "100.000000");  // no line end at the end of the file
    EXPECT_EQ(method_data.surrogate_file_path, "/home/analyst/is/demo.ini");
}

// Under a library of either version, as the build's Save and the review's Save As write.
TEST_F(CalibrationFileTest, RoundTripsReadBackEveryValueWritten) {
    for (const char* version : {"Version 4.2", "Version 4.0"})
    for (u8 save_as : {0, 1})
    for (int n : {3, 5, 6, 10}) {
        SCOPED_TRACE(std::string(version) + " save as " + std::to_string(save_as) + " n " +
                     std::to_string(n));
        SetUp();
        method_data.library_version = version;
        main_flags.ReviewSaveAs = save_as;
        fill_calibration(n);
        const std::string path = dir.file("cal" + std::to_string(n) + ".cal");
        ASSERT_TRUE(write_calibration(path));
        const std::string written = read_file_text(path);
        const LibraryTable saved = method_data.library_saved;
        const RecoveryTables tables = calibration_data.recovery_tables;
        const auto names = method_data.library;

        construct_method_data();
        construct_calibration_tables();
        method_data.library_version = version;  // the session's library, not the file, says the version
        int standards = -1;
        ASSERT_TRUE(load_calibration(path, standards));
        EXPECT_EQ(standards, n);
        EXPECT_EQ(calibration_data.standard_count, n);
        EXPECT_EQ(method_data.compound_count, kCompounds);
        EXPECT_EQ(method_data.surrogate_count, 2);
        EXPECT_EQ(calibration_data.calibration_file_name, path);
        EXPECT_EQ(calibration_data.standard_data_files[n - 1],
                  "/home/analyst/runs/std" + std::to_string(n) + ".txt");
        EXPECT_EQ(calibration_data.standard_results_ini[0], calibration_data.standard_data_files[0]);
        for (int c = 0; c < kCompounds; ++c) {
            EXPECT_EQ(method_data.library[c].name, names[c].name);
            EXPECT_EQ(method_data.library[c].is_internal_standard, names[c].is_internal_standard);
            EXPECT_EQ(method_data.library[c].cmpndType, names[c].cmpndType);
            EXPECT_EQ(method_data.library[c].casNumber, trim(names[c].casNumber));
            EXPECT_DOUBLE_EQ(method_data.library[c].rvw, names[c].rvw);
            EXPECT_DOUBLE_EQ(method_data.library[c].bp, names[c].bp);
            EXPECT_DOUBLE_EQ(method_data.library[c].conc[0], saved[c].conc[0]);
            EXPECT_EQ(calibration_data.raw_data_sets[n].area[c], 77000 + c);
            for (int p = 0; p < n; ++p) {
                EXPECT_NEAR(calibration_data.recovery_tables.response_factor[p][c], tables.response_factor[p][c],
                            5e-6);
                EXPECT_NEAR(calibration_data.recovery_tables.predicted_recovery[p][c],
                            tables.predicted_recovery[p][c], 5e-6);
                EXPECT_EQ(calibration_data.raw_data_sets[p].area[c], 50000 + 1000 * p + c);
                EXPECT_EQ(calibration_data.level_included[c][p], (c == 2 && p == 1) ? 0 : 1);
                EXPECT_EQ(calibration_data.level_included_saved[c][p], calibration_data.level_included[c][p]);
                EXPECT_EQ(method_data.library[c].conc[p], saved[c].conc[p]);
            }
            for (int p = n; p < kMaxLevels; ++p) EXPECT_EQ(calibration_data.level_included[c][p], 0);
        }
        EXPECT_EQ(calibration_data.level_names[n - 1], n > 3 ? "0.5" : "Amount3");
        // The dilution-factor standard of an analyte carries half of Amount 1.
        if (n > 3) {
            EXPECT_DOUBLE_EQ(calibration_data.raw_data_sets[n - 1].cal_amount[2], 0.5 * saved[2].conc[0]);
        }
        EXPECT_EQ(method_data.surrogates[1].name, "Toluene-d8-IS");
        EXPECT_EQ(method_data.surrogates[1].LibCmpndNum, 3);
        EXPECT_EQ(method_data.surrogates[1].rvwgroup, (std::array<int, kGroups>{0, 0, 1, 0, 0, 1}));
        EXPECT_DOUBLE_EQ(method_data.surrogates[1].rvw, 1.0);
        EXPECT_EQ(method_data.surrogate_range_limits.MaxBP, 150.5);

        // Written again from what was read (as Load Calibration File leaves the tables),
        // the file is the same apart from its date.
        copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
        folder_settings.slot[kLibraryTextFileSlot] = method_data.library_ini_path;
        method_data.library_version = version;
        ASSERT_TRUE(write_calibration(path));
        EXPECT_EQ(without_date(read_file_text(path)), without_date(written));
    }
}

// The tables a file fills are the file's alone: after a six-standard calibration a
// three-standard file leaves no data file, label, result or area of standards 4 to 6.
TEST_F(CalibrationFileTest, LoadingClearsWhatTheFileDoesNotFill) {
    fill_calibration(6);
    ASSERT_TRUE(write_calibration(dir.file("six.cal")));
    SetUp();
    fill_calibration(3);
    ASSERT_TRUE(write_calibration(dir.file("three.cal")));
    int standards = 0;
    ASSERT_TRUE(load_calibration(dir.file("six.cal"), standards));
    ASSERT_TRUE(load_calibration(dir.file("three.cal"), standards));
    for (int p = 3; p < kMaxLevels; ++p) {
        EXPECT_EQ(calibration_data.standard_results_ini[p], "") << p;
        EXPECT_EQ(calibration_data.standard_data_files[p], "") << p;
        EXPECT_EQ(calibration_data.level_names[p], "") << p;
        EXPECT_EQ(calibration_data.recovery_tables.response_factor[p][0], kNotSet) << p;
        EXPECT_EQ(calibration_data.raw_data_sets[p].cal_amount[0], kNotSet) << p;
        if (p > 3) {  // 3: the reference
            EXPECT_EQ(calibration_data.raw_data_sets[p].area[0], kNotFound) << p;
        }
    }
    EXPECT_EQ(calibration_data.raw_data_sets[3].area[0], 77000);
}

// A file that stops part-way (Print or Edit reading it again) leaves the calibration
// that was loaded whole: no response factor, name or count of the broken file.
TEST_F(CalibrationFileTest, AFailedReadKeepsTheCalibrationThatWasLoaded) {
    fill_calibration(6);
    ASSERT_TRUE(write_calibration(dir.file("good.cal")));
    SetUp();
    fill_calibration(3);
    for (int c = 0; c < kCompounds; ++c) calibration_data.recovery_tables.response_factor[0][c] = 999.0;
    ASSERT_TRUE(write_calibration(dir.file("broken.cal")));
    std::string text = read_file_text(dir.file("broken.cal"));
    text = text.substr(0, text.find("Benzene;"));  // two compounds of five
    dir.write("broken.cal", text);

    int standards = 0;
    ASSERT_TRUE(load_calibration(dir.file("good.cal"), standards));
    const RecoveryTables loaded = calibration_data.recovery_tables;
    const LibraryTable library_loaded = method_data.library;
    const auto flags = calibration_data.level_included;
    const MethodData whole = method_data;
    const auto whole_calibration = std::make_unique<CalibrationData>(calibration_data);
    ui.expect_message("Quantilyzer: 03001");
    EXPECT_FALSE(load_calibration(dir.file("broken.cal"), standards));
    EXPECT_TRUE(method_data == whole) << "a member of the method data was left changed";
    EXPECT_TRUE(calibration_data == *whole_calibration) << "a member of the calibration was left changed";
    EXPECT_EQ(calibration_data.standard_count, 6);
    EXPECT_EQ(method_data.compound_count, kCompounds);
    EXPECT_EQ(calibration_data.calibration_file_name, dir.file("good.cal"));
    EXPECT_EQ(calibration_data.level_included, flags);
    for (int p = 0; p < 6; ++p)
        for (int c = 0; c < kCompounds; ++c) {
            EXPECT_EQ(calibration_data.recovery_tables.response_factor[p][c], loaded.response_factor[p][c]);
            EXPECT_EQ(method_data.library[c].conc[p], library_loaded[c].conc[p]);
        }
    EXPECT_EQ(calibration_data.standard_data_files[5], "/home/analyst/runs/std6.txt");
}

// Results and limits find a compound's row by its name: a name in two rows is refused,
// naming both, and the calibration in memory stays.
TEST_F(CalibrationFileTest, ANameInTwoRowsIsRefusedNamingBothRows) {
    fill_calibration(3);
    ASSERT_TRUE(write_calibration(dir.file("good.cal")));
    std::string text = read_file_text(dir.file("good.cal"));
    text.replace(text.find("\nNaphthalene;"), 13, "\nBenzene;");
    const std::string twice = dir.write("twice.cal", text);
    int standards = 0;
    ASSERT_TRUE(load_calibration(dir.file("good.cal"), standards));
    ui.expect_message("The calibration file " + twice +
                      " was not read: the compound \"Benzene\" is named twice, in row 3 (line 27) and in "
                      "row 5 (line 33).\nThe calibration was not loaded.");
    EXPECT_FALSE(load_calibration(twice, standards));
    EXPECT_EQ(ui.last_message().caption, "Error");
    EXPECT_EQ(lines_of(text)[26].rfind("Benzene;", 0), 0u);
    EXPECT_EQ(lines_of(text)[32].rfind("Benzene;", 0), 0u);
    EXPECT_EQ(calibration_data.calibration_file_name, dir.file("good.cal"));
    EXPECT_EQ(method_data.library[4].name, "Naphthalene");
}

// The library lines and the trailer keep what the analyst typed: a reloaded calibration
// must model with the same rvw, amounts and limits as the run that saved it.
TEST_F(CalibrationFileTest, LibraryValuesAndLimitsReadBackEqual) {
    fill_calibration(3);
    method_data.library[0].rvw = method_data.library_saved[0].rvw = 0.0123;
    method_data.library[2].bp = method_data.library_saved[2].bp = 80.125;
    method_data.library_saved[2].conc[1] = 0.125;
    method_data.library[2].partcoef = 1.23456789012345e-7;
    method_data.surrogate_range_limits = {45.125, 150.5, 4e-7, 13.247641299491766};
    method_data.category_thresholds.vcs = 159.0625;
    method_data.category_thresholds.n_pvcsLn = 0.1 + 0.2;
    const LibraryTable typed = method_data.library;
    const LibraryTable saved = method_data.library_saved;
    const SurrogateRangeLimits limits = method_data.surrogate_range_limits;
    const CategoryThresholds thresholds = method_data.category_thresholds;
    const std::string path = dir.file("exact.cal");
    ASSERT_TRUE(write_calibration(path));

    construct_method_data();
    construct_calibration_tables();
    method_data.library_version = program_version_text;
    int standards = 0;
    ASSERT_TRUE(load_calibration(path, standards));
    EXPECT_EQ(method_data.library[0].rvw, typed[0].rvw);
    EXPECT_EQ(method_data.library[2].bp, typed[2].bp);
    EXPECT_EQ(method_data.library[2].partcoef, typed[2].partcoef);
    EXPECT_EQ(method_data.library[2].conc[1], saved[2].conc[1]);
    EXPECT_EQ(calibration_data.raw_data_sets[1].cal_amount[2], saved[2].conc[1]);  // the amount quantitation uses
    EXPECT_EQ(method_data.surrogate_range_limits.MinBP, limits.MinBP);
    EXPECT_EQ(method_data.surrogate_range_limits.MinRVW, limits.MinRVW);
    EXPECT_EQ(method_data.surrogate_range_limits.MaxRVW, limits.MaxRVW);
    EXPECT_EQ(method_data.category_thresholds.vcs, thresholds.vcs);
    EXPECT_EQ(method_data.category_thresholds.n_pvcsLn, thresholds.n_pvcsLn);
}

TEST_F(CalibrationFileTest, TenStandardsMakeLinesLongerThanAnyOldBuffer) {
    fill_calibration(10);
    method_data.library[0].name = "1,2-Dibromo-3-chloropropane";
    for (int p = 0; p < 10; ++p) {  // instrument-sized areas and response factors
        calibration_data.raw_data_sets[p].area[0] = 12345678;
        calibration_data.recovery_tables.response_factor[p][0] = 123456.789012;
        calibration_data.recovery_tables.response_factor_dev[p][0] = 2345.678901;
    }
    ASSERT_TRUE(write_calibration(dir.file("ten.cal")));
    std::vector<std::string> lines = lines_of(read_file_text(dir.file("ten.cal")));
    EXPECT_GT(lines[20].size(), 649u);
    construct_method_data();
    int standards = 0;
    ASSERT_TRUE(load_calibration(dir.file("ten.cal"), standards));
    EXPECT_EQ(calibration_data.level_names[9], "0.5");
    EXPECT_EQ(calibration_data.raw_data_sets[10].area[0], 77000);  // the reference area at the end of the line
    EXPECT_EQ(calibration_data.raw_data_sets[9].area[0], 12345678);
    EXPECT_EQ(method_data.library[1].name, "Fluorobenzene-IS");  // the next line is read whole as its own
}

TEST_F(CalibrationFileTest, OneVariableFilesCarryTheirTransformAndLabel) {
    fill_calibration(5);
    method_data.variable_mode.one_variable_mode = 1;
    method_data.variable_mode.rvw_variable_chosen = 1;
    method_data.variable_mode.transform_text = "Ln";
    method_data.variable_mode.single_variable_label = "RVW";
    method_data.library_version = "Version 4.1";
    ASSERT_TRUE(write_calibration(dir.file("one.cal")));
    std::vector<std::string> lines = lines_of(read_file_text(dir.file("one.cal")));
    EXPECT_EQ(lines[0], "Date-Ln-Version 4.1");
    EXPECT_EQ(lines[1], "3/14/2026 9:26:53 AM-RVW");

    construct_method_data();
    method_data.library_version = "Version 4.2";
    int standards = 0;
    ASSERT_TRUE(load_calibration(dir.file("one.cal"), standards));
    EXPECT_EQ(method_data.variable_mode.one_variable_mode, 1);
    EXPECT_EQ(method_data.variable_mode.rvw_variable_chosen, 1);
    EXPECT_EQ(method_data.variable_mode.bp_variable_chosen, 0);
    EXPECT_EQ(method_data.variable_mode.transform_text, "Ln");
    EXPECT_EQ(method_data.variable_mode.single_variable_label, "RVW");
    EXPECT_EQ(method_data.library_version, "Version 4.2");  // not taken from the file
}

TEST_F(CalibrationFileTest, PreambleFormsSetTheVariableMode) {
    struct Case {
        const char* line1;
        const char* line2;  // nullptr: line 1 serves as line 2
        u8 one_variable, bp, rvw;
        const char* transform;
        const char* label1;
        const char* label2;
        const char* version;
    } cases[] = {
        {"Date-V2-Version 4.2", "1/2/2026 3:04:05 PM-RVW;BP", 0, 0, 0, "V2", "RVW", "BP", "keep"},
        {"Date-Linear-Version 4.2", "1/2/2026 3:04:05 PM-Boiling Point", 1, 1, 0, "Linear",
         "Boiling Point", "BP", "keep"},
        {"Date-Ln", nullptr, 1, 0, 1, "Ln", "Ln", "BP", "N/A"},
        // A hand-edited word in another case chooses its variable all the same.
        {"Date-linear-Version 4.2", "1/2/2026 3:04:05 PM-Boiling Point", 1, 1, 0, "Linear",
         "Boiling Point", "BP", "keep"},
        {"Date-LN", nullptr, 1, 0, 1, "Ln", "LN", "BP", "N/A"},
        {"Date", nullptr, 0, 0, 0, "Date", "", "", "N/A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line1);
        construct_method_data();
        method_data.library_version = "keep";
        std::string text =
            std::string(c.line1) + "\n" + (c.line2 ? std::string(c.line2) + "\n" : "") +
            "Library File\nlib.txt\nSurrogate File\nIS.INI\nSurrogate Reference File\n/r/ref.txt\n"
            "Data File(s)\n/r/a.txt;\nCompound Count\n0\n\nx\nx\nx\nx\nx\nx\n\n";
        int standards = 0;
        ASSERT_TRUE(load_calibration(dir.write("pre.cal", text), standards));
        EXPECT_EQ(method_data.variable_mode.one_variable_mode, c.one_variable);
        EXPECT_EQ(method_data.variable_mode.bp_variable_chosen, c.bp);
        EXPECT_EQ(method_data.variable_mode.rvw_variable_chosen, c.rvw);
        EXPECT_EQ(method_data.variable_mode.transform_text, c.transform);
        EXPECT_EQ(method_data.variable_mode.variable1_label, c.label1);
        EXPECT_EQ(method_data.variable_mode.variable2_label, c.label2);
        EXPECT_EQ(method_data.library_version, c.version);
        EXPECT_EQ(method_data.library_ini_path, "lib.txt");
        EXPECT_EQ(standards, 1);
    }
}

TEST_F(CalibrationFileTest, DataFileListsAndCountsThatTheTablesCannotHoldAreRefused) {
    fill_calibration(3);
    ASSERT_TRUE(write_calibration(dir.file("good.cal")));
    const std::vector<std::string> good = lines_of(read_file_text(dir.file("good.cal")));
    auto with_line = [&](size_t index, const std::string& text) {
        std::vector<std::string> lines = good;
        lines[index] = text;
        std::string out;
        for (size_t i = 0; i < lines.size(); ++i)
            out += lines[i] + (i + 1 < lines.size() ? "\n" : "");
        return dir.write("edited.cal", out);
    };
    struct Case {
        size_t line;
        std::string text;
        const char* error;  // nullptr: accepted
    } cases[] = {
        {9, "C:\\runs\\std1.txt;C:\\runs\\std2.txt;C:\\runs\\std3.txt;", nullptr},
        {9, "\\runs\\std1.txt;\\runs\\std2.txt;\\runs\\std3.txt;", "Quantilyzer: 03006"},
        {9, "", "Quantilyzer: 03006"},
        {9, "/a;/b;/c;/d;/e;/f;/g;/h;/i;/j;/k;", "Quantilyzer: 03006"},
        {0, "Calibration-V2-Version 4.2", "Quantilyzer: 03006"},
        {11, "151", "Quantilyzer: 03001"},
        {11, "6", "Quantilyzer: 03001"},
        {20, "", "Quantilyzer: 03001"},
        // A number out of range is no number: as infinity a bp went into the models.
        {27, "0.75;3.50;1e999;4.00;6.00;8.00;10.00;12.00;4.25;74-87-2", "line 28: field 3 (bp) '1e999' is out of range"},
        {11, "1e999", "line 12: the Compound Count '1e999' is not a whole number"},
        // A count that is not a whole number: read as 0 (or 5), a file whose path lines were
        // broken loaded as a calibration of no compounds.
        {11, "Compound Count", "line 12: the Compound Count 'Compound Count' is not a whole number"},
        {11, "5.0", "line 12: the Compound Count '5.0' is not a whole number"},
        {11, "5 compounds", "line 12: the Compound Count '5 compounds' is not a whole number"},
        {11, "", "line 12: the Compound Count is empty"},
        {11, " 5 ", nullptr},
        {0, "\xEF\xBB\xBF" "Date-V2-Version 4.2", nullptr},  // a byte-order mark is no part of it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        construct_method_data();
        if (c.error) ui.expect_message(c.error);
        int standards = -1;
        EXPECT_EQ(load_calibration(with_line(c.line, c.text), standards), c.error == nullptr);
        EXPECT_EQ(standards, c.error ? 0 : 3);
        EXPECT_LE(method_data.compound_count, kMaxCompounds);
    }
    for (const std::string& unreadable : {dir.file("missing.cal"), dir.path()}) {
        ui.expect_message("Quantilyzer: 03005");
        int standards = 0;
        EXPECT_FALSE(load_calibration(unreadable, standards));
    }
}

// An empty trailer line gives the value's default; a line of letters is no value (read as
// 0 it made a MaxBP of 0) and refuses the file naming its line.
TEST_F(CalibrationFileTest, TrailerDefaultsForEmptyLinesAndLettersAreRefused) {
    fill_calibration(3);
    ASSERT_TRUE(write_calibration(dir.file("t.cal")));
    const std::string written = read_file_text(dir.file("t.cal"));
    const std::string body = written.substr(0, written.find("45.000000"));
    construct_method_data();
    int standards = 0;
    ASSERT_TRUE(load_calibration(dir.write("t2.cal", body + "\n150\n0.5\n\nSurrogate Ranges: linearVCS, lnNPVCS\n\n"),
                                 standards));
    EXPECT_EQ(method_data.surrogate_range_limits.MinBP, kNotSet);
    EXPECT_EQ(method_data.surrogate_range_limits.MaxBP, 150.0);
    EXPECT_EQ(method_data.surrogate_range_limits.MinRVW, 0.5);
    EXPECT_EQ(method_data.surrogate_range_limits.MaxRVW, kNotSet);
    EXPECT_EQ(method_data.category_thresholds.vcs, 159.0);
    EXPECT_EQ(method_data.category_thresholds.n_pvcsLn, 100.0);

    const std::string letters = dir.write("t3.cal", body + "\nabc\n0.5\n\nSurrogate Ranges: linearVCS, lnNPVCS\n\n");
    ui.expect_message("The calibration file " + letters + " was not read: line 37: MaxBP 'abc' is not a number.\n"
                      "The calibration was not loaded.");
    EXPECT_FALSE(load_calibration(letters, standards));
    EXPECT_EQ(method_data.surrogate_range_limits.MaxBP, 150.0);  // the calibration loaded before stays
}

// Each field of a compound's lines is read whole and must be able to mean what it is used
// for: by its leading digits an amount "1,5" was 1, an area "50,000" was 50, a flag "x"
// took a level. The refusal names the file, the line and the field; the calibration in
// memory stays as it was.
TEST_F(CalibrationFileTest, AFieldThatIsNotItsValueRefusesTheFileNamingLineAndField) {
    fill_calibration(3);
    ASSERT_TRUE(write_calibration(dir.file("good.cal")));
    const std::vector<std::string> good = lines_of(read_file_text(dir.file("good.cal")));
    // Field `field` (from 0) of line `index` (from 0) replaced by `text`.
    auto with_field = [&](size_t index, size_t field, const std::string& text) {
        std::vector<std::string> lines = good;
        std::vector<std::string> fields = split(lines[index], ';');
        fields.at(field) = text;
        lines[index] = join(fields, ";");
        return dir.write("edited.cal", join(lines, "\n"));
    };
    struct Case {
        size_t line, field;
        const char* text;
        const char* message;
    } cases[] = {
        {20, 1, "1,5", "line 21: field 2 (conc of standard 1) '1,5' is not a number"},
        {20, 8, "O.55E2", "line 21: field 9 (rec of standard 2) 'O.55E2' is not a number"},
        {20, 16, "12.5%", "line 21: field 17 (resp of standard 3) '12.5%' is not a number"},
        {20, 6, "50,000", "line 21: field 7 (area of standard 1) '50,000' is not a number"},
        {20, 12, "3000000000", "line 21: field 13 (area of standard 2) '3000000000' lies outside the range of peak areas"},
        {20, 22, "1x111", "line 21: field 23 (average flags) '1x111' holds a character that is not a digit"},
        {20, 23, "n/a", "line 21: field 24 (reference area count) 'n/a' is not a number"},
        {21, 0, "0.25x", "line 22: field 1 (rvw) '0.25x' is not a number"},
        {21, 4, "5 ug", "line 22: field 5 (conc2) '5 ug' is not a number"},
        {21, 8, "2,25", "line 22: field 9 (Partition Coefficient) '2,25' is not a number"},
        {25, 1, "1000o0", "line 26: field 2 (rvgr1-6) '1000o0' holds a character that is not 0 or 1"},
        {25, 2, "020000", "line 26: field 3 (bpg1-6) '020000' holds a character that is not 0 or 1"},
        {25, 3, "2", "line 26: field 4 (First Pass) '2' is not 0 or 1"},
        {25, 3, "yes", "line 26: field 4 (First Pass) 'yes' is not a whole number"},
        {25, 4, "1.0", "line 26: field 5 (Surrogate) '1.0' is not a whole number"},
    };
    int standards = 0;
    ASSERT_TRUE(load_calibration(dir.file("good.cal"), standards));
    const RecoveryTables loaded = calibration_data.recovery_tables;
    const auto whole = std::make_unique<CalibrationData>(calibration_data);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string path = with_field(c.line, c.field, c.text);
        ui.expect_message("The calibration file " + path + " was not read: " + c.message +
                          ".\nThe calibration was not loaded.");
        EXPECT_FALSE(load_calibration(path, standards));
        EXPECT_TRUE(calibration_data == *whole);
        EXPECT_EQ(calibration_data.calibration_file_name, dir.file("good.cal"));
        EXPECT_EQ(calibration_data.recovery_tables.response_factor, loaded.response_factor);
        EXPECT_EQ(method_data.library[0].name, "Chloromethane");
        EXPECT_EQ(method_data.library[0].conc[0], 2.0);
    }
    // Blanks around a number are no part of it.
    ASSERT_TRUE(load_calibration(with_field(20, 1, " 2.00 "), standards));
    EXPECT_EQ(calibration_data.raw_data_sets[0].cal_amount[0], 2.0);
}

TEST_F(CalibrationFileTest, AFileThatCannotBeWrittenIsReportedAndNothingElseIsWritten) {
    fill_calibration(3);
    calibration_data.level_included_saved[0][0] = 7;
    ui.expect_message("could not be written");
    EXPECT_FALSE(write_calibration(dir.file("no/such/folder/cal.cal")));
    EXPECT_EQ(ui.last_message().caption, "Calibration File");
    EXPECT_EQ(calibration_data.level_included_saved[0][0], 7);  // the saved flags stay as they were
    EXPECT_FALSE(std::filesystem::exists(dir.file("no")));
}

// A data file path holding ";" (or a line break) would come back as other files: the
// calibration is refused with the path named, and no file is written.
TEST_F(CalibrationFileTest, ADataFilePathTheListCannotHoldIsRefused) {
    for (const char* folder : {"/home/analyst/runs;2026", "/home/analyst/runs\n2026"}) {
        fill_calibration(3);
        calibration_data.standard_data_files[1] = std::string(folder) + "/std2.txt";
        calibration_data.level_included_saved[0][0] = 7;
        ui.expect_message("The data file path\n" + calibration_data.standard_data_files[1] + "\n");
        EXPECT_FALSE(write_calibration(dir.file("semicolon.cal")));
        EXPECT_EQ(ui.last_message().caption, "Calibration File");
        EXPECT_FALSE(file_exists(dir.file("semicolon.cal")));
        EXPECT_EQ(calibration_data.level_included_saved[0][0], 7);
    }
    EXPECT_FALSE(data_file_path_refusal({"/home/analyst/runs/std1.txt", "/home/analyst/a,b/std2.txt"}));
}

// The library, internal-standard and reference paths each fill a line: a line break in
// one would shift every line after it, and the file would load as a calibration of no
// compounds. The calibration is refused naming the path, and no file is written.
TEST_F(CalibrationFileTest, APathLineWithALineBreakIsRefused) {
    struct Case {
        const char* kind;
        std::string* path;
    } cases[] = {
        {"library", &folder_settings.slot[kLibraryTextFileSlot]},
        {"internal standard", &method_data.surrogate_file_path},
        {"reference", &method_data.surrogate_reference_path},
    };
    for (const Case& c : cases) {
        for (const char* line_break : {"\n", "\r"}) {
            SCOPED_TRACE(std::string(c.kind) + (line_break[0] == '\n' ? " LF" : " CR"));
            fill_calibration(3);
            *c.path = std::string("/home/analyst/day") + line_break + "2/file.txt";
            calibration_data.level_included_saved[0][0] = 7;
            ui.expect_message(std::string("The ") + c.kind + " file path\n" + to_upper_if(c.kind, *c.path) +
                              "\nholds a line break");
            EXPECT_FALSE(write_calibration(dir.file("broken.cal")));
            EXPECT_EQ(ui.last_message().caption, "Calibration File");
            EXPECT_FALSE(file_exists(dir.file("broken.cal")));
            EXPECT_EQ(calibration_data.level_included_saved[0][0], 7);
        }
    }
    fill_calibration(3);
    EXPECT_FALSE(calibration_path_refusal({"/home/analyst/runs/std1.txt"}));

    // Such a file, as it was once written, is refused when read, not loaded as no compounds.
    ASSERT_TRUE(write_calibration(dir.file("good.cal")));
    std::string text = read_file_text(dir.file("good.cal"));
    text.replace(text.find("/home/analyst/runs/ref.txt"), 19, "/home/analyst/runs\n");
    const std::string shifted = dir.write("shifted.cal", text);
    int standards = 0;
    ui.expect_message("The calibration file " + shifted +
                      " was not read: line 12: the Compound Count 'Compound Count' is not a whole number.");
    EXPECT_FALSE(load_calibration(shifted, standards));
}

// Five standards, the last at Amount6: the file carries the sixth amount, and a run with
// no library (or another one) takes every amount from the file; what the file does not
// give is 0. An older file of five amount columns still gives the sixth from the
// standard's own group.
TEST_F(CalibrationFileTest, ALoadedCalibrationTakesEveryLevelAmountFromTheFile) {
    fill_calibration(5);
    calibration_data.level_names[4] = "Amount6";
    const std::string path = dir.file("amount6.cal");
    ASSERT_TRUE(write_calibration(path));
    const std::string written = read_file_text(path);
    const std::vector<std::string> lines = lines_of(written);
    ASSERT_EQ(split(lines[21], ';').size(), 3u + 6 + 2);  // Chloromethane's library line: six amounts

    // The same calibration as a file of five columns: no sixth amount, five digits.
    std::vector<std::string> older = lines;
    for (int c = 0; c < kCompounds; ++c) {
        std::vector<std::string> values = split(older[20 + 3 * c], ';');
        values[values.size() - 2].pop_back();
        older[20 + 3 * c] = join(values, ";");
        std::vector<std::string> amounts = split(older[21 + 3 * c], ';');
        amounts.erase(amounts.begin() + 3 + 5);
        older[21 + 3 * c] = join(amounts, ";");
    }
    dir.write("older.cal", join(older, "\n"));

    const double benzene_amount6 = 2.0 * 6 + 2;  // conc6 of row 2
    for (const std::string& file : {path, dir.file("older.cal")}) {
        SCOPED_TRACE(file);
        construct_method_data();
        construct_calibration_tables();
        for (int c = 0; c < kCompounds; ++c) method_data.library[c].conc.fill(999.0);  // an earlier library
        int standards = 0;
        ASSERT_TRUE(load_calibration(file, standards));
        copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);  // as Load Calibration File does
        ASSERT_EQ(standards, 5);
        EXPECT_EQ(level_amount(2, 4), benzene_amount6);
        EXPECT_EQ(level_amount(2, 3), 2.0 * 4 + 2);
        EXPECT_EQ(level_amount(1, 4), 25.0);  // an internal standard: its Amount 1
        EXPECT_EQ(calibration_data.raw_data_sets[4].cal_amount[2], benzene_amount6);
        for (int k = 6; k < kMaxLevels; ++k) EXPECT_EQ(method_data.library_saved[2].conc[k], 0.0) << k;
    }
    // Saved again (the review's Save As), the file is the one first written.
    folder_settings.slot[kLibraryTextFileSlot] = method_data.library_ini_path;  // as Load Calibration File sets it
    ASSERT_TRUE(write_calibration(dir.file("again.cal")));
    EXPECT_EQ(without_date(read_file_text(dir.file("again.cal"))), without_date(written));
}

}  // namespace
