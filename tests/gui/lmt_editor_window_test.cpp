// The reporting-limit editor as an analyst uses it: opened from the main window on the demo
// library, limits typed, saved, printed, cleared and left.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "methoddata/edit_mdl_form.h"
#include "samples/process_files_data.h"
#include "methoddata/reporting_limit_files.h"
#include "methoddata/settings_file.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "windows_fixture.h"

namespace {

class LmtEditorWindow : public WindowsTest {
  protected:
    void SetUp() override {
        WindowsTest::SetUp();
        ui.open_returns(example_file("demo_library.txt"));
        item("OpenLibraryMenu")->trigger();
        item("CreateEditMDLFile2")->trigger();
    }
    template <typename T>
    T* control(const char* name) {
        T* c = Edit_mdl_form->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << "no control " << name;
        return c;
    }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
    QTableWidget* grid() { return control<QTableWidget>("StringGrid1"); }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void type(const char* name, const char* text) {
        edit(name)->clear();
        QTest::keyClicks(edit(name), text);
    }
    void type_limit(int row, const char* text) { grid()->item(row, 1)->setText(text); }
    int grid_row_of(const std::string& name) {
        for (int r = 0; r < grid()->rowCount(); ++r)
            if (grid()->item(r, 0)->text().toStdString() == name) return r;
        ADD_FAILURE() << name;
        return 0;
    }
    void number_box(const char* text) {
        type("Edit_mdl_cnum", text);
        QTest::keyClick(edit("Edit_mdl_cnum"), Qt::Key_Return);
    }
    TempFolder temp;
};

TEST_F(LmtEditorWindow, OpensOnTheLibrarysAnalytes) {
    EXPECT_TRUE(Edit_mdl_form->isVisible());
    int analytes = 0;
    for (int r = 0; r < method_data.compound_count; ++r) analytes += method_data.library_saved[r].is_internal_standard ? 0 : 1;
    ASSERT_EQ(grid()->rowCount(), analytes);
    EXPECT_EQ(grid()->item(0, 0)->text(), "1,1-Dichloroethene");
    EXPECT_EQ(grid()->item(0, 1)->text(), "0");
    EXPECT_FALSE(grid()->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(grid()->horizontalHeaderItem(1)->text(), "Limit");
    EXPECT_EQ(edit("Edit_libfile")->text().toStdString(), to_upper(example_file("demo_library.txt")));
    auto* units = control<QComboBox>("Units_ComboBox");
    ASSERT_EQ(units->count(), 6);
    EXPECT_EQ(units->currentText(), "ng/mL");
    EXPECT_EQ(units->itemText(5), QString::fromUtf8("\xC2\xB5g/l"));
    EXPECT_EQ(edit("Edit_mdl_cnum")->text(), "1");
    EXPECT_FALSE(edit("Edit_date")->isVisible());
    EXPECT_FALSE(edit("EditVarMode")->isVisible());
}

TEST_F(LmtEditorWindow, TypedLimitsAreSavedToAFileAndTheSlot) {
    const int benzene = grid_row_of("Benzene");
    const int toluene = grid_row_of("Toluene");
    type_limit(benzene, "0.5");
    type_limit(toluene, "2.25");
    type("Edit_surrfile", "demo_internal_standards.ini");
    type("Edit_mdl_form_sampsize", "1000");
    type("Edit_matrix", "water");
    type("Edit_mdl_comments", "drinking water");
    control<QComboBox>("Units_ComboBox")->setCurrentIndex(1);

    ui.save_returns(temp.file("water"));
    click("Button_saveas");
    const std::string path = temp.file("water.lmt");
    EXPECT_EQ(reporting_limit_files.lmt_file_path, path);
    EXPECT_EQ(edit("Edit_imported_mdl")->text().toStdString(), path);
    EXPECT_EQ(status_line(Edit_mdl_form), "File written: " + path);
    EXPECT_TRUE(edit("Edit_date")->isVisible());
    const std::string text = read_file_text(path);
    EXPECT_EQ(text.substr(0, text.find("\nOther")),
              "Creation Date;03/14/2026 09:26\nCompound Library File:" + to_upper(example_file("demo_library.txt")) +
                  "\nInternal Standard File;demo_internal_standards.ini\n1000.00;water;ng/l");
    EXPECT_NE(text.find("\nOther;drinking water\n1,1-Dichloroethene;0.00\n"), std::string::npos);
    EXPECT_NE(text.find("\nBenzene;0.50\n"), std::string::npos);
    EXPECT_NE(text.find("\nToluene;2.25\n"), std::string::npos);
    EXPECT_EQ(text.find("Toluene-d8"), std::string::npos);  // internal standards are not listed
    EXPECT_NE(text.back(), '\n');
    EXPECT_EQ(
        process_files_data.samples[0].reporting_limits[find_library_compound("Toluene")].limit,
        2.25);

    click("Button_exit");  // saved: no question
    EXPECT_FALSE(Edit_mdl_form->isVisible());
    EXPECT_TRUE(main_form->isVisible());
}

TEST_F(LmtEditorWindow, ImportShowsASavedFileAgain) {
    QApplication::processEvents();  // the layout settles
    const QRect clear_limits = control<QPushButton>("Button_Reset_def_mdl")->geometry();
    type_limit(grid_row_of("Benzene"), "0.5");
    type("Edit_surrfile", "demo.ini");
    type("Edit_mdl_form_sampsize", "1000");
    type("Edit_matrix", "water");
    type("Edit_mdl_comments", "outfall");
    control<QComboBox>("Units_ComboBox")->setCurrentIndex(5);
    ui.save_returns(temp.file("w.lmt"));
    click("Button_saveas");
    QApplication::processEvents();
    // The creation date appears without moving the buttons beside the grid.
    EXPECT_TRUE(edit("Edit_date")->isVisible());
    EXPECT_EQ(control<QPushButton>("Button_Reset_def_mdl")->geometry(), clear_limits);

    item("CreateEditMDLFile2")->trigger();  // shown afresh: limits 0, boxes emptied
    folder_settings.slot[kMdlPathSlot] = "/START";
    ui.open_returns(temp.file("w.lmt"));
    click("Button_open_mdl_file");
    EXPECT_EQ(ui.open_requests.back().start_folder, "/START");
    EXPECT_EQ(ui.open_requests.back().filter, "Reporting limit files (*.lmt)|*.lmt");
    EXPECT_EQ(grid()->item(grid_row_of("Benzene"), 1)->text(), "0.5");
    EXPECT_EQ(grid()->item(0, 1)->text(), "0");
    EXPECT_EQ(control<QComboBox>("Units_ComboBox")->currentIndex(), 5);
    EXPECT_EQ(edit("Edit_mdl_form_sampsize")->text(), "1000");
    EXPECT_EQ(edit("Edit_matrix")->text(), "water");
    EXPECT_EQ(edit("Edit_surrfile")->text(), "demo.ini");
    EXPECT_EQ(edit("Edit_mdl_comments")->text(), "outfall");
    EXPECT_EQ(edit("Edit_date")->text(), "03/14/2026 09:26");
    EXPECT_TRUE(edit("Edit_date")->isVisible());
    EXPECT_EQ(edit("Edit_imported_mdl")->text().toStdString(), temp.file("w.lmt"));
    IniFile settings;
    settings.load(settings_file_path());
    EXPECT_EQ(settings.get_string("File", "mdlPath", ""), to_upper(temp.path()));

    ui.open_returns(std::nullopt);  // a cancelled dialog changes nothing
    click("Button_open_mdl_file");
    EXPECT_EQ(edit("Edit_imported_mdl")->text().toStdString(), temp.file("w.lmt"));
}

TEST_F(LmtEditorWindow, ImportRefusesAForeignCompoundAndAnUnknownUnit) {
    const std::string header = "Creation Date;01/02/2024 10:00\nCompound Library File:X\nInternal Standard File;i.ini\n";
    const std::string foreign = temp.write(
        "f.lmt", header + "5.00;soil;ng/g\nOther;\nBenzene;1\nToluene;2\no-Xylene;3\nNot in the library;4");
    ui.open_returns(foreign);
    ui.expect_message("Quantilyezr: 10004");
    click("Button_open_mdl_file");
    EXPECT_EQ(ui.last_message().caption,
              "Error - There is a compound name mismatch at line number 9 of the reporting limit file");
    EXPECT_EQ(edit("Edit_imported_mdl")->text(), "");

    const std::string odd_unit = temp.write("u.lmt", header + "5.00;soil;ppb\nOther;\nBenzene;1.5");
    ui.open_returns(odd_unit);
    ui.expect_message("Invalid unit read from the file!");
    click("Button_open_mdl_file");
    EXPECT_EQ(grid()->item(grid_row_of("Benzene"), 1)->text(), "1.5");  // the limits are shown first
    EXPECT_EQ(edit("Edit_matrix")->text(), "");  // the header is not
}

TEST_F(LmtEditorWindow, SaveAsRefusalsAndABadLimit) {
    ui.expect_message("Please enter a internal standard file name");
    click("Button_saveas");
    type("Edit_surrfile", "is.ini");
    type("Edit_mdl_form_sampsize", "1.2.3");
    ui.expect_message("Quantilyzer: 07005");
    click("Button_saveas");

    // A limit that is not a number refuses the save before its dialog: the message names the
    // compound, nothing is stored or written and the file name box stays as it was.
    type("Edit_mdl_form_sampsize", "10");
    type("Edit_matrix", "soil");
    const QString shown = edit("Edit_imported_mdl")->text();
    const std::string first = grid()->item(0, 0)->text().toStdString();
    for (const char* limit : {"1,5", "-0.5", "", "O.55E2"}) {
        type_limit(0, limit);
        ui.expect_message("The box \"Limit of " + first + "\" was refused: ");
        click("Button_saveas");
        EXPECT_TRUE(ui.exceptions.empty());
        EXPECT_TRUE(ui.save_requests.empty());
        EXPECT_EQ(edit("Edit_imported_mdl")->text(), shown);
        EXPECT_FALSE(edit("Edit_date")->isVisible());
        EXPECT_EQ(
            process_files_data.samples[0].reporting_limits[find_library_compound(first)].limit,
            0.0);
    }
    // Print Limits refuses what is no limit too, and prints nothing.
    type_limit(0, "-2");
    ui.expect_message("'-2' is below 0, and no limit can be");
    click("Button_print_mdl");
    EXPECT_TRUE(ui.finished_jobs.empty());

    type_limit(0, "1");
    for (const char* size : {".", "0", "0.0"}) {
        type("Edit_mdl_form_sampsize", size);
        ui.expect_message("The box \"Sample Size\" was refused: ");
        click("Button_saveas");
        EXPECT_TRUE(ui.save_requests.empty()) << size;
    }
}

// A size the editor saved comes back at Import as a text its size box takes again.
TEST_F(LmtEditorWindow, AnImportedSizeIsATextTheSizeBoxTakes) {
    type("Edit_surrfile", "is.ini");
    type("Edit_mdl_form_sampsize", "100000000000000000000");
    type("Edit_matrix", "air");
    const std::string path = temp.file("big.lmt");
    ui.save_returns(path);
    click("Button_saveas");
    ui.open_returns(path);
    click("Button_open_mdl_file");
    EXPECT_EQ(edit("Edit_mdl_form_sampsize")->text(), "100000000000000000000");
    ui.save_returns(temp.file("again.lmt"));
    click("Button_saveas");  // taken again
    EXPECT_EQ(read_file_text(temp.file("again.lmt")), read_file_text(path));
}

// The file name box and the editor's file path name the file the limits were last saved to
// or imported from: a save refused at the internal-standard question or by the write, and an
// import the reader refuses, leave them (and the date) as they were.
TEST_F(LmtEditorWindow, ARefusedSaveOrImportLeavesTheFileNamedAsItWas) {
    type_limit(grid_row_of("Benzene"), "0.5");
    type("Edit_surrfile", "demo.ini");
    type("Edit_mdl_form_sampsize", "1000");
    type("Edit_matrix", "water");
    const std::string saved = temp.file("a.lmt");
    ui.save_returns(saved);
    click("Button_saveas");
    ui.open_returns(saved);  // the header now names demo.ini
    click("Button_open_mdl_file");
    ASSERT_EQ(reporting_limit_files.lmt_file_path, saved);
    const QString date = edit("Edit_date")->text();

    type("Edit_surrfile", "other.ini");
    const std::string refused = temp.file("b.lmt");
    const std::string unwritable = temp.file("no_such_folder/c.lmt");
    ui.save_returns(refused);
    ui.answer(Answer::No);  // "... do not match.\nProceed anyway?"
    click("Button_saveas");
    ui.save_returns(unwritable);
    ui.answer(Answer::Yes);
    ui.expect_message("Quantilyzer: 07003");
    click("Button_saveas");
    const std::string mismatch = temp.write(
        "m.lmt", "Creation Date;x\nCompound Library File:X\nInternal Standard File;i.ini\n5.00;soil;ng/g\n"
                 "Other;\nNot in the library;4");
    ui.open_returns(mismatch);
    ui.expect_message("Quantilyezr: 10004");
    click("Button_open_mdl_file");
    ui.open_returns(temp.write("empty.lmt", "Creation Date;x\n\n\n\n\nBenzene"));
    ui.expect_message("Quantilyezr: 10003");
    click("Button_open_mdl_file");

    EXPECT_FALSE(file_exists(refused));
    EXPECT_EQ(reporting_limit_files.lmt_file_path, saved);
    EXPECT_EQ(edit("Edit_imported_mdl")->text().toStdString(), saved);
    EXPECT_EQ(edit("Edit_date")->text(), date);
    click("Button_print_mdl");  // the report is headed with the file its limits came from
    ASSERT_EQ(ui.finished_jobs.size(), 1u);
    EXPECT_NE(ui.finished_jobs[0].find_text("Reporting Limit Report: " + saved), nullptr);
    ui.answer(Answer::Yes);  // what was typed is still unsaved: Exit asks
    click("Button_exit");
    EXPECT_EQ(ui.last_message().text, "Would you like to save any changes?");
}

TEST_F(LmtEditorWindow, ExitAsksWhileChangesAreUnsavedButNotAfterClearLimits) {
    click("Button_Reset_def_mdl");
    click("Button_exit");  // nothing typed: no question
    EXPECT_TRUE(main_form->isVisible());

    item("CreateEditMDLFile2")->trigger();
    type_limit(3, "7");
    ui.answer(Answer::Yes);  // wants to save: the editor stays
    click("Button_exit");
    EXPECT_TRUE(Edit_mdl_form->isVisible());
    EXPECT_EQ(ui.last_message().text, "Would you like to save any changes?");
    ui.answer(Answer::No);
    click("Button_exit");
    EXPECT_FALSE(Edit_mdl_form->isVisible());
    EXPECT_TRUE(main_form->isVisible());
}

TEST_F(LmtEditorWindow, CompoundNumberBoxAndButtonsMoveThroughTheGrid) {
    const int rows = grid()->rowCount();
    number_box("0");
    EXPECT_EQ(grid()->currentRow(), 0);
    EXPECT_EQ(edit("Edit_mdl_cnum")->text(), "1");
    click("Button_next");
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(edit("Edit_mdl_cnum")->text(), "2");
    number_box("999");
    EXPECT_EQ(grid()->currentRow(), rows - 1);
    EXPECT_EQ(edit("Edit_mdl_cnum")->text().toInt(), rows);
    click("Button_next");  // already the last row
    EXPECT_EQ(grid()->currentRow(), rows - 1);
    click("Button_previous");
    EXPECT_EQ(grid()->currentRow(), rows - 2);
    ui.expect_message("Quantilyzer: 07002");
    number_box("1a");
    EXPECT_EQ(grid()->currentRow(), rows - 2);

    // Clear Limits, and every showing, start again at the first row.
    click("Button_Reset_def_mdl");
    EXPECT_EQ(edit("Edit_mdl_cnum")->text(), "1");
    click("Button_next");
    EXPECT_EQ(grid()->currentRow(), 1);
    click("Button_exit");
    item("CreateEditMDLFile2")->trigger();
    click("Button_next");
    EXPECT_EQ(grid()->currentRow(), 1);
}

TEST_F(LmtEditorWindow, PrintLimitsPrintsTheGridsLimits) {
    type_limit(grid_row_of("Benzene"), "0.5");
    type("Edit_mdl_form_sampsize", "250");
    click("Button_print_mdl");
    ASSERT_EQ(ui.finished_jobs.size(), 1u);
    const RecordingCanvas& job = ui.finished_jobs[0];
    EXPECT_EQ(job.report_name, "Reporting Limit Report");
    EXPECT_NE(job.find_text("250"), nullptr);
    EXPECT_NE(job.find_text("0.50"), nullptr);
    EXPECT_NE(job.find_text("Benzene"), nullptr);
}

TEST_F(LmtEditorWindow, BrowseHelpAndPrinter) {
    ui.open_returns("/data/IS/demo.ini");
    click("Button_surr_file");
    EXPECT_EQ(edit("Edit_surrfile")->text(), "/data/IS/demo.ini");
    EXPECT_EQ(ui.open_requests.back().filter, "Internal standard files (*.ini)|*.ini");
    click("Button_Help");
    EXPECT_EQ(ui.help_contexts.back(), 130);
    ui.printer_dialog_returns(true);
    click("Button1");
}

}  // namespace
