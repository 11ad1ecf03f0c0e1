#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calibration/curve_statistics.h"
#include "methoddata/calibration_data.h"
#include "methoddata/tables.h"
#include "program/program_state.h"

namespace {

class CurveStatisticsTest : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        calibration_data.recovery_tables = RecoveryTables{};
        calibration_data.level_included = {};
        calibration_data.curve_statistics = CurveStatistics{};
    }

    // Response factors of compound c at levels 0.. (included unless `excluded`).
    static void levels(int c, const std::vector<double>& rf, const std::vector<int>& excluded = {}) {
        for (size_t k = 0; k < rf.size(); ++k) {
            calibration_data.recovery_tables.response_factor[k][c] = rf[k];
            calibration_data.level_included[c][k] = 1;
        }
        for (int k : excluded) calibration_data.level_included[c][k] = 0;
    }
};

TEST_F(CurveStatisticsTest, AllCompoundsOverTheCountedLevels) {
    struct Case {
        std::vector<double> rf;
        std::vector<int> excluded;
        double mean, sd, rsd;
    } cases[] = {
        {{2.0, 4.0, 6.0}, {}, 4.0, 2.0, 50.0},
        {{5.0}, {}, 5.0, 0.0, 0.0},                            // one level
        {{0.0, -3.0}, {}, 0.0, 0.0, 0.0},                      // nothing above zero
        {{2.0, 4.0, 100.0}, {2}, 3.0, std::sqrt(2.0), 100.0 * std::sqrt(2.0) / 3.0},  // excluded level
        {{2.0, kNotSet, 6.0}, {}, 4.0, std::sqrt(8.0), 100.0 * std::sqrt(8.0) / 4.0},  // level without data
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {}, 5.5, std::sqrt(55.0 / 6.0), 100.0 * std::sqrt(55.0 / 6.0) / 5.5},
    };
    method_data.compound_count = static_cast<int>(std::size(cases));
    for (int c = 0; c < method_data.compound_count; ++c) levels(c, cases[c].rf, cases[c].excluded);
    calibration_data.standard_count = 1;  // the ten slots count whatever the number of standards
    compute_all_curve_statistics();
    for (int c = 0; c < method_data.compound_count; ++c) {
        EXPECT_DOUBLE_EQ(calibration_data.curve_statistics.mean_rf[c], cases[c].mean) << "case " << c;
        EXPECT_DOUBLE_EQ(calibration_data.curve_statistics.sd_rf[c], cases[c].sd) << "case " << c;
        EXPECT_DOUBLE_EQ(calibration_data.curve_statistics.pct_rsd[c], cases[c].rsd) << "case " << c;
    }
}

TEST_F(CurveStatisticsTest, OneCompoundOverTheStandardsOnly) {
    levels(4, {2.0, 4.0, 6.0, 100.0});
    calibration_data.curve_statistics.pct_rsd[4] = 77.0;
    calibration_data.standard_count = 3;
    compute_curve_statistics(4);
    EXPECT_DOUBLE_EQ(calibration_data.curve_statistics.mean_rf[4], 4.0);
    EXPECT_DOUBLE_EQ(calibration_data.curve_statistics.sd_rf[4], 2.0);
    EXPECT_DOUBLE_EQ(calibration_data.curve_statistics.pct_rsd[4], 77.0);  // the review works out its own %RSD
}

TEST_F(CurveStatisticsTest, CompoundsBeyondTheLibraryAreLeftAlone) {
    levels(1, {3.0, 3.0});
    calibration_data.curve_statistics.mean_rf[1] = 9.0;
    method_data.compound_count = 1;
    compute_all_curve_statistics();
    EXPECT_DOUBLE_EQ(calibration_data.curve_statistics.mean_rf[1], 9.0);
}

}  // namespace
