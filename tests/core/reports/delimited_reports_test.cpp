#include "reports/delimited_reports.h"

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "report_fixture.h"
#include "reports/report_values.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace {

const std::string kDate = "04/05/2024 09:30";

std::string general(const ReportFixture& f) {
    return quantitation_report_text(*f.data, 0, f.files, kDate, QuantitationLayout::General);
}
std::string forms(const ReportFixture& f) {
    return quantitation_report_text(*f.data, 0, f.files, kDate, QuantitationLayout::Forms);
}
bool has_line(const std::string& text, const std::string& line) {
    for (const auto& l : split(text, '\n'))
        if (l == line) return true;
    return false;
}

TEST(SampleReportNames, StemOfTheDataFileAndTheCalibrationFile) {
    struct Case {
        const char* data;
        const char* cal;
        const char* general;
        const char* forms;
        const char* qc;
    };
    const Case cases[] = {
        {"D:\\data\\s1.txt", "D:\\CAL\\MIX.CAL", "D:\\data\\s1_MIX.txt", "D:\\data\\s1_MIX.prn", "D:\\data\\s1_MIXQC.txt"},
        {"/home/a/S2.TXT", "/CAL/V2.MIX.CAL", "/home/a/S2_V2.MIX.txt", "/home/a/S2_V2.MIX.prn", "/home/a/S2_V2.MIXQC.txt"},
        // A "." in a folder name is no extension of the file.
        {"/runs.2024/S3", "/CAL/MIX.CAL", "/runs.2024/S3_MIX.txt", "/runs.2024/S3_MIX.prn", "/runs.2024/S3_MIXQC.txt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(quantitation_report_path(c.data, c.cal, QuantitationLayout::General), c.general);
        EXPECT_EQ(quantitation_report_path(c.data, c.cal, QuantitationLayout::Forms), c.forms);
        EXPECT_EQ(qc_report_path(c.data, c.cal), c.qc);
    }
}

TEST(SampleReportValues, SizeUnitOfTheReportingUnits) {
    for (const char* unit : {"ng/mL", "ng/l", "µg/l"}) EXPECT_EQ(sample_size_unit(unit), "mL") << unit;
    for (const char* unit : {"ng/M3", "ng/g", "ng/kg", ""}) EXPECT_EQ(sample_size_unit(unit), "g") << unit;
}

TEST(SampleReportValues, GroupAverages) {
    const GroupAverage one = group_average({80.5});
    EXPECT_FLOAT_EQ(one.mean, 80.5f);
    EXPECT_EQ(one.deviation, 0.0f);
    const GroupAverage two = group_average({92.0, 96.0});
    EXPECT_FLOAT_EQ(two.mean, 94.0f);
    EXPECT_FLOAT_EQ(two.deviation, 2.8284271f);
    // Equal values whose single-precision sum rounds up: the variance comes out a
    // little below 0, and the deviation is 0, not the root of a negative number.
    const double v = static_cast<float>(0.87);
    EXPECT_EQ(group_average({v, v, v}).deviation, 0.0f);
    // The sum is single precision, the quotient is not: 192.449997 / 3 = 64.1499990 is
    // 64.1, where the quotient rounded to single precision (64.1500015) would print 64.2.
    EXPECT_EQ(c_format("%.1f", group_average({100.0, 50.0, 42.45}).mean), "64.1");
}

TEST(QuantitationReport, GeneralLayoutInCrqlMode) {
    ReportFixture f;
    EXPECT_EQ(general(f), R"(Quantitation Report - Linear: BP - Ln: RVW - Version 4.2

File Identification: /data/S1.TXT
Calibration File: /CAL/MIX.CAL
Process Date: 04/05/2024 09:30
Acquisition Date: 03/01/2024 10:00
Lab File ID: S1.D;; Instrument ID: MS1
Compound Library: /lib/demo_library.ini
Sample Size: 5.00; mL
Internal Standard Groups: /lib/demo_is.ini
Sample Type: Water; CRQL File /lim/crql.txt CRQL - 10.00% Client Sample ID: AG-1
Lab Sample ID: LAB-1
Comment: field duplicate  
Qualifiers: X=Result below LOQ, U =Result below CRQL, J=estimated, E=Result exceeds calibration, The error term is one sigma and includes propagation of calibration error, negatives mean conc less than report limit value given).
Compound;µg/l;Dev;Qualifier;Recovery;Dev;Area;Retention Time
Benzene;12.35;0.50; ;85.50;5.00;1000;2.00
Acetone;No Calib;;X;40.00;10.00;3000;4.00
Xylene;LT12.50;;U;90.00;2.00;5000;6.00
Styrene;N/A;N/A; ;0.00;0.00;7000;8.00

          Surrogate Determinations
Volatile Compound Surrogates (BP<200.0)
Compound;Recovery;Error;Predicted;Error;Area;Retention Time
Toluene-d8;92.0;5.3;87.0;5.0;2000;3.00;
Chlorobenzene-d5;96.0;5.5;87.0;5.0;4000;5.00;
  Non-Purgeable Volatile Compound Surrogates (RV>1.5)
  Semi-Volatile Compound Surrogates (BP>=200.0)
Naphthalene-d8;80.5;4.6;87.0;5.0;6000;7.00;

          Internal Standard Data
Compound;Area;Retention Time
Toluene-d8;2000;3.00
Chlorobenzene-d5;4000;5.00
Naphthalene-d8;6000;7.00
)");
}

TEST(QuantitationReport, GeneralLayoutHeaderByLimitsModeAndErrorTerm) {
    ReportFixture f;
    SampleSettings& st = f.data->samples[0].settings;
    st.units = "ng/kg";
    st.limits_mode = 1;
    st.include_calibration_error = 0;
    std::string t = general(f);
    EXPECT_TRUE(has_line(t, "Sample Size: 5.00; g"));
    EXPECT_TRUE(has_line(t, "Sample Type: Water; LMT /lim/crql.txt"));
    EXPECT_TRUE(has_line(t, "Client Sample ID: AG-1"));
    EXPECT_TRUE(has_line(t, "Qualifiers:  E = Result exceeds calibration (HOQ), X = Concentration lower than "
                            "calibration (LOQ), The error term is one sigma, negatives mean conc less than report "
                            "limit value given)."));
    st.limits_mode = 0;
    EXPECT_TRUE(has_line(general(f), "Sample Type: Water   No limits indicated for reporting"));
}

TEST(QuantitationReport, FormsLayout) {
    ReportFixture f;
    const std::string t = forms(f);
    const std::string expected_rows = R"(Sample Size: 5.00
Internal Standard Groups: /lib/demo_is.ini
Sample Type: Water; CRQL File /lim/crql.txt
CRQL - 10.00%
Comment: field duplicate  
Client Sample ID: LAB-1
Sample ID: AG-1
Qualifiers: X=Result below LOQ, U =Result below CRQL, J=estimated, E=Result exceeds calibration, The error term is one sigma and includes propagation of calibration error, negatives mean conc less than report limit value given).
Compound#;Compound;µg/l;Dev;Qualifier;Recovery;Dev;Area;Retention Time;CAS#
1;Benzene;12.35;±;0.50; ;85.50;±;5.00;1000;2.00;71-43-2
3;Acetone;No Calib;±;;X;40.00;±;10.00;3000;4.00;67-64-1
5;Xylene;U12.50;±;0.00;U;90.00;±;2.00;5000;6.00;1330-20-7
7;Styrene;N/A;±;N/A; ;0.00;±;0.00;7000;8.00;100-42-5

          Surrogate Determinations
Volatile Compound Surrogates (BP<200.0)
Compound#;Compound;Recovery;Error;Predicted;Error;Area;Retention Time;CAS#
2;Toluene-d8;92.0;±;5.3;87.0;±;5.0;2000;3.00;2037-26-5
4;Chlorobenzene-d5;96.0;±;5.5;87.0;±;5.0;4000;5.00;3114-55-4
  Non-Purgeable Volatile Compound Surrogates (RV>1.5)
  Semi-Volatile Compound Surrogates (BP>=200.0)
6;Naphthalene-d8;80.5;±;4.6;87.0;±;5.0;6000;7.00;1146-65-2
)";
    EXPECT_NE(t.find(expected_rows), std::string::npos) << t;
    // Below the limit the forms layout shows the limit scaled by 5 / sample size.
    f.data->samples[0].analyte_results[2].concentration = -4.0f;
    EXPECT_TRUE(has_line(forms(f), "5;Xylene;U4.00;±;0.00;U;90.00;±;2.00;5000;6.00;1330-20-7"));
}

// Every layout writes a result as its status says: a limit of 99 is a limit (the number
// -99 is also what a result without calibration holds), a negative measured result a number.
TEST(QuantitationReport, EveryLayoutWritesTheStatusNotWhatTheNumberLooksLike) {
    ReportFixture f;
    AnalyteResult& benzene = f.data->samples[0].analyte_results[0];
    struct Case {
        ResultStatus status;
        float concentration, error;
        const char* general;
        const char* forms;
    } cases[] = {
        {ResultStatus::BelowLimit, -99.0f, 0.0f, "Benzene;LT99.00;; ;85.50;5.00;1000;2.00",
         "1;Benzene;U99.00;±;0.00; ;85.50;±;5.00;1000;2.00;71-43-2"},
        {ResultStatus::Measured, -50.0f, 2.5f, "Benzene;-50.00;2.50; ;85.50;5.00;1000;2.00",
         "1;Benzene;-50.00;±;2.50; ;85.50;±;5.00;1000;2.00;71-43-2"},
        {ResultStatus::WithoutCalibration, -99.0f, 0.0f, "Benzene;No Calib;; ;85.50;5.00;1000;2.00",
         "1;Benzene;No Calib;±;; ;85.50;±;5.00;1000;2.00;71-43-2"},
    };
    f.data->samples[0].settings.size = 5.0f;
    for (const Case& c : cases) {
        benzene.status = c.status;
        benzene.concentration = c.concentration;
        benzene.error = c.error;
        EXPECT_TRUE(has_line(general(f), c.general)) << general(f);
        EXPECT_TRUE(has_line(forms(f), c.forms)) << forms(f);
    }
}

// The recovery and its deviation are single-precision fractions; their percentages are
// those exact values times 100. Rounding the product to single precision first would move
// 0.50395 (held as 0.5039499998...) up to 50.40.
TEST(QuantitationReport, RecoveryPercentagesAreTheStoredFractionsTimesAHundred) {
    ReportFixture f;
    AnalyteResult& benzene = f.data->samples[0].analyte_results[0];
    benzene.predicted_recovery = benzene.predicted_recovery_dev = 0.50395f;
    EXPECT_TRUE(has_line(general(f), "Benzene;12.35;0.50; ;50.39;50.39;1000;2.00"));
    EXPECT_TRUE(has_line(forms(f), "1;Benzene;12.35;±;0.50; ;50.39;±;50.39;1000;2.00;71-43-2"));
}

TEST(QuantitationReport, InternalStandardRowsFindTheirLibraryRowByName) {
    ReportFixture f;
    // A stale stored row number does not move the area, retention time or CAS number.
    f.data->samples[0].surrogate_results[0].library_number = 0;
    EXPECT_TRUE(has_line(forms(f), "2;Toluene-d8;92.0;±;5.3;87.0;±;5.0;2000;3.00;2037-26-5"));
    // Internal standards without data in the sample are left out of its data section.
    f.data->sample_raw_data[0].name[3].clear();
    const std::string t = general(f);
    EXPECT_FALSE(has_line(t, "Chlorobenzene-d5;4000;5.00"));
    EXPECT_TRUE(has_line(t, "Naphthalene-d8;6000;7.00"));
}

TEST(QcReport, ModelTablesAndGroupAverages) {
    ReportFixture f;
    EXPECT_EQ(qc_report_text(*f.data, 0, f.files, kDate), R"(Internal Standard Report - Linear: BP - Ln: RVW - Version 4.2

Process Date: 04/05/2024 09:30
Compound Library: /lib/demo_library.ini
Internal Standard Groups: /lib/demo_is.ini
File Identification: /data/S1.TXT
Calibration File: /CAL/MIX.CAL
Aquisition Date: 03/01/2024 10:00
Lab File ID: S1.D; Sample ID: LAB-1; Instrument ID: MS1

First Pass relative Volatility (Ln) vs. Recovery
 (Used to Estimate Rel vol effects on BP Internal standards)

Compound;BP;RVW;Measured;Recovery
Acetone-d6;56.0;0.08;40.00;100.0
Toluene-d8;110.0;13.50;80.00;200.0
   Slope, Intercept, %Err= 0.200000;0.7000;0.00

Naphthalene-d8;218.0;0.90;70.00;175.0

   Slope, Intercept, %Err= 0.400000;0.5000;0.00

Recovery vs. Boiling Point - (First Pass Rel Vol Corrections)-- Boiling point range( 84.0 - 279.0)

Compound;BP;RVW;Measured;Recovery
Toluene-d8;110.0;13.50;80.00;92.0
Chlorobenzene-d5;131.0;7.50;84.00;96.0
   Slope, Intercept, %Err= -0.002000;1.1000;1.50

Naphthalene-d8;218.0;15*;70.00;80.5
   Slope, Intercept, %Err= 0.000000;0.8050;0.00

Recovery(bp corrected) vs. Relative Volatility (Ln)-- Relative Volatility range( 0.01 - 56.50)

Compound;BP;RVW;Measured;Recovery
Naphthalene-d8;218.0;0.90;70.00;80.5
   Slope, Intercept, %Err= 0.010000;0.8000;0.00


           Surrogate Determinations

Volatile Compound Surrogates(boiling point<200.0)
Compound;BP;RV;Meas;B.P.Predict;err;R.V.Predict;err;Total Predict;err;Recovery;err
Toluene-d8;110.0;13.50;80.0;91.5;3.4;95.2;2.5;87.0;5.0;92.0;5.3
Chlorobenzene-d5;131.0;7.50;84.0;91.5;3.4;95.2;2.5;87.0;5.0;96.0;5.5
     Group Averages;94.0;2.8

Non-Purgeable Volatile Compound Surrogates(rw>1.50)
Compound;BP;RV;Meas;B.P.Predict;err;R.V.Predict;err;Total Predict;err;Recovery;err
Semi-Volatile Compound Surrogates(boiling points>= 200.0)
Compound;BP;RV;Meas;B.P.Predict;err;R.V.Predict;err;Total Predict;err;Recovery;err
Naphthalene-d8;218.0;0.90;70.0;91.5;3.4;95.2;2.5;87.0;5.0;80.5;4.6
     Group Averages;80.5;0.0)");
}

// Every point the models used has its row: a first-pass segment past the second with its
// own line, and a BP group of more than seven points.
TEST(QcReport, EveryFirstPassSegmentAndEveryPointOfAGroupIsListed) {
    ReportFixture f;
    auto& cells = f.data->samples[0].model_table_texts;
    cells.resize(9);
    cells[0][2].first_pass = "Seg2a;218.0;0.90;70.00;175.0";
    cells[1][2].first_pass = "Seg2b;279.0;7.50;84.00;96.0";
    f.data->samples[0].model_fits[2].fp_text = "0.300000;0.6000;0.00";
    f.data->samples[0].model_fits[3].fp_text = "0.000000;0.0000;0.00";  // a segment without points
    std::string rows;
    for (int r = 0; r < 9; ++r) {
        cells[r][4].bp = "G5P" + std::to_string(r) + ";150.0;1.00;50.00;50.0";
        rows += cells[r][4].bp + "\n";
    }
    f.data->samples[0].model_fits[5].bp_text = "0.001000;0.9000;2.00";
    const std::string t = qc_report_text(*f.data, 0, f.files, kDate);
    EXPECT_NE(t.find("   Slope, Intercept, %Err= 0.400000;0.5000;0.00\n\n"
                     "Seg2a;218.0;0.90;70.00;175.0\nSeg2b;279.0;7.50;84.00;96.0\n"
                     "   Slope, Intercept, %Err= 0.300000;0.6000;0.00\n\nRecovery vs. Boiling Point"),
              std::string::npos)
        << t;
    EXPECT_NE(t.find(rows + "   Slope, Intercept, %Err= 0.001000;0.9000;2.00\n"), std::string::npos) << t;
}

// The semi-volatiles are classed by the volatile threshold; a calibration file sets the
// semi-volatile one to 159 whatever the volatile one is.
TEST(QcReport, TheSemiVolatileHeadingNamesTheThresholdItsRowsWereClassedBy) {
    ReportFixture f;
    method_data.category_thresholds.svc = 159.0;
    const std::string t = qc_report_text(*f.data, 0, f.files, kDate);
    EXPECT_NE(t.find("Semi-Volatile Compound Surrogates(boiling points>= 200.0)\n"), std::string::npos) << t;
}

TEST(WriteSampleReports, WritesBothFilesOfTheChosenLayout) {
    ScriptedUi ui;
    ReportFixture f;
    TempFolder folder;
    f.data->samples[0].settings.data_file_path = folder.file("S1.TXT");
    main_flags.TrqFormsFormat = 1;
    ASSERT_TRUE(write_sample_reports(*f.data, 0, f.files));
    EXPECT_EQ(f.data->samples[0].settings.size_unit, "mL");
    const std::string prn = read_file_text(folder.file("S1_MIX.prn"));
    EXPECT_TRUE(has_line(prn, "Process Date: " + format_date_time(clock_source().now())));
    EXPECT_TRUE(has_line(prn, "1;Benzene;12.35;±;0.50; ;85.50;±;5.00;1000;2.00;71-43-2"));
    EXPECT_EQ(read_file_text(folder.file("S1_MIXQC.txt")),
              qc_report_text(*f.data, 0, f.files, format_date_time(clock_source().now())));
    EXPECT_FALSE(file_exists(folder.file("S1_MIX.txt")));
}

TEST(WriteSampleReports, AFileThatCannotBeWrittenIsNamedAndTheRestSkipped) {
    ScriptedUi ui;
    ReportFixture f;
    TempFolder folder;
    f.data->samples[0].settings.data_file_path = folder.file("missing/S1.TXT");
    ui.expect_message(folder.file("missing/S1_MIX.txt") + "\n Make sure file not in use by another program");
    EXPECT_FALSE(write_sample_reports(*f.data, 0, f.files));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "File access failure.");
    EXPECT_EQ(ui.busy_depth, 0);
}

TEST(WriteSampleReports, AnUnwritableQcReportIsTheOneNamed) {
    ScriptedUi ui;
    ReportFixture f;
    TempFolder folder;
    f.data->samples[0].settings.data_file_path = folder.file("S1.TXT");
    // A folder where the QC report should go: it cannot be replaced by a file.
    make_folders(folder.file("S1_MIXQC.txt"));
    ui.expect_message(folder.file("S1_MIXQC.txt") + "\n Make sure file not in use by another program");
    EXPECT_FALSE(write_sample_reports(*f.data, 0, f.files));
    EXPECT_TRUE(file_exists(folder.file("S1_MIX.txt")));
}

}  // namespace
