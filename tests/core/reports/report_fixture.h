#pragma once
// One processed sample for the report tests: a small library whose internal standards
// stand between the analytes, three internal-standard rows in two categories, four
// analytes (a result, no calibration, below the limit, not computable), model texts and
// fitted lines. Written into the global tables and a ProcessFilesData of the test's own.
#include <memory>
#include <string>

#include "../surrogate_fixtures.h"
#include "program/program_state.h"
#include "samples/process_files_data.h"
#include "methoddata/tables.h"
#include "reports/report_sources.h"

struct ReportFixture {
    std::unique_ptr<ProcessFilesData> data = std::make_unique<ProcessFilesData>();
    ReportSourceFiles files{"/CAL/MIX.CAL", "/lib/demo_library.ini", "/lib/demo_is.ini"};

    // A library row, and for an internal standard its record, checked for the reports.
    static int add_row(const std::string& name, bool is, double bp, double rvw, const std::string& cas) {
        const int row = add_library_row(name, is, bp, rvw);
        method_data.library[row].casNumber = cas;
        if (is) add_record(name, bp, rvw, {.bp = {}, .rv = {}, .first_pass = 0, .checked = 1}, row);
        return row;
    }

    void add_raw(int row, std::int32_t area, double rt) {
        SampleRawData& raw = data->sample_raw_data[0];
        raw.name[row] = method_data.library[row].name;
        raw.area[row] = area;
        raw.retention_time[row] = rt;
    }

    static AnalyteResult analyte(const std::string& name, int number, float c, float e, float r, float d,
                                 const std::string& q, ResultStatus status = ResultStatus::Measured) {
        AnalyteResult a;
        a.status = status;
        a.name = name;
        a.library_number = number;
        a.concentration = c;
        a.error = e;
        a.predicted_recovery = r;
        a.predicted_recovery_dev = d;
        a.qualifier = q;
        return a;
    }

    static SurrogateResult surrogate(const std::string& name, int category, int row, double bp, double rv,
                                     double measured, double corrected) {
        SurrogateResult s;
        s.name = name;
        s.category = category;
        s.library_number = row;
        s.bp = bp;
        s.rv = rv;
        s.measured_recovery = measured;
        s.bp_recovery = 91.5;
        s.bp_fit_error = 0.034;
        s.rv_recovery = 95.25;
        s.rv_fit_error = 2.5;
        s.predicted_recovery = 87.0;
        s.predicted_recovery_dev = 0.05;
        s.corrected_recovery = corrected;
        s.corrected_recovery_dev = corrected * 0.05 / 87.0 * 100.0;
        return s;
    }

    ReportFixture() {
        construct_method_data();
        method_data.variable_mode.variable1_label = "RVW";
        method_data.variable_mode.variable2_label = "BP";
        method_data.library_version = "Version 4.2";
        add_row("Benzene", false, 80.1, 4.5, " 71-43-2 ");
        add_row("Toluene-d8", true, 110.0, 13.5, "2037-26-5");
        add_row("Acetone", false, 56.0, 0.1, "67-64-1");
        add_row("Chlorobenzene-d5", true, 131.0, 7.5, "3114-55-4");
        add_row("Xylene", false, 139.0, 5.0, "1330-20-7");
        add_row("Naphthalene-d8", true, 218.0, 0.9, "1146-65-2");
        add_row("Styrene", false, 145.0, 3.0, "100-42-5");
        method_data.category_thresholds = {200.0, 5.3, 150.0, 1.5, 200.0, 5.3};
        method_data.surrogate_range_limits = {84.0, 279.0, 0.01, 56.5};

        data->last_analyte_index = 3;
        auto& a = data->samples[0].analyte_results;
        a[0] = analyte("Benzene", 1, 12.345f, 0.5f, 0.855f, 0.05f, "");
        a[1] = analyte("Acetone", 3, -99.0f, 0.0f, 0.4f, 0.1f, "X", ResultStatus::WithoutCalibration);
        a[2] = analyte("Xylene", 5, -12.5f, 0.0f, 0.9f, 0.02f, "U", ResultStatus::BelowLimit);
        a[3] = analyte("Styrene", 7, 2147483648.0f, 2147483648.0f, 0.0f, 0.0f, "", ResultStatus::NotComputable);
        for (int row = 0; row < method_data.compound_count; ++row) add_raw(row, 1000 * (row + 1), 2.0 + row);

        data->samples[0].surrogate_results = {
            surrogate("Toluene-d8", kVolatile, 1, 110.0, 13.5, 80.0, 92.0),
            surrogate("Chlorobenzene-d5", kVolatile, 3, 131.0, 7.5, 84.0, 96.0),
            surrogate("Naphthalene-d8", kSemiVolatile, 5, 218.0, 0.9, 70.0, 80.5),
        };
        data->category_present = {1, 0, 1};

        auto& m = data->samples[0].model_table_texts;
        m.resize(2);
        m[0][0].first_pass = "Acetone-d6;56.0;0.08;40.00;100.0";
        m[1][0].first_pass = "Toluene-d8;110.0;13.50;80.00;200.0";
        m[0][1].first_pass = "Naphthalene-d8;218.0;0.90;70.00;175.0";
        m[0][0].bp = "Toluene-d8;110.0;13.50;80.00;92.0";
        m[1][0].bp = "Chlorobenzene-d5;131.0;7.50;84.00;96.0";
        m[1][1].bp = "Orphan;150.0;1.00;50.00;50.0";  // a group whose first row is empty
        m[0][2].bp = "Naphthalene-d8;218.0;15*;70.00;80.5";
        m[0][0].rv = "Naphthalene-d8;218.0;0.90;70.00;80.5";
        auto& f = data->samples[0].model_fits;
        f[0].fp_text = "0.200000;0.7000;0.00";
        f[1].fp_text = "0.400000;0.5000;0.00";
        f[1].bp_text = "-0.002000;1.1000;1.50";
        f[3].bp_text = "0.000000;0.8050;0.00";
        f[1].rv_text = "0.010000;0.8000;0.00";

        SampleSettings& st = data->samples[0].settings;
        st.size = 5.0f;
        st.units = "µg/l";
        st.matrix = "Water";
        st.limits_mode = 2;
        st.limits_file_path = "/lim/crql.txt";
        st.crql_percent = 10.0f;
        st.comment = "field duplicate";
        st.agency_sample_id = "AG-1";
        st.lab_sample_id = "LAB-1";
        st.analysed_date = "03/01/2024 10:00";
        st.lab_file_id = "S1.D";
        st.include_calibration_error = 1;
        st.data_file_path = "/data/S1.TXT";
        st.instrument_id = "MS1";
        data->samples[0].settings.data_file_path = "/data/S1.TXT";
    }
};
