// The processing and Sample Information windows, driven as an analyst drives them, on
// the demo calibration and a copy of the demo samples.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <map>

#include "methoddata/calibration_tables.h"
#include "samples/process_files_data.h"
#include "methoddata/reporting_limit_file.h"
#include "samples/sample_settings.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "processing/process_files.h"
#include "processing/process_input.h"
#include "windows_fixture.h"

namespace {

namespace fs = std::filesystem;

class ProcessingWindow : public WindowsTest {
protected:
    void SetUp() override {
        setenv("HOME", home.path().c_str(), 1);
        WindowsTest::SetUp();
        construct_calibration_tables();
        construct_process_files_data();
        fs::copy(example_file("runs"), fs::path(data.path()) / "runs");
        ui.open_returns(example_file("demo_library.txt"));
        item("OpenLibraryMenu")->trigger();
        ui.open_returns(example_file("demo_internal_standards.ini"));
        item("OpenSurrogateFile1")->trigger();
        ui.open_returns(example_file("demo_calibration.cal"));
        item("OpenCalibrationFile1")->trigger();
        ASSERT_TRUE(item("Processsamplefiles1")->isEnabled());
        item("Processsamplefiles1")->trigger();
        ASSERT_TRUE(process_files->isVisible());
    }
    void TearDown() override {
        WindowsTest::TearDown();
        unsetenv("HOME");
    }
    QPushButton* button(QWidget* window, const char* name) { return control<QPushButton>(window, name); }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(process_input, name); }
    QAction* action(const char* name) { return control<QAction>(process_files, name); }
    void type(QLineEdit* e, const char* text) {
        e->clear();
        QTest::keyClicks(e, text);
    }
    // Add File for a demo sample; the Sample Information window then opens.
    void add_sample(const char* name) {
        ui.open_returns(data.file(std::string("runs/") + name));
        button(process_files, "add_samp_file")->click();
        ASSERT_TRUE(process_input->isVisible());
    }
    // Amounts of the analytes present in SAMPLE1.TXT, from the demo data set's truth table.
    static std::map<std::string, double> sample1_amounts() {
        std::map<std::string, double> amounts;
        bool in_table = false;
        for (const std::string& line : split(read_file_text(example_file("runs_truth.txt")), '\n')) {
            const std::vector<std::string> f = split(line, '\t');
            if (starts_with_ci(line, "sample amounts")) in_table = true;
            else if (in_table && f.size() > 1 && read_number(f[1]).ok && read_number(f[1]).value > 0.0)
                amounts[f[0]] = read_number(f[1]).value;
        }
        return amounts;
    }
    // A copy of SAMPLE1.TXT named TIMED<n>.TXT whose injection time (line 2) is `time`.
    std::string timed_sample(int n, const std::string& time) {
        std::vector<std::string> lines = split(read_file_text(data.file("runs/SAMPLE1.TXT")), '\n');
        lines[1] = time + "\r";
        const std::string name = "TIMED" + std::to_string(n) + ".TXT";
        std::string text;
        for (size_t i = 0; i < lines.size(); ++i) text += lines[i] + (i + 1 < lines.size() ? "\n" : "");
        data.write("runs/" + name, text);
        return name;
    }
    std::string summary() { return control<QLabel>(process_files, "Label1")->text().toStdString(); }

    TempFolder home;
    TempFolder data;
};

TEST_F(ProcessingWindow, TheAnalystsRoadFromASampleFileToItsResults) {
    EXPECT_FALSE(main_form->isVisible());
    EXPECT_EQ(control<QLineEdit>(process_files, "Edit_samp_calfile")->text().toStdString(),
              to_upper(example_file("demo_calibration.cal")));

    add_sample("SAMPLE1.TXT");
    EXPECT_FALSE(process_files->isVisible());
    EXPECT_EQ(edit("Edit_sampfile")->text().toStdString(), to_upper(data.file("runs/SAMPLE1.TXT")));
    EXPECT_EQ(edit("EditAnalyzedDate")->text(), "09/22/2025 09:05");
    EXPECT_EQ(edit("EditLabFileid")->text(), "S2101");
    EXPECT_EQ(edit("EditSampleId")->text(), "MW-01 groundwater");
    EXPECT_EQ(edit("EditInstrumentId")->text(), "GC/MS-2");
    EXPECT_TRUE(control<QRadioButton>(process_input, "RadioGroup_mdlItem2")->isChecked());  // None
    EXPECT_FALSE(edit("Edit_mdlfile")->isVisible());
    EXPECT_EQ(control<QComboBox>(process_input, "file_process_units_box")->count(), 6);

    // Enter without a size is refused; with one the entry is stored and the list comes back.
    ui.expect_message("Please enter a sample size.");
    button(process_input, "Enter")->click();
    EXPECT_TRUE(process_input->isVisible());
    type(edit("Edit_size"), "1");
    control<QComboBox>(process_input, "file_process_units_box")->setCurrentIndex(1);
    type(edit("Edit_matrix"), "WATER");
    button(process_input, "Enter")->click();
    ASSERT_FALSE(process_input->isVisible());
    ASSERT_TRUE(process_files->isVisible());
    auto* list = control<QListWidget>(process_files, "DirListBox");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text().toStdString(), data.file("runs/SAMPLE1.TXT"));
    EXPECT_EQ(list->currentRow(), 0);
    const SampleSettings& settings = process_files_data.samples[0].settings;
    EXPECT_EQ(settings.size, 1.0f);
    EXPECT_EQ(settings.units, "ng/l");
    EXPECT_EQ(settings.matrix, "WATER");

    // Process names the report files it wrote, beside the sample file.
    ui.expect_message("The report files were written:\n" + data.file("runs/SAMPLE1_DEMO_CALIBRATION.txt") + "\n" +
                      data.file("runs/SAMPLE1_DEMO_CALIBRATIONQC.txt"));
    button(process_files, "process_samp")->click();
    EXPECT_EQ(ui.last_message().caption, "Reports");
    EXPECT_EQ(ui.busy_depth, 0);
    EXPECT_TRUE(ui.exceptions.empty());
    ASSERT_EQ(list->count(), 1);  // the list stays for another run
    // The recovery-corrected results of a size of 1 are the amounts the sample was made with.
    const std::map<std::string, double> truth = sample1_amounts();
    ASSERT_EQ(truth.size(), 6u);
    EXPECT_EQ(process_files_data.last_analyte_index, 50);  // 51 analytes
    for (int k = 0; k <= process_files_data.last_analyte_index; ++k) {
        const AnalyteResult& r = process_files_data.samples[0].analyte_results[k];
        const auto amount = truth.find(r.name);
        if (amount == truth.end())
            EXPECT_EQ(r.concentration, 0.0f) << r.name;  // absent: area 0
        else
            EXPECT_NEAR(r.concentration, amount->second, 0.15 * amount->second) << r.name;
    }
    EXPECT_NE(process_files_data.samples[0].model_fits[1].bp_text, "");
    // The delimited reports beside the sample file, named after it and the calibration.
    EXPECT_TRUE(file_exists(data.file("runs/SAMPLE1_DEMO_CALIBRATION.txt")));
    EXPECT_TRUE(file_exists(data.file("runs/SAMPLE1_DEMO_CALIBRATIONQC.txt")));

    // Exit clears the list and its results files and returns to the main window.
    button(process_files, "process_exit")->click();
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_FALSE(process_files->isVisible());
    EXPECT_EQ(process_files_data.sample_count, 0);
    EXPECT_FALSE(file_exists(data.file("runs/SAMPLE1.ini")));
}

// After each Sample Information entry the list shows the sample just entered as the one
// chosen; Add File, Delete File and a changed list leave none chosen.
TEST_F(ProcessingWindow, TheListChoosesTheSampleJustEnteredAndNoOtherOne) {
    auto* list = control<QListWidget>(process_files, "DirListBox");
    const auto chosen = [&] { return list->selectedItems().empty() ? -1 : list->row(list->selectedItems()[0]); };
    for (const char* name : {"SAMPLE1.TXT", "SAMPLE2.TXT"}) {
        add_sample(name);
        EXPECT_EQ(chosen(), -1) << name;
        type(edit("Edit_size"), "1");
        button(process_input, "Enter")->click();
        ASSERT_TRUE(process_files->isVisible());
    }
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(chosen(), 1);

    // Process shows the same list again: its rows stay and none is chosen, as before a run.
    ui.expect_message("The report files were written:\n");
    button(process_files, "process_samp")->click();
    EXPECT_TRUE(ui.exceptions.empty());
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(chosen(), -1);

    list->setCurrentRow(0);
    button(process_files, "delete_sample_file_Button")->click();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text().toStdString(), data.file("runs/SAMPLE2.TXT"));
    EXPECT_EQ(chosen(), -1);
    EXPECT_EQ(list->currentRow(), -1);
}

// A data file listed twice wrote its reports twice under one name: only the second entry's
// stayed. Exported again meanwhile, it listed other areas under the same name. Both
// second Add Files are refused, naming the sample that holds the file, and Process then
// reports the first entry as it was entered.
TEST_F(ProcessingWindow, TheSameDataFileIsNotListedTwice) {
    for (const bool exported_again : {false, true}) {
        SCOPED_TRACE(exported_again ? "exported again" : "the same file");
        const std::string path = data.file("runs/SAMPLE1.TXT");
        const std::string first_export = read_file_text(path);
        add_sample("SAMPLE1.TXT");
        type(edit("Edit_size"), "1");
        button(process_input, "Enter")->click();
        ASSERT_TRUE(process_files->isVisible());
        if (exported_again) {
            std::string text = first_export;
            const std::string row = "Methylene chloride\t201513\t";
            ASSERT_NE(text.find(row), std::string::npos);
            text.replace(text.find(row), row.size(), "Methylene chloride\t403026\t");
            data.write("runs/SAMPLE1.TXT", text);
        }
        ui.expect_message("The data file\n" + path + "\nis listed already, as sample 1:\n" + path);
        ui.open_returns(path);
        button(process_files, "add_samp_file")->click();
        EXPECT_FALSE(process_input->isVisible());
        EXPECT_TRUE(process_files->isVisible());
        EXPECT_EQ(control<QListWidget>(process_files, "DirListBox")->count(), 1);
        EXPECT_EQ(process_files_data.sample_count, 1);

        ui.expect_message("The report files were written:\n" + data.file("runs/SAMPLE1_DEMO_CALIBRATION.txt"));
        button(process_files, "process_samp")->click();
        EXPECT_TRUE(ui.exceptions.empty());
        const ResultsCompounds& kept = *process_files_data.samples[0].kept_results.compounds;
        const auto methylene = std::find_if(kept.begin(), kept.end(),
                                            [](const ResultsCompound& c) { return c.name == "Methylene chloride"; });
        ASSERT_NE(methylene, kept.end());
        EXPECT_EQ(methylene->area, 201513);
        EXPECT_EQ(process_files_data.samples[0].settings.size, 1.0f);
        button(process_files, "Button2")->click();  // Clear
        data.write("runs/SAMPLE1.TXT", first_export);
    }
}

// One Sample Information entry as the analyst types it, every box filled.
struct TypedEntry {
    const char* sample;
    const char* agency_id;
    const char* lab_sample_id;
    const char* size;
    int units;
    const char* matrix;
    int mode;  // item of RadioGroup_mdl: 0 Reporting Limit, 1 CRQL, 2 None
    const char* limits_file;  // browsed; nullptr for none
    const char* other;        // the Other line of that file
    int sigma;
    const char* crql;
    bool include_error;
    const char* comment;
    bool smooth;
};

// Every box of the Sample Information entry that opens for the next sample, after the
// last listed sample was deleted, a middle one, the first one, or the list was cleared.
// It opens as the entry of the last sample still listed left it, or as a first entry when
// none is: on main the last sample's agency ID, deleted with it, was offered and stored.
TEST_F(ProcessingWindow, NothingOfADeletedOrClearedSampleReachesTheNextEntry) {
    std::string rows;
    for (int c = 0; c < method_data.compound_count; ++c)
        if (!method_data.library_saved[c].is_internal_standard) rows += "\n" + method_data.library_saved[c].name + ";1.00";
    const auto limits_file = [&](const char* name, const char* other) {
        return data.write(name, "Creation Date;09/22/2025 09:05\nCompound Library File:X\nInternal Standard File;" +
                                    method_data.surrogate_file_path + "\n10.00;WATER;ng/mL\nOther;" + other + rows);
    };
    const std::string water = limits_file("WATER.LMT", "lot 7"), crql = limits_file("CRQL.LMT", "lot 9");
    const TypedEntry entries[] = {
        {"SAMPLE1.TXT", "AG-1", "LS-1", "1", 1, "WATER", 2, nullptr, "", 0, "5", false, "first", true},
        {"SAMPLE2.TXT", "AG-2", "LS-2", "2", 3, "SOIL", 0, water.c_str(), "lot 7", 2, "5", true, "second", false},
        {"SAMPLE3.TXT", "AG-3", "LS-3", "3", 4, "SLUDGE", 1, crql.c_str(), "lot 9", 0, "25", false, "third", true},
    };
    const auto shown = [&] {
        std::map<std::string, std::string> boxes;
        for (const char* name : {"EditAQRId", "EditSampleId", "EditInstrumentId", "EditLabFileid", "EditAnalyzedDate",
                                 "Edit_size", "Edit_matrix", "Edit_mdlfile", "Edit_CRQL_Factor", "Edit_comm1",
                                 "Edit_other_comm"})
            boxes[name] = edit(name)->text().toStdString();
        boxes["file_process_units_box"] = control<QComboBox>(process_input, "file_process_units_box")->currentText().toStdString();
        boxes["ComboBox_sigma"] = control<QComboBox>(process_input, "ComboBox_sigma")->currentText().toStdString();
        for (int item = 0; item < 3; ++item)
            if (control<QRadioButton>(process_input, ("RadioGroup_mdlItem" + std::to_string(item)).c_str())->isChecked())
                boxes["RadioGroup_mdl"] = std::to_string(item);
        boxes["RadioGroupIncludeError"] =
            control<QRadioButton>(process_input, "RadioGroupIncludeErrorItem0")->isChecked() ? "Include" : "None";
        boxes["Button1"] = button(process_input, "Button1")->text().toStdString();
        return boxes;
    };
    // The next sample's identifiers are its own, whatever came before.
    std::map<std::string, std::string> first_entry = {
        {"EditAQRId", ""}, {"EditSampleId", "SB-04 soil 0-2 ft"}, {"EditInstrumentId", "GC/MS-2"},
        {"EditLabFileid", "S2104"}, {"EditAnalyzedDate", "09/22/2025 12:32"}, {"Edit_comm1", ""},
        {"Edit_size", ""}, {"file_process_units_box", "ng/mL"}, {"Edit_matrix", ""}, {"RadioGroup_mdl", "2"},
        {"Edit_mdlfile", ""}, {"ComboBox_sigma", "0"}, {"Edit_CRQL_Factor", "0"}, {"RadioGroupIncludeError", "Include"},
        {"Edit_other_comm", ""}, {"Button1", "Smooth First Pass Off"}};
    const auto after = [&](const TypedEntry& e) {
        std::map<std::string, std::string> boxes = first_entry;
        boxes["Edit_size"] = e.size;
        boxes["file_process_units_box"] = reporting_units[e.units];
        boxes["Edit_matrix"] = e.matrix;
        boxes["RadioGroup_mdl"] = std::to_string(e.mode);
        boxes["Edit_mdlfile"] = e.limits_file ? e.limits_file : "";
        boxes["ComboBox_sigma"] = std::to_string(e.mode == 0 ? e.sigma : 0);
        boxes["Edit_CRQL_Factor"] = e.crql;
        boxes["RadioGroupIncludeError"] = e.include_error ? "Include" : "None";
        boxes["Edit_other_comm"] = e.other;
        boxes["Button1"] = e.smooth ? "Smooth First Pass On" : "Smooth First Pass Off";
        return boxes;
    };

    struct Road {
        const char* name;
        int deleted;  // row deleted; -1: Clear
        std::map<std::string, std::string> next;
    };
    const Road roads[] = {{"delete the first", 0, after(entries[2])},
                          {"delete a middle one", 1, after(entries[2])},
                          {"delete the last", 2, after(entries[1])},
                          {"clear", -1, first_entry}};
    auto* list = control<QListWidget>(process_files, "DirListBox");
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        button(process_files, "Button2")->click();  // Clear
        for (const TypedEntry& e : entries) {
            add_sample(e.sample);
            control<QRadioButton>(process_input, ("RadioGroup_mdlItem" + std::to_string(e.mode)).c_str())->click();
            if (e.limits_file) {
                ui.open_returns(e.limits_file);
                button(process_input, "Button_mdl_Browse")->click();
            }
            type(edit("EditAQRId"), e.agency_id);
            type(edit("EditSampleId"), e.lab_sample_id);
            type(edit("Edit_size"), e.size);
            control<QComboBox>(process_input, "file_process_units_box")->setCurrentIndex(e.units);
            edit("Edit_matrix")->setText(e.matrix);
            control<QComboBox>(process_input, "ComboBox_sigma")->setCurrentIndex(e.sigma);
            edit("Edit_CRQL_Factor")->setText(e.crql);
            control<QRadioButton>(process_input, e.include_error ? "RadioGroupIncludeErrorItem0" : "RadioGroupIncludeErrorItem1")->click();
            type(edit("Edit_comm1"), e.comment);
            if ((button(process_input, "Button1")->text() == "Smooth First Pass On") != e.smooth)
                button(process_input, "Button1")->click();
            button(process_input, "Enter")->click();
            ASSERT_FALSE(process_input->isVisible()) << e.sample;
        }
        if (road.deleted >= 0) {
            list->setCurrentRow(road.deleted);
            button(process_files, "delete_sample_file_Button")->click();
        } else {
            button(process_files, "Button2")->click();
        }
        add_sample("SAMPLE4.TXT");
        EXPECT_EQ(shown(), road.next);

        if (edit("Edit_size")->text().isEmpty()) type(edit("Edit_size"), "4");
        button(process_input, "Enter")->click();
        ASSERT_FALSE(process_input->isVisible());
        const int n = process_files_data.sample_count - 1;
        EXPECT_EQ(process_files_data.samples[n].settings.agency_sample_id, "    ");
    }
}

// The size box is read whole where it is typed, and a size it took comes back into the next
// sample's box as a text the box takes again.
TEST_F(ProcessingWindow, TheSizeBoxReadsItsSizeWholeAndCarriesItAsItTakesIt) {
    add_sample("SAMPLE1.TXT");
    for (const auto& [typed, message] : {std::pair{".", "The box \"Sample Size\" was refused: '.' is not a number."},
                                         {"1,5", "Please enter a valid sample size"},
                                         {"0", "Please enter a valid sample size."}}) {
        type(edit("Edit_size"), typed);
        ui.expect_message(message);
        button(process_input, "Enter")->click();
        EXPECT_TRUE(process_input->isVisible()) << typed;
        EXPECT_TRUE(ui.exceptions.empty()) << typed;
    }
    type(edit("Edit_size"), "100000000000000000000");
    button(process_input, "Enter")->click();
    ASSERT_FALSE(process_input->isVisible());
    add_sample("SAMPLE2.TXT");
    EXPECT_EQ(edit("Edit_size")->text(), "100000000000000000000");
    button(process_input, "Enter")->click();
    EXPECT_FALSE(process_input->isVisible());
    EXPECT_EQ(process_files_data.samples[1].settings.size, 1e20);
}

// The CRQL % box is read whole, and takes no percentage the sample cannot hold in single
// precision (it was stored as infinity and printed "CRQL - inf%"); a refusal stores nothing.
TEST_F(ProcessingWindow, TheCrqlBoxTakesOnlyAPercentageTheSampleCanHold) {
    std::string rows;
    for (int c = 0; c < method_data.compound_count; ++c)
        if (!method_data.library_saved[c].is_internal_standard) rows += "\n" + method_data.library_saved[c].name + ";1.00";
    const std::string crql = data.write("CRQL.LMT", "Creation Date;09/22/2025 09:05\nCompound Library File:X\n"
                                                    "Internal Standard File;" + method_data.surrogate_file_path +
                                                    "\n10.00;WATER;ng/mL\nOther;lot 9" + rows);
    add_sample("SAMPLE1.TXT");
    control<QRadioButton>(process_input, "RadioGroup_mdlItem1")->click();  // CRQL
    ui.open_returns(crql);
    button(process_input, "Button_mdl_Browse")->click();
    for (const auto& [typed, why] : {std::pair{"1e39", "'1e39' is out of the range of CRQL percentages"},
                                     {"4,5", "'4,5' is not a number"}}) {
        type(edit("Edit_CRQL_Factor"), typed);
        ui.expect_message(std::string("The box \"CRQL %\" was refused: ") + why);
        button(process_input, "Enter")->click();
        EXPECT_TRUE(process_input->isVisible()) << typed;
        EXPECT_EQ(process_files_data.samples[0].settings.limits_mode, 0) << typed;
    }
    type(edit("Edit_CRQL_Factor"), "40");
    button(process_input, "Enter")->click();
    ASSERT_FALSE(process_input->isVisible());
    EXPECT_EQ(process_files_data.samples[0].settings.crql_percent, 40.0);
}

// The title bar's close is an Exit: the list and the results files made for it go.
TEST_F(ProcessingWindow, ClosingTheWindowDoesWhatExitDoes) {
    add_sample("SAMPLE1.TXT");
    type(edit("Edit_size"), "1");
    button(process_input, "Enter")->click();
    ASSERT_TRUE(process_files->isVisible());
    ASSERT_TRUE(file_exists(data.file("runs/SAMPLE1.ini")));
    process_files->close();
    EXPECT_FALSE(process_files->isVisible());
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_EQ(process_files_data.sample_count, 0);
    EXPECT_FALSE(file_exists(data.file("runs/SAMPLE1.ini")));
}

// Instruments write their injection time in more than one form: the analysed-date box
// shows the same time in its own layout, and the size box is the first to fill.
// An area written with a thousands separator would be read as 1 by its leading digits:
// Add File refuses the data file naming its line and field, and nothing is listed.
TEST_F(ProcessingWindow, AnAreaThatIsNotWhollyANumberRefusesTheDataFile) {
    std::string text = read_file_text(data.file("runs/SAMPLE1.TXT"));
    text.replace(text.find("\t201513\t"), 8, "\t201,513\t");
    data.write("runs/COMMA.TXT", text);
    ui.expect_message("line 11: field 2 (the area of Methylene chloride) '201,513' is not a number");
    ui.open_returns(data.file("runs/COMMA.TXT"));
    button(process_files, "add_samp_file")->click();
    EXPECT_FALSE(process_input->isVisible());
    EXPECT_EQ(control<QListWidget>(process_files, "DirListBox")->count(), 0);
    EXPECT_FALSE(fs::exists(data.file("runs/COMMA.ini")));
}

TEST_F(ProcessingWindow, TheAnalysedDateKeepsTheInstrumentsTime) {
    const std::pair<const char*, const char*> times[] = {{"9/22/2025 9:05", "09/22/2025 09:05"},
                                                        {"2025-09-22 21:05:00", "09/22/2025 21:05"}};
    int n = 0;
    for (const auto& [written, shown] : times) {
        const std::string name = timed_sample(++n, written);
        if (n == 2) action("TRQ1")->trigger();  // the forms layout too
        add_sample(name.c_str());
        EXPECT_EQ(edit("EditAnalyzedDate")->text().toStdString(), shown) << written;
        EXPECT_EQ(process_input->focusWidget(), edit("Edit_size")) << written;
        type(edit("Edit_size"), "1");
        if (n == 2) {
            ui.open_returns(example_file("demo_water.lmt"));
            button(process_input, "Button_mdl_Browse")->click();
        }
        button(process_input, "Enter")->click();
        ASSERT_FALSE(process_input->isVisible()) << written;
        EXPECT_EQ(process_files_data.samples[n - 1].settings.analysed_date, shown) << written;
    }
}

// A time of a form the box's mask does not know is shown and stored as the instrument
// wrote it: through the mask its digits were put into the mask's places ("22/20/25 09:05").
// A line of 27,000 blanks once ended the program as the window opened.
TEST_F(ProcessingWindow, AnInstrumentTimeOfAnotherFormIsKeptAsWritten) {
    const std::string times[] = {"22-Sep-2025 09:05", "2025/09/22 09:05", "22.09.2025", "at" + std::string(27000, ' ') + "noon",
                                 "9/22/2025" + std::string(27000, ' ') + "9:05"};
    int n = 0;
    for (const std::string& written : times) {
        add_sample(timed_sample(++n, written).c_str());
        const std::string shown = n == 5 ? "09/22/2025 09:05" : written;
        EXPECT_EQ(edit("EditAnalyzedDate")->text().toStdString(), shown) << n;
        type(edit("Edit_size"), "1");
        button(process_input, "Enter")->click();
        ASSERT_FALSE(process_input->isVisible()) << n;
        EXPECT_EQ(process_files_data.samples[n - 1].settings.analysed_date, shown) << n;
    }
    // The next time in the box's layout goes through the mask again.
    add_sample(timed_sample(++n, "9/22/2025 9:05").c_str());
    EXPECT_EQ(edit("EditAnalyzedDate")->inputMask().toStdString(), "99/99/9999 99:99;_");
    EXPECT_EQ(edit("EditAnalyzedDate")->text().toStdString(), "09/22/2025 09:05");
}

TEST_F(ProcessingWindow, TheReportMenuAndItsSummary) {
    EXPECT_EQ(summary(), "Semicolon delimited (*.txt) reports will be generated.No printing reports will be generated.");
    EXPECT_FALSE(control<QRadioButton>(process_files, "RadioButton2")->isVisible());

    ui.expect_message("Please select a printer and retry");
    action("Printedpdf1")->trigger();
    EXPECT_EQ(ui.last_message().caption, "Error");
    EXPECT_FALSE(action("Printedpdf1")->isChecked());

    ui.printer_dialog_returns(true);
    action("Printer1")->trigger();
    // The single/batch choice appears without moving the buttons: a click meant for
    // Process must not land on Clear.
    QApplication::processEvents();  // the layout settles
    const QRect process_before = button(process_files, "process_samp")->geometry();
    action("Printedpdf1")->trigger();
    EXPECT_TRUE(action("Printedpdf1")->isChecked());
    QApplication::processEvents();
    EXPECT_EQ(button(process_files, "process_samp")->geometry(), process_before);
    EXPECT_TRUE(control<QRadioButton>(process_files, "RadioButton2")->isVisible());
    EXPECT_TRUE(control<QRadioButton>(process_files, "RadioButton2")->isChecked());
    EXPECT_EQ(main_flags.BatchReport, 1);
    control<QRadioButton>(process_files, "RadioButton1")->click();
    EXPECT_EQ(main_flags.BatchReport, 0);

    action("TRQ1")->trigger();
    EXPECT_TRUE(action("TRQ1")->isChecked());
    EXPECT_TRUE(item("Semic1")->isChecked());
    EXPECT_EQ(summary(), "Semicolon delimited (*.txt) and Electronic Format (*.prn) for TRQ reports will be "
                         "generated.Reports will be printed.");
    action("DelimitedReports1")->trigger();
    EXPECT_FALSE(item("Delimited1")->isChecked());
    EXPECT_EQ(main_flags.DelimitedReports, 0);
    EXPECT_EQ(summary(), "Electronic Format (*.prn) for TRQForms reporting will be generated.Reports will be printed.");

    action("Help1")->trigger();
    EXPECT_EQ(ui.help_contexts.back(), 187);
}

TEST_F(ProcessingWindow, AReportingLimitEntryInTheFormsLayout) {
    // The forms layout opens the entry in CRQL mode; Reporting Limit switches it off again.
    action("TRQ1")->trigger();
    add_sample("SAMPLE2.TXT");
    EXPECT_TRUE(control<QRadioButton>(process_input, "RadioGroup_mdlItem1")->isChecked());
    EXPECT_EQ(control<QLabel>(process_input, "Label7")->text(), "AQR Sample ID");
    EXPECT_EQ(button(process_input, "Button_mdl_Browse")->text(), "Browse for CRQL file");
    EXPECT_TRUE(edit("Edit_CRQL_Factor")->isVisible());

    control<QRadioButton>(process_input, "RadioGroup_mdlItem0")->click();
    EXPECT_FALSE(item("Semic1")->isChecked());
    EXPECT_EQ(main_flags.TrqFormsFormat, 0);
    EXPECT_TRUE(control<QComboBox>(process_input, "ComboBox_sigma")->isVisible());
    EXPECT_FALSE(edit("Edit_CRQL_Factor")->isVisible());
    EXPECT_EQ(control<QLabel>(process_input, "Label7")->text(), "    Sample ID");

    // A reporting-limit file made for this library and internal-standard file.
    std::string rows;
    for (int c = 0; c < method_data.compound_count; ++c)
        if (!method_data.library_saved[c].is_internal_standard) rows += "\n" + method_data.library_saved[c].name + ";1.00";
    const std::string lmt = data.write("WATER.LMT", "Creation Date;09/22/2025 09:05\nCompound Library File:X\n"
                                                    "Internal Standard File;" + method_data.surrogate_file_path +
                                                    "\n10.00;WATER;ng/mL\nOther;lot 7" + rows);
    ui.open_returns(lmt);
    button(process_input, "Button_mdl_Browse")->click();
    EXPECT_EQ(edit("Edit_mdlfile")->text().toStdString(), lmt);
    EXPECT_EQ(edit("Edit_size")->text(), "10");
    EXPECT_EQ(edit("Edit_matrix")->text(), "WATER");
    control<QComboBox>(process_input, "ComboBox_sigma")->setCurrentIndex(1);
    button(process_input, "Enter")->click();
    ASSERT_FALSE(process_input->isVisible());
    EXPECT_EQ(process_files_data.samples[0].settings.limits_mode, 1);
    EXPECT_EQ(reporting_limit_sigmas(process_files_data.samples[0].settings), 1);
    EXPECT_EQ(process_files_data.samples[0].reporting_limits[0].limit, 1.0);
}

}  // namespace
