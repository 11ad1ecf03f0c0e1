#include "processing/sample_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../calibration/demo_calibration.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/check_state.h"
#include "program/program_state.h"
#include "samples/process_files_data.h"
#include "methoddata/program_paths.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/text_util.h"
#include "processing/sample_entry.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace fs = std::filesystem;

namespace {

// The demo method in a working folder; samples are added as the analyst adds them.
class SampleList : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        construct_calibration_tables();
        construct_process_files_data();
        program_paths.install_path = demo.path();
        ASSERT_TRUE(load_demo_method());
        start_sample_processing(data);
    }
    int add(const std::string& file) {
        ui.open_returns(fs::absolute(file).string());
        return add_sample_file(data);
    }

    ProcessFilesData& data = process_files_data;
    ScriptedUi ui;
    DemoFolder demo;
};

TEST_F(SampleList, AddFileConvertsTheSampleAndTakesItsIdentifiers) {
    process_files_data.samples[0].reporting_limits[0].limit = 5.0;  // left by an earlier list
    // Left past the library's end by a larger library read earlier: the limit lookup walks
    // every entry by name, so this one would give Benzene its limit.
    process_files_data.samples[0].reporting_limits[kMaxCompounds - 1] = {"Benzene", 5.0, 0};
    const std::string path = fs::absolute("runs/SAMPLE1.TXT").string();
    ASSERT_EQ(add("runs/SAMPLE1.TXT"), 0);

    EXPECT_EQ(ui.open_requests.back().filter, "Quantitated data file (*.txt)|*.txt");
    EXPECT_EQ(process_files_data.sample_count, 1);
    EXPECT_EQ(listed_sample_files(data), std::vector<std::string>{path});
    const std::string results = folder_of(path) + "/SAMPLE1.ini";
    EXPECT_TRUE(file_exists(results));
    EXPECT_EQ(data.samples[0].settings.data_file_path, path);
    EXPECT_EQ(data.samples[0].settings.results_ini_path, results);
    EXPECT_EQ(process_files_data.samples[0].ids.injection_time, "09/22/2025 09:05");
    EXPECT_EQ(process_files_data.samples[0].ids.lab_file_id, "S2101");
    EXPECT_EQ(process_files_data.samples[0].ids.client_sample_id, "MW-01 groundwater");
    EXPECT_EQ(process_files_data.samples[0].ids.instrument_id, "GC/MS-2");
    EXPECT_EQ(process_files_data.samples[0].reporting_limits[0].limit, 0.0);
    EXPECT_EQ(process_files_data.samples[0].reporting_limits[kMaxCompounds - 1].limit, 0.0);
    EXPECT_EQ(process_files_data.samples[0].reporting_limits[kMaxCompounds - 1].name, kDummyName);
    EXPECT_EQ(folder_settings.slot[kDataPathSlot], folder_of(path));
    IniFile settings;
    settings.load(settings_file_path());
    EXPECT_EQ(settings.get_string("File", "dataPath", ""), to_upper(folder_of(path)));

    // A file of the "DATA FILE" layout gives no identifiers: the failure texts stand in.
    ASSERT_EQ(add("runs/SAMPLE5.TXT"), 1);
    EXPECT_EQ(process_files_data.samples[1].ids.lab_file_id, "failGetLabFileId");
    EXPECT_EQ(process_files_data.samples[1].ids.client_sample_id, "failGetclientSampleId");
    EXPECT_EQ(process_files_data.samples[1].ids.instrument_id, "failGetinstrumentId");
}

TEST_F(SampleList, TheTwentyFifthSampleIsRefusedAndACancelOrRefusalAddsNothing) {
    ui.open_returns(std::nullopt);
    EXPECT_EQ(add_sample_file(data), -1);
    ui.expect_message("03010");
    EXPECT_EQ(add("demo_library.txt"), -1);  // not the library's compounds
    EXPECT_EQ(process_files_data.sample_count, 0);

    for (int i = 0; i < kMaxSamples; ++i) {
        const std::string copy = "runs/COPY" + std::to_string(i) + ".TXT";  // a file is listed once
        fs::copy_file("runs/SAMPLE2.TXT", copy);
        ASSERT_EQ(add(copy), i);
    }
    ui.expect_message("Unable to add more samples.  Process current list.");
    EXPECT_EQ(add_sample_file(data), -1);
    EXPECT_EQ(ui.last_message().caption, "Process at Capacity");
    EXPECT_EQ(process_files_data.sample_count, kMaxSamples);
}

// A negative area is no measurement: quantitated, the negative result would read as
// "below a limit" in every report. The sample is refused, naming the file and compound.
TEST_F(SampleList, AFileWithANegativeAreaIsRefused) {
    std::string text = read_file_text("runs/SAMPLE1.TXT");
    const std::string row = "Methylene chloride\t201513\t";
    ASSERT_NE(text.find(row), std::string::npos);
    text.replace(text.find(row), row.size(), "Methylene chloride\t-8800\t");
    const std::string path = fs::absolute("runs/NEGATIVE.TXT").string();
    ASSERT_TRUE(write_file_atomically(path, text));
    ui.expect_message("The data file " + path + " gives Methylene chloride a negative area (-8800)");
    EXPECT_EQ(add("runs/NEGATIVE.TXT"), -1);
    EXPECT_EQ(process_files_data.sample_count, 0);
    EXPECT_TRUE(listed_sample_files(data).empty());
    EXPECT_FALSE(file_exists(sample_results_path(path)));
    EXPECT_EQ(add("runs/SAMPLE1.TXT"), 0);  // the next file takes the first slot
}

// mix.txt and MIX.txt would convert into one results file and write one set of reports:
// the second is refused, naming both, before it replaces the first one's areas.
TEST_F(SampleList, ASampleWhoseNameDiffersOnlyInCaseIsRefused) {
    fs::copy_file("runs/SAMPLE1.TXT", "runs/mix.txt");
    fs::copy_file("runs/SAMPLE2.TXT", "runs/MIX.txt");
    ASSERT_EQ(add("runs/mix.txt"), 0);
    const std::string first_results = read_file_text("runs/mix.ini");
    const std::string first = fs::absolute("runs/mix.txt").string(), second = fs::absolute("runs/MIX.txt").string();
    ui.expect_message("The data files\n" + first + "\nand\n" + second + "\nwould share the results file");
    EXPECT_EQ(add("runs/MIX.txt"), -1);
    EXPECT_EQ(process_files_data.sample_count, 1);
    EXPECT_EQ(listed_sample_files(data), std::vector<std::string>{first});
    EXPECT_EQ(read_file_text("runs/mix.ini"), first_results);
    EXPECT_EQ(process_files_data.samples[0].ids.lab_file_id, "S2101");

    // Once the first is deleted from the list the second may come in.
    delete_sample_file(data, 0);
    EXPECT_EQ(add("runs/MIX.txt"), 0);
    EXPECT_EQ(process_files_data.samples[0].ids.lab_file_id, "S2102");
}

// One data file listed twice would write one set of reports twice, the second over the
// first: every text that names a listed file is refused, naming the sample that holds it.
TEST_F(SampleList, ADataFileListedAlreadyIsRefusedByAnyNameOfIt) {
    ASSERT_EQ(add("runs/SAMPLE1.TXT"), 0);
    ASSERT_EQ(add("runs/SAMPLE2.TXT"), 1);
    const std::string listed = fs::absolute("runs/SAMPLE2.TXT").string();
    fs::create_symlink(fs::absolute("runs/SAMPLE2.TXT"), "runs/LINK2.TXT");
    const std::string kept = read_file_text("runs/SAMPLE2.ini");
    for (const std::string& name : {std::string("runs/SAMPLE2.TXT"), std::string("runs/sample2.txt"),
                                    std::string("runs/../runs/./SAMPLE2.TXT"), std::string("runs/LINK2.TXT")}) {
        const std::string chosen = fs::absolute(name).string();
        ui.expect_message("The data file\n" + chosen + "\nis listed already, as sample 2:\n" + listed + "\n");
        EXPECT_EQ(add(name), -1) << name;
        EXPECT_EQ(ui.last_message().caption, "Data File Listed") << name;
        EXPECT_EQ(process_files_data.sample_count, 2) << name;
        EXPECT_EQ(read_file_text("runs/SAMPLE2.ini"), kept) << name;
    }
    // Once it has left the list it may come in again.
    delete_sample_file(data, 1);
    EXPECT_EQ(add("runs/SAMPLE2.TXT"), 1);
}

TEST_F(SampleList, DeleteMovesTheLaterSamplesDownAndKeepsTheResultsFile) {
    for (const char* f : {"runs/SAMPLE1.TXT", "runs/SAMPLE2.TXT", "runs/SAMPLE3.TXT"}) add(f);
    process_files_data.sample_info_index = 3;
    for (int i = 0; i < 3; ++i) {
        ListedSample& sample = data.samples[i];
        sample.settings.size = 10.0 + i;
        sample.settings.limits_file_path = "L" + std::to_string(i);
        sample.settings.sigma_count = i;
        sample.settings.crql_percent = 50.0 + i;
        sample.settings.agency_sample_id = "A" + std::to_string(i);
        sample.entry_carryover.carry.last_size = 10.0 + i;
        sample.reporting_limits[4].limit = 1.0 + i;
        sample.analyte_results[0].name = "R" + std::to_string(i);
    }
    const ListedSample second = data.samples[1];
    const ListedSample third = data.samples[2];
    delete_sample_file(data, 0);

    EXPECT_EQ(process_files_data.sample_count, 2);
    EXPECT_EQ(process_files_data.sample_info_index, 2);
    EXPECT_EQ(file_name_of(data.samples[0].settings.data_file_path), "SAMPLE2.TXT");
    EXPECT_EQ(file_name_of(data.samples[1].settings.results_ini_path), "SAMPLE3.ini");
    EXPECT_EQ(data.samples[1].settings.size, 12.0);
    EXPECT_EQ(data.samples[1].settings.limits_file_path, "L2");
    EXPECT_EQ(data.samples[0].settings.sigma_count, 1);
    EXPECT_EQ(data.samples[1].settings.crql_percent, 52.0);
    EXPECT_EQ(data.samples[0].settings.agency_sample_id, "A1");
    EXPECT_EQ(data.samples[0].ids.lab_file_id, "S2102");
    EXPECT_EQ(data.samples[1].reporting_limits[4].limit, 3.0);
    // Each record moves whole: everything of the sample, its last results too.
    EXPECT_TRUE(data.samples[0] == second);
    EXPECT_TRUE(data.samples[1] == third);
    EXPECT_TRUE(data.samples[2] == ListedSample{});
    EXPECT_TRUE(file_exists("runs/SAMPLE1.ini"));
    // What Process takes of each results file moves with its sample; the freed slot keeps nothing.
    EXPECT_EQ(data.samples[1].kept_results.path, data.samples[1].settings.results_ini_path);
    EXPECT_TRUE(data.samples[1].kept_results.compounds.has_value());
    EXPECT_EQ(data.samples[2].kept_results.path, "");
    EXPECT_FALSE(data.samples[2].kept_results.compounds.has_value());

    // The last sample: nothing moves, the counts go down and its slot keeps nothing of it.
    delete_sample_file(data, 1);
    EXPECT_EQ(process_files_data.sample_count, 1);
    EXPECT_EQ(file_name_of(data.samples[0].settings.data_file_path), "SAMPLE2.TXT");
    EXPECT_TRUE(data.samples[1] == ListedSample{});
    EXPECT_EQ(data.samples[1].reporting_limits[4].limit, 0.0);
    delete_sample_file(data, 5);  // no such item
    EXPECT_EQ(process_files_data.sample_count, 1);
}

TEST_F(SampleList, ClearDeletesTheResultsFilesOfTheListedSamples) {
    add("runs/SAMPLE1.TXT");
    add("runs/SAMPLE2.TXT");
    process_files_data.sample_info_index = 2;
    delete_sample_file(data, 0);
    clear_sample_list(data);

    EXPECT_EQ(process_files_data.sample_count, 0);
    EXPECT_EQ(process_files_data.sample_info_index, 0);
    for (const ListedSample& sample : data.samples)
        EXPECT_FALSE(sample.kept_results.compounds.has_value());
    EXPECT_FALSE(file_exists("runs/SAMPLE2.ini"));
    EXPECT_TRUE(file_exists("runs/SAMPLE1.ini"));  // no longer listed
    EXPECT_TRUE(file_exists("runs/SAMPLE2.TXT"));
}

TEST_F(SampleList, TheResultsFileIsCutAtTheFileNamesDotNotAFoldersDot) {
    EXPECT_EQ(sample_results_path("/data/run.v2/SAMPLE"), "/data/run.v2/SAMPLE.ini");
    EXPECT_EQ(sample_results_path("/data/run.v2/SAMPLE.A.TXT"), "/data/run.v2/SAMPLE.A.ini");
}

TEST_F(SampleList, StartingAProcessingListEmptiesTheSampleInformation) {
    process_files_data.sample_count = 3;
    process_files_data.sample_info_index = 2;
    check_state.continuing_check_active = 1;
    data.samples[4].settings.size = 2.0;
    data.samples[4].ids.lab_file_id = "X";
    data.samples[4].settings.include_calibration_error = 1;
    process_files_data.sample_input_carry.last_size = 7.0;
    start_sample_processing(data);
    EXPECT_EQ(process_files_data.sample_count, 0);
    EXPECT_EQ(process_files_data.sample_info_index, 0);
    EXPECT_EQ(check_state.continuing_check_active, 0);
    for (const ListedSample& sample : data.samples) EXPECT_TRUE(sample == ListedSample{});
    // The first entry of the new list takes nothing of the samples listed before it.
    EXPECT_EQ(start_sample_entry(data, 0).matrix, "");
    EXPECT_EQ(process_files_data.sample_input_carry.last_size, 0.0);
}

}  // namespace
