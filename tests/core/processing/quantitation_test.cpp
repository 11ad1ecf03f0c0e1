#include "processing/quantitation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "calibration/curve_statistics.h"
#include "methoddata/calibration_data.h"
#include "program/program_state.h"
#include "samples/process_files_data.h"
#include "samples/sample_settings.h"
#include "methoddata/tables.h"
#include "platform/errors.h"
#include "platform/ini_file.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace {

// A library of an internal standard and two analytes, calibrated at two levels.
// Analyte "Benzene" (row 1): amounts 10 and 100, response factors 100 and 120, so
// mean_rf 110 and SD sqrt(200); in sample 0 it has area 8800, predicted recovery 0.8
// with deviation 0.04, and the sample size is 2: concentration 8800/110/0.8/2 = 50,
// error 50 x 0.04/0.8 = 2.5.
class QuantitationTest : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        construct_process_files_data();
        calibration_data.curve_statistics = CurveStatistics{};
        process_files_data.min_mean_response = 0.001f;
        process_files_data.max_response_deviation = 0.9f;
        process_files_data.samples[0].model_fits = ModelFitSlots{};
        process_files_data.sample_raw_data[0] = SampleRawData{};
        process_files_data.samples[0].settings = SampleSettings{};

        method_data.compound_count = 3;
        set_compound(0, "Fluorobenzene", true, 85.0, 2.0);
        set_compound(1, "Benzene", false, 80.0, 3.0);
        set_compound(2, "Toluene", false, 111.0, 5.0);
        calibrate(1, {10.0, 100.0}, {100.0, 120.0});
        calibrate(2, {5.0, 50.0}, {200.0, 200.0});

        process_files_data.sample_count = 1;
        process_files_data.samples[0].settings.size = 2.0f;
        sample_area(1, 8800, 0.8, 0.04);
        sample_area(2, 8000, 0.5, 0.05);  // 8000/200/0.5/2 = 40, error 4
        average_response_factors();
    }

    void set_compound(int c, const std::string& name, bool internal_standard, double bp, double rvw) {
        method_data.library[c].name = name;
        method_data.library[c].is_internal_standard = internal_standard ? 1 : 0;
        method_data.library[c].bp = bp;
        method_data.library[c].rvw = rvw;
    }
    // Standards 0, 1, ... at these amounts with these response factors; area = rf x amount.
    void calibrate(int c, std::vector<double> amounts, std::vector<double> rfs) {
        for (size_t e = 0; e < amounts.size(); ++e) {
            calibration_data.raw_data_sets[e].cal_amount[c] = amounts[e];
            calibration_data.raw_data_sets[e].area[c] = static_cast<std::int32_t>(rfs[e] * amounts[e]);
            calibration_data.recovery_tables.response_factor[e][c] = rfs[e];
            calibration_data.level_included[c][e] = 1;
        }
    }
    void sample_area(int c, std::int32_t area, double recovery, double deviation, int j = 0) {
        process_files_data.sample_raw_data[j].area[c] = area;
        calibration_data.recovery_tables.predicted_recovery[j][c] = recovery;
        calibration_data.recovery_tables.predicted_recovery_dev[j][c] = deviation;
    }
    void set_limit(int j, const std::string& name, double limit) {
        for (ReportingLimit& entry : process_files_data.samples[j].reporting_limits)
            if (entry.name == kDummyName || entry.name == name) {
                entry.name = name;
                entry.limit = limit;
                return;
            }
    }
    const AnalyteResult& benzene() const {
        return process_files_data.samples[0].analyte_results[0];
    }
    const AnalyteResult& toluene() const {
        return process_files_data.samples[0].analyte_results[1];
    }
    ScriptedUi ui_;
};

TEST_F(QuantitationTest, MeanResponseFactorsUseIncludedPositiveLevelsOnly) {
    calibration_data.recovery_tables.response_factor[2][1] = 500.0;  // level 3 not included
    calibration_data.recovery_tables.response_factor[3][1] = 0.0;
    calibration_data.level_included[1][3] = 1;                       // included but no response factor
    calibration_data.recovery_tables.response_factor[4][1] = kNotSet;
    calibration_data.level_included[1][4] = 1;                       // the marker is no response factor
    average_response_factors();
    EXPECT_DOUBLE_EQ(calibration_data.curve_statistics.mean_rf[1], 110.0);
    EXPECT_DOUBLE_EQ(calibration_data.curve_statistics.mean_rf[2], 200.0);
    EXPECT_DOUBLE_EQ(calibration_data.curve_statistics.mean_rf[0], 0.0);  // no level: 0
}

TEST_F(QuantitationTest, ConcentrationFromAreaMeanResponseRecoveryAndSize) {
    compute_concentrations();
    EXPECT_EQ(process_files_data.internal_standard_count, 1);
    EXPECT_EQ(process_files_data.last_analyte_index, 1);
    const AnalyteResult& r = benzene();
    EXPECT_EQ(r.name, "Benzene");
    EXPECT_EQ(r.library_number, 2);  // 1-based, internal standard skipped
    EXPECT_FLOAT_EQ(r.concentration, 50.0f);
    EXPECT_FLOAT_EQ(r.error, 2.5f);
    EXPECT_FLOAT_EQ(r.predicted_recovery, 0.8f);
    EXPECT_FLOAT_EQ(r.predicted_recovery_dev, 0.04f);
    EXPECT_EQ(r.qualifier, "");
    EXPECT_EQ(toluene().library_number, 3);
    EXPECT_FLOAT_EQ(toluene().concentration, 40.0f);
    EXPECT_FLOAT_EQ(toluene().error, 4.0f);
}

// The reports print rows 0 .. last_analyte_index: a library without analytes leaves none
// of an earlier run's rows to print.
TEST_F(QuantitationTest, ALibraryOfInternalStandardsOnlyHasNoAnalyteRows) {
    compute_concentrations();
    method_data.library[1].is_internal_standard = method_data.library[2].is_internal_standard = 1;
    compute_concentrations();
    EXPECT_EQ(process_files_data.internal_standard_count, 3);
    EXPECT_EQ(process_files_data.last_analyte_index, -1);
}

TEST_F(QuantitationTest, ConcentrationIsHeldInSinglePrecision) {
    sample_area(1, 1000, 0.3, 0.0);  // 1000/110/0.3/2 = 15.1515...
    compute_concentrations();
    EXPECT_EQ(benzene().concentration, static_cast<float>(1000.0 / 110.0 / 0.3 / 2.0));
    EXPECT_NE(static_cast<double>(benzene().concentration), 1000.0 / 110.0 / 0.3 / 2.0);
}

TEST_F(QuantitationTest, CalibrationErrorJoinsTheRecoveryErrorForPositiveAreas) {
    process_files_data.samples[0].settings.include_calibration_error = 1;
    compute_concentrations();
    // rel = 0.04/0.8 = 0.05, rsd = sqrt(200)/110; Toluene's equal factors add nothing.
    const double rsd = std::sqrt(200.0) / 110.0;
    EXPECT_NEAR(benzene().error, 50.0 * std::sqrt(0.05 * 0.05 + rsd * rsd), 1e-4);
    EXPECT_FLOAT_EQ(toluene().error, 4.0f);

    sample_area(1, 0, 0.8, 0.04);
    sample_area(2, -2000, 0.5, 0.05);
    compute_concentrations();
    EXPECT_FLOAT_EQ(benzene().error, 0.0f);           // 0 x D / R
    EXPECT_FLOAT_EQ(toluene().concentration, -10.0f);  // area of 0 or less: error stays |conc| x D / R
    EXPECT_FLOAT_EQ(toluene().error, 1.0f);
}

// A negative area is what the instrument integrated: its result is a negative number. No
// limit rule ran in a sample without limits, so nothing may call it below a limit.
TEST_F(QuantitationTest, ANegativeAreaIsANegativeMeasuredResult) {
    sample_area(1, -8800, 0.8, 0.04);
    set_limit(0, "Toluene", 100.0);
    struct Case {
        int mode;
        double limit;  // Benzene's
        ResultStatus status;
        float concentration;
    } cases[] = {
        {0, 60.0, ResultStatus::Measured, -50.0f},
        {1, 0.0, ResultStatus::Measured, -50.0f},  // no limit for Benzene
        {1, 60.0, ResultStatus::BelowLimit, -60.0f},  // the rule ran: below 60 it is
    };
    for (const Case& c : cases) {
        process_files_data.samples[0].settings.limits_mode = c.mode;
        set_limit(0, "Benzene", c.limit);
        compute_concentrations();
        EXPECT_EQ(benzene().status, c.status) << c.mode;
        EXPECT_FLOAT_EQ(benzene().concentration, c.concentration) << c.mode;
        EXPECT_FLOAT_EQ(benzene().error, 2.5f) << c.mode;
        EXPECT_EQ(benzene().qualifier, "X") << c.mode;  // below the lowest level
    }
}

// The status of a result is kept beside its number: a limit of 99 gives -99, which is
// also the number stored for a result without calibration.
TEST_F(QuantitationTest, ALimitOf99IsALimitNotACompoundWithoutCalibration) {
    set_limit(0, "Benzene", 99.0);
    process_files_data.samples[0].settings.crql_percent = 10.0;
    for (int mode : {1, 2}) {
        process_files_data.samples[0].settings.limits_mode = mode;
        compute_concentrations();
        EXPECT_EQ(benzene().status, ResultStatus::BelowLimit) << mode;
        EXPECT_EQ(benzene().concentration, -99.0f) << mode;
        EXPECT_EQ(benzene().qualifier, mode == 2 ? "U" : "") << mode;
        EXPECT_EQ(toluene().status, ResultStatus::Measured) << mode;
    }
}

TEST_F(QuantitationTest, NoPredictedRecoveryOrNoSampleSizeCannotBeComputed) {
    // A steep loss can predict a recovery below 0: the area would turn into a negative
    // concentration, which the reports read as "below a limit".
    set_limit(0, "Benzene", 4.0);
    process_files_data.samples[0].settings.crql_percent = 10.0;
    for (int mode : {1, 2})
        for (double recovery : {0.0, -0.05}) {
            process_files_data.samples[0].settings.limits_mode = mode;
            sample_area(1, 50, recovery, 0.04);  // area below the lowest level: X
            compute_concentrations();
            EXPECT_EQ(benzene().concentration, 2147483648.0f) << recovery;
            EXPECT_EQ(benzene().error, 2147483648.0f) << recovery;
            EXPECT_EQ(benzene().status, ResultStatus::NotComputable) << recovery;
            EXPECT_EQ(benzene().qualifier, "X") << recovery;  // the range is still judged; no U or J
            EXPECT_FLOAT_EQ(toluene().concentration, 40.0f);
        }

    process_files_data.samples[0].settings.size = 0.0f;
    compute_concentrations();
    EXPECT_EQ(toluene().concentration, 2147483648.0f);
    EXPECT_EQ(toluene().error, 2147483648.0f);
}

TEST_F(QuantitationTest, WeakCalibrationsAreReportedWithoutCalibration) {
    struct Case {
        const char* what;
        std::vector<double> rfs;  // Benzene's response factors at amounts 10, 100
        float min_mean, max_deviation;
        bool without;
    } cases[] = {
        {"good", {100.0, 120.0}, 0.001f, 0.9f, false},
        {"mean below the minimum", {100.0, 120.0}, 111.0f, 0.9f, true},
        {"scatter beyond the maximum (SD/mean 0.1286)", {100.0, 120.0}, 0.001f, 0.12f, true},
        {"scatter at 0.13 passes", {100.0, 120.0}, 0.001f, 0.13f, false},
        {"no response factor: mean 0", {0.0, 0.0}, 0.001f, 0.9f, true},
        // A minimum that came out 0 ("1e-50" held in single precision) still divides by no 0.
        {"mean 0 with a minimum of 0", {0.0, 0.0}, 0.0f, 0.9f, true},
        {"one level: SD 0, only the mean can fail", {0.0005, 0.0}, 0.0001f, 0.0f, false},
        {"one level below the minimum", {0.0005, 0.0}, 0.001f, 0.9f, true},
        // The minimum is compared as stored: float 0.001 lies just above 0.001.
        {"mean exactly 0.001", {0.001, 0.001}, 0.001f, 0.9f, true},
    };
    for (const Case& c : cases) {
        calibration_data.recovery_tables.response_factor[0][1] = c.rfs[0];
        calibration_data.recovery_tables.response_factor[1][1] = c.rfs[1];
        process_files_data.min_mean_response = c.min_mean;
        process_files_data.max_response_deviation = c.max_deviation;
        average_response_factors();
        compute_concentrations();
        if (c.without) {
            EXPECT_EQ(benzene().concentration, -99.0f) << c.what;
            EXPECT_EQ(benzene().error, 0.0f) << c.what;
            EXPECT_EQ(benzene().status, ResultStatus::WithoutCalibration) << c.what;
        } else {
            EXPECT_GT(benzene().concentration, 0.0f) << c.what;
            EXPECT_EQ(benzene().status, ResultStatus::Measured) << c.what;
        }
    }
}

TEST_F(QuantitationTest, RangeQualifierAgainstTheUsedCalibrationLevels) {
    // Benzene's levels 10 and 100 with mean 110 give areas 1100 .. 11000 at full recovery;
    // at the sample's predicted recovery 0.8, areas 880 .. 8800 lie inside. Without a
    // predicted recovery the levels are taken at full recovery.
    struct Case {
        std::int32_t area;
        double recovery;
        int mode;
        const char* qualifier;
    } cases[] = {
        {881, 0.8, 0, ""},    {879, 0.8, 0, "X"},    {1099, 0.8, 0, ""},  {8799, 0.8, 0, ""},
        {8801, 0.8, 0, "E"},  {8801, 0.8, 1, "E"},   {8801, 0.8, 2, "EJ"}, {1101, 0.0, 0, ""},
        {1099, 0.0, 0, "X"},  {11001, 0.0, 0, "E"},
    };
    for (const Case& c : cases) {
        process_files_data.sample_raw_data[0].area[1] = c.area;
        calibration_data.recovery_tables.predicted_recovery[0][1] = c.recovery;
        process_files_data.samples[0].settings.limits_mode = c.mode;
        EXPECT_EQ(range_qualifier(1, 0), c.qualifier) << c.area << " recovery " << c.recovery << " mode " << c.mode;
    }
}

TEST_F(QuantitationTest, CalibrationLevelsCountOnlyIncludedStandardsWithAPeak) {
    EXPECT_DOUBLE_EQ(lowest_calibration_level(1), 10.0);
    EXPECT_DOUBLE_EQ(highest_calibration_level(1), 100.0);
    calibration_data.raw_data_sets[2].cal_amount[1] = 1.0;  // not included
    calibration_data.raw_data_sets[2].area[1] = 100;
    calibration_data.raw_data_sets[3].cal_amount[1] = 1000.0;  // included, no peak
    calibration_data.level_included[1][3] = 1;
    calibration_data.raw_data_sets[0].cal_amount[1] = kNotSet;  // no amount
    // A standard without the compound (amount 0, as an older file may hold it with a
    // peak and its flag) is no level: as the lowest one it would leave nothing below.
    calibration_data.raw_data_sets[4].cal_amount[1] = 0.0;
    calibration_data.raw_data_sets[4].area[1] = 50;
    calibration_data.level_included[1][4] = 1;
    EXPECT_DOUBLE_EQ(lowest_calibration_level(1), 100.0);
    EXPECT_DOUBLE_EQ(highest_calibration_level(1), 100.0);

    calibration_data.level_included[1].fill(0);  // nothing left: every realistic area is below the range
    EXPECT_DOUBLE_EQ(lowest_calibration_level(1), 1.0e12);
    EXPECT_DOUBLE_EQ(highest_calibration_level(1), -1.0e12);
    EXPECT_EQ(range_qualifier(1, 0), "X");
}

TEST_F(QuantitationTest, ReportingLimitLookupIsExactAndFirstMatchWins) {
    set_limit(0, "Toluene", 7.0);
    process_files_data.samples[0].reporting_limits[5] = {"Toluene", 9.0, 0};
    EXPECT_EQ(lookup_reporting_limit("Toluene", 0), 7.0);
    EXPECT_EQ(lookup_reporting_limit("toluene", 0), kNotSet);
    EXPECT_EQ(lookup_reporting_limit("Toluene", 1), kNotSet);
}

TEST_F(QuantitationTest, ReportingLimitModeReportsMinusTheLimitBelowIt) {
    // Benzene 50 +- 2.5 with two standard deviations: 55 is the largest limit it meets.
    process_files_data.samples[0].settings.limits_mode = 1;
    process_files_data.samples[0].settings.sigma_count = 2;
    struct Case {
        double limit;
        float concentration;
    } cases[] = {{55.0, 50.0f}, {55.5, -55.5f}, {0.0, 50.0f}, {10.0, 50.0f}};
    for (const Case& c : cases) {
        set_limit(0, "Benzene", c.limit);
        compute_concentrations();
        EXPECT_EQ(benzene().concentration, c.concentration) << c.limit;
        EXPECT_EQ(benzene().qualifier, "") << c.limit;
    }
    EXPECT_EQ(apply_reporting_limit(1, 0, 5.0, 2.5), 0.0);  // limit 10 met exactly: not below
    EXPECT_EQ(apply_reporting_limit(1, 0, 4.9, 2.5), 10.0);
    process_files_data.samples[0].settings.sigma_count = 0;
    EXPECT_EQ(apply_reporting_limit(1, 0, 9.9, 2.5), 10.0);  // no standard deviations
    // No entry for Toluene: never below.
    EXPECT_EQ(apply_reporting_limit(2, 0, -1.0, 0.0), 0.0);
}

// A compound without calibration has no result: no limit rule may report it as below a
// limit, and without levels there is no range to lie outside of.
TEST_F(QuantitationTest, WithoutCalibrationIsNeverBelowALimitNorOutsideARange) {
    process_files_data.min_mean_response = 1000.0f;  // everything without calibration
    set_limit(0, "Benzene", 4.0);
    set_limit(0, "Toluene", 100.0);
    process_files_data.samples[0].settings.crql_percent = 100.0;
    process_files_data.sample_raw_data[0].area[2] = 80000;  // far above Toluene's levels
    for (int mode : {0, 1, 2}) {
        process_files_data.samples[0].settings.limits_mode = mode;
        compute_concentrations();
        for (const AnalyteResult* r : {&benzene(), &toluene()}) {
            EXPECT_EQ(r->concentration, -99.0f) << r->name << " mode " << mode;
            EXPECT_EQ(r->error, 0.0f) << r->name << " mode " << mode;
            EXPECT_EQ(r->qualifier, "") << r->name << " mode " << mode;
        }
    }
    // A mean response factor of 0 would put every area above the highest level.
    calibration_data.recovery_tables.response_factor[0][1] = calibration_data.recovery_tables.response_factor[1][1] = 0.0;
    process_files_data.min_mean_response = 0.001f;
    average_response_factors();
    compute_concentrations();
    EXPECT_EQ(benzene().concentration, -99.0f);
    EXPECT_EQ(benzene().qualifier, "");
}

TEST_F(QuantitationTest, CrqlModeGivesUBelowAndJAtOrAboveTheCrql) {
    // Benzene 50 with a CRQL percentage of 10: 55 meets a CRQL of 55; above it the
    // CRQL L less 10 % decides between U (L - 0.1 L >= 50) and J.
    process_files_data.samples[0].settings.limits_mode = 2;
    process_files_data.samples[0].settings.crql_percent = 10.0;
    struct Case {
        double limit;
        float concentration;
        const char* qualifier;
    } cases[] = {{55.0, 50.0f, ""}, {55.5, 50.0f, "J"}, {60.0, -60.0f, "U"}, {0.0, 50.0f, ""}};
    for (const Case& c : cases) {
        set_limit(0, "Benzene", c.limit);
        compute_concentrations();
        EXPECT_EQ(benzene().concentration, c.concentration) << c.limit;
        EXPECT_EQ(benzene().qualifier, c.qualifier) << c.limit;
    }
}

// The letters come from the line that predicted the compound's recovery: the group the
// recovery model recorded for it (0: no line, as below MinBP).
class GroupQualifierTest : public QuantitationTest {
protected:
    void SetUp() override {
        QuantitationTest::SetUp();
        ModelFitSlots& f = process_files_data.samples[0].model_fits;
        for (int g = 1; g <= 6; ++g) f[g].bp_fitted = f[g].rv_fitted = 1;
    }
    std::string qualifier_at(int bp_group, int rv_group) {
        calibration_data.recovery_tables.bp_group[0][1] = static_cast<u8>(bp_group);
        calibration_data.recovery_tables.rv_group[0][1] = static_cast<u8>(rv_group);
        compute_concentrations();
        return benzene().qualifier;
    }
};

TEST_F(GroupQualifierTest, TheFlaggedLineThatPredictedTheCompoundGivesItsLetter) {
    ModelFitSlots& f = process_files_data.samples[0].model_fits;
    f[1].bp_slope_flag = 1;
    f[2].bp_continuity_flag = 1;
    f[6].rv_intercept_flag = 1;
    struct Case {
        int bp_group, rv_group;
        const char* qualifier;
    } cases[] = {
        {0, 1, ""},     // no BP line predicted it (below MinBP): group 1's flag is not its
        {1, 1, "Q"},    // group 1's line did: between MinBP and group 1's points too
        {2, 5, "Q"},
        {3, 6, "q"},
        {2, 6, "Qq"},
        {3, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(qualifier_at(c.bp_group, c.rv_group), c.qualifier) << c.bp_group << " " << c.rv_group;

    // A line the model did not fit (the variable is not used) breaks no limit.
    for (int g = 1; g <= 6; ++g) f[g].bp_fitted = 0;
    EXPECT_EQ(qualifier_at(2, 1), "");
}

TEST_F(GroupQualifierTest, LettersFollowTheRangeLetterAndNeverComeInCrqlMode) {
    ModelFitSlots& f = process_files_data.samples[0].model_fits;
    f[2].bp_slope_flag = 1;
    f[1].rv_slope_flag = 1;
    process_files_data.sample_raw_data[0].area[1] = 20000;  // above the highest level
    EXPECT_EQ(qualifier_at(2, 1), "EQq");
    process_files_data.samples[0].settings.limits_mode = 2;
    EXPECT_EQ(qualifier_at(2, 1), "EJ");
}

// ---- results files of the samples ----

class ReadSampleIniTest : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        table[1] = SampleRawData{};
        table[1].area[0] = 77;
    }
    std::string results_file(const std::string& body) { return folder_.write("s1.ini", body); }
    RawDataSets table;
    TempFolder folder_;
    ScriptedUi ui_;
};

TEST_F(ReadSampleIniTest, ReadsAreasNamesAndRetentionTimes) {
    const std::string path = results_file(
        "[header]\nnumber_comps=2\n"
        "[compound1]\narea=1234.9\nname=Benzene\nretentionTime=3.25\n"
        "[Compound2]\nArea=-5.7\nname=Toluene\nretentionTime=4.5\n");
    EXPECT_EQ(read_sample_ini(table, 1, path), 0);
    EXPECT_EQ(table[1].area[0], 1234);  // truncated toward zero
    EXPECT_EQ(table[1].area[1], -5);
    EXPECT_EQ(table[1].name[1], "Toluene");
    EXPECT_DOUBLE_EQ(table[1].retention_time[0], 3.25);
}

TEST_F(ReadSampleIniTest, MissingOrMalformedNumbersEndTheRunWithTheConversionError) {
    struct Case {
        const char* body;
        const char* message;
    } cases[] = {
        {"[header]\n", "'failGetareas_num_cmnd' is not a valid integer value"},
        {"[header]\nnumber_comps=1\n[compound1]\nname=Benzene\nretentionTime=1\n",
         "'fail reading area' is not a valid floating point value"},
        {"[header]\nnumber_comps=1\n[compound1]\narea=5\nname=Benzene\n",
         "'fail reading retention time' is not a valid floating point value"},
        {"[header]\nnumber_comps=1\n[compound1]\narea=12abc\nname=Benzene\nretentionTime=1\n",
         "'12abc' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        try {
            read_sample_ini(table, 1, results_file(c.body));
            ADD_FAILURE() << c.body;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(table[1].area[0], 77) << c.body;  // the slot stays as it was
    }
}

TEST_F(ReadSampleIniTest, AFileTooLongForTheTableIsRefusedAndEndsTheRun) {
    ui_.expect_message("lists 151 compounds");
    EXPECT_THROW(read_sample_ini(table, 1, results_file("[header]\nnumber_comps=151\n")), CommandAborted);
    EXPECT_EQ(table[1].area[0], 77);
}

// Add File keeps what Process takes of a results file; Process takes it when the sample's
// results file is still that file, and the file may be gone from disk by then.
class KeptSampleTest : public ReadSampleIniTest {
protected:
    void SetUp() override {
        ReadSampleIniTest::SetUp();
        // Values of an earlier data set, some of which the reading must leave alone.
        SampleRawData& stale = table[1];
        stale.name[0] = stale.name[2] = "stale";
        stale.area[2] = stale.area[kMaxCompounds - 1] = 5;
        stale.retention_time[2] = 9.5;
        stale.amount[0] = 4.5;
        stale.cal_amount[1] = 2.5;
    }
    // The file as Add File keeps it, from the text it wrote.
    KeptSampleResults keep(const std::string& path) {
        const std::string text = read_file_text(path);
        IniFile ini;
        ini.load_text(text);
        ini.set_path(path);
        return keep_sample_results(ini, text);
    }
    static void expect_same_slot(const SampleRawData& got, const SampleRawData& expected, const std::string& why) {
        EXPECT_EQ(got.area, expected.area) << why;
        EXPECT_EQ(got.name, expected.name) << why;
        EXPECT_EQ(got.retention_time, expected.retention_time) << why;
        EXPECT_EQ(got.amount, expected.amount) << why;
        EXPECT_EQ(got.cal_amount, expected.cal_amount) << why;
    }
};

TEST_F(KeptSampleTest, WhatAddFileKeepsGivesTheSlotWhatTheFileGives) {
    const std::string two = "[compound1]\narea=1234.9\nname=Benzene\nretentionTime=3.25\n"
                            "[Compound2]\nArea=-5.7\nname=Toluene\nretentionTime= 4.5 \n";
    for (const std::string count : {"2", " +2 ", "1", "0", "-3"}) {
        const std::string path = results_file("[header]\nnumber_comps=" + count + "\n" + two);
        RawDataSets expected = table;
        read_sample_ini(expected, 1, path);
        const KeptSampleResults kept = keep(path);
        ASSERT_TRUE(kept.compounds.has_value()) << count;
        EXPECT_EQ(kept.path, path);
        EXPECT_EQ(kept.text, "");  // the compounds are all Process needs
        ASSERT_TRUE(std::filesystem::remove(path));
        RawDataSets got = table;
        read_kept_sample(got, 1, path, kept);
        expect_same_slot(got[1], expected[1], "number_comps=" + count);
    }

    // Once the sample's results file is another one, that file is read.
    const KeptSampleResults kept = keep(results_file("[header]\nnumber_comps=2\n" + two));
    const std::string other = folder_.write("other.ini", "[header]\nnumber_comps=1\n[compound1]\narea=9\nname=Xylene\n"
                                                         "retentionTime=7\n");
    read_kept_sample(table, 1, other, kept);
    EXPECT_EQ(table[1].name[0], "Xylene");
    EXPECT_EQ(table[1].area[1], 0);
}

// A file the sample reader refuses gives no message at Add File: it is kept as written,
// and Process refuses it with the message reading the file gives, the slot left as it was.
TEST_F(KeptSampleTest, AFileTheSampleReaderRefusesIsRefusedWhenProcessTakesIt) {
    std::string long_file = "[header]\nnumber_comps=151\n";
    for (int i = 1; i <= 151; ++i)
        long_file += "[compound" + std::to_string(i) + "]\narea=1\nname=C\nretentionTime=1\n";
    const std::string benzene = "[compound1]\nname=Benzene\nretentionTime=1\narea=";
    struct Case {
        std::string body;
        std::string message;  // shown, and the run ends; else the conversion error below
        std::string conversion_error;
    };
    const Case cases[] = {
        {"[header]\n", "", "'failGetareas_num_cmnd' is not a valid integer value"},
        {"[header]\nnumber_comps=2.0\n", "", "'2.0' is not a valid integer value"},
        {long_file, "lists 151 compounds", ""},
        {"[header]\nnumber_comps=1\n" + benzene + "2147483648\n", "The area 2147483648 of Benzene in", ""},
        {"[header]\nnumber_comps=1\n" + benzene + "12abc\n", "", "'12abc' is not a valid floating point value"},
        {"[header]\nnumber_comps=1\n[compound1]\narea=5\nname=Benzene\nretentionTime=n/a\n", "",
         "'n/a' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        const std::string path = results_file(c.body);
        const KeptSampleResults kept = keep(path);
        EXPECT_FALSE(kept.compounds.has_value()) << c.body;
        EXPECT_EQ(kept.text, c.body);
        ASSERT_TRUE(std::filesystem::remove(path));
        RawDataSets got = table;
        if (!c.message.empty()) {
            ui_.expect_message(c.message);
            EXPECT_THROW(read_kept_sample(got, 1, path, kept), CommandAborted) << c.body;
        } else {
            try {
                read_kept_sample(got, 1, path, kept);
                ADD_FAILURE() << c.body;
            } catch (const ConversionError& e) {
                EXPECT_EQ(std::string(e.what()), c.conversion_error);
            }
        }
        expect_same_slot(got[1], table[1], c.body);
    }
}

}  // namespace
