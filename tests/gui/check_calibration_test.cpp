// The analyst's road through the continuing-calibration check: the demo calibration is
// loaded, Check Continuing Calibration converts a copy of the demo check standard, and
// the entry and review windows evaluate, show, save and print it.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <filesystem>

#include "calibration/calibration_commands.h"
#include "calibration/check_calib_review_form.h"
#include "calibration/check_calib_std.h"
#include "calibration/continuing_check.h"
#include "methoddata/check_state.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "windows_fixture.h"

namespace {

class CheckCalibration : public WindowsTest {
protected:
    void SetUp() override {
        WindowsTest::SetUp();
        std::filesystem::copy_file(example_file("runs/CCV.TXT"), runs.file("CCV.TXT"));
        ui.open_returns(example_file("demo_calibration.cal"));
        ASSERT_TRUE(load_calibration_command(main_form->menu_state));
        main_form->show_menu_state();
        ASSERT_TRUE(item("CheckCalibration")->isEnabled());
        ui.open_returns(runs.file("CCV.TXT"));
        item("CheckCalibration")->trigger();
        ASSERT_TRUE(check_calib_std->isVisible());
    }
    template <typename T = QPushButton>
    T* entry(const char* name) const {
        T* w = check_calib_std->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    template <typename T = QLineEdit>
    T* review(const char* name) const {
        T* w = check_calib_review_form->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QRadioButton* amount_item(const QString& caption) const {
        for (QRadioButton* b : check_calib_std->findChildren<QRadioButton*>())
            if (b->text() == caption) return b;
        ADD_FAILURE() << "no item " << caption.toStdString();
        return nullptr;
    }
    std::string text(const char* name) const { return review(name)->text().toStdString(); }
    std::string results_file() const { return runs.file("CCV.ini"); }
    std::string report_file() const { return runs.file("CCV.check"); }

    TempFolder runs;
};

TEST_F(CheckCalibration, ReviewTheCheckStandardCompoundByCompound) {
    EXPECT_FALSE(main_form->isVisible());
    EXPECT_EQ(entry<QLineEdit>("Edit4")->text().toStdString(), to_upper(runs.file("CCV.TXT")));
    EXPECT_EQ(entry<QLineEdit>("Edit3")->text().toStdString(), to_upper(example_file("demo_calibration.cal")));
    EXPECT_EQ(entry<QLineEdit>("Edit_LibFIleNameCheck")->text(), "demo_library.txt");
    EXPECT_FALSE(entry("Print")->isVisible());  // no printer chosen in this run
    EXPECT_FALSE(entry<QLineEdit>("EditChkVarMode")->isVisible());
    EXPECT_TRUE(file_exists(results_file()));

    // A dilution factor selects the dilution item; an amount item empties it again.
    QTest::keyClicks(entry<QLineEdit>("Edit_dilfactorCheck"), "2");
    EXPECT_EQ(check_calib_std->item_index(), kDilutionItem);
    amount_item("Amount 3")->click();
    EXPECT_EQ(entry<QLineEdit>("Edit_dilfactorCheck")->text(), "");

    entry("check_calib_review")->click();
    ASSERT_TRUE(check_calib_review_form->isVisible());
    EXPECT_FALSE(check_calib_std->isVisible());
    EXPECT_EQ(check_state.check_level_name, "Conc3");
    EXPECT_EQ(text("Edit_recnum"), "1");
    EXPECT_EQ(text("Edit_cmpndname"), "1,1-Dichloroethene");
    EXPECT_EQ(text("Edit_calfile"), "demo_calibration.cal");
    EXPECT_EQ(text("conc_Edit"), "10.00");
    EXPECT_EQ(text("calib_resp_Edit"), "8780.86");
    EXPECT_EQ(text("check_std_resp_Edit"), "8580.63");
    EXPECT_EQ(text("diff_Edit").substr(0, 4), "-2.2");
    // Results are read, not typed: read-only boxes in plain text, not greyed out.
    for (const char* box : {"calib_resp_Edit", "deviation_Edit", "conc_Edit", "check_std_resp_Edit", "diff_Edit"}) {
        EXPECT_TRUE(review<QLineEdit>(box)->isEnabled()) << box;
        EXPECT_TRUE(review<QLineEdit>(box)->isReadOnly()) << box;
    }
    // Both windows open in the middle of the screen.
    for (QWidget* w : {static_cast<QWidget*>(check_calib_std), static_cast<QWidget*>(check_calib_review_form)}) {
        const QPoint middle = w->screen()->availableGeometry().center();
        EXPECT_LE((w->frameGeometry().center() - middle).manhattanLength(), 2) << w->objectName().toStdString();
    }
    EXPECT_EQ(review<QListWidget>("ListBox1_chk")->count(), 62);

    review<QPushButton>("Button_next")->click();
    EXPECT_EQ(text("Edit_recnum"), "2");
    EXPECT_EQ(review<QListWidget>("ListBox1_chk")->currentRow(), 1);
    review("Edit_recnum")->setText("62");
    review<QPushButton>("Button_next")->click();  // the last compound: nothing further
    EXPECT_EQ(text("Edit_recnum"), "62");
    review<QPushButton>("Button_previous")->click();
    EXPECT_EQ(text("Edit_cmpndname"), "Acenaphthylene");
    auto* list = review<QListWidget>("ListBox1_chk");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
    EXPECT_EQ(text("Edit_recnum"), "5");

    review<QPushButton>("Button_exit")->click();
    EXPECT_TRUE(check_calib_std->isVisible());

    // Leaving without a saved report asks; No leaves no report and no results file.
    ui.answer(Answer::No);
    entry("Button3")->click();
    EXPECT_EQ(ui.last_message().text, "Save the electronic report file?");
    EXPECT_EQ(ui.last_message().caption, "Save Electronic report file");
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_FALSE(check_calib_std->isVisible());
    EXPECT_EQ(check_calib_std->item_index(), -1);
    EXPECT_FALSE(file_exists(results_file()));
    EXPECT_FALSE(file_exists(report_file()));
}

TEST_F(CheckCalibration, SaveFileThenExitAsksNothing) {
    ui.expect_message("Please select a concentration before exiting.");
    entry("Button_Save")->click();  // no level yet
    EXPECT_FALSE(file_exists(report_file()));

    amount_item("Amount 3")->click();
    entry("Button_Save")->click();
    ASSERT_TRUE(file_exists(report_file()));
    EXPECT_EQ(status_line(check_calib_std), "File written: " + report_file());
    EXPECT_EQ(check_state.check_started, 1);
    EXPECT_NE(read_file_text(report_file()).find("\n1;1,1-Dichloroethene;8780.86;225.45;10.00;"), std::string::npos);
    const size_t messages = ui.messages.size();
    entry("Button3")->click();
    EXPECT_EQ(ui.messages.size(), messages);
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_EQ(status_line(check_calib_std), "");  // a later check names only what it writes
}

TEST_F(CheckCalibration, ExitThatCannotSaveStaysInTheWindow) {
    QTest::keyClicks(entry<QLineEdit>("Edit_dilfactorCheck"), "2x");
    ui.answer(Answer::Yes);
    ui.expect_message("Please enter a valid dilution factor");
    entry("Button3")->click();
    EXPECT_TRUE(check_calib_std->isVisible());
    EXPECT_TRUE(file_exists(results_file()));
}

TEST_F(CheckCalibration, SelectPrinterShowsPrintWhichPrintsAndWritesTheReport) {
    entry("Print")->setVisible(false);
    QApplication::processEvents();  // the layout settles
    const QRect exit_button = entry("Button3")->geometry();
    ui.printer_dialog_returns(true);
    entry("Button1")->click();
    EXPECT_TRUE(entry("Print")->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(entry("Button3")->geometry(), exit_button);  // Print takes the room kept for it
    EXPECT_EQ(main_flags.PrinterSelected, 1);

    ui.expect_message("Please Enter Concentration of Check Standard");
    entry("Print")->click();
    EXPECT_EQ(ui.last_message().caption, "Pick a Concentration");

    amount_item("Amount 3")->click();
    ui.expect_message("The report file was written:\n" + report_file());  // with the printout
    entry("Print")->click();
    ASSERT_EQ(ui.finished_jobs.size(), 1u);
    EXPECT_NE(ui.finished_jobs[0].find_text("1,1-Dichloroethene"), nullptr);
    EXPECT_TRUE(file_exists(report_file()));
    EXPECT_EQ(check_state.check_started, 0);  // printing is no saved report: Exit still asks
}

// A dilution factor of 0 would give every compound the amount 0: refused as typed.
TEST_F(CheckCalibration, AZeroDilutionFactorIsRefused) {
    QTest::keyClicks(entry<QLineEdit>("Edit_dilfactorCheck"), "0.0");
    for (const char* button : {"check_calib_review", "Button_Save"}) {
        ui.expect_message("Please enter a dilution factor greater than 0");
        entry(button)->click();
        EXPECT_EQ(ui.last_message().caption, "Invalid dilution factor");
        EXPECT_TRUE(check_calib_std->isVisible()) << button;
    }
    EXPECT_FALSE(check_calib_review_form->isVisible());
    EXPECT_FALSE(file_exists(report_file()));
}

// The demo calibration holds no analyte amount at Amount 7: a check standard there would
// compare nothing, every difference empty. Review, Save File and Print refuse the level,
// as they refuse a factor of digits and dots that is no number; nothing is written.
TEST_F(CheckCalibration, ALevelWithoutAmountsAndAFactorThatIsNoNumberAreRefused) {
    ui.printer_dialog_returns(true);
    entry("Button1")->click();
    amount_item("Amount 7")->click();
    for (const char* button : {"check_calib_review", "Button_Save", "Print"}) {
        ui.expect_message("The calibration holds no analyte amount at Amount 7.\n"
                          "A check standard at this level can be compared with nothing: please choose the "
                          "level it was made at.");
        entry(button)->click();
        EXPECT_EQ(ui.last_message().caption, "Level Without Amounts");
        EXPECT_TRUE(check_calib_std->isVisible()) << button;
    }
    QTest::keyClicks(entry<QLineEdit>("Edit_dilfactorCheck"), "1.5.2");
    ui.expect_message("Please enter a valid dilution factor");
    entry("Button_Save")->click();
    EXPECT_TRUE(ui.exceptions.empty());
    EXPECT_FALSE(check_calib_review_form->isVisible());
    EXPECT_FALSE(file_exists(report_file()));
    EXPECT_TRUE(ui.finished_jobs.empty());
    EXPECT_EQ(check_state.check_started, 0);
}

// The close box is Exit: it asks about the unsaved report, deletes the check's results
// file, and the next check of the run starts with no level chosen. A report it cannot
// save keeps the window open.
TEST_F(CheckCalibration, TheCloseBoxLeavesAsExitDoes) {
    QTest::keyClicks(entry<QLineEdit>("Edit_dilfactorCheck"), "2x");
    ui.answer(Answer::Yes);
    ui.expect_message("Please enter a valid dilution factor");
    check_calib_std->close();
    EXPECT_TRUE(check_calib_std->isVisible());
    EXPECT_TRUE(file_exists(results_file()));

    entry<QLineEdit>("Edit_dilfactorCheck")->clear();
    amount_item("Amount 3")->click();
    ui.answer(Answer::Yes);
    check_calib_std->close();
    EXPECT_EQ(ui.last_message().text, "Save the electronic report file?");
    EXPECT_TRUE(file_exists(report_file()));
    EXPECT_FALSE(file_exists(results_file()));
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_FALSE(check_calib_std->isVisible());

    ui.open_returns(runs.file("CCV.TXT"));
    item("CheckCalibration")->trigger();
    ASSERT_TRUE(check_calib_std->isVisible());
    EXPECT_EQ(check_calib_std->item_index(), -1);
    ui.answer(Answer::No);
    check_calib_std->close();
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_FALSE(file_exists(results_file()));
}

}  // namespace
