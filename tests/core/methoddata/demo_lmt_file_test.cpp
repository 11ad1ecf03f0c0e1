// examples/demo_water.lmt, the reporting-limit file of the demo library: it reads without
// fault, sets each analyte's limit at its lowest calibration amount, and is exactly what the
// editor writes for those values.
#include <gtest/gtest.h>

#include "methoddata/library_text_file.h"
#include "program/program_state.h"
#include "samples/lmt_editor.h"
#include "samples/process_files_data.h"
#include "samples/reporting_limits_reader.h"
#include "methoddata/reporting_limit_files.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace {

class DemoLmtFile : public ::testing::Test {
  protected:
    void SetUp() override {
        construct_method_data();
        construct_process_files_data();
        ASSERT_TRUE(read_library_text_file(example_file("demo_library.txt")));
        copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    }
    ScriptedUi ui;
};

TEST_F(DemoLmtFile, ReadsBackAsTheEditorWroteIt) {
    const std::string path = example_file("demo_water.lmt");
    ReportingLimitSlot& slot = process_files_data.samples[0].reporting_limits;
    fill_slot_from_library(slot);
    ASSERT_EQ(read_reporting_limits_file(path, 0), 1);
    EXPECT_EQ(reporting_limit_files.lmt_header.unit, "\xC2\xB5g/l");
    EXPECT_EQ(reporting_limit_files.lmt_header.size, 1.0);
    EXPECT_EQ(reporting_limit_files.lmt_header.matrix, "Water");
    int analytes = 0;
    for (int r = 0; r < method_data.compound_count; ++r) {
        if (method_data.library_saved[r].is_internal_standard) continue;
        ++analytes;
        EXPECT_EQ(slot[r].limit, method_data.library_saved[r].conc[0]) << method_data.library_saved[r].name;
    }
    EXPECT_EQ(analytes, 51);

    EXPECT_EQ(lmt_file_text(reporting_limit_files.lmt_header, "demo_library.txt", slot), read_file_text(path));
}

}  // namespace
