// The whole road on the demo data set, through the functions the windows call: library,
// internal-standard file, calibration from the six standards, calibration file, Load
// Calibration File in a new session, continuing check, the six samples with and without
// reporting limits, delimited reports in both layouts and the printed batch report.
// What is asserted is what an analyst relies on: the numbers against the amounts the demo
// files were made from (examples/runs_truth.txt) and the files the road leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <vector>

#include "calibration/calibration_build.h"
#include "calibration/calibration_commands.h"
#include "calibration/calibration_file.h"
#include "calibration/calibration_log.h"
#include "calibration/calibration_standards.h"
#include "calibration/check_commands.h"
#include "calibration/check_report_file.h"
#include "calibration/continuing_check.h"
#include "calibration/curve_statistics.h"
#include "calibration/level_amount.h"
#include "calibration/level_label.h"
#include "calibration/results_file.h"
#include "demo_truth.h"
#include "methoddata/calibration_tables.h"
#include "program/main_commands.h"
#include "program/program_state.h"
#include "samples/process_files_data.h"
#include "methoddata/program_paths.h"
#include "methoddata/surrogate_commands.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "processing/group_limits.h"
#include "processing/quantitation.h"
#include "processing/sample_entry.h"
#include "processing/sample_list.h"
#include "run/processing_run.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace fs = std::filesystem;

namespace {

constexpr int kStandards = 6;
constexpr int kDemoSamples = 6;
constexpr int kAnalytes = 51;
constexpr int kAmount3 = 2;  // the check standard's level

// The generator's only randomness: a Gaussian noise of 2 % on every area
// (NOISE in examples/make_instrument_files.py).
constexpr double kAreaNoise = 0.02;

// One value of the calibration in memory with the half unit of its last digit in the
// calibration file: what writing and reading it may change it by.
struct CalibrationValue {
    std::string what;
    double value = 0.0;
    double half_unit = 0.0;
};

// Everything the calibration file carries that the check and the samples use.
std::vector<CalibrationValue> calibration_in_memory() {
    std::vector<CalibrationValue> v;
    auto add = [&v](std::string what, double value, double half_unit) { v.push_back({std::move(what), value, half_unit}); };
    const double five_places = 0.5e-5, two_places = 0.5e-2, exact = 0.0;
    for (int p = 0; p < kStandards; ++p) add("label " + calibration_data.level_names[p], p, exact);
    for (int c = 0; c < method_data.compound_count; ++c) {
        const LibraryCompound& lib = method_data.library[c];
        const std::string name = lib.name + (lib.is_internal_standard ? " (IS)" : "");
        add(name + " bp", lib.bp, two_places);
        add(name + " rvw", lib.rvw, two_places);
        for (int p = 0; p < kStandards; ++p) {
            const std::string at = name + " level " + std::to_string(p + 1);
            add(at + " amount", level_amount(c, p), two_places);
            add(at + " area", calibration_data.raw_data_sets[p].area[c], exact);
            add(at + " counts in the curve", level_counts(c, p), exact);
            add(at + " predicted recovery", calibration_data.recovery_tables.predicted_recovery[p][c], five_places);
            add(at + " its deviation", calibration_data.recovery_tables.predicted_recovery_dev[p][c], five_places);
            add(at + " response factor", calibration_data.recovery_tables.response_factor[p][c], five_places);
            add(at + " its deviation", calibration_data.recovery_tables.response_factor_dev[p][c], five_places);
        }
        add(name + " reference area", calibration_data.raw_data_sets[kStandards].area[c], exact);
    }
    for (int k = 0; k < method_data.surrogate_count; ++k) {
        const SurrogateRecord& s = method_data.surrogates[k];
        for (int g = 0; g < kGroups; ++g) {
            add(s.name + " RV group " + std::to_string(g + 1), s.rvwgroup[g], exact);
            add(s.name + " BP group " + std::to_string(g + 1), s.bpgroup[g], exact);
        }
        add(s.name + " first pass", s.first_pass, exact);
        add(s.name + " checked", s.checked_surrogate, exact);
    }
    const SurrogateRangeLimits& r = method_data.surrogate_range_limits;
    for (auto [what, value] : {std::pair{"MinBP", r.MinBP}, {"MaxBP", r.MaxBP}, {"MinRVW", r.MinRVW}, {"MaxRVW", r.MaxRVW}})
        add(what, value, 0.5e-6);
    return v;
}

// The ";"-separated rows of a delimited quantitation report after its column heads, up
// to the empty line before the surrogate section.
std::vector<std::vector<std::string>> analyte_rows(const std::string& path, const std::string& heads_start) {
    const std::vector<std::string> lines = split(read_file_text(path), '\n');
    auto row = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return starts_with_ci(l, heads_start); });
    std::vector<std::vector<std::string>> rows;
    if (row == lines.end()) return rows;
    for (++row; row != lines.end() && !row->empty(); ++row) rows.push_back(split(*row, ';'));
    return rows;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class DemoRoad : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(example_file(""), demo.path(), fs::copy_options::recursive);
        // The road makes its own calibration and check report.
        fs::remove(file("demo_calibration.cal"));
        fs::remove(file("runs/CCV.check"));
        original_runs = runs_folder();
        start_program();
    }

    std::string file(const std::string& name) const { return demo.file(name); }
    std::string sample_file(int j) const { return file("runs/SAMPLE" + std::to_string(j + 1) + ".TXT"); }
    // A sample's report beside its data file, named after the calibration file.
    std::string report(int j, const std::string& ending) const {
        return file("runs/SAMPLE" + std::to_string(j + 1) + "_DEMO_ROAD" + ending);
    }
    std::set<std::string> runs_folder() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(file("runs"))) names.insert(entry.path().filename().string());
        return names;
    }

    // A new session: every table at its start, the main window started, the program's
    // folder (settings file, default group limits) the demo folder.
    void start_program() {
        construct_method_data();
        construct_calibration_tables();
        construct_process_files_data();
        start_main_form(menu);
        program_paths.install_path = program_paths.program_folder = demo.path();
        init_group_limits(program_paths.program_folder);
    }

    // File > Load Library, File > Load Internal Standard File.
    void load_method() {
        ui.open_returns(file("demo_library.txt"));
        load_library_command(menu);
        ASSERT_EQ(method_data.library_loaded, 1);
        ASSERT_EQ(method_data.compound_count, 62);
        ui.open_returns(file("demo_internal_standards.ini"));
        ASSERT_TRUE(load_surrogate_file_command(menu));  // in step with the library
        EXPECT_EQ(method_data.surrogate_count, 11);
        EXPECT_EQ(method_data.surrogate_limits_invalid, 0);  // the groupings pass
        EXPECT_TRUE(menu.enabled(MenuItem::Calibrate1));
    }

    // Calibration > New, then the calibration window: Add Standard with its level for
    // STD1..STD6, Add Reference File, Save as demo_road.cal, Exit.
    void calibrate() {
        ui.answer(Answer::Ok);  // "Calibrating with the internal standard file ..."
        ASSERT_TRUE(new_calibration_command());
        MadeResultsFiles made;
        auto add_run = [&](const std::string& path) {
            const std::string results = results_ini_name(path, folder_of(path));
            ASSERT_TRUE(convert_quant_file(path, results)) << path;
            made.add(results);
        };
        std::vector<std::string> files, labels;
        for (int p = 0; p < kStandards; ++p) {
            files.push_back(file("runs/STD" + std::to_string(p + 1) + ".TXT"));
            ASSERT_NO_FATAL_FAILURE(add_run(files.back()));
            ASSERT_FALSE(check_level_entry(p, ""));  // Identify Standard Level: Amount<p + 1>
            labels.push_back(level_label_of_entry(p, ""));
            ++calibration_data.standard_count;
        }
        const std::string reference = file("runs/REF.TXT");
        ASSERT_NO_FATAL_FAILURE(add_run(reference));
        method_data.surrogate_reference_path = reference;

        clear_calibration_log();
        ASSERT_FALSE(check_calibration_files(files, labels, reference));
        ui.save_returns(file("demo_road"));
        const std::optional<std::string> path = choose_calibration_save_path();
        ASSERT_EQ(path, file("demo_road.cal"));
        prepare_standard_tables(files, labels, false);
        ASSERT_TRUE(build_calibration(calibration_data.standard_results_ini, calibration_data.standard_count, reference));
        EXPECT_EQ(calibration_log.log_flag, 0);  // no negative response factor, no IS above 500 %
        ASSERT_TRUE(write_calibration(*path));
        calibration_data.calibration_file_name = *path;
        built = calibration_in_memory();
        made.delete_all();
    }

    // File > Load Calibration File in a new session.
    void load_calibration_file() {
        start_program();
        ui.open_returns(file("demo_road.cal"));
        ASSERT_TRUE(load_calibration_command(menu));
        EXPECT_TRUE(menu.enabled(MenuItem::CheckCalibration));
        EXPECT_TRUE(menu.enabled(MenuItem::Quantitation1));
    }

    // Check Continuing Calibration on CCV.TXT at Amount3, Save File, Exit.
    void check_calibration() {
        ui.open_returns(file("runs/CCV.TXT"));
        ASSERT_TRUE(check_calibration_command());
        CheckLevelEntry entry{kAmount3, ""};
        ASSERT_TRUE(check_level_entry(entry));
        check_level = check_level_of(entry);
        ASSERT_EQ(evaluate_check_standard(), CheckEvaluation::Done);
        ASSERT_TRUE(write_check_calibration_file(check_level));
        check_report = resolve_path(check_report_path());
        for (int c = 0; c < method_data.compound_count; ++c) {
            differences.push_back(percent_difference(c, check_level));
            area_ratios.push_back(double(calibration_data.raw_data_sets[kCheckDataSet].area[c]) / calibration_data.raw_data_sets[kAmount3].area[c]);
        }
        delete_check_results_file();
    }

    // Quantitation > Process sample files, then Add File and its Sample Information entry
    // for every sample in `mode`: the first reporting-limit entry browses for the limits
    // file, the later ones take what the entry carries.
    void list_samples(EntryMode mode) {
        start_sample_processing(data);
        for (int j = 0; j < kDemoSamples; ++j) {
            ui.open_returns(sample_file(j));
            const int slot = add_sample_file(data);
            ASSERT_EQ(slot, j);
            SampleEntryBoxes boxes;
            open_sample_entry(boxes, data, slot);
            if (boxes.mode != mode) select_entry_mode(boxes, mode);
            if (mode == EntryMode::ReportingLimit && j == 0) {
                ui.open_returns(file("demo_water.lmt"));
                browse_limits_file(boxes);
                EXPECT_EQ(boxes.size, "1");
            }
            // The limits file names the internal-standard file without its folder.
            if (mode == EntryMode::ReportingLimit) ui.answer(Answer::Yes);
            ASSERT_TRUE(enter_sample_entry(boxes, data).stored) << j;
        }
    }

    void process(const ProcessingOptions& options) {
        if (options.delimited_reports) ui.expect_message("The report files were written:\n");
        ASSERT_EQ(run_processing(data, processing_steps(), options), ProcessingOutcome::Done);
    }

    ScriptedUi ui;
    TempFolder demo;
    std::set<std::string> original_runs;
    MainMenuState menu;
    ProcessFilesData& data = process_files_data;
    std::vector<CalibrationValue> built;
    CheckLevel check_level;
    std::string check_report;
    std::vector<double> differences, area_ratios;  // per compound, of the check
};

TEST_F(DemoRoad, FromTheLibraryToTheReports) {
    ASSERT_NO_FATAL_FAILURE(load_method());
    ASSERT_NO_FATAL_FAILURE(calibrate());
    ASSERT_NO_FATAL_FAILURE(load_calibration_file());

    // The calibration read back is the one built, to the digits the file keeps.
    const std::vector<CalibrationValue> loaded = calibration_in_memory();
    ASSERT_EQ(loaded.size(), built.size());
    for (size_t i = 0; i < built.size(); ++i) {
        ASSERT_EQ(loaded[i].what, built[i].what);
        EXPECT_LE(std::fabs(loaded[i].value - built[i].value), built[i].half_unit * (1 + 1e-9) + 1e-12)
            << built[i].what << ": built " << built[i].value << ", read " << loaded[i].value;
    }

    // The check standard's areas are about 9 % below STD3's (drift 0.96, run factor 0.966
    // against 1.026); its internal standards see the same loss, so the corrected responses
    // come back to the calibration's.
    ASSERT_NO_FATAL_FAILURE(check_calibration());
    EXPECT_LT(median(area_ratios), 0.93);
    EXPECT_LT(std::fabs(median(differences)), 2.0);
    for (int c = 0; c < method_data.compound_count; ++c) EXPECT_LT(std::fabs(differences[c]), 25.0) << method_data.library[c].name;
    EXPECT_EQ(file_name_of(check_report), "CCV.check");
    const std::string check_text = read_file_text(check_report);
    for (int c = 0; c < method_data.compound_count; ++c)
        EXPECT_NE(check_text.find("\n" + std::to_string(c + 1) + ";" + method_data.library[c].name + ";"), std::string::npos)
            << method_data.library[c].name;

    // The samples with demo_water.lmt (limits at the lowest calibration amounts), printed
    // as one batch and written in the general layout; Exit; then the samples without
    // limits, written in the forms layout; Exit.
    ASSERT_NO_FATAL_FAILURE(list_samples(EntryMode::ReportingLimit));
    ASSERT_NO_FATAL_FAILURE(process({true, true, true}));
    std::vector<AnalyteResultRows> with_limits;
    for (int j = 0; j < kDemoSamples; ++j) with_limits.push_back(data.samples[j].analyte_results);
    std::vector<std::vector<double>> limits(kDemoSamples);
    for (int j = 0; j < kDemoSamples; ++j)
        for (int k = 0; k < kAnalytes; ++k) limits[j].push_back(lookup_reporting_limit(with_limits[j][k].name, j));
    clear_sample_list(data);
    ASSERT_NO_FATAL_FAILURE(list_samples(EntryMode::None));
    main_flags.TrqFormsFormat = 1;  // the processing window's "TRQForms Compatible"
    ASSERT_NO_FATAL_FAILURE(process({false, true, true}));
    const auto results = [this](int j) -> const AnalyteResultRows& {
        return data.samples[j].analyte_results;
    };
    ASSERT_EQ(data.last_analyte_index + 1, kAnalytes);

    // Tolerance. The 2 % area noise reaches a result through the sample's own area (2 % of
    // the amount) and through the areas behind the mean response factor and the predicted
    // recovery (standards, internal standards), whose scatter the program propagates into
    // the result's one-sigma error. So a result lies within three combined sigmas,
    // sqrt(error^2 + (0.02 amount)^2), of its amount; and never beyond 25 %.
    const auto amounts = demo_sample_amounts();
    for (int j = 0; j < kDemoSamples; ++j) {
        for (int k = 0; k < kAnalytes; ++k) {
            const AnalyteResult& r = results(j)[k];
            const int c = r.library_number - 1;
            const double amount = amounts.at(r.name)[j];
            const double limit = limits[j][k];
            const double lowest = lowest_calibration_level(c);
            ASSERT_EQ(limit, lowest) << r.name;  // how demo_water.lmt was made
            const std::string where = r.name + " in sample " + std::to_string(j + 1);
            if (amount == 0.0) {
                EXPECT_EQ(data.sample_raw_data[j].area[c], 0) << where;
                EXPECT_EQ(r.concentration, 0.0f) << where;
                EXPECT_EQ(r.qualifier, "X") << where;
            } else {
                const double sigma = std::hypot(r.error, kAreaNoise * amount);
                EXPECT_LE(std::fabs(r.concentration - amount), 3 * sigma) << where << ": " << r.concentration;
                EXPECT_LE(std::fabs(r.concentration / amount - 1.0), 0.25) << where << ": " << r.concentration;
                // Below the lowest calibration amount "X", within the range nothing.
                if (amount + 3 * sigma < lowest) {
                    EXPECT_EQ(r.qualifier, "X") << where;
                } else if (amount - 3 * sigma > lowest) {
                    EXPECT_EQ(r.qualifier, "") << where;
                }
            }
            // With the limits: a result below its limit is reported as minus the limit.
            const AnalyteResult& l = with_limits[j][k];
            const bool below = r.concentration < limit;
            EXPECT_EQ(l.concentration, below ? static_cast<float>(-limit) : r.concentration) << where;
            EXPECT_EQ(l.status, below ? ResultStatus::BelowLimit : ResultStatus::Measured) << where;
            EXPECT_EQ(l.qualifier, r.qualifier) << where;
        }
        for (int k = 0; k < method_data.surrogate_count; ++k) {
            // The lowest boiler (Acetone-d6, below MinBP) is the least well modelled: up to 16 % high.
            const SurrogateResult& s = data.samples[j].surrogate_results[k];
            EXPECT_NEAR(s.corrected_recovery, 100.0, 20.0) << s.name << " in sample " << j + 1;
        }
    }

    // The delimited reports: one row per analyte in library order. The QC reports' group
    // averages of the internal standards' corrected recoveries lie near 100 %.
    for (int j = 0; j < kDemoSamples; ++j) {
        const auto general = analyte_rows(report(j, ".txt"), "Compound;µg/l;");
        const auto forms = analyte_rows(report(j, ".prn"), "Compound#;Compound;µg/l;");
        ASSERT_EQ(general.size(), size_t(kAnalytes)) << report(j, ".txt");
        ASSERT_EQ(forms.size(), size_t(kAnalytes)) << report(j, ".prn");
        for (int k = 0; k < kAnalytes; ++k) {
            const AnalyteResult& l = with_limits[j][k];
            const AnalyteResult& r = results(j)[k];
            const std::string limited = l.status == ResultStatus::BelowLimit ? c_format("LT%.2f", -l.concentration)
                                                                             : c_format("%.2f", l.concentration);
            EXPECT_EQ(general[k][0], l.name);
            EXPECT_EQ(general[k][1], limited) << l.name;
            EXPECT_EQ(general[k][3], l.qualifier.empty() ? " " : l.qualifier) << l.name;
            EXPECT_EQ(forms[k][1], r.name);
            EXPECT_EQ(forms[k][2], c_format("%.2f", r.concentration)) << r.name;
            EXPECT_EQ(forms[k][5], r.qualifier.empty() ? " " : r.qualifier) << r.name;
            EXPECT_NE(forms[k].back(), "") << r.name;  // its CAS number
        }
        const std::string qc = read_file_text(report(j, "QC.txt"));
        int averages = 0;
        for (size_t at = qc.find("Group Averages;"); at != std::string::npos; at = qc.find("Group Averages;", at + 1)) {
            const size_t from = at + 15;
            const NumberField average = read_number(qc.substr(from, qc.find(';', from) - from));
            ASSERT_TRUE(average.ok) << average.why;
            EXPECT_NEAR(average.value, 100.0, 5.0) << report(j, "QC.txt");
            ++averages;
        }
        EXPECT_EQ(averages, 2);  // the volatile and the semi-volatile internal standards
    }

    // The printed batch: one landscape job, results, model and surrogate page per sample.
    ASSERT_EQ(ui.finished_jobs.size(), 1u);
    const RecordingCanvas& job = ui.finished_jobs[0];
    EXPECT_TRUE(job.job_begun && job.job_ended);
    EXPECT_EQ(job.orientation, Orientation::Landscape);
    ASSERT_EQ(job.page, 3 * kDemoSamples);
    for (int j = 0; j < kDemoSamples; ++j) {
        const std::vector<std::string> page = job.texts(3 * j + 1);
        auto printed = [&page](const std::string& text) { return std::find(page.begin(), page.end(), text) != page.end(); };
        // The data file's path, whole or (in a long temp folder) cut at its front.
        const std::string path = sample_file(j);
        const bool path_printed = std::any_of(page.begin(), page.end(), [&path](const std::string& text) {
            const std::string tail = text.rfind("...", 0) == 0 ? text.substr(3) : text;
            return text == path || (tail.size() > 10 && path.size() >= tail.size() &&
                                    path.compare(path.size() - tail.size(), tail.size(), tail) == 0);
        });
        EXPECT_TRUE(path_printed) << path;
        for (int k = 0; k < kAnalytes; ++k) EXPECT_TRUE(printed(with_limits[j][k].name)) << with_limits[j][k].name;
        EXPECT_FALSE(job.texts(3 * j + 2).empty());
        EXPECT_FALSE(job.texts(3 * j + 3).empty());
    }

    // Exit leaves the data files, the check report and the sample reports, and no results
    // file of any conversion.
    clear_sample_list(data);
    std::set<std::string> expected = original_runs;
    expected.insert("CCV.check");
    for (int j = 0; j < kDemoSamples; ++j)
        for (const char* ending : {".txt", ".prn", "QC.txt"}) expected.insert(file_name_of(report(j, ending)));
    EXPECT_EQ(runs_folder(), expected);
    EXPECT_TRUE(file_exists(file("demo_road.cal")));
}

}  // namespace
