#include "processing/surrogate_results.h"

#include <gtest/gtest.h>

#include "calibration/curve_statistics.h"
#include "methoddata/calibration_data.h"
#include "program/program_state.h"
#include "samples/process_files_data.h"
#include "methoddata/tables.h"

namespace {

// Internal standards in library order but not at the top of the library: each record
// must find its library row by name. Classes with vcs 100 and n_pvcsLn 3:
//   IS-V  bp 80,  rvw 2  volatile
//   IS-off              not in use
//   IS-N  bp 90,  rvw 5  non-purgeable volatile
//   IS-3  bp 90,  rvw 3  exactly at the bound: no class
//   IS-S  bp 150, rvw 1  semi-volatile
class SurrogateResultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        calibration_data.curve_statistics = CurveStatistics{};
        method_data.category_thresholds.vcs = 100.0;
        method_data.category_thresholds.n_pvcsLn = 3.0;
        method_data.compound_count = 6;
        method_data.library[0].name = "Benzene";
        add(1, 0, "IS-V", 80.0, 2.0, 1);
        add(2, 1, "IS-off", 80.0, 2.0, 0);
        add(3, 2, "IS-N", 90.0, 5.0, 1);
        add(4, 3, "IS-3", 90.0, 3.0, 1);
        add(5, 4, "IS-S", 150.0, 1.0, 1);
        method_data.surrogate_count = 5;
        process_files_data.sample_count = 2;
        process_files_data.category_present = {0, 0, 0};

        // IS-V in sample 0: area 4000, mean rf 100, amount 50: measured 80 %; predicted 0.8.
        calibration_data.curve_statistics.mean_rf[1] = 100.0;
        process_files_data.sample_raw_data[0].area[1] = 4000;
        RecoveryTables& t = calibration_data.recovery_tables;
        t.predicted_recovery[0][1] = 0.8;
        t.predicted_recovery_dev[0][1] = 0.04;
        t.bp_recovery[0][1] = 0.9;
        t.rv_recovery[0][1] = 0.5;
        t.bp_fit_error[0][1] = 0.02;
        t.rv_fit_error[0][1] = 0.03;
        // IS-N: no mean response factor.
        process_files_data.sample_raw_data[0].area[3] = 5000;
        t.predicted_recovery[0][3] = 0.7;
        calibration_data.curve_statistics.mean_rf[5] = 10.0;
        process_files_data.sample_raw_data[0].area[5] = 300;  // 300/10/50 = 60 %
        t.predicted_recovery[0][5] = 0.6;
    }
    void add(int row, int record, const std::string& name, double bp, double rvw, int in_use) {
        method_data.library[row].name = name;
        method_data.library[row].is_internal_standard = 1;
        method_data.library[row].bp = bp;
        method_data.library[row].rvw = rvw;
        method_data.library[row].conc[0] = 50.0;
        SurrogateRecord& s = method_data.surrogates[record];
        s.name = name;
        s.bp = bp;
        s.rvw = rvw;
        s.checked_surrogate = in_use;
        s.LibCmpndNum = row;
    }
    const SurrogateResult& row(int j, int k) {
        return process_files_data.samples[j].surrogate_results.at(k);
    }
};

TEST_F(SurrogateResultsTest, OneRowPerClassifiedStandardInUseTheOthersCloseUp) {
    process_files_data.samples[0].surrogate_results.assign(4, SurrogateResult{});
    process_files_data.samples[0].surrogate_results[3].name = "old";  // a row of an earlier build
    build_surrogate_results();
    EXPECT_EQ(row(0, 0).name, "IS-V");
    EXPECT_EQ(row(0, 0).category, kVolatile);
    EXPECT_EQ(row(0, 1).name, "IS-N");
    EXPECT_EQ(row(0, 1).category, kNonPurgeableVolatile);
    EXPECT_EQ(row(0, 2).name, "IS-S");
    EXPECT_EQ(row(0, 2).category, kSemiVolatile);
    EXPECT_EQ(row(0, 2).library_number, 5);
    EXPECT_EQ(process_files_data.samples[0].surrogate_results.size(), 3u);  // no row past the last
    EXPECT_EQ(row(1, 2).name, "IS-S");  // every listed sample
    EXPECT_EQ(process_files_data.category_present, (std::array<u8, 3>{1, 1, 1}));
}

TEST_F(SurrogateResultsTest, EveryInternalStandardInUseGetsItsRow) {
    method_data.compound_count = 61;
    for (int k = 5; k < 60; ++k) add(k + 1, k, "IS-" + std::to_string(k), 150.0 + k, 1.0, 1);
    method_data.surrogate_count = 60;
    build_surrogate_results();
    EXPECT_EQ(row(0, 57).name, "IS-59");  // 60 records, IS-off and IS-3 without a row
    EXPECT_EQ(row(1, 57).name, "IS-59");
}

TEST_F(SurrogateResultsTest, RecoveriesInPercentAndCorrectedForThePrediction) {
    build_surrogate_results();
    const SurrogateResult& v = row(0, 0);
    EXPECT_DOUBLE_EQ(v.bp, 80.0);
    EXPECT_DOUBLE_EQ(v.rv, 2.0);
    EXPECT_DOUBLE_EQ(v.measured_recovery, 80.0);
    EXPECT_DOUBLE_EQ(v.predicted_recovery, 80.0);
    EXPECT_DOUBLE_EQ(v.predicted_recovery_dev, 0.04);  // a fraction, as stored
    EXPECT_DOUBLE_EQ(v.bp_recovery, 90.0);
    EXPECT_DOUBLE_EQ(v.bp_fit_error, 0.02);  // not scaled
    EXPECT_DOUBLE_EQ(v.rv_recovery, 50.0);
    EXPECT_DOUBLE_EQ(v.rv_fit_error, 3.0);
    EXPECT_FLOAT_EQ(v.corrected_recovery, 100.0f);     // 80 / 80 x 100
    EXPECT_NEAR(v.corrected_recovery_dev, 5.0, 1e-5);  // 100 x (0.04 / 80) x 100

    const SurrogateResult& s = row(0, 2);
    EXPECT_DOUBLE_EQ(s.measured_recovery, 60.0);
    EXPECT_FLOAT_EQ(s.corrected_recovery, 100.0f);
}

// A recovery that cannot be measured or corrected is not available, not a recovery of 0 %:
// the reports print it as "N/A" and leave it out of the group averages.
TEST_F(SurrogateResultsTest, NoMeanResponseFactorGivesNoRecoveriesButKeepsThePredictions) {
    build_surrogate_results();
    const SurrogateResult& n = row(0, 1);
    EXPECT_EQ(n.measured_recovery, kNotSet);
    EXPECT_EQ(n.corrected_recovery, kNotSet);
    EXPECT_EQ(n.corrected_recovery_dev, kNotSet);
    EXPECT_DOUBLE_EQ(n.predicted_recovery, 70.0);

    // Without a prediction nothing can be corrected (no division by zero).
    calibration_data.recovery_tables.predicted_recovery[0][1] = 0.0;
    build_surrogate_results();
    EXPECT_DOUBLE_EQ(row(0, 0).measured_recovery, 80.0);
    EXPECT_EQ(row(0, 0).corrected_recovery, kNotSet);
    EXPECT_EQ(row(0, 0).corrected_recovery_dev, kNotSet);
}

TEST_F(SurrogateResultsTest, CategoryPresenceListsTheClassesOfSampleZero) {
    method_data.surrogates[2].checked_surrogate = 0;  // no non-purgeable standard
    process_files_data.sample_count = 1;
    build_surrogate_results();
    EXPECT_EQ(process_files_data.category_present, (std::array<u8, 3>{1, 0, 1}));
    process_files_data.sample_count = 0;
    build_surrogate_results();
    EXPECT_EQ(process_files_data.category_present, (std::array<u8, 3>{0, 0, 0}));
}

// ---- model table texts ----

SurrogatePoint point(const std::string& name, int record, int group, double y) {
    SurrogatePoint p;
    p.name = name;
    p.in_use = 1;
    p.record = record;
    p.group = group;
    p.y = y;
    return p;
}

class ModelTableTextTest : public SurrogateResultsTest {
protected:
    void SetUp() override {
        SurrogateResultsTest::SetUp();
        auto& fp = model_work_tables.standard_first_pass_points[0];
        for (auto& p : fp) p = SurrogatePoint{};
        // Paired first-pass list of three standards: (V,N) is segment 0, (N,S) segment 1.
        fp[0] = point("IS-V", 0, 0, 0.85);
        fp[1] = point("IS-N", 2, 0, 0.7);
        fp[2] = point("IS-N", 2, 1, 0.7);
        fp[3] = point("IS-S", 4, 1, 0.6);
        for (auto& p : model_work_tables.bp_points[0]) p = SurrogatePoint{};
        for (auto& p : model_work_tables.rv_points[0]) p = SurrogatePoint{};
        process_files_data.samples[0].model_table_texts = ModelTableCells{};
    }
    const ModelTableText& cell(int r, int g) {
        return model_table_cell(process_files_data.samples[0].model_table_texts, r, g);
    }
};

// Each pair of first-pass points is one segment: it goes to its segment's cell, beside
// the segment's own line.
TEST_F(ModelTableTextTest, FirstPassPairsFillTheCellOfTheirSegment) {
    auto& fp = model_work_tables.standard_first_pass_points[0];
    fp[4] = point("IS-S", 4, 2, 0.6);
    fp[5] = point("IS-V", 0, 2, 0.85);
    build_is_report_rows(0);
    EXPECT_EQ(cell(0, 0).first_pass, "IS-V;80.0;2.00;80.00;85.0");
    EXPECT_EQ(cell(1, 0).first_pass, "IS-N;90.0;5.00;N/A;70.0");
    EXPECT_EQ(cell(0, 1).first_pass, "IS-N;90.0;5.00;N/A;70.0");
    EXPECT_EQ(cell(1, 1).first_pass, "IS-S;150.0;1.00;60.00;60.0");
    EXPECT_EQ(cell(2, 1).first_pass, "");
    EXPECT_EQ(cell(0, 2).first_pass, "IS-S;150.0;1.00;60.00;60.0");
    EXPECT_EQ(cell(1, 2).first_pass, "IS-V;80.0;2.00;80.00;85.0");
    EXPECT_EQ(cell(0, 3).first_pass, "");
}

TEST_F(ModelTableTextTest, BpAndRvPointsGoToTheirGroupCellsInTableOrder) {
    process_files_data.samples[0].model_table_texts.resize(7);
    process_files_data.samples[0].model_table_texts[6][4].bp = "stale";
    model_work_tables.bp_points[0][0] = point("IS-V", 0, 1, 0.9);
    model_work_tables.bp_points[0][1] = point("IS-S", 4, 3, 1.1);
    model_work_tables.bp_points[0][2] = point("IS-N", 2, 1, 0.75);
    model_work_tables.rv_points[0][0] = point("IS-N", 2, 2, 0.8);
    build_is_report_rows(0);
    EXPECT_EQ(cell(0, 0).bp, "IS-V;80.0;2.00;80.00;90.0");
    EXPECT_EQ(cell(1, 0).bp, "IS-N;90.0;5.00;N/A;75.0");
    EXPECT_EQ(cell(0, 2).bp, "IS-S;150.0;1.00;60.00;110.0");
    EXPECT_EQ(cell(0, 1).rv, "IS-N;90.0;5.00;N/A;80.0");
    EXPECT_EQ(cell(6, 4).bp, "");
    EXPECT_EQ(process_files_data.samples[0].default_rv_marker, 0);
}

TEST_F(ModelTableTextTest, ABpPointBeyondTheFirstPassShowsTheLargestFirstPassRvwStarred) {
    method_data.library[0].rvw = 12.0;  // a standard that took no part in the first pass
    method_data.library[0].bp = 60.0;
    method_data.library[0].name = "IS-far";
    method_data.surrogates[5].name = "IS-far";
    method_data.surrogate_count = 6;
    model_work_tables.bp_points[0][0] = point("IS-far", 5, 1, 1.0);
    model_work_tables.rv_points[0][0] = point("IS-far", 5, 1, 1.0);
    build_is_report_rows(0);
    EXPECT_EQ(cell(0, 0).bp, "IS-far;60.0;5*;N/A;100.0");
    EXPECT_EQ(cell(0, 0).rv, "IS-far;60.0;12.00;N/A;100.0");  // the RV rows show their own
    EXPECT_EQ(process_files_data.samples[0].default_rv_marker, 1);

    // The run builds every sample's rows before any report is printed: each sample keeps
    // its own marker for the footnote of its own page.
    build_is_report_rows(1);
    EXPECT_EQ(process_files_data.samples[0].default_rv_marker, 1);
    EXPECT_EQ(process_files_data.samples[1].default_rv_marker, 0);

    model_work_tables.bp_points[0][0] = point("IS-V", 0, 1, 1.0);
    build_is_report_rows(0);
    EXPECT_EQ(process_files_data.samples[0].default_rv_marker, 0);
}

// With one variable only that variable's model runs for the sample: the other point lists
// hold nothing of it (at most an earlier data set's points), and with no first pass no BP
// point lies beyond one, so each BP row shows its own rvw.
TEST_F(ModelTableTextTest, OneVariableListsOnlyThePointsOfItsOwnModel) {
    model_work_tables.bp_points[0][0] = point("IS-N", 2, 1, 0.75);
    model_work_tables.bp_points[0][1] = point("IS-V", 0, 1, 0.9);
    model_work_tables.rv_points[0][0] = point("IS-N", 2, 2, 0.8);
    method_data.variable_mode.one_variable_mode = 1;
    method_data.variable_mode.bp_variable_chosen = 1;  // "Linear": the BP model alone
    build_is_report_rows(0);
    EXPECT_EQ(cell(0, 0).bp, "IS-N;90.0;5.00;N/A;75.0");
    EXPECT_EQ(cell(1, 0).bp, "IS-V;80.0;2.00;80.00;90.0");
    EXPECT_EQ(process_files_data.samples[0].default_rv_marker, 0);
    // The same without even an earlier data set's first-pass points: no rvw shows as "0*".
    for (auto& p : model_work_tables.standard_first_pass_points[0]) p = SurrogatePoint{};
    build_is_report_rows(0);
    EXPECT_EQ(cell(0, 0).bp, "IS-N;90.0;5.00;N/A;75.0");
    EXPECT_EQ(process_files_data.samples[0].default_rv_marker, 0);
    EXPECT_EQ(cell(0, 1).rv, "");
    EXPECT_EQ(cell(0, 0).first_pass, "");

    process_files_data.samples[0].model_table_texts = ModelTableCells{};
    method_data.variable_mode.bp_variable_chosen = 0;
    method_data.variable_mode.rvw_variable_chosen = 1;  // "Ln": the RV model alone
    build_is_report_rows(0);
    EXPECT_EQ(cell(0, 0).bp, "");
    EXPECT_EQ(cell(0, 1).rv, "IS-N;90.0;5.00;N/A;80.0");
    EXPECT_EQ(cell(0, 0).first_pass, "");
}

// In a sample a point's recovery cannot be measured without a mean response factor or an
// amount; the point stays in its group unfitted and its recovery is not a number to print.
TEST_F(ModelTableTextTest, ARecoveryThatCouldNotBeMeasuredShowsAsNotAvailable) {
    model_work_tables.bp_points[0][0] = point("IS-N", 2, 1, kNotSet);
    model_work_tables.rv_points[0][0] = point("IS-N", 2, 1, kNotSet);
    build_is_report_rows(0);
    EXPECT_EQ(cell(0, 0).bp, "IS-N;90.0;5.00;N/A;N/A");
    EXPECT_EQ(cell(0, 0).rv, "IS-N;90.0;5.00;N/A;N/A");
}

TEST_F(ModelTableTextTest, EveryPointOfALargeGroupGetsItsRow) {
    for (int i = 0; i < 60; ++i) model_work_tables.bp_points[0][i] = point("IS-V", 0, 1, 0.01 * i);
    build_is_report_rows(0);
    EXPECT_EQ(cell(8, 0).bp, "IS-V;80.0;2.00;80.00;8.0");
    EXPECT_EQ(cell(59, 0).bp, "IS-V;80.0;2.00;80.00;59.0");
    EXPECT_EQ(cell(60, 0).bp, "");
    EXPECT_EQ(cell(0, 1).bp, "");
}

}  // namespace
