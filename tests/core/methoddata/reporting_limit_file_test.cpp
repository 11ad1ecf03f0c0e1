#include "methoddata/reporting_limit_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "../surrogate_fixtures.h"
#include "program/program_state.h"
#include "samples/process_files_data.h"
#include "samples/reporting_limits_reader.h"
#include "methoddata/reporting_limit_files.h"
#include "platform/number_text.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace {

class ReportingLimitFile : public ::testing::Test {
  protected:
    void SetUp() override {
        construct_method_data();
        construct_process_files_data();
    }

    // The slot as the editor prepares it: names and flags from library_saved.
    ReportingLimitSlot slot_from_library() const {
        ReportingLimitSlot slot;
        for (int r = 0; r < kMaxCompounds; ++r) {
            slot[r].name = method_data.library_saved[r].name;
            slot[r].is_internal_standard = method_data.library_saved[r].is_internal_standard;
        }
        return slot;
    }
    LmtHeader header(double size, const std::string& matrix, const std::string& unit) const {
        LmtHeader h;
        h.creation_date = "03/04/2024 09:05";
        h.internal_standard_file = "/data/IS.INI";
        h.size = size;
        h.matrix = matrix;
        h.unit = unit;
        return h;
    }
    ScriptedUi ui;
};

TEST_F(ReportingLimitFile, AnalytesFollowTheHeaderInLibraryOrderWithoutAFinalLineEnd) {
    add_limits_library();
    ReportingLimitSlot slot = slot_from_library();
    slot[1].limit = 1.0;
    slot[2].limit = 2.5;
    slot[4].limit = 0.0;
    EXPECT_EQ(lmt_file_text(header(10.0, "water", "ng/l"), "/data/lib.txt", slot),
              "Creation Date;03/04/2024 09:05\n"
              "Compound Library File:/DATA/LIB.TXT\n"
              "Internal Standard File;/data/IS.INI\n"
              "10.00;water;ng/l\n"
              "Other;\n"
              "Benzene;1.00\n"
              "Toluene;2.50\n"
              "Xylene;0.00");
}

TEST_F(ReportingLimitFile, HeaderEdges) {
    // No analytes: the file ends with the comment. An empty matrix is named as missing.
    add_library_row("IS-1", true);
    LmtHeader h = header(0.125, "", "\xC2\xB5g/l");
    h.comment = "grab sample";
    EXPECT_EQ(lmt_file_text(h, "lib.txt", slot_from_library()),
              "Creation Date;03/04/2024 09:05\nCompound Library File:LIB.TXT\n"
              "Internal Standard File;/data/IS.INI\n0.125;No MATRIX Given;\xC2\xB5g/l\nOther;grab sample");
    // A name read with its line end is not given a second one.
    h.internal_standard_file = "IS.INI\n";
    EXPECT_NE(lmt_file_text(h, "lib.txt", slot_from_library()).find("File;IS.INI\n0.125;"), std::string::npos);
}

// Two decimals, unless they would change the value: a limit of 0.004 must not come back
// as 0 (no limit), nor a sample size of 0.125 as 0.13.
TEST_F(ReportingLimitFile, NumbersKeepTheirValue) {
    const std::pair<double, const char*> cases[] = {
        {1.0, "1.00"}, {2.5, "2.50"}, {0.0, "0.00"}, {10.25, "10.25"}, {0.004, "0.004"}, {0.125, "0.125"},
        {2.555, "2.555"}, {kNotSet, "2147483647.00"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(exact_fixed(value, 2), text) << value;
}

TEST_F(ReportingLimitFile, WriteReplacesTheFileWholeAndReportsAFailure) {
    add_library_row("Benzene", false);
    TempFolder temp;
    const std::string path = temp.write("old.lmt", "old");
    ASSERT_TRUE(write_lmt_file(path, header(1, "soil", "ng/g"), "lib.txt", slot_from_library()));
    EXPECT_EQ(read_file_text(path).substr(read_file_text(path).rfind('\n')), "\nBenzene;0.00");

    ui.expect_message("Quantilyzer: 07003");
    EXPECT_FALSE(write_lmt_file(temp.file("no/such/folder/x.lmt"), header(1, "soil", "ng/g"), "lib.txt",
                                slot_from_library()));
    EXPECT_EQ(ui.last_message().caption, "Write File Error");
}

// What the editor writes, the Sample Information window reads back: every analyte's limit
// and every header field.
TEST_F(ReportingLimitFile, WrittenFileReadsBackWhole) {
    add_library_row("IS-1", true);
    add_library_row("Benzene", false);
    add_library_row("1,2,4-Trichlorobenzene", false);
    add_library_row("Xylene", false);
    ReportingLimitSlot slot = slot_from_library();
    slot[1].limit = 0.004;
    slot[2].limit = 12.5;
    slot[3].limit = 0.0;
    LmtHeader written = header(0.125, "waste water", "\xC2\xB5g/l");
    written.comment = "quarterly, outfall 3";
    TempFolder temp;
    const std::string path = temp.file("rt.lmt");
    ASSERT_TRUE(write_lmt_file(path, written, "lib.txt", slot));

    process_files_data.samples[4].reporting_limits.fill(ReportingLimit_init());
    ASSERT_EQ(read_reporting_limits_file(path, 4), 1);
    for (int r = 0; r <= 3; ++r) {
        EXPECT_EQ(process_files_data.samples[4].reporting_limits[r].name, method_data.library_saved[r].name);
        EXPECT_EQ(process_files_data.samples[4].reporting_limits[r].limit, slot[r].limit)
            << r;  // the internal standard: 0
    }
    EXPECT_EQ(reporting_limit_files.lmt_header.creation_date, written.creation_date);
    EXPECT_EQ(reporting_limit_files.lmt_header.internal_standard_file, written.internal_standard_file);
    EXPECT_EQ(reporting_limit_files.lmt_header.size, written.size);
    EXPECT_EQ(reporting_limit_files.lmt_header.matrix, written.matrix);
    EXPECT_EQ(reporting_limit_files.lmt_header.unit, written.unit);
    EXPECT_EQ(reporting_limit_files.lmt_header.comment, written.comment);
}

TEST_F(ReportingLimitFile, ATextHoldingTheSeparatorIsRefused) {
    add_library_row("Benzene", false);
    TempFolder temp;
    const std::string path = temp.write("kept.lmt", "old");
    for (auto change : std::vector<std::function<void(LmtHeader&)>>{
             [](LmtHeader& h) { h.matrix = "soil;clay"; },
             [](LmtHeader& h) { h.comment = "a;b"; },
             [](LmtHeader& h) { h.internal_standard_file = "is;1.ini"; },
             [](LmtHeader&) { method_data.library_saved[0].name = "Benzene;d6"; },
         }) {
        LmtHeader h = header(1, "soil", "ng/g");
        change(h);
        ui.expect_message("\";\", which separates the fields");
        EXPECT_FALSE(write_lmt_file(path, h, "lib.txt", slot_from_library()));
        EXPECT_EQ(ui.last_message().caption, "Write File Error");
        EXPECT_EQ(read_file_text(path), "old");
    }
}

// A row gives its name back trimmed: a name with blanks around it would name no compound.
TEST_F(ReportingLimitFile, ANameWithBlanksAroundItIsRefused) {
    add_library_row("Benzene", false);
    TempFolder temp;
    const std::string path = temp.write("kept.lmt", "old");
    for (const char* name : {"Benzene ", " Benzene", "Benzene\t"}) {
        method_data.library_saved[0].name = name;
        ui.expect_message("has blanks around it");
        EXPECT_FALSE(write_lmt_file(path, header(1, "soil", "ng/g"), "lib.txt", slot_from_library())) << name;
        EXPECT_EQ(read_file_text(path), "old");
    }
}

// The size boxes take digits and one full stop: a size comes back in that form.
TEST_F(ReportingLimitFile, SampleSizesAreShownAsTheSizeBoxesTakeThem) {
    const std::pair<double, const char*> cases[] = {
        {1e20, "100000000000000000000"}, {1e-7, "0.0000001"}, {12.5, "12.5"}, {25, "25"}, {0.1, "0.1"}};
    for (const auto& [size, text] : cases) EXPECT_EQ(sample_size_text(size), text);
}

TEST_F(ReportingLimitFile, FindLibraryCompoundIsExactAndTakesTheFirstMatch) {
    add_library_row("Benzene", false);
    add_library_row("Toluene", false);
    add_library_row("Toluene", false);
    method_data.library_saved[3].name = "Beyond";  // past compound_count
    EXPECT_EQ(find_library_compound("Toluene"), 1);
    EXPECT_EQ(find_library_compound("benzene"), kNotFound);
    EXPECT_EQ(find_library_compound("Beyond"), kNotFound);
    EXPECT_EQ(find_library_compound(""), kNotFound);
}

TEST_F(ReportingLimitFile, UnitsAreComparedExactly) {
    EXPECT_EQ(reporting_unit_index("ng/mL"), 0);
    EXPECT_EQ(reporting_unit_index("\xC2\xB5g/l"), 5);
    EXPECT_EQ(reporting_unit_index("ng/ml"), -1);
    EXPECT_EQ(reporting_unit_index("ng/l "), -1);
}

}  // namespace
