#include <gtest/gtest.h>

#include <string>

#include "calibration/results_file.h"
#include "methoddata/calibration_data.h"
#include "methoddata/level_lookup.h"
#include "methoddata/library_text_file.h"
#include "methoddata/tables.h"
#include "scripted_ui.h"
#include "test_files.h"
#include "program/program_state.h"

// The demo instrument files are the fixture of every later step: they must convert
// against the demo library and carry the response and recovery pattern they claim.
namespace {

class ExampleRunsTest : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        ASSERT_TRUE(read_library_text_file(example_file("demo_library.txt")));
        copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    }

    // Converts a run into the temp folder and reads it into a data set.
    void load(const std::string& run, int slot) {
        std::string data = example_file("runs/" + run);
        std::string ini = results_ini_name(data, out.path());
        ASSERT_TRUE(convert_quant_file(data, ini)) << run;
        ASSERT_TRUE(read_results_ini(slot, ini)) << run;
    }

    ScriptedUi ui;
    TempFolder out;
};

TEST_F(ExampleRunsTest, EveryRunConvertsAgainstTheDemoLibrary) {
    const char* runs[] = {"STD1.TXT", "STD2.TXT", "STD3.TXT", "STD4.TXT", "STD5.TXT", "STD6.TXT",
                          "REF.TXT", "CCV.TXT", "SAMPLE1.TXT", "SAMPLE2.TXT", "SAMPLE3.TXT",
                          "SAMPLE4.TXT", "SAMPLE5.TXT", "SAMPLE6.TXT"};
    for (const char* run : runs) {
        calibration_data.raw_data_sets[0] = SampleRawData{};
        load(run, 0);
        EXPECT_EQ(calibration_data.raw_data_sets[0].name[method_data.compound_count - 1], method_data.library[method_data.compound_count - 1].name) << run;
        for (int c = 0; c < method_data.compound_count; ++c) {
            if (!method_data.library[c].is_internal_standard) continue;
            EXPECT_GT(calibration_data.raw_data_sets[0].area[c], 0) << run << " " << c;
        }
    }
}

TEST_F(ExampleRunsTest, InternalStandardRecoveriesFallWithBoilingPointAndLowVolatility) {
    calibration_data.standard_count = 6;
    for (int s = 0; s < 6; ++s) {
        load("STD" + std::to_string(s + 1) + ".TXT", s);
        calibration_data.level_names[s] = "Amount" + std::to_string(s + 1);
    }
    load("REF.TXT", 6);
    struct Case {
        const char* name;
        double low, high;  // recovery x run factor, with noise
    } cases[] = {{"Fluorobenzene", 0.80, 0.95}, {"Toluene-d8", 0.76, 0.90}, {"Chlorobenzene-d5", 0.71, 0.84},
                 {"Naphthalene-d8", 0.50, 0.60}, {"Acenaphthene-d10", 0.36, 0.45}, {"1,4-Dioxane-d8", 0.26, 0.33}};
    for (int s = 0; s < 6; ++s)
        for (const auto& c : cases) {
            double m = 0.0, mref = 0.0;
            double a = lookup_area_conc_by_label(calibration_data.raw_data_sets, c.name, s, m);
            double aref = lookup_area_conc_by_label(calibration_data.raw_data_sets, c.name, 6, mref);
            double rec = (a / m) / (aref / mref);
            EXPECT_GT(rec, c.low) << c.name << " in standard " << s + 1;
            EXPECT_LT(rec, c.high) << c.name << " in standard " << s + 1;
        }
}

}  // namespace
