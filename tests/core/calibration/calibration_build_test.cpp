#include "calibration/calibration_build.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "calibration/calibration_file.h"
#include "calibration/calibration_log.h"
#include "calibration/calibration_review.h"
#include "calibration/calibration_standards.h"
#include "calibration/curve_statistics.h"
#include "demo_calibration.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/surrogate_library_row.h"
#include "methoddata/tables.h"
#include "platform/text_util.h"
#include "processing/quantitation.h"
#include "scripted_ui.h"
#include "program/program_state.h"

namespace {

class CalibrationBuildTest : public ::testing::Test {
  protected:
    void SetUp() override {
        construct_method_data();
        construct_calibration_tables();
        method_data.library_version = program_version_text;
        clear_calibration_log();
        ASSERT_TRUE(load_demo_method());
    }
    static int row_of(const std::string& name) { return find_library_row_by_name(name, method_data.library); }

    ScriptedUi ui;
    DemoFolder demo;
};

// The demo calibration of examples/ is what the build makes of the demo files today:
// a change in any number shows here first. With M5847_REWRITE_EXAMPLES set the test
// writes the file anew instead (after a change that is meant).
TEST_F(CalibrationBuildTest, TheDemoCalibrationFileIsBuiltAgainEqual) {
    ASSERT_TRUE(build_demo_calibration(demo_standard_files, demo_standard_labels));
    EXPECT_EQ(calibration_log.log_flag, 0);
    ASSERT_TRUE(write_calibration("demo_calibration.cal"));
    if (std::getenv("M5847_REWRITE_EXAMPLES"))
        std::filesystem::copy_file("demo_calibration.cal", example_file("demo_calibration.cal"),
                                   std::filesystem::copy_options::overwrite_existing);
    std::vector<std::string> built = split(read_file_text("demo_calibration.cal"), '\n');
    std::vector<std::string> committed =
        split(read_file_text(example_file("demo_calibration.cal")), '\n');
    ASSERT_EQ(built.size(), committed.size());
    for (size_t i = 0; i < built.size(); ++i) {
        if (i == 1) continue;  // the date and time of writing
        EXPECT_EQ(built[i], committed[i]) << "line " << i + 1;
    }
}

TEST_F(CalibrationBuildTest, LabelsGiveTheLevelAmountsOfTheLibrary) {
    const std::vector<std::string> labels = {"Amount1", "5", "Amount3", "Amount4", "Amount10"};
    const std::vector<std::string> files(demo_standard_files.begin(),
                                         demo_standard_files.begin() + 5);
    const LibraryTable before = method_data.library;
    const LibraryTable saved_before = method_data.library_saved;
    ASSERT_TRUE(build_demo_calibration(files, labels));
    const int benzene = row_of("Benzene");
    const int toluene_d8 = row_of("Toluene-d8");
    ASSERT_GE(benzene, 0);
    ASSERT_GE(toluene_d8, 0);
    // The amounts go where the range qualifier reads them, as a loaded file puts them;
    // the library keeps its own.
    EXPECT_EQ(calibration_data.raw_data_sets[1].cal_amount[benzene], 5 * method_data.library_saved[benzene].conc[0]);
    EXPECT_EQ(calibration_data.raw_data_sets[2].cal_amount[benzene], method_data.library_saved[benzene].conc[2]);
    EXPECT_EQ(calibration_data.raw_data_sets[4].cal_amount[benzene], method_data.library_saved[benzene].conc[9]);
    EXPECT_EQ(calibration_data.raw_data_sets[4].cal_amount[toluene_d8], method_data.library_saved[toluene_d8].conc[0]);
    EXPECT_EQ(calibration_data.raw_data_sets[5].cal_amount[benzene], kNotSet);
    // Both libraries keep their amounts: a dilution factor multiplies Amount 1 of the saved one.
    for (int c = 0; c < method_data.compound_count; ++c) {
        EXPECT_EQ(method_data.library[c].conc, before[c].conc) << c;
        EXPECT_EQ(method_data.library_saved[c].conc, saved_before[c].conc) << c;
    }
    // Every corrected response factor divides the area by the predicted recovery and
    // the amount of the standard's label.
    for (int p : {1, 2}) {
        const double amount = calibration_data.raw_data_sets[p].cal_amount[benzene];
        EXPECT_DOUBLE_EQ(calibration_data.recovery_tables.response_factor[p][benzene],
                         calibration_data.raw_data_sets[p].area[benzene] /
                             calibration_data.recovery_tables.predicted_recovery[p][benzene] / amount);
        EXPECT_DOUBLE_EQ(calibration_data.recovery_tables.response_factor_dev[p][benzene],
                         calibration_data.recovery_tables.predicted_recovery_dev[p][benzene] /
                             calibration_data.recovery_tables.predicted_recovery[p][benzene] *
                             calibration_data.recovery_tables.response_factor[p][benzene]);
    }
    EXPECT_GT(calibration_data.curve_statistics.mean_rf[benzene], 0.0);
}

// The demo library gives its analytes no amounts at Amount7: a standard so labelled (one
// item off) holds no point of any analyte. It leaves their curves and ranges, the review
// shows why, and its box cannot bring it back; the internal standards keep it.
TEST_F(CalibrationBuildTest, AnAnalyteWithoutAnAmountInAStandardHasNoPointThere) {
    std::vector<std::string> labels(demo_standard_labels.begin(), demo_standard_labels.begin() + 5);
    labels.push_back("Amount7");
    ASSERT_TRUE(build_demo_calibration(demo_standard_files, labels));
    const int benzene = row_of("Benzene");
    const int toluene_d8 = row_of("Toluene-d8");
    EXPECT_EQ(calibration_data.raw_data_sets[5].cal_amount[benzene], 0.0);
    EXPECT_GT(calibration_data.raw_data_sets[5].area[benzene], 0);  // STD6 holds Benzene at Amount6
    EXPECT_EQ(calibration_data.level_included[benzene][5], 0);
    EXPECT_EQ(calibration_data.level_included_saved[benzene][5], 0);
    EXPECT_EQ(calibration_data.level_included[benzene][0], 1);
    EXPECT_EQ(calibration_data.level_included[toluene_d8][5], 1);
    EXPECT_EQ(lowest_calibration_level(benzene), method_data.library_saved[benzene].conc[0]);
    EXPECT_EQ(highest_calibration_level(benzene), method_data.library_saved[benzene].conc[4]);

    const ReviewLevel shown = review_compound(benzene).levels[5];
    EXPECT_FALSE(shown.checked);
    EXPECT_FALSE(shown.enabled);
    EXPECT_EQ(shown.why_excluded, "No amount");
    EXPECT_EQ(review_compound(benzene).levels[4].why_excluded, "");
    EXPECT_FALSE(set_level_inclusion(benzene, 5, true, true));
    EXPECT_EQ(refresh_curve_statistics(benzene).levels, "(1, 5, 10, 20, 50)");
    EXPECT_TRUE(review_compound(toluene_d8).levels[5].checked);
}

// A second build of the run (after Save and the reporting-limit editor, which takes the
// working library as the saved one) gives the first build's numbers and file.
TEST_F(CalibrationBuildTest, ASecondBuildInTheRunGivesTheFirstOnesNumbers) {
    const std::vector<std::string> files = {"runs/STD5.TXT", "runs/STD1.TXT", "runs/STD3.TXT"};
    const std::vector<std::string> labels = {"Amount5", "Amount1", "Amount3"};
    ASSERT_TRUE(build_demo_calibration(files, labels));
    const RecoveryTables first = calibration_data.recovery_tables;
    ASSERT_TRUE(write_calibration("first.cal"));
    copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    ASSERT_TRUE(build_demo_calibration(files, labels));
    for (int p = 0; p < 3; ++p)
        for (int c = 0; c < method_data.compound_count; ++c)
            EXPECT_EQ(calibration_data.recovery_tables.response_factor[p][c], first.response_factor[p][c])
                << p << " " << method_data.library[c].name;
    ASSERT_TRUE(write_calibration("second.cal"));
    std::vector<std::string> a = split(read_file_text("first.cal"), '\n');
    std::vector<std::string> b = split(read_file_text("second.cal"), '\n');
    a.erase(a.begin() + 1);  // the date and time of writing
    b.erase(b.begin() + 1);
    EXPECT_EQ(a, b);
}

// Leaving a review of the build without saving returns to the build's own flags, not to
// those of a calibration file read before it.
TEST_F(CalibrationBuildTest, TheBuildsFlagsAreTheOnesAReviewExitRestores) {
    const int benzene = row_of("Benzene");
    calibration_data.level_included_saved[benzene][2] = 0;  // excluded in a file loaded earlier
    ASSERT_TRUE(build_demo_calibration(demo_standard_files, demo_standard_labels));
    const double mean = calibration_data.curve_statistics.mean_rf[benzene];
    calibration_data.level_included[benzene][4] = 0;  // a change in the review
    restore_level_inclusion();
    EXPECT_EQ(calibration_data.level_included[benzene][2], 1);
    EXPECT_EQ(calibration_data.level_included[benzene][4], 1);
    EXPECT_EQ(calibration_data.curve_statistics.mean_rf[benzene], mean);
}

TEST_F(CalibrationBuildTest, ANegativeResponseFactorIsLoggedWithItsStandard) {
    // STD3 with a negative benzene area, as an instrument's baseline subtraction can give.
    std::vector<std::string> lines = split(read_file_text("runs/STD3.TXT"), '\n');
    for (std::string& line : lines)
        if (line.rfind("Benzene\t", 0) == 0) line = "Benzene\t-1200\t78\t3.914\r";
    std::ofstream out("runs/STD3.TXT", std::ios::binary | std::ios::trunc);
    for (size_t i = 0; i < lines.size(); ++i) out << lines[i] << (i + 1 < lines.size() ? "\n" : "");
    out.close();

    ASSERT_TRUE(build_demo_calibration(demo_standard_files, demo_standard_labels));
    EXPECT_EQ(calibration_log.log_flag, 1);
    ASSERT_EQ(calibration_log.entry_count, 1);
    EXPECT_EQ(calibration_log.entries[0].data_file, "runs/STD3.ini");
    EXPECT_EQ(calibration_log.entries[0].compound, "Benzene");
    EXPECT_EQ(calibration_log.entries[0].category, "analyte");
    EXPECT_LT(calibration_data.recovery_tables.response_factor[2][row_of("Benzene")], 0.0);
}

TEST_F(CalibrationBuildTest, AMissingResultsFileFailsTheBuild) {
    ASSERT_TRUE(convert_demo_runs(demo_standard_files));
    std::filesystem::remove("runs/REF.ini");
    calibration_data.standard_count = 6;
    prepare_standard_tables(demo_standard_files, demo_standard_labels, false);
    ui.expect_message("Quantilyzer:03002");
    EXPECT_FALSE(build_calibration(calibration_data.standard_results_ini, calibration_data.standard_count, demo_reference_file));
}

}  // namespace
