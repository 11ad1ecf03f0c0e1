#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calibration/quant_data_file.h"
#include "calibration/results_file.h"
#include "methoddata/tables.h"
#include "methoddata/calibration_data.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "scripted_ui.h"
#include "test_files.h"
#include "program/program_state.h"

namespace {

class ResultsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        use_library({"Benzene", "Fluorobenzene", "Toluene"});
    }

    // The INI layer decides the blank lines between sections; the keys and their order
    // are the results file's.
    static std::string keys_of(const std::string& path) {
        std::string out, text = read_file_text(path);
        for (size_t i = 0; i < text.size(); ++i)
            if (!(text[i] == '\n' && (out.empty() || out.back() == '\n'))) out += text[i];
        return out;
    }

    static void use_library(const std::vector<std::string>& names) {
        method_data.compound_count = static_cast<int>(names.size());
        for (size_t i = 0; i < names.size(); ++i) method_data.library[i].name = names[i];
    }

    // A "DATA FILE" layout file of the given rows.
    std::string data_file(const std::string& name, const std::string& rows) {
        return folder.write(name, "DATA FILE\n" + rows);
    }

    ScriptedUi ui;
    TempFolder folder;
};

TEST(QuantDataFile, FirstLineChoosesTheLayout) {
    struct Case {
        const char* line;
        QuantLayout layout;
    } cases[] = {
        {"Report Version 2", QuantLayout::Version},
        {"Version", QuantLayout::Version},
        {"report version 2", QuantLayout::Unknown},  // the word is case-sensitive
        {"DATA FILE", QuantLayout::DataFile},
        {"data file", QuantLayout::DataFile},        // this one is not
        {"DATA FILE 2", QuantLayout::Unknown},
        {"", QuantLayout::Unknown},
    };
    for (const auto& c : cases) EXPECT_EQ(quant_layout_of(c.line), c.layout) << c.line;
}

TEST(QuantDataFile, RowFieldsAreAreaThenRetentionTimeLast) {
    struct Case {
        const char* line;
        const char* name;
        double area, retention_time;
    } cases[] = {
        {"Benzene", "Benzene", 0.0, 0.0},
        {"Benzene\t1234.5", "Benzene", 1234.5, 0.0},
        {"Benzene\t\t1234.5\t\t7.81", "Benzene", 1234.5, 7.81},  // runs of tabs are one separator
        {"Benzene\t100\t99\t98\t7.5", "Benzene", 100.0, 7.5},     // fields between are ignored
        {"Benzene  \t 42", "Benzene", 42.0, 0.0},
        {"Benzene\t1.5e3\tion?\t+7.5", "Benzene", 1500.0, 7.5},      // the field between is not read
    };
    for (const auto& c : cases) {
        QuantRow row = parse_quant_row(c.line);
        EXPECT_EQ(row.name, c.name) << c.line;
        EXPECT_DOUBLE_EQ(row.area, c.area) << c.line;
        EXPECT_DOUBLE_EQ(row.retention_time, c.retention_time) << c.line;
    }
}

TEST(QuantDataFile, VersionRowsStartAfterTheCompoundLineAlone) {
    QuantDataFile f = parse_quant_lines({
        "Quant Report Version 3",
        "01/02/2026 10:00",
        "COMPOUND",  // header lines are taken by position, whatever they hold
        "CLIENT-7",
        "GC-2",
        "COMPOUND\tArea\tRT",  // more than the word: not the start of the rows
        "Benzene\t1\t2",
        "  compound  ",
        "Benzene\t10\t2.5",
        "Toluene\t20",
        "   ",  // the first line without a field ends the rows
        "Xylene\t30\t9.0",
    });
    EXPECT_EQ(f.layout, QuantLayout::Version);
    EXPECT_EQ(f.lab_file_id, "COMPOUND");
    EXPECT_EQ(f.instrument_id, "GC-2");
    ASSERT_EQ(f.rows.size(), 2u);
    EXPECT_EQ(f.rows[0].name, "Benzene");
    EXPECT_DOUBLE_EQ(f.rows[0].area, 10.0);
    EXPECT_EQ(f.rows[1].name, "Toluene");
}

TEST_F(ResultsFileTest, ResultsFileNameCutsTheDataFileNameAtItsLastDot) {
    EXPECT_EQ(results_ini_name("/runs/std1.txt", "/runs"), "/runs/std1.ini");
    EXPECT_EQ(results_ini_name("/runs/a.b/c", "/runs/a.b"), "/runs/a.b/c.ini");
    EXPECT_EQ(results_ini_name("/runs/std.2.txt", "/out/"), "/out/std.2.ini");
    EXPECT_EQ(results_ini_name("D:\\runs\\std1.txt", "/data"), "/data/std1.ini");
}

TEST_F(ResultsFileTest, VersionFileIsWrittenKeyByKeyAndReadBack) {
    folder_settings.slot[kLibraryStartFolderSlot] = "/home/lab/libs";
    folder_settings.slot[kFilePathSlot] = "/home/lab/libs/demo.ini";
    std::string data = folder.write(
        "STD1.TXT",
        "  Quant Report Version 3\r\n09/14/2025 08:15\r\nLF-0042\r\nCLIENT-7\r\nGC-2\r\n"
        "Sample header\r\nCOMPOUND\r\nBenzene\t12345.9\t\t4.5\r\n Fluorobenzene \t-3.7\t6.25\r\n"
        "Toluene\t2147483647\t1\t8.125\r\n");
    std::string ini = results_ini_name(data, folder.path());
    ASSERT_TRUE(convert_quant_file(data, ini));
    EXPECT_EQ(keys_of(ini),
              "[method]\npath=/home/lab/libs/\nfile=/home/lab/libs/demo.ini\n"
              "[sample]\nSampleName=DUMMY\nInjectiomTime=09/14/2025 08:15\nlabFileId=LF-0042\n"
              "clientSampleId=CLIENT-7\ninstrumentId=GC-2\n"
              "[header]\nnumber_comps=3\n"
              "[compound1]\nname=Benzene\narea=12345.9\nretentionTime=4.5\n"
              "[compound2]\nname=Fluorobenzene\narea=-3.7\nretentionTime=6.25\n"
              "[compound3]\nname=Toluene\narea=2147483647\nretentionTime=8.125\n");

    calibration_data.raw_data_sets[4].amount[0] = 7.0;
    ASSERT_TRUE(read_results_ini(4, ini));
    const SampleRawData& set = calibration_data.raw_data_sets[4];
    EXPECT_EQ(set.area[0], 12345);  // truncated toward zero
    EXPECT_EQ(set.area[1], -3);
    EXPECT_EQ(set.area[2], 2147483647);
    EXPECT_EQ(set.name[1], "Fluorobenzene");
    EXPECT_DOUBLE_EQ(set.retention_time[2], 8.125);
    EXPECT_DOUBLE_EQ(set.amount[0], 7.0);  // other fields stay
}

TEST_F(ResultsFileTest, DataFileLayoutWritesNoHeaderValues) {
    std::string data = data_file("s.txt", "Benzene\t1\nFluorobenzene\t2\nToluene\t3\n");
    std::string ini = folder.file("s.ini");
    ASSERT_TRUE(convert_quant_file(data, ini));
    std::string text = keys_of(ini);
    EXPECT_NE(text.find("[sample]\nSampleName=DUMMY\nInjectiomTime=DUMMY\n[header]"), std::string::npos);
    EXPECT_EQ(text.find("labFileId"), std::string::npos);
}

TEST_F(ResultsFileTest, ShortVersionFileGivesEmptyHeaderValues) {
    use_library({});
    std::string data = folder.write("v.txt", "Version\n10:00\n");
    ASSERT_TRUE(convert_quant_file(data, folder.file("v.ini")));
    std::string text = read_file_text(folder.file("v.ini"));
    EXPECT_NE(text.find("InjectiomTime=10:00\nlabFileId=\nclientSampleId=\ninstrumentId=\n"), std::string::npos);
    EXPECT_NE(text.find("number_comps=0"), std::string::npos);
}

// Every refusal writes nothing, and a results file from an earlier conversion stays.
TEST_F(ResultsFileTest, RefusalsLeaveTheResultsFileAsItWas) {
    std::string ini = folder.write("r.ini", "old");
    struct Case {
        std::string content;
        std::string message;
        std::string caption;
    } cases[] = {
        {"Report\nBenzene\t1\n", "Quantilyzer: 03004", "Error"},
        // Counts are compared before any name: the first name differs as well.
        {"DATA FILE\nToluene\t1\nBenzene\t2\n", "Quantilyzet: 03010: The number of compounds in the library "
                                                "and in the sample file do not match", "Warning"},
        {"Version\n1\n2\n3\n4\nBenzene\t1\n", "Quantilyzet: 03010", "Warning"},  // no COMPOUND line
        {"DATA FILE\nBenzene\t1\nToluene\t2\nFluorobenzene\t3\n",
         "Quantilyzet: 03009: There is a compound name mismatch in the library and your sample file\n"
         "Sample file: Toluene ----> Library: Fluorobenzene", "Warning"},
        {"DATA FILE\nBenzene\t1\nfluorobenzene\t2\nToluene\t3\n", "Sample file: fluorobenzene ---->", "Warning"},
        {"DATA FILE\nBenzene\t1\nFluorobenzene\t2147483648\t2\nToluene\t3\n",
         "The area 2147483648 of Fluorobenzene", "Error"},
        {"DATA FILE\nBenzene\t-2147483649\nFluorobenzene\t2\nToluene\t3\n", "The area -2147483649 of Benzene",
         "Error"},
    };
    for (const auto& c : cases) {
        ui.expect_message(c.message);
        EXPECT_FALSE(convert_quant_file(folder.write("r.txt", c.content), ini)) << c.content;
        EXPECT_EQ(ui.last_message().caption, c.caption);
        EXPECT_EQ(read_file_text(ini), "old");
    }
}

TEST_F(ResultsFileTest, MissingDataFileIsNamedAndRefused) {
    std::string missing = folder.file("gone.txt");
    ui.expect_message("Cannot open file " + missing);
    EXPECT_FALSE(convert_quant_file(missing, folder.file("gone.ini")));
    EXPECT_EQ(ui.last_message().caption, "Closing unneeded data files");
    EXPECT_FALSE(file_exists(folder.file("gone.ini")));
}

TEST_F(ResultsFileTest, LongLinesStayOneRow) {
    std::string fields;
    for (int i = 0; i < 300; ++i) fields += "\t" + std::to_string(1000 + i);
    std::string long_name(600, 'x');
    use_library({"Benzene", long_name, "Toluene"});
    std::string data = data_file("long.txt", "Benzene" + fields + "\n" + long_name + "\t5\t6\nToluene\t7\n");
    ASSERT_TRUE(convert_quant_file(data, folder.file("long.ini")));
    ASSERT_TRUE(read_results_ini(0, folder.file("long.ini")));
    EXPECT_EQ(calibration_data.raw_data_sets[0].area[0], 1000);
    EXPECT_DOUBLE_EQ(calibration_data.raw_data_sets[0].retention_time[0], 1299.0);
    EXPECT_EQ(calibration_data.raw_data_sets[0].name[1], long_name);
    EXPECT_EQ(calibration_data.raw_data_sets[0].area[2], 7);
}

TEST_F(ResultsFileTest, MoreRowsThanTheTablesHoldAreACountMismatch) {
    std::vector<std::string> names;
    std::string rows;
    for (int i = 0; i < kMaxCompounds + 1; ++i) {
        names.push_back("C" + std::to_string(i));
        rows += names.back() + "\t" + std::to_string(i) + "\n";
    }
    names.pop_back();
    use_library(names);
    ui.expect_message("Quantilyzet: 03010");
    EXPECT_FALSE(convert_quant_file(data_file("big.txt", rows), folder.file("big.ini")));
    EXPECT_FALSE(file_exists(folder.file("big.ini")));
}

TEST_F(ResultsFileTest, ReaderRefusesWhatTheTablesCannotHold) {
    calibration_data.raw_data_sets[2].area[0] = 55;
    const std::string compounds = "[compound1]\nname=Benzene\narea=1\nretentionTime=1\n"
                                  "[compound2]\nname=Fluorobenzene\narea=9e9\nretentionTime=1\n";
    struct Case {
        std::string file;
        std::string message;
    } cases[] = {
        {"[sample]\nSampleName=DUMMY\n", "Quantilyzer:03002"},
        {"[header]\nnumber_comps=4\n", "lists 4 compounds; the library holds 3"},
        {"[header]\nnumber_comps=151\n", "lists 151 compounds"},
        {"[header]\nnumber_comps=-1\n", "lists -1 compounds"},
        {"[header]\nnumber_comps=2\n" + compounds, "The area 9e9 of Fluorobenzene"},
    };
    for (const auto& c : cases) {
        ui.expect_message(c.message);
        EXPECT_FALSE(read_results_ini(2, folder.write("x.ini", c.file))) << c.file;
        EXPECT_EQ(calibration_data.raw_data_sets[2].area[0], 55) << "slot changed by " << c.file;
    }
}

TEST_F(ResultsFileTest, ReaderRaisesTheConversionErrorOnMalformedNumbers) {
    struct Case {
        std::string file;
        std::string what;
    } cases[] = {
        {"[header]\nnumber_comps=two\n", "'two' is not a valid integer value"},
        {"[header]\nnumber_comps=1\n[compound1]\nname=Benzene\n", "'fail reading area' is not a valid floating point value"},
        {"[header]\nnumber_comps=1\n[compound1]\nname=Benzene\narea=1\nretentionTime=4,5\n",
         "'4,5' is not a valid floating point value"},
        {"[header]\nnumber_comps=1\n[compound1]\nname=Benzene\narea=1\nretentionTime=1e999\n",
         "'1e999' is not a valid floating point value"},
        {"[header]\nnumber_comps=1\n[compound1]\nname=Benzene\narea=nan\nretentionTime=1\n",
         "'nan' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        try {
            read_results_ini(0, folder.write("bad.ini", c.file));
            ADD_FAILURE() << c.file;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), c.what);
        }
    }
}

TEST_F(ResultsFileTest, CompoundsAFileDoesNotListKeepNoAreaOfAnEarlierSet) {
    // The slot held a full data set before; files of fewer compounds replace all of it.
    struct Case {
        std::string file;
        int listed;
    } cases[] = {
        {"[HEADER]\nNUMBER_COMPS=0\n", 0},
        {"[header]\nnumber_comps=1\n[compound1]\nname=Benzene\narea=12.9\nretentionTime=3\n", 1},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 3; ++i) {
            calibration_data.raw_data_sets[1].area[i] = 9;
            calibration_data.raw_data_sets[1].name[i] = "old";
            calibration_data.raw_data_sets[1].retention_time[i] = 4.0;
        }
        ASSERT_TRUE(read_results_ini(1, folder.write("z.ini", c.file)));
        EXPECT_EQ(calibration_data.raw_data_sets[1].area[0], c.listed ? 12 : 0);
        for (int i = c.listed; i < 3; ++i) {
            EXPECT_EQ(calibration_data.raw_data_sets[1].area[i], 0) << i;
            EXPECT_EQ(calibration_data.raw_data_sets[1].name[i], "") << i;
            EXPECT_EQ(calibration_data.raw_data_sets[1].retention_time[i], 0.0) << i;
        }
    }
}

// Hand edits read as the Windows program read them: quoted values, a byte-order mark,
// the first of duplicate keys.
TEST_F(ResultsFileTest, ReaderTakesQuotedValuesAndTheFirstOfDuplicateKeys) {
    const std::string file = "\xEF\xBB\xBF[header]\nnumber_comps=\"1\"\n[compound1]\nname='Benzene'\n"
                             "area=\"1234.5\"\narea=99\nretentionTime=\" 4.5 \"\n";
    ASSERT_TRUE(read_results_ini(3, folder.write("hand.ini", file)));
    EXPECT_EQ(calibration_data.raw_data_sets[3].area[0], 1234);
    EXPECT_EQ(calibration_data.raw_data_sets[3].name[0], "Benzene");
    EXPECT_DOUBLE_EQ(calibration_data.raw_data_sets[3].retention_time[0], 4.5);
}

TEST_F(ResultsFileTest, AFolderGivenForAFileCannotBeOpened) {
    ui.expect_message("Cannot open file " + folder.path());
    EXPECT_FALSE(read_results_ini(0, folder.path()));
    ui.expect_message("Cannot open file " + folder.path());
    EXPECT_FALSE(convert_quant_file(folder.path(), folder.file("x.ini")));
}

// An area or retention time is read whole: by its leading digits an area "1,234" (a
// thousands separator) was an area of 1, and "n/a" one of 0. The file is refused naming the
// line and the field, and no results file is written.
TEST_F(ResultsFileTest, DataFilesWithABomConvertAndFieldsThatAreNotNumbersAreRefused) {
    const std::string ini = folder.file("b.ini");
    EXPECT_TRUE(convert_quant_file(
        folder.write("bom.txt", "\xEF\xBB\xBF" "DATA FILE\nBenzene\t1\nFluorobenzene\t2\nToluene\t3\n"), ini));
    EXPECT_TRUE(read_results_ini(0, ini));
    struct Case {
        std::string rows;
        const char* message;
    } cases[] = {
        {"Benzene\t1\nFluorobenzene\t1e999\nToluene\t3\n",
         "line 3: field 2 (the area of Fluorobenzene) '1e999' is out of range"},
        {"Benzene\t1\t2\t1e400\nFluorobenzene\t2\nToluene\t3\n",
         "line 2: field 4 (the retention time of Benzene) '1e400' is out of range"},
        {"Benzene\t1\nFluorobenzene\t1,234\t5.5\nToluene\t3\n",
         "line 3: field 2 (the area of Fluorobenzene) '1,234' is not a number"},
        {"Benzene\tn/a\t3.2\nFluorobenzene\t2\nToluene\t3\n", "line 2: field 2 (the area of Benzene) 'n/a' is not a number"},
        {"Benzene\t1\nFluorobenzene\t2\nToluene\t3\t60\t3.2min\n",
         "line 4: field 4 (the retention time of Toluene) '3.2min' is not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        const std::string path = data_file("huge.txt", c.rows);
        ui.expect_message("The data file " + path + " was not read: " + c.message + ".\nNo results file was written.");
        EXPECT_FALSE(convert_quant_file(path, folder.file("huge.ini")));
        EXPECT_FALSE(file_exists(folder.file("huge.ini")));
    }
}

}  // namespace
