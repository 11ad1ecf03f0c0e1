// The calibration window and its level dialog, driven as an analyst drives them, on a
// copy of the demo data set; and the analyst's whole road through every window.
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTableWidget>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "calibration/calibrate_form.h"
#include "calibration/calibration_log.h"
#include "calibration/check_calib_review_form.h"
#include "calibration/check_calib_std.h"
#include "calibration/identify_std_level.h"
#include "calibration/revu_calib_form.h"
#include "methoddata/about_box.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/change_variable_form.h"
#include "methoddata/check_surrogate_catagories_form.h"
#include "methoddata/edit_lib_form.h"
#include "methoddata/edit_mdl_form.h"
#include "samples/process_files_data.h"
#include "methoddata/surr_form.h"
#include "methoddata/surrogate_limits_form.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "processing/calc_limits.h"
#include "processing/calib_limits.h"
#include "processing/process_files.h"
#include "processing/process_input.h"
#include "windows_fixture.h"

namespace {

namespace fs = std::filesystem;

class CalibrationWindow : public WindowsTest {
  protected:
    void SetUp() override {
        setenv("HOME", home.path().c_str(), 1);  // the calibration log goes under the data root
        WindowsTest::SetUp();
        construct_calibration_tables();
        clear_calibration_log();
        fs::copy(example_file("runs"), fs::path(data.path()) / "runs");
        ui.open_returns(example_file("demo_library.txt"));
        item("OpenLibraryMenu")->trigger();
        // A copy: the editor's Exit leaves a "$$$" copy beside the file it edited.
        fs::copy_file(example_file("demo_internal_standards.ini"), surrogate_file());
        ui.open_returns(surrogate_file());
        item("OpenSurrogateFile1")->trigger();
    }
    std::string surrogate_file() const {
        return (fs::path(data.path()) / "demo_internal_standards.ini").string();
    }
    void TearDown() override {
        WindowsTest::TearDown();
        unsetenv("HOME");
    }

    QPushButton* button(const char* name) { return control<QPushButton>(Calibrate_form, name); }
    QListWidget* list(const char* name) { return control<QListWidget>(Calibrate_form, name); }
    static QStringList lines(QListWidget* l) {
        QStringList out;
        for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
        return out;
    }
    std::string run(const std::string& name) const { return data.file("runs/" + name); }

    void open_new_calibration() {
        emit main_form->findChild<QMenu*>("Calibrate1")->aboutToShow();
        ASSERT_TRUE(item("RunCalibration")->isEnabled());
        ui.answer(Answer::Ok);  // "Calibrating with the internal standard file ..."
        item("RunCalibration")->trigger();
        ASSERT_TRUE(Calibrate_form->isVisible());
    }

    // Runs `act` on the level dialog once it is shown; a dialog the act leaves open is
    // closed by its close box, so a wrong step cannot hang the test.
    void with_level_dialog(std::function<void(Tidentify_std_level*)> act) {
        QTimer::singleShot(0, [act] {
            act(identify_std_level);
            if (identify_std_level->isVisible()) identify_std_level->close();
        });
    }
    void choose_level(Tidentify_std_level* d, int item) {
        control<QRadioButton>(d, qPrintable(QString("ConcGroupItem%1").arg(item)))->click();
        QTest::mouseClick(d->Button_exit, Qt::LeftButton);
    }
    void type_dilution(Tidentify_std_level* d, const char* text) {
        QTest::keyClicks(d->Edit_dilfactor, text);
        QTest::mouseClick(d->Button_exit, Qt::LeftButton);
    }

    void add_standard(const std::string& file, int level_item) {
        ui.open_returns(run(file));
        with_level_dialog(
            [this, level_item](Tidentify_std_level* d) { choose_level(d, level_item); });
        QTest::mouseClick(button("Add"), Qt::LeftButton);
    }
    void add_reference() {
        ui.open_returns(run("REF.TXT"));
        QTest::mouseClick(button("add_reference_button"), Qt::LeftButton);
    }
    void add_five_standards() {
        for (int s = 0; s < 5; ++s) add_standard("STD" + std::to_string(s + 1) + ".TXT", s);
    }

    // Set M5847_WALK_SHOTS to a folder to keep a picture of every window a test passes.
    void look(const std::string& step) {
        const char* folder = std::getenv("M5847_WALK_SHOTS");
        if (!folder) return;
        QApplication::processEvents();
        ++looks_;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->objectName().isEmpty())
                w->grab().save(QString("%1/%2_%3_%4.png")
                                   .arg(folder)
                                   .arg(looks_, 2, 10, QChar('0'))
                                   .arg(QString::fromStdString(step), w->objectName()));
    }
    // The main window alone is shown again once a task window is left.
    void back_at_main_window(QWidget* left) {
        EXPECT_TRUE(main_form->isVisible()) << left->objectName().toStdString();
        EXPECT_FALSE(left->isVisible()) << left->objectName().toStdString();
    }
    void click(QWidget* window, const char* name) {
        QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton);
    }

    TempFolder home;
    TempFolder data;
    int looks_ = 0;
};

// Every number of the file as it stands in it: what was built must read back as written.
std::string as_written(double value, int decimals) { return format_fixed(value, decimals); }

// The analyst's whole road through the real windows, on the demo data set: the
// internal-standard editor and back, a calibration from the six standards that is saved,
// loaded from its file, reviewed and printed, the check standard against it, three samples
// with the demo reporting limits processed and printed, then the reporting-limit editor,
// the library editor with its variable dialog, and the About box. Every window hands the
// analyst back to the one that opened it.
TEST_F(CalibrationWindow, TheAnalystsWholeRoadThroughEveryWindow) {
    look("internal_standards_loaded");
    item("EditSurrogatesFile")->trigger();
    ASSERT_TRUE(surr_Form->isVisible());
    EXPECT_FALSE(main_form->isVisible());
    look("internal_standard_editor");
    click(surr_Form, "Set_Limits_Button");
    ASSERT_TRUE(surrogate_limits_form->isVisible());
    look("range_limits");
    click(surrogate_limits_form, "Button1");
    click(surr_Form, "btnCheckSurrCat");
    ASSERT_TRUE(check_surrogate_catagories_form->isVisible());
    look("class_ranges");
    click(check_surrogate_catagories_form, "Button1");
    ASSERT_TRUE(surr_Form->isVisible());
    click(surr_Form, "exit");  // nothing changed: no question
    back_at_main_window(surr_Form);
    EXPECT_TRUE(item("Calibrate1")->isEnabled());

    open_new_calibration();
    EXPECT_FALSE(main_form->isVisible());
    EXPECT_EQ(control<QLineEdit>(Calibrate_form, "EditSurrLib")->text().toStdString(),
              to_upper(surrogate_file()));
    for (int s = 0; s < 6; ++s) add_standard("STD" + std::to_string(s + 1) + ".TXT", s);
    add_reference();
    look("calibration_window");
    EXPECT_EQ(calibration_data.standard_count, 6);
    EXPECT_EQ(lines(list("ConcListBox")),
              (QStringList{"Amount1", "Amount2", "Amount3", "Amount4", "Amount5", "Amount6"}));
    EXPECT_EQ(list("DirListBox")->item(4)->text().toStdString(), run("STD5.TXT"));
    EXPECT_TRUE(file_exists(data.file("runs/STD5.ini")));
    EXPECT_EQ(ui.open_requests.back().filter, "Quantitated data file (*.txt)|*.txt");

    const std::string cal = data.file("road.cal");
    ui.save_returns(data.file("road"));
    QTest::mouseClick(button("SaveCalib"), Qt::LeftButton);
    ASSERT_TRUE(file_exists(cal));
    EXPECT_EQ(ui.save_requests.back().filter, "Calibration files (*.cal)|*.cal");
    EXPECT_EQ(calibration_data.calibration_file_name, cal);
    EXPECT_TRUE(Calibrate_form->isVisible());  // the window stays open after Save
    EXPECT_EQ(status_line(Calibrate_form), "File written: " + cal);  // and names the file
    look("calibration_saved");

    // What the build left in the tables.
    const int n = calibration_data.standard_count;
    const int k = method_data.compound_count;
    const auto built_library = method_data.library;
    const auto built_tables = calibration_data.recovery_tables;
    const auto built_raw = calibration_data.raw_data_sets;
    const auto built_included = calibration_data.level_included;
    EXPECT_GT(calibration_data.recovery_tables.response_factor[4][k - 1], 0.0);

    QTest::mouseClick(button("ExitClick"), Qt::LeftButton);
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_FALSE(file_exists(data.file("runs/STD5.ini")));  // the results files it made are gone

    // Nothing but the file carries the calibration from here on.
    reset_library_tables();
    calibration_data.recovery_tables = RecoveryTables{};
    calibration_data.raw_data_sets.fill(SampleRawData_init());
    calibration_data.level_names.fill(std::string());
    for (auto& flags : calibration_data.level_included) flags.fill(0);
    calibration_data.standard_count = method_data.compound_count = method_data.surrogate_count = 0;
    ui.open_returns(cal);
    item("OpenCalibrationFile1")->trigger();
    for (const char* on :
         {"Calibrate1", "Quantitation1", "Review1", "PrintCalib", "CheckCalibration"})
        EXPECT_TRUE(item(on)->isEnabled()) << on;
    for (const char* off :
         {"RunCalibration", "UpdateLibrary1", "CreateSurrogates1", "OpenSurrogateFile1",
          "EditSurrogatesFile", "CopySurrogateFile", "CreateEditMDLFile2"})
        EXPECT_FALSE(item(off)->isEnabled()) << off;
    EXPECT_EQ(item("OpenCalibrationFile1")->text(), "Open Calibration File... --> ROAD.CAL");
    emit main_form->findChild<QMenu*>("Calibrate1")->aboutToShow();
    EXPECT_FALSE(item("RunCalibration")->isEnabled());

    ASSERT_EQ(calibration_data.standard_count, n);
    ASSERT_EQ(method_data.compound_count, k);
    EXPECT_EQ(method_data.surrogate_count, 11);
    EXPECT_EQ(calibration_data.standard_data_files[2], run("STD3.TXT"));
    EXPECT_EQ(method_data.surrogate_reference_path, run("REF.TXT"));
    for (int c = 0; c < k; ++c) {
        SCOPED_TRACE(built_library[c].name);
        EXPECT_EQ(method_data.library[c].name, built_library[c].name);
        EXPECT_EQ(method_data.library[c].is_internal_standard, built_library[c].is_internal_standard);
        EXPECT_EQ(as_written(method_data.library[c].bp, 2), as_written(built_library[c].bp, 2));
        EXPECT_EQ(calibration_data.raw_data_sets[n].area[c], built_raw[n].area[c]);
        for (int p = 0; p < n; ++p) {
            EXPECT_EQ(calibration_data.raw_data_sets[p].area[c], built_raw[p].area[c]);
            EXPECT_EQ(as_written(calibration_data.raw_data_sets[p].cal_amount[c], 2),
                      as_written(built_raw[p].cal_amount[c], 2));
            EXPECT_EQ(as_written(calibration_data.recovery_tables.predicted_recovery[p][c], 5),
                      as_written(built_tables.predicted_recovery[p][c], 5));
            EXPECT_EQ(as_written(calibration_data.recovery_tables.predicted_recovery_dev[p][c], 5),
                      as_written(built_tables.predicted_recovery_dev[p][c], 5));
            EXPECT_EQ(as_written(calibration_data.recovery_tables.response_factor[p][c], 5),
                      as_written(built_tables.response_factor[p][c], 5));
            EXPECT_EQ(as_written(calibration_data.recovery_tables.response_factor_dev[p][c], 5),
                      as_written(built_tables.response_factor_dev[p][c], 5));
            EXPECT_EQ(calibration_data.level_included[c][p], built_raw[p].area[c] != 0 ? built_included[c][p] : 0);
        }
    }
    EXPECT_EQ(calibration_data.level_names[4], "Amount5");

    // Calibration > Edit shows the six levels of the file and leaves without saving.
    item("Review1")->trigger();
    ASSERT_TRUE(revu_calib_form->isVisible());
    EXPECT_FALSE(main_form->isVisible());
    EXPECT_NE(revu_calib_form->Edit_calfile->text().indexOf("ROAD.CAL"), -1);
    EXPECT_TRUE(revu_calib_form->Std[5]->isVisible());
    EXPECT_FALSE(revu_calib_form->Std[6]->isVisible());
    look("calibration_review");
    click(revu_calib_form, "Button_next");
    EXPECT_EQ(revu_calib_form->Edit_recnum->text(), "2");
    click(revu_calib_form, "Button_exit");
    back_at_main_window(revu_calib_form);

    // Calibration > Print: the report in one landscape job.
    ui.printer_dialog_returns(true);
    item("PrintCalib")->trigger();
    ASSERT_EQ(ui.finished_jobs.size(), 1u);
    EXPECT_EQ(ui.finished_jobs[0].orientation, Orientation::Landscape);
    EXPECT_NE(ui.finished_jobs[0].find_text(method_data.library[0].name), nullptr);

    // Check Continuing Calibration: the check standard at Amount 3, reviewed and saved.
    ui.open_returns(run("CCV.TXT"));
    item("CheckCalibration")->trigger();
    ASSERT_TRUE(check_calib_std->isVisible());
    EXPECT_FALSE(main_form->isVisible());
    EXPECT_EQ(control<QLineEdit>(check_calib_std, "Edit3")->text().toStdString(), to_upper(cal));
    check_calib_std->findChild<QButtonGroup*>()->button(2)->click();
    look("check_entry");
    click(check_calib_std, "check_calib_review");
    ASSERT_TRUE(check_calib_review_form->isVisible());
    EXPECT_FALSE(check_calib_review_form->diff_Edit->text().isEmpty());
    look("check_review");
    click(check_calib_review_form, "Button_exit");
    ASSERT_TRUE(check_calib_std->isVisible());
    click(check_calib_std, "Button_Save");
    EXPECT_TRUE(file_exists(data.file("runs/CCV.check")));
    click(check_calib_std, "Button3");  // saved: no question
    back_at_main_window(check_calib_std);
    EXPECT_FALSE(file_exists(data.file("runs/CCV.ini")));

    // Quantitation: three samples; the first takes the demo reporting limits, the next two
    // start with the same choices.
    construct_process_files_data();
    item("Processsamplefiles1")->trigger();
    ASSERT_TRUE(process_files->isVisible());
    EXPECT_FALSE(main_form->isVisible());
    EXPECT_EQ(process_files->Edit_samp_calfile->text().toStdString(), to_upper(cal));
    const std::string limits_file = example_file("demo_water.lmt");
    for (int s = 1; s <= 3; ++s) {
        ui.open_returns(run("SAMPLE" + std::to_string(s) + ".TXT"));
        click(process_files, "add_samp_file");
        ASSERT_TRUE(process_input->isVisible());
        EXPECT_FALSE(process_files->isVisible());
        if (s == 1) {
            control<QRadioButton>(process_input, "RadioGroup_mdlItem0")->click();
            ui.open_returns(limits_file);
            click(process_input, "Button_mdl_Browse");
            look("sample_information");
        }
        EXPECT_TRUE(control<QRadioButton>(process_input, "RadioGroup_mdlItem0")->isChecked());
        EXPECT_EQ(control<QLineEdit>(process_input, "Edit_mdlfile")->text().toStdString(), limits_file);
        EXPECT_EQ(control<QLineEdit>(process_input, "Edit_size")->text(), "1");
        ui.answer(Answer::Yes);  // the limits file names the internal-standard file without its folder
        click(process_input, "Enter");
        ASSERT_FALSE(process_input->isVisible());
        ASSERT_TRUE(process_files->isVisible());
    }
    EXPECT_EQ(list("DirListBox")->count(), 6);  // the calibration window's list is not this one
    EXPECT_EQ(process_files->DirListBox->count(), 3);
    ui.expect_message("The report files were written:\n" + run("SAMPLE1_ROAD.txt") + "\n");
    click(process_files, "process_samp");
    for (int s = 1; s <= 3; ++s) {
        EXPECT_TRUE(file_exists(run("SAMPLE" + std::to_string(s) + "_ROAD.txt"))) << s;
        EXPECT_EQ(process_files_data.samples[s - 1].settings.units, "µg/l") << s;
        EXPECT_EQ(process_files_data.samples[s - 1].settings.limits_mode, 1) << s;
    }
    // Processed again on the printer: the three samples in one landscape job.
    ui.printer_dialog_returns(true);
    process_files->Printer1->trigger();
    process_files->Printedpdf1->trigger();
    look("processing_window");
    ui.expect_message("The report files were written:\n" + run("SAMPLE1_ROAD.txt") + "\n");
    click(process_files, "process_samp");
    ASSERT_EQ(ui.finished_jobs.size(), 2u);
    EXPECT_EQ(ui.finished_jobs[1].orientation, Orientation::Landscape);
    EXPECT_EQ(ui.finished_jobs[1].page, 9);  // three pages a sample
    // The limits windows stand in for the processing window and give it back.
    process_files->GroupSolutionLimits1->trigger();
    ASSERT_TRUE(calc_limits->isVisible());
    EXPECT_FALSE(process_files->isVisible());
    look("group_solution_limits");
    calc_limits->Exit1->trigger();
    ASSERT_TRUE(process_files->isVisible());
    process_files->Calibration1->trigger();
    ASSERT_TRUE(calib_limits->isVisible());
    look("calibration_response_limits");
    click(calib_limits, "Button3");
    ASSERT_TRUE(process_files->isVisible());
    click(process_files, "process_exit");
    back_at_main_window(process_files);
    EXPECT_FALSE(file_exists(run("SAMPLE1.ini")));

    // The reporting-limit editor and the library editor work on a loaded library.
    ui.open_returns(example_file("demo_library.txt"));
    item("OpenLibraryMenu")->trigger();
    item("CreateEditMDLFile2")->trigger();
    ASSERT_TRUE(Edit_mdl_form->isVisible());
    EXPECT_FALSE(main_form->isVisible());
    ui.open_returns(limits_file);
    click(Edit_mdl_form, "Button_open_mdl_file");
    EXPECT_EQ(control<QTableWidget>(Edit_mdl_form, "StringGrid1")->item(0, 1)->text(), "1");
    look("reporting_limit_editor");
    click(Edit_mdl_form, "Button_exit");  // imported, nothing typed: no question
    back_at_main_window(Edit_mdl_form);

    item("UpdateLibrary1")->trigger();
    ASSERT_TRUE(EditLib_Form->isVisible());
    EXPECT_FALSE(main_form->isVisible());
    click(EditLib_Form, "Button_ChangeVariables");
    ASSERT_TRUE(change_variable_form->isVisible());
    look("variable_dialog");
    QTest::mouseClick(change_variable_form->Button_cancel, Qt::LeftButton);
    EXPECT_FALSE(change_variable_form->isVisible());
    ASSERT_TRUE(EditLib_Form->isVisible());
    click(EditLib_Form, "exit");  // nothing changed: no question
    back_at_main_window(EditLib_Form);

    QTimer::singleShot(0, [this] {
        look("about");
        QTest::mouseClick(AboutBox->BitBtn1, Qt::LeftButton);
    });
    item("About1")->trigger();
    EXPECT_FALSE(AboutBox->isVisible());
    EXPECT_TRUE(main_form->isVisible());
}

TEST_F(CalibrationWindow, SavingNeedsAReferenceAndAsksBeforeOverwriting) {
    open_new_calibration();
    add_standard("STD1.TXT", 0);
    add_standard("STD2.TXT", 1);
    add_standard("STD3.TXT", 2);
    ui.expect_message("A reference file is required.");
    QTest::mouseClick(button("SaveCalib"), Qt::LeftButton);
    EXPECT_EQ(ui.last_message().caption, "Required Files Not Present");
    EXPECT_TRUE(ui.save_requests.empty());  // refused before the file is asked for

    add_reference();
    const std::string cal = data.write("old.CAL", "old");
    // No asks for another name; Cancel then stops with nothing written.
    ui.save_returns(cal);
    ui.answer(Answer::No);
    ui.save_returns(cal);
    ui.answer(Answer::Cancel);
    QTest::mouseClick(button("SaveCalib"), Qt::LeftButton);
    EXPECT_EQ(ui.last_message().text, "Overwrite file: " + cal + "?");
    EXPECT_EQ(ui.last_message().caption, "Warning");
    EXPECT_EQ(ui.last_message().buttons, Buttons::YesNoCancel);
    EXPECT_EQ(read_file_text(cal), "old");

    ui.save_returns(cal);
    ui.answer(Answer::Yes);
    QTest::mouseClick(button("SaveCalib"), Qt::LeftButton);
    EXPECT_EQ(read_file_text(cal).rfind("Date-V2-Version 4.2\n", 0), 0u);

    // Review builds again and hands over to the review window, which returns to the main one.
    calibration_data.level_included[0][4] = 1;
    QTest::mouseClick(button("ReviewCalib"), Qt::LeftButton);
    EXPECT_EQ(calibration_data.level_included[0][4], 0);  // no fourth or fifth standard
    EXPECT_FALSE(Calibrate_form->isVisible());
    EXPECT_TRUE(revu_calib_form->isVisible());
}

TEST_F(CalibrationWindow, TenStandardsAtMostAndDeleteMovesTheRestUp) {
    open_new_calibration();
    // The demo library has amounts at Amount1 .. Amount6 only: the last four repeat them.
    for (int s = 0; s < 10; ++s) add_standard("STD" + std::to_string(s % 6 + 1) + ".TXT", s % 6);
    EXPECT_EQ(calibration_data.standard_count, 10);
    ui.expect_message("Only 10 standards are currently allowed.");
    QTest::mouseClick(button("Add"), Qt::LeftButton);
    EXPECT_EQ(ui.last_message().caption, "Maximum Number of Standards");

    QListWidget* files = list("DirListBox");
    files->item(0)->setSelected(true);
    QTest::mouseClick(button("Delete"), Qt::LeftButton);
    EXPECT_EQ(calibration_data.standard_count, 9);
    EXPECT_EQ(files->count(), 9);
    EXPECT_EQ(files->item(0)->text().toStdString(), run("STD2.TXT"));
    EXPECT_EQ(list("ConcListBox")->item(0)->text(), "Amount2");
    EXPECT_EQ(calibration_data.level_names[8], "Amount4");
    EXPECT_EQ(calibration_data.level_names[9], "");

    add_standard("STD1.TXT", 0);  // room again
    EXPECT_EQ(calibration_data.standard_count, 10);
    EXPECT_EQ(list("ConcListBox")->item(9)->text(), "Amount1");
}

TEST_F(CalibrationWindow, TheLevelDialogKeepsEachLabelWithItsFile) {
    open_new_calibration();
    // Enter without a choice is refused and the dialog stays; closing it keeps the file out.
    ui.open_returns(run("STD1.TXT"));
    ui.expect_message("Please select a concentration before exiting.");
    bool shown_path = false;
    with_level_dialog([&](Tidentify_std_level* d) {
        shown_path = d->Edit_stdpath->text().toStdString() == run("STD1.TXT");
        QTest::mouseClick(d->Button_exit, Qt::LeftButton);
        EXPECT_TRUE(d->isVisible());
    });
    QTest::mouseClick(button("Add"), Qt::LeftButton);
    EXPECT_TRUE(shown_path);
    EXPECT_EQ(list("DirListBox")->count(), 0);
    EXPECT_EQ(calibration_data.standard_count, 0);
    EXPECT_FALSE(file_exists(data.file("runs/STD1.ini")));

    // Typing a dilution factor chooses the dilution item; ".25" is stored as "0.25".
    ui.open_returns(run("STD1.TXT"));
    with_level_dialog([&](Tidentify_std_level* d) {
        QTest::keyClicks(d->Edit_dilfactor, ".25");
        EXPECT_EQ(d->ConcGroupItemIndex(), kDilutionItem);
        QTest::mouseClick(d->Button_exit, Qt::LeftButton);
    });
    QTest::mouseClick(button("Add"), Qt::LeftButton);
    ui.expect_message("Please enter a valid dilution factor");
    ui.open_returns(run("STD2.TXT"));
    with_level_dialog([&](Tidentify_std_level* d) {
        type_dilution(d, "1,5");
        EXPECT_TRUE(d->isVisible());
        d->Edit_dilfactor->clear();
        ui.expect_message("Please enter a dilution factor greater than 0");  // no amount to calibrate with
        type_dilution(d, "0");
        EXPECT_TRUE(d->isVisible());
        d->Edit_dilfactor->clear();
        // The demo library gives no analyte an amount at Amount7: one item off is refused.
        ui.expect_message("No analyte of the library has an amount at Amount7.\n"
                          "A standard at this level would calibrate nothing: please choose the level "
                          "the standard was made at.");
        choose_level(d, 6);
        EXPECT_EQ(ui.last_message().caption, "Level Without Amounts");
        EXPECT_TRUE(d->isVisible());
        choose_level(d, 5);
    });
    QTest::mouseClick(button("Add"), Qt::LeftButton);
    EXPECT_EQ(lines(list("ConcListBox")), (QStringList{"0.25", "Amount6"}));

    // A selected label is replaced in place by Delete; the close box leaves it unchanged.
    QListWidget* labels = list("ConcListBox");
    labels->item(0)->setSelected(true);
    with_level_dialog([&](Tidentify_std_level* d) {
        EXPECT_EQ(d->Edit_stdpath->text().toStdString(), run("STD1.TXT"));
        choose_level(d, 0);
    });
    QTest::mouseClick(button("Delete"), Qt::LeftButton);
    EXPECT_EQ(lines(labels), (QStringList{"Amount1", "Amount6"}));
    EXPECT_TRUE(Calibrate_form->isVisible());
    labels->item(1)->setSelected(true);
    with_level_dialog([](Tidentify_std_level*) {});
    QTest::mouseClick(button("Delete"), Qt::LeftButton);
    EXPECT_EQ(lines(labels), (QStringList{"Amount1", "Amount6"}));
    EXPECT_EQ(calibration_data.standard_count, 2);
}

// A reference file in a folder whose name holds a line break: its line of the calibration
// file would end early, and the file read back as a calibration of no compounds. Save is
// refused before a file is asked for, and nothing is written.
TEST_F(CalibrationWindow, AReferencePathWithALineBreakIsRefusedAtSave) {
    open_new_calibration();
    add_standard("STD1.TXT", 0);
    add_standard("STD2.TXT", 1);
    add_standard("STD3.TXT", 2);
    const std::string folder = data.file("runs/day\n2");
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(run("REF.TXT"), folder + "/REF.TXT");
    ui.open_returns(folder + "/REF.TXT");
    QTest::mouseClick(button("add_reference_button"), Qt::LeftButton);
    ui.expect_message("The reference file path\n" + folder + "/REF.TXT\nholds a line break");
    QTest::mouseClick(button("SaveCalib"), Qt::LeftButton);
    EXPECT_EQ(ui.last_message().caption, "Calibration File");
    EXPECT_TRUE(ui.save_requests.empty());
    EXPECT_TRUE(calibration_data.calibration_file_name.empty());
}

// A second calibration of the run, after Save and a visit to the reporting-limit editor,
// is built from the library's own amounts: with the standards listed out of level order
// its file is the first one's.
TEST_F(CalibrationWindow, ASecondCalibrationOfTheRunGivesTheSameFile) {
    auto build_and_save = [&](const std::string& name) {
        open_new_calibration();
        add_standard("STD5.TXT", 4);
        add_standard("STD1.TXT", 0);
        add_standard("STD3.TXT", 2);
        add_reference();
        ui.save_returns(data.file(name));
        QTest::mouseClick(button("SaveCalib"), Qt::LeftButton);
        QTest::mouseClick(button("ExitClick"), Qt::LeftButton);
        std::vector<std::string> lines = split(read_file_text(data.file(name)), '\n');
        lines.erase(lines.begin() + 1);  // the date and time of writing
        return lines;
    };
    const std::vector<std::string> first = build_and_save("first.cal");
    const double amount1 = method_data.library_saved[0].conc[0];
    item("CreateEditMDLFile2")->trigger();
    ASSERT_TRUE(Edit_mdl_form->isVisible());
    click(Edit_mdl_form, "Button_exit");
    back_at_main_window(Edit_mdl_form);
    EXPECT_EQ(method_data.library_saved[0].conc[0], amount1);
    EXPECT_EQ(build_and_save("second.cal"), first);
}

// Calibration > New asks before it starts afresh: Cancel leaves the calibration just
// built and saved (its file name, results files, review data and the window's lists).
TEST_F(CalibrationWindow, ACancelledNewKeepsTheCalibrationBuilt) {
    open_new_calibration();
    add_standard("STD1.TXT", 0);
    add_standard("STD3.TXT", 2);
    add_standard("STD5.TXT", 4);
    add_reference();
    const std::string cal = data.file("kept.cal");
    ui.save_returns(cal);
    QTest::mouseClick(button("SaveCalib"), Qt::LeftButton);
    QTest::mouseClick(button("ExitClick"), Qt::LeftButton);
    ASSERT_EQ(calibration_data.calibration_file_name, cal);
    const auto results_files = calibration_data.standard_results_ini;
    const auto factors = calibration_data.recovery_tables.response_factor;
    const auto labels = calibration_data.level_names;
    const auto included = calibration_data.level_included;
    const QStringList files = lines(list("DirListBox"));
    const QString reference = control<QLineEdit>(Calibrate_form, "EditSurrRef")->text();
    ASSERT_FALSE(files.isEmpty());

    emit main_form->findChild<QMenu*>("Calibrate1")->aboutToShow();
    ui.answer(Answer::Cancel);  // "Calibrating with the internal standard file ..."
    item("RunCalibration")->trigger();
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_FALSE(Calibrate_form->isVisible());
    EXPECT_EQ(calibration_data.calibration_file_name, cal);
    EXPECT_EQ(calibration_data.standard_count, 3);
    EXPECT_EQ(calibration_data.standard_results_ini, results_files);
    EXPECT_EQ(calibration_data.recovery_tables.response_factor, factors);
    EXPECT_EQ(calibration_data.level_names, labels);
    EXPECT_EQ(calibration_data.level_included, included);
    EXPECT_EQ(lines(list("DirListBox")), files);
    EXPECT_EQ(control<QLineEdit>(Calibrate_form, "EditSurrRef")->text(), reference);

    open_new_calibration();  // confirmed: a new calibration starts empty
    EXPECT_EQ(calibration_data.calibration_file_name, "");
    EXPECT_EQ(calibration_data.standard_count, 0);
    EXPECT_EQ(list("DirListBox")->count(), 0);
    EXPECT_EQ(calibration_data.standard_results_ini[0], "");
}

TEST_F(CalibrationWindow, TheLevelDialogEntersOnReturnHelpsAndKeepsLabelsWhole) {
    open_new_calibration();
    ui.open_returns(run("STD1.TXT"));
    with_level_dialog([&](Tidentify_std_level* d) {
        QTest::keyClick(d->Edit_dilfactor, Qt::Key_F1);
        // A factor the level table cannot keep whole is refused, not used cut.
        QTest::keyClicks(d->Edit_dilfactor, "0.12345678");
        ui.expect_message("A dilution factor can have at most 9 characters.");
        QTest::keyClick(d->Edit_dilfactor, Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        d->Edit_dilfactor->clear();
        QTest::keyClicks(d->Edit_dilfactor, "0.1234567");
        QTest::keyClick(d->Edit_dilfactor, Qt::Key_Return);
    });
    QTest::mouseClick(button("Add"), Qt::LeftButton);
    EXPECT_EQ(ui.help_contexts, std::vector<int>{160});
    EXPECT_EQ(lines(list("ConcListBox")), (QStringList{"0.1234567"}));
    EXPECT_EQ(calibration_data.standard_count, 1);
}

// A listed standard's results file belongs to it: adding its file again and cancelling
// keeps it, and another file of the same name stem in the folder is refused.
TEST_F(CalibrationWindow, AddingNeverTouchesTheResultsFileOfAListedStandard) {
    open_new_calibration();
    add_standard("STD1.TXT", 0);
    const std::string results = data.file("runs/STD1.ini");
    const std::string areas = read_file_text(results);

    ui.open_returns(run("STD1.TXT"));
    with_level_dialog([](Tidentify_std_level*) {});  // closed without a label
    QTest::mouseClick(button("Add"), Qt::LeftButton);
    EXPECT_EQ(read_file_text(results), areas);
    EXPECT_EQ(lines(list("DirListBox")), (QStringList{QString::fromStdString(run("STD1.TXT"))}));

    fs::copy_file(run("STD2.TXT"), run("STD1.dat"));
    ui.open_returns(run("STD1.dat"));
    ui.expect_message("The data files\n" + run("STD1.TXT") + "\nand\n" + run("STD1.dat") +
                      "\nwould share the results file");
    QTest::mouseClick(button("Add"), Qt::LeftButton);
    EXPECT_EQ(ui.last_message().caption, "Results File in Use");
    EXPECT_EQ(read_file_text(results), areas);
    EXPECT_EQ(list("DirListBox")->count(), 1);

    // The reference may not take it either; the calibration then saves.
    ui.open_returns(run("STD1.dat"));
    ui.expect_message("would share the results file");
    QTest::mouseClick(button("add_reference_button"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(Calibrate_form, "EditSurrRef")->text(), "");
    add_reference();
    ui.save_returns(data.file("one.cal"));
    QTest::mouseClick(button("SaveCalib"), Qt::LeftButton);
    EXPECT_TRUE(file_exists(data.file("one.cal")));
}

TEST_F(CalibrationWindow, ALoggedBuildAsksBeforeSavingAndNoWritesNothing) {
    // STD3 with a negative benzene area: its response factor comes out negative.
    std::vector<std::string> rows = split(read_file_text(run("STD3.TXT")), '\n');
    for (std::string& row : rows)
        if (row.rfind("Benzene\t", 0) == 0) row = "Benzene\t-1200\t78\t3.914\r";
    std::ofstream out(run("STD3.TXT"), std::ios::binary | std::ios::trunc);
    for (size_t i = 0; i < rows.size(); ++i) out << rows[i] << (i + 1 < rows.size() ? "\n" : "");
    out.close();

    open_new_calibration();
    add_five_standards();
    add_reference();
    const std::string cal = data.file("logged.cal");
    ui.save_returns(cal);
    ui.answer(Answer::No);
    QTest::mouseClick(button("SaveCalib"), Qt::LeftButton);
    EXPECT_NE(ui.last_message().text.find(
                  "Negative response factors OR surrogate measured recovery greater than "
                  "500%!.\nPlease review the log file"),
              std::string::npos);
    EXPECT_EQ(ui.last_message().buttons, Buttons::YesNo);
    EXPECT_FALSE(file_exists(cal));
    EXPECT_EQ(calibration_data.calibration_file_name, "");
    EXPECT_TRUE(Calibrate_form->isVisible());
    const std::string log = read_file_text(calibration_log_path());
    EXPECT_NE(log.find("Benzene ---> analyte with a negative response factor"), std::string::npos);

    // With a clean standard in its place the next Save asks nothing: the log was emptied.
    QListWidget* files = list("DirListBox");
    files->item(2)->setSelected(true);
    QTest::mouseClick(button("Delete"), Qt::LeftButton);
    const size_t questions = ui.messages.size();
    ui.save_returns(cal);
    QTest::mouseClick(button("SaveCalib"), Qt::LeftButton);
    EXPECT_EQ(ui.messages.size(), questions);
    EXPECT_TRUE(file_exists(cal));
}

// The close box is Exit: the results files the window made go with it, and a second
// calibration of the run starts from empty lists.
TEST_F(CalibrationWindow, TheCloseBoxLeavesAsExitDoes) {
    open_new_calibration();
    add_standard("STD1.TXT", 0);
    add_reference();
    ASSERT_TRUE(file_exists(data.file("runs/STD1.ini")));
    Calibrate_form->close();
    back_at_main_window(Calibrate_form);
    EXPECT_FALSE(file_exists(data.file("runs/STD1.ini")));
    EXPECT_FALSE(file_exists(data.file("runs/REF.ini")));
    open_new_calibration();
    EXPECT_EQ(list("DirListBox")->count(), 0);
    EXPECT_EQ(calibration_data.standard_count, 0);
}

// A data folder whose path holds ";" cannot be named in a calibration file's list of data
// files: Save says so before a file is chosen, and nothing is written.
TEST_F(CalibrationWindow, SaveRefusesADataFolderThatTheFileCouldNotNameBack) {
    const fs::path folder = fs::path(data.path()) / "runs;2026";
    fs::copy(example_file("runs"), folder);
    open_new_calibration();
    for (const char* name : {"STD1.TXT", "STD2.TXT"}) {
        ui.open_returns((folder / name).string());
        with_level_dialog([this](Tidentify_std_level* d) { choose_level(d, 0); });
        QTest::mouseClick(button("Add"), Qt::LeftButton);
    }
    add_reference();
    ASSERT_EQ(calibration_data.standard_count, 2);
    ui.expect_message("The data file path\n" + (folder / "STD1.TXT").string() + "\n");
    QTest::mouseClick(button("SaveCalib"), Qt::LeftButton);
    EXPECT_TRUE(ui.save_requests.empty());  // no file was asked for
    EXPECT_EQ(calibration_data.calibration_file_name, "");
    EXPECT_TRUE(Calibrate_form->isVisible());
    // The review's Save As alike.
    QTest::mouseClick(button("ReviewCalib"), Qt::LeftButton);
    ASSERT_TRUE(revu_calib_form->isVisible());
    ui.expect_message("The data file path\n" + (folder / "STD1.TXT").string() + "\n");
    click(revu_calib_form, "Button_save_as");
    EXPECT_TRUE(ui.save_requests.empty());
    EXPECT_TRUE(revu_calib_form->isVisible());
    click(revu_calib_form, "Button_exit");
    back_at_main_window(revu_calib_form);
    EXPECT_FALSE(file_exists((folder / "STD1.ini").string()));
}

// Five standards, the last at Amount6: after Load Calibration File in a run that holds no
// library, the review shows that standard's amounts, and its Save As writes them, so the
// file saved reads back with the calibration range the build had.
TEST_F(CalibrationWindow, ALevelPastTheFifthKeepsItsAmountsThroughLoadAndSaveAs) {
    open_new_calibration();
    for (int s = 0; s < 4; ++s) add_standard("STD" + std::to_string(s + 1) + ".TXT", s);
    add_standard("STD6.TXT", 5);
    add_reference();
    ui.save_returns(data.file("six.cal"));
    QTest::mouseClick(button("SaveCalib"), Qt::LeftButton);
    QTest::mouseClick(button("ExitClick"), Qt::LeftButton);
    int benzene = 0;
    while (method_data.library[benzene].name != "Benzene") ++benzene;
    const double amount6 = method_data.library_saved[benzene].conc[5];
    ASSERT_GT(amount6, 0.0);

    reset_library_tables();  // nothing but the file carries the calibration from here on
    ui.open_returns(data.file("six.cal"));
    item("OpenCalibrationFile1")->trigger();
    item("Review1")->trigger();
    ASSERT_TRUE(revu_calib_form->isVisible());
    revu_calib_form->show_calibration_compound(benzene);
    EXPECT_EQ(revu_calib_form->Edit_conc_std[4]->text().toStdString(), format_general(amount6));
    ui.save_returns(data.file("again.cal"));
    click(revu_calib_form, "Button_save_as");
    back_at_main_window(revu_calib_form);

    reset_library_tables();
    ui.open_returns(data.file("again.cal"));
    item("OpenCalibrationFile1")->trigger();
    EXPECT_EQ(calibration_data.raw_data_sets[4].cal_amount[benzene], amount6);
    EXPECT_EQ(method_data.library_saved[benzene].conc[5], amount6);
}

}  // namespace
