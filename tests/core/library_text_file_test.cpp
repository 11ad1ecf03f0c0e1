#include "methoddata/library_text_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include <sys/stat.h>

#include <optional>

#include "methoddata/editor_state.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "scripted_ui.h"
#include "test_files.h"
#include "program/program_state.h"

namespace {

const char* const kHeader2 = "COMPOUND LIBRARY;V2;RVW;BP;Version 4.2\n";

// A full two-variable row: name, category, rvw, bp, rvo, partition coefficient, 10 amounts, CAS.
std::string full_row(const std::string& name, const std::string& category, const std::string& rvw,
                     const std::string& cas = "71-43-2") {
    return name + "\t" + category + "\t" + rvw + "\t80.00\t12.50\t2.13\t1\t5\t10\t20\t50\t100\t0\t0\t0\t0\t" + cas +
           "\n";
}

class LibraryTextFile : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        method_data.library_version = program_version_text;
        reset_library_tables();
        // A library already in memory: a refused file must leave it as it was.
        method_data.library[0].name = "Kept";
        method_data.library[0].rvw = 3.0;
        method_data.compound_count = 7;
        method_data.library_ini_path = "/old/kept.ini";
    }

    void expect_library_untouched() {
        EXPECT_EQ(method_data.compound_count, 7);
        EXPECT_EQ(method_data.library[0].name, "Kept");
        EXPECT_EQ(method_data.library[0].rvw, 3.0);
        EXPECT_EQ(method_data.library_ini_path, "/old/kept.ini");
    }

    // Expects the next message and checks its caption once shown.
    void expect_error(const std::string& text, const std::string& caption) {
        ui.expect_message(text);
        expected_caption_ = caption;
    }
    void check_caption() {
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.last_message().caption, expected_caption_) << ui.last_message().text;
    }

    ScriptedUi ui;
    TempFolder temp;
    std::string expected_caption_;
};

TEST_F(LibraryTextFile, CountsHeaderSeparators) {
    EXPECT_EQ(count_header_separators("COMPOUND LIBRARY"), 0);
    EXPECT_EQ(count_header_separators("COMPOUND LIBRARY;;x;"), 3);
}

// A field is read whole: by its leading digits "3.2mg" was 3.2 and "n/a" 0.
TEST_F(LibraryTextFile, NumbersAreReadWhole) {
    EXPECT_EQ(library_text_number("  12.5  ", "rvw"), 12.5);
    EXPECT_EQ(library_text_number("-0.24", "rvw"), -0.24);
    EXPECT_EQ(library_text_number("1e-3", "rvw"), 0.001);
    const std::pair<const char*, const char*> refused[] = {
        {"3.2mg", "bp '3.2mg' is not a number"}, {"n/a", "bp 'n/a' is not a number"},
        {"50,5", "bp '50,5' is not a number"},   {"   ", "bp is empty"},
    };
    for (const auto& [text, message] : refused) {
        try {
            library_text_number(text, "bp");
            ADD_FAILURE() << text;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

struct HeaderCase {
    const char* line;
    u8 one_variable;
    u8 bp_chosen;
    u8 rvw_chosen;
    const char* label1;
    const char* label2;
    const char* transform;
    const char* single_label;
    const char* version;
};

TEST_F(LibraryTextFile, HeaderFormsByItsSeparatorCount) {
    const HeaderCase cases[] = {
        // The old form keeps the version text of the previous library; the line is not examined.
        {"COMPOUND LIBRARY", 0, 0, 0, "RVW", "BP", "", "", "Previous"},
        {"any text at all", 0, 0, 0, "RVW", "BP", "", "", "Previous"},
        {"COMPOUND LIBRARY;Version 4.1", 0, 0, 0, "RVW", "BP", "", "", "Version 4.1"},
        {"compound library;Linear;Boiling", 1, 1, 0, "Boiling", "old2", "Linear", "Boiling", "Previous"},
        {"COMPOUND LIBRARY;Ln;Kh", 1, 0, 1, "Kh", "old2", "Ln", "Kh", "Previous"},
        // Read without regard to case: the variable word chooses its variable however written.
        {"compound library;linear;BP;Version 4.2", 1, 1, 0, "BP", "old2", "Linear", "BP", "Version 4.2"},
        {"COMPOUND LIBRARY;lN;Kh", 1, 0, 1, "Kh", "old2", "Ln", "Kh", "Previous"},
        {"COMPOUND LIBRARY;V2;RVW;BP", 0, 0, 0, "RVW", "BP", "", "", "Previous"},
        {"COMPOUND LIBRARY;V2;Kh;Tb;Version 4.2", 0, 0, 0, "Kh", "Tb", "", "", "Version 4.2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        method_data.variable_mode = VariableMode{0, 0, 0, "V2", "old single", "old1", "old2"};
        method_data.library_version = "Previous";
        method_data.loaded_variable_mode = no_loaded_variable_mode();
        ASSERT_TRUE(parse_library_header(c.line));
        EXPECT_EQ(method_data.variable_mode.one_variable_mode, c.one_variable);
        EXPECT_EQ(method_data.variable_mode.bp_variable_chosen, c.bp_chosen);
        EXPECT_EQ(method_data.variable_mode.rvw_variable_chosen, c.rvw_chosen);
        EXPECT_EQ(method_data.variable_mode.variable1_label, c.label1);
        EXPECT_EQ(method_data.variable_mode.variable2_label, c.label2);
        EXPECT_EQ(method_data.variable_mode.transform_text, c.transform);
        if (c.one_variable) {
            EXPECT_EQ(method_data.variable_mode.single_variable_label, c.single_label);
        }
        EXPECT_EQ(method_data.library_version, c.version);
        EXPECT_TRUE(method_data.loaded_variable_mode == method_data.variable_mode);
    }
}

TEST_F(LibraryTextFile, MalformedHeadersAreRefusedWithTheirNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"COMPOUND LIBRARY;x;Kh;;Tb;Version 4.3", "Quantilyzer: 06003-1"},
        {"A;B;C;D;E;F", "Quantilyzer: 06003-1"},
        {"LIBRARY;Version 4.2", "Quantilyzer: 06003-2"},
        {"LIBRARY;V2;RVW;BP;Version 4.2", "Quantilyzer: 06003-2"},
        {";COMPOUND LIBRARY;Ln", "Quantilyzer: 06003-3"},
        {";COMPOUND LIBRARY;V2;RVW", "Quantilyzer: 06003-3"},
        {"COMPOUND LIBRARY;Log;Kh", "Quantilyzer: 06003-4"},
        // A last field starting with "V" makes it a one-variable header with transform V2.
        {"COMPOUND LIBRARY;V2;RVW;VP", "Quantilyzer: 06003-4"},
        {"COMPOUND LIBRARY;Ln;", "Quantilyzer: 06003-5"},
    };
    for (const auto& [line, message] : cases) {
        SCOPED_TRACE(line);
        expect_error(message, "Error");
        EXPECT_FALSE(parse_library_header(line));
        check_caption();
        EXPECT_EQ(ui.last_message().text, message);
    }
    // Refused as a file too, and the library stays.
    expect_error("Quantilyzer: 06003-2", "Error");
    EXPECT_FALSE(read_library_text_file(temp.write("bad.txt", "LIBRARY;V2;RVW;BP;Version 4.2\n")));
    expect_library_untouched();
}

TEST_F(LibraryTextFile, OldVersionWarnsLoadsAndSavesTheCurrentVersion) {
    method_data.library_version = "Version 4.2";
    expect_error("You must save library now\n to make compatible with Version 4.2", "Error");
    std::string path =
        temp.write("old.txt", "COMPOUND LIBRARY;V2;RVW;BP;Version 4.0\n" + full_row("Benzene", "analyte", "11.4"));
    ASSERT_TRUE(read_library_text_file(path));
    check_caption();
    EXPECT_EQ(method_data.compound_count, 1);
    EXPECT_EQ(method_data.library_version, "Version 4.2");

    // A library whose version text is the old one is saved with the current one.
    ASSERT_TRUE(parse_library_header("COMPOUND LIBRARY;Version 4.0"));
    EXPECT_EQ(method_data.library_version, "Version 4.0");
    std::string text = format_library_text(1, method_data.library);
    EXPECT_EQ(text.substr(0, text.find('\n')), "COMPOUND LIBRARY;V2;RVW;BP;Version 4.2");
}

TEST_F(LibraryTextFile, RowErrorsRefuseTheFileAndKeepTheLibrary) {
    struct Case {
        std::string header;
        std::string rows;
        std::string message;
    } cases[] = {
        {kHeader2, full_row("Benzene", "1nalyte", "1.0"), "Quantilyzer: 06004"},
        {kHeader2, "Benzene\tXanalyte\t1.0\n", "Quantilyzer: 06004"},
        // The category's first character is taken before trimming.
        {kHeader2, "Benzene\t analyte\t1.0\n", "Quantilyzer: 06004"},
        {kHeader2, full_row("Benzene", "analyte", "0"), "Quantilyzer: 06007 | record 1"},
        {kHeader2, full_row("A", "analyte", "1") + full_row("B", "analyte", "2") + full_row("C", "analyte", "-1"),
         "Quantilyzer: 06007 | record 3"},
        // A CAS column needs a version text; the old header keeps the previous one.
        {"COMPOUND LIBRARY\n", full_row("Benzene", "analyte", "1.0"), "Quantilyzer: 06005"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        method_data.library_version = "";
        expect_error(c.message, "Fatal Error");
        EXPECT_FALSE(read_library_text_file(temp.write("bad.txt", c.header + c.rows)));
        check_caption();
        EXPECT_EQ(ui.last_message().text, c.message);
        expect_library_untouched();
    }
}

// ";" separates the fields of the calibration, reporting-limit and report files.
TEST_F(LibraryTextFile, ANameHoldingTheFieldSeparatorIsRefusedNamingItsRow) {
    const std::string rows = full_row("Benzene", "analyte", "1.0") + full_row("Tolu;ene", "analyte", "2.0");
    expect_error("The compound name \"Tolu;ene\" in row 2 contains \";\"", "Error");
    EXPECT_FALSE(read_library_text_file(temp.write("semi.txt", kHeader2 + rows)));
    check_caption();
    expect_library_untouched();
}

// Records, limits and results find their rows by name: a name in two rows would leave
// the second row's values unused. Names differing only in case or blanks inside are two.
TEST_F(LibraryTextFile, ANameInTwoRowsIsRefusedNamingBothRows) {
    const std::string rows = full_row("Benzene", "analyte", "1.0") + full_row("Toluene", "analyte", "2.0") +
                             full_row("benzene", "analyte", "3.0") + full_row(" Toluene ", "analyte", "4.0");
    const std::string path = temp.write("twice.txt", kHeader2 + rows);
    expect_error("The library file " + path +
                     " was not read: the compound \"Toluene\" is named twice, in row 2 (line 3) and in row 4 "
                     "(line 5).\nThe library was not loaded.",
                 "Error");
    EXPECT_FALSE(read_library_text_file(path));
    check_caption();
    EXPECT_EQ(ui.last_message().text.find("benzene"), std::string::npos);
    expect_library_untouched();
}

TEST_F(LibraryTextFile, CasColumnIsAcceptedWhenTheKeptVersionTextHasVersion) {
    method_data.library_version = "Version 4.2";
    ASSERT_TRUE(read_library_text_file(temp.write("old.txt", "COMPOUND LIBRARY\n" + full_row("B", "A", "1"))));
    EXPECT_EQ(method_data.library[0].casNumber, "71-43-2");
}

TEST_F(LibraryTextFile, ShortRowsKeepDefaultsAndRunsOfTabsAreOneSeparator) {
    method_data.library[1].MDLwater = 4.5;  // limits are not in the file: they stay
    std::string path = temp.write("short.txt", std::string(kHeader2) +
                                                   "Benzene\tA\n"
                                                   "Toluene-d8\tsurrogate\t13.5\t110\n"
                                                   "  o-Xylene \t\tanalyte\t10.5\t144\t\t3.12\t1\t\t5\r\n"
                                                   "Naphthalene\tInternal Standard\t0.9\t218\t1.5\t3.3\t25\t25\t25"
                                                   "\t25\t25\t25\t25\t25\t25\t25\t91-20-3\textra\tignored\n");
    ASSERT_TRUE(read_library_text_file(path));
    ASSERT_EQ(method_data.compound_count, 4);

    const LibraryCompound& a = method_data.library[0];
    EXPECT_EQ(a.name, "Benzene");
    EXPECT_EQ(a.cmpndType, "analyte");
    EXPECT_EQ(a.is_internal_standard, 0);
    for (double v : {a.rvw, a.bp, a.rvo, a.partcoef}) EXPECT_EQ(v, 999.0);
    for (double v : a.conc) EXPECT_EQ(v, 99.0);
    EXPECT_EQ(a.casNumber, "N/A");

    const LibraryCompound& s = method_data.library[1];
    EXPECT_EQ(s.cmpndType, "Internal Standard");
    EXPECT_EQ(s.is_internal_standard, 1);
    EXPECT_EQ(s.rvw, 13.5);
    EXPECT_EQ(s.bp, 110.0);
    EXPECT_EQ(s.rvo, 999.0);
    EXPECT_EQ(s.MDLwater, 4.5);

    // The empty rvo field is skipped: the values after it move one position left.
    const LibraryCompound& x = method_data.library[2];
    EXPECT_EQ(x.name, "o-Xylene");
    EXPECT_EQ(x.rvo, 3.12);
    EXPECT_EQ(x.partcoef, 1.0);
    EXPECT_EQ(x.conc[0], 5.0);
    EXPECT_EQ(x.conc[1], 99.0);

    const LibraryCompound& n = method_data.library[3];
    EXPECT_EQ(n.casNumber, "91-20-3");
    EXPECT_EQ(n.conc[9], 25.0);
    EXPECT_EQ(n.is_internal_standard, 1);
}

TEST_F(LibraryTextFile, FirstBlankLineEndsTheLibrary) {
    for (const char* blank : {"\n", "  \t \n", "\r\n"}) {
        std::string text = std::string(kHeader2) + full_row("A", "analyte", "1") + blank +
                           full_row("B", "analyte", "2") + full_row("C", "analyte", "0");
        // The rows left unread are named, not dropped unseen.
        ui.expect_message("ends at its blank line 3.\nThe lines after it, from line 4 on, were not read.");
        ASSERT_TRUE(read_library_text_file(temp.write("lib.txt", text)));
        EXPECT_EQ(method_data.compound_count, 1);
        EXPECT_EQ(method_data.library[1].name, "DUMMY");
    }
    // Blank lines at the end say nothing.
    ASSERT_TRUE(read_library_text_file(temp.write("lib.txt", std::string(kHeader2) + full_row("A", "analyte", "1") +
                                                                 "\n\n  \n")));
    EXPECT_EQ(method_data.compound_count, 1);
}

TEST_F(LibraryTextFile, IniPathCutsAtTheLastDotOfTheWholePath) {
    std::string text = std::string(kHeader2) + full_row("A", "analyte", "1");
    std::string in_dotted_folder = temp.write("old.data/lib", text);
    ASSERT_TRUE(read_library_text_file(in_dotted_folder));
    EXPECT_EQ(method_data.library_ini_path, temp.path() + "/old.ini");

    ASSERT_TRUE(read_library_text_file(temp.write("lib.v1.txt", text)));
    EXPECT_EQ(method_data.library_ini_path, temp.path() + "/lib.v1.ini");
}

TEST_F(LibraryTextFile, AtMost150CompoundsAreRead) {
    std::string rows;
    for (int i = 1; i <= kMaxCompounds; ++i) rows += full_row("C" + std::to_string(i), "analyte", "1");
    ASSERT_TRUE(read_library_text_file(temp.write("full.txt", kHeader2 + rows)));
    EXPECT_EQ(method_data.compound_count, kMaxCompounds);
    EXPECT_EQ(method_data.library[kMaxCompounds - 1].name, "C150");

    method_data.library[0].name = "Kept";
    method_data.library[0].rvw = 3.0;
    method_data.compound_count = 7;
    method_data.library_ini_path = "/old/kept.ini";
    expect_error("more than 150 compounds", "Error");
    EXPECT_FALSE(read_library_text_file(temp.write("over.txt", kHeader2 + rows + full_row("C151", "analyte", "1"))));
    check_caption();
    expect_library_untouched();
    EXPECT_EQ(method_data.library[kMaxCompounds - 1].name, "C150");
}

TEST_F(LibraryTextFile, MissingOrEmptyFileIsReportedAndChangesNothing) {
    struct Case {
        std::optional<std::string> content;  // nothing: the file does not exist
        const char* message;
    } cases[] = {
        {std::nullopt, "cannot be opened"},
        {"", "is empty"},
        {"\r\n  \t\n\n", "is empty"},
    };
    for (const auto& c : cases) {
        std::string path = c.content ? temp.write("lib.txt", *c.content) : temp.file("missing.txt");
        expect_error(c.message, "Error");
        EXPECT_FALSE(read_library_text_file(path));
        check_caption();
        expect_library_untouched();
    }
}

// A refused file changes nothing: not the library, and not the variable mode, labels or
// version text its header would have set. Files of the wrong kind are refused by name.
TEST_F(LibraryTextFile, RefusedFilesKeepTheLibraryAndTheVariableMode) {
    struct Case {
        const char* what;
        std::string text;
        std::string message;
    } cases[] = {
        {"bad row under a one-variable header", "COMPOUND LIBRARY;Ln;Henry;Version 4.3\nBenzene\tXanalyte\t1.0\n",
         "Quantilyzer: 06004"},
        {"internal-standard file", "[compound1]\nname=Acetone-d6\nLibCmpndNum=3\n[header]\nnumber_comps=1\n",
         "line 2 holds no tab-separated name and category of a compound"},
        {"one-line text", "COMPOUND LIBRARY;Linear;BP;Version 4.3\n", "it holds no compound lines after its header"},
        {"no header line", full_row("Benzene", "analyte", "1.0") + full_row("Toluene", "analyte", "2.0"),
         "its first line is a compound, not the \"COMPOUND LIBRARY\" header"},
        {"a row without its fields", std::string(kHeader2) + full_row("Benzene", "analyte", "1.0") + "Toluene\n",
         "line 3 holds no tab-separated name"},
    };
    const VariableMode mode{0, 0, 0, "V2", "", "Kh", "Tb"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        method_data.variable_mode = mode;
        method_data.loaded_variable_mode = mode;
        method_data.library_version = "Version 4.2";
        const std::string path = temp.write("lib.txt", c.text);
        ui.expect_message(c.message);
        EXPECT_FALSE(read_library_text_file(path));
        if (c.message.rfind("Quantilyzer", 0) != 0) {
            EXPECT_NE(ui.last_message().text.find("The file " + path + " is not a compound library"), std::string::npos);
        }
        expect_library_untouched();
        const VariableMode now = method_data.variable_mode;
        EXPECT_EQ(now.one_variable_mode, 0);
        EXPECT_EQ(now.rvw_variable_chosen, 0);
        EXPECT_EQ(now.bp_variable_chosen, 0);
        EXPECT_EQ(now.variable1_label, "Kh");
        EXPECT_EQ(now.variable2_label, "Tb");
        EXPECT_EQ(method_data.loaded_variable_mode.variable1_label, "Kh");
        EXPECT_EQ(method_data.library_version, "Version 4.2");
    }
}

// A number field must be wholly a number and able to mean what it is used for: as
// infinity an rvw passed the "> 0" check and a bp went into the models; by its leading
// digits "50,5" was 50, "O.55E2" 0 and "n/a" an rvw of 0. The file is refused whole,
// naming the line and the field (counted as the reader counts them).
TEST_F(LibraryTextFile, ANumberFieldThatIsNotItsValueRefusesTheFileNamingLineAndField) {
    struct Case {
        std::string rows;
        const char* message;
    } cases[] = {
        {full_row("A", "analyte", "1") + full_row("B", "analyte", "1e999"), "line 3: field 3 (rvw) '1e999' is out of range"},
        {"Benzene\tanalyte\t1.5\t1e999\n", "line 2: field 4 (bp) '1e999' is out of range"},
        {"Benzene\tanalyte\t1.5\t80\t1\t2\t-1e400\n", "line 2: field 7 (amount 1) '-1e400' is out of range"},
        {"Benzene\tanalyte\tn/a\n", "line 2: field 3 (rvw) 'n/a' is not a number"},
        {"Benzene\tanalyte\t1.5\t80,1\n", "line 2: field 4 (bp) '80,1' is not a number"},
        {"Benzene\tanalyte\t1.5\t80\tO.55E2\n", "line 2: field 5 (rvo) 'O.55E2' is not a number"},
        {"Benzene\tanalyte\t1.5\t80\t1\t2.1.3\n", "line 2: field 6 (partition coefficient) '2.1.3' is not a number"},
        {"Benzene\tanalyte\t1.5\t \t1\n", "line 2: field 4 (bp) is empty"},
        {"Benzene\tanalyte\t1.5\t80\t1\t2\t1\t5\t10ug\n", "line 2: field 9 (amount 3) '10ug' is not a number"},
        // An amount below 0 is no amount a standard can hold.
        {full_row("A", "analyte", "1") + "B\tanalyte\t1.5\t80\t1\t2\t1\t5\t10\t20\t50\t100\t-1\n",
         "line 3: field 13 (amount 7) '-1' is below 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        const std::string path = temp.write("huge.txt", kHeader2 + c.rows);
        expect_error("The library file " + path + " was not read: " + c.message + ".\nThe library was not loaded.",
                     "Error");
        EXPECT_FALSE(read_library_text_file(path));
        check_caption();
        expect_library_untouched();
    }
    // A bp below 0 is a real boiling point, and a partition coefficient below 0 a real one.
    ASSERT_TRUE(read_library_text_file(temp.write("cold.txt", std::string(kHeader2) +
                                                                  "Chloromethane\tanalyte\t40\t-24.2\t1\t-0.5\t0\n")));
    EXPECT_EQ(method_data.library[0].bp, -24.2);
    EXPECT_EQ(method_data.library[0].partcoef, -0.5);
    EXPECT_EQ(method_data.library[0].conc[0], 0.0);
    // A folder given for the file cannot be opened, and says so.
    SetUp();
    expect_error("The library file " + temp.path() + " cannot be opened.", "Error");
    EXPECT_FALSE(read_library_text_file(temp.path()));
    expect_library_untouched();
}

// A library with every kind of row: analytes and internal standards, a tiny rvw that
// "%.2f" would write as 0, a compound without CAS number.
void fill_test_library(LibraryTable& table) {
    struct Row {
        const char* name;
        bool is;
        double rvw, bp, rvo, partcoef;
        const char* cas;
    } rows[] = {
        {"1,1-Dichloroethene", false, 53.5, 32.0, 151.36, 2.13, "75-35-4"},
        {"Toluene-d8", true, 13.5, 110.0, 25.12, 2.73, "2037-26-5"},
        {"Phenol", false, 0.0008, 182.0, 1.51, 1.46, "108-95-2"},
        {"Unknown 1", false, 0.25, 300.0, 999.0, -0.5, "N/A"},
    };
    int i = 0;
    for (const auto& r : rows) {
        LibraryCompound& c = table[i];
        c.name = r.name;
        c.cmpndType = r.is ? "Internal Standard" : "analyte";
        c.is_internal_standard = r.is ? 1 : 0;
        c.rvw = r.rvw;
        c.bp = r.bp;
        c.rvo = r.rvo;
        c.partcoef = r.partcoef;
        c.casNumber = r.cas;
        for (int k = 0; k < kMaxLevels; ++k) c.conc[k] = r.is ? 25.0 : (k < 6 ? 0.5 * (k + 1) * (k + 1) : 0.0);
        ++i;
    }
}

void expect_same_rows(const LibraryTable& a, const LibraryTable& b, int count) {
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(a[i].name);
        EXPECT_EQ(a[i].name, b[i].name);
        EXPECT_EQ(a[i].cmpndType, b[i].cmpndType);
        EXPECT_EQ(a[i].is_internal_standard, b[i].is_internal_standard);
        EXPECT_EQ(a[i].rvw, b[i].rvw);
        EXPECT_EQ(a[i].bp, b[i].bp);
        EXPECT_EQ(a[i].rvo, b[i].rvo);
        EXPECT_EQ(a[i].partcoef, b[i].partcoef);
        EXPECT_EQ(a[i].conc, b[i].conc);
        EXPECT_EQ(a[i].casNumber, b[i].casNumber);
    }
}

TEST_F(LibraryTextFile, WriteThenReadGivesTheSameLibraryInEveryVariableMode) {
    const VariableMode modes[] = {
        {0, 0, 0, "V2", "", "Kh", "Tb"},
        {1, 1, 0, "Linear", "Boiling point", "RVW", "BP"},
        {1, 0, 1, "Ln", "Henry", "RVW", "BP"},
    };
    for (const auto& mode : modes) {
        SCOPED_TRACE(mode.transform_text);
        LibraryTable written;
        written.fill(LibraryCompound_init());
        fill_test_library(written);
        method_data.variable_mode = mode;
        method_data.library_version = "Version 4.2";

        std::string path = temp.file("round.txt");
        remove_file(path);
        ui.save_returns(path);
        ASSERT_TRUE(write_library_text_file(4, written));
        EXPECT_EQ(editor_state.save_as_cancelled, 0);

        construct_method_data();
        reset_library_tables();
        ASSERT_TRUE(read_library_text_file(path)) << read_file_text(path);
        EXPECT_EQ(method_data.compound_count, 4);
        expect_same_rows(written, method_data.library, 4);
        VariableMode read = method_data.variable_mode;
        EXPECT_EQ(read.one_variable_mode, mode.one_variable_mode);
        EXPECT_EQ(read.bp_variable_chosen, mode.bp_variable_chosen);
        EXPECT_EQ(read.rvw_variable_chosen, mode.rvw_variable_chosen);
        if (mode.one_variable_mode) {
            EXPECT_EQ(read.transform_text, mode.transform_text);
            EXPECT_EQ(read.single_variable_label, mode.single_variable_label);
        } else {
            EXPECT_EQ(read.variable1_label, mode.variable1_label);
            EXPECT_EQ(read.variable2_label, mode.variable2_label);
        }
        EXPECT_EQ(method_data.library_version, "Version 4.2");
    }
}

TEST_F(LibraryTextFile, RowsAreWrittenInTheFixedLayout) {
    LibraryTable table;
    table.fill(LibraryCompound_init());
    fill_test_library(table);
    table[0].casNumber = "  75-35-4 ";
    std::vector<std::string> lines = split(format_library_text(3, table), '\n');
    ASSERT_EQ(lines.size(), 5u);  // header, three rows, the empty piece after the last "\n"
    EXPECT_EQ(lines[0], "COMPOUND LIBRARY;V2;RVW;BP;Version 4.2");
    EXPECT_EQ(lines[1],
              "1,1-Dichloroethene\tanalyte\t53.50\t32.00\t151.36\t2.13\t0.50\t2.00\t4.50\t8.00\t12.50\t18.00"
              "\t0.00\t0.00\t0.00\t0.00\t75-35-4");
    EXPECT_EQ(lines[2].substr(0, lines[2].find("\t110")), "Toluene-d8\tInternal Standard\t13.50");
    // An rvw below 0.005 keeps its digits; "0.00" would make the file unreadable.
    EXPECT_EQ(lines[3].substr(0, lines[3].find("\t182")), "Phenol\tanalyte\t0.0008");
    EXPECT_EQ(lines[4], "");
}

// Every number the analyst typed or loaded reads back equal: two decimals where they keep
// the value (ordinary libraries keep their layout), the shortest exact text otherwise.
TEST_F(LibraryTextFile, SavedNumbersReadBackEqual) {
    LibraryTable table;
    table.fill(LibraryCompound_init());
    fill_test_library(table);
    table[0].rvw = 0.0123;  // "%.2f" makes all three 0.01
    table[1].rvw = 0.0149;
    table[2].rvw = 0.0051;
    table[3].rvw = 0.004;
    table[0].conc[0] = 0.125;  // would be 0.12
    table[0].conc[1] = 0.004;  // would be 0
    table[1].bp = 123456.789012345;  // 15 significant digits
    table[2].partcoef = 1.23456789012345e-7;
    table[3].rvo = 0.1 + 0.2;  // needs 17 digits
    table[3].conc[9] = 987.654321098765;  // (an amount is never below 0)
    const std::string text = format_library_text(4, table);
    const std::vector<std::string> lines = split(text, '\n');
    EXPECT_EQ(lines[1].substr(0, lines[1].find("\t32")), "1,1-Dichloroethene\tanalyte\t0.0123");
    EXPECT_NE(lines[1].find("\t0.125\t0.004\t4.50\t"), std::string::npos);

    ASSERT_TRUE(read_library_text_file(temp.write("exact.txt", text)));
    ASSERT_EQ(method_data.compound_count, 4);
    expect_same_rows(table, method_data.library, 4);
    EXPECT_NEAR(std::log(method_data.library[0].rvw), -4.398, 5e-4);
}

TEST_F(LibraryTextFile, SaveDialogAsksBeforeOverwriting) {
    folder_settings.slot[kFilePathSlot] = temp.path() + "/libs/method.ini";
    std::string existing = temp.write("old.txt", "old content");
    LibraryTable table;
    table.fill(LibraryCompound_init());
    fill_test_library(table);

    // No: the dialog comes back; the name gets ".txt".
    ui.save_returns(existing);
    ui.answer(Answer::No);
    ui.save_returns(temp.file("new"));
    ASSERT_TRUE(write_library_text_file(4, table));
    EXPECT_EQ(ui.messages.back().text, "Overwrite file: " + existing + "?");
    EXPECT_EQ(ui.messages.back().caption, "Warning");
    EXPECT_EQ(ui.messages.back().buttons, Buttons::YesNoCancel);
    EXPECT_EQ(read_file_text(existing), "old content");
    EXPECT_EQ(read_file_text(temp.file("new.txt")), format_library_text(4, table));
    ASSERT_EQ(ui.save_requests.size(), 2u);
    EXPECT_EQ(ui.save_requests[0].start_folder, temp.path() + "/libs");
    EXPECT_EQ(ui.save_requests[0].filter, "Library Text Compound files (*.txt)|*.txt");

    // Cancel at the question: nothing written, and the editor learns it.
    ui.save_returns(existing);
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(write_library_text_file(4, table));
    EXPECT_EQ(editor_state.save_as_cancelled, 1);
    EXPECT_EQ(read_file_text(existing), "old content");

    // Yes replaces it; an upper-case ".TXT" is kept as chosen.
    std::string upper = temp.write("UPPER.TXT", "old");
    ui.save_returns(upper);
    ui.answer(Answer::Yes);
    ASSERT_TRUE(write_library_text_file(4, table));
    EXPECT_EQ(editor_state.save_as_cancelled, 0);
    EXPECT_EQ(read_file_text(upper), format_library_text(4, table));

    // A "." in a folder name is not the file's extension.
    std::filesystem::create_directories(temp.file("old.txtfiles"));
    ui.save_returns(temp.file("old.txtfiles/lib"));
    ASSERT_TRUE(write_library_text_file(4, table));
    EXPECT_EQ(read_file_text(temp.file("old.txtfiles/lib.txt")), format_library_text(4, table));

    // Cancelling the dialog.
    ui.save_returns(std::nullopt);
    EXPECT_FALSE(write_library_text_file(4, table));
    EXPECT_EQ(editor_state.save_as_cancelled, 1);
}

TEST_F(LibraryTextFile, SavedRowsBecomeTheSnapshotOutsideCreateMode) {
    LibraryTable table;
    table.fill(LibraryCompound_init());
    fill_test_library(table);
    for (u8 create_mode : {1, 0}) {
        main_flags.NewLibraryMode = create_mode;
        ui.save_returns(temp.file(create_mode ? "created.txt" : "edited.txt"));
        ASSERT_TRUE(write_library_text_file(2, table));
        EXPECT_EQ(method_data.library_saved[0].name, create_mode ? "DUMMY" : "1,1-Dichloroethene");
        EXPECT_EQ(method_data.library_saved[2].name, "DUMMY");
    }
}

TEST_F(LibraryTextFile, UnwritableTargetIsReportedAndNothingCountsAsSaved) {
    LibraryTable table;
    table.fill(LibraryCompound_init());
    fill_test_library(table);
    std::string path = temp.path() + "/no such folder/lib.txt";
    ui.save_returns(path);
    expect_error("could not be written", "Error");
    EXPECT_FALSE(write_library_text_file(4, table));
    check_caption();
    EXPECT_EQ(editor_state.save_as_cancelled, 1);
    EXPECT_EQ(method_data.library_saved[0].name, "DUMMY");

    // A read-only library is refused, not replaced through its folder.
    const std::string locked = temp.write("locked.txt", "old");
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
    ui.save_returns(locked);
    ui.answer(Answer::Yes);  // replace it?
    expect_error("is read-only", "Error");
    EXPECT_FALSE(write_library_text_file(4, table));
    EXPECT_EQ(read_file_text(locked), "old");
    EXPECT_EQ(editor_state.save_as_cancelled, 1);
}

TEST_F(LibraryTextFile, DemoLibraryReadsAndWritesBackByteForByte) {
    std::string path = example_file("demo_library.txt");
    ASSERT_TRUE(read_library_text_file(path));
    EXPECT_EQ(method_data.compound_count, 62);
    EXPECT_EQ(method_data.variable_mode.one_variable_mode, 0);
    EXPECT_EQ(method_data.library_version, "Version 4.2");
    EXPECT_EQ(method_data.library[0].is_internal_standard, 0);  // internal standards stand among the analytes

    // Enough internal standards in each boiling-point and volatility band for three groups.
    int standards = 0, bp_bands[3] = {}, rv_bands[3] = {};
    for (int i = 0; i < method_data.compound_count; ++i) {
        const LibraryCompound& c = method_data.library[i];
        if (!c.is_internal_standard) continue;
        ++standards;
        EXPECT_EQ(c.cmpndType, "Internal Standard");
        for (double amount : c.conc) EXPECT_EQ(amount, c.conc[0]) << c.name;
        ++bp_bands[c.bp <= 110 ? 0 : c.bp <= 200 ? 1 : 2];
        ++rv_bands[c.rvw < 0.5 ? 0 : c.rvw <= 5 ? 1 : 2];
    }
    EXPECT_EQ(standards, 11);
    for (int band = 0; band < 3; ++band) {
        EXPECT_GE(bp_bands[band], 3);
        EXPECT_GE(rv_bands[band], 3);
    }

    std::string copy = temp.file("copy.txt");
    ui.save_returns(copy);
    ASSERT_TRUE(write_library_text_file(method_data.compound_count, method_data.library));
    EXPECT_EQ(read_file_text(copy), read_file_text(path));
}

}  // namespace
