// The calibration review window, opened from the main window on the demo calibration
// and driven as an analyst drives it.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "calibration/curve_statistics.h"
#include "calibration/revu_calib_form.h"
#include "methoddata/calibration_tables.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "windows_fixture.h"

namespace {

namespace fs = std::filesystem;

class CalibrationReviewWindow : public WindowsTest {
protected:
    void SetUp() override {
        WindowsTest::SetUp();
        construct_calibration_tables();
        // The demo calibration names its runs relative to the working folder.
        previous_ = fs::current_path();
        fs::copy_file(example_file("demo_calibration.cal"), fs::path(work.path()) / "demo_calibration.cal");
        fs::create_directory(work.file("runs"));
        fs::current_path(work.path());
        ui.open_returns(work.file("demo_calibration.cal"));
        item("OpenCalibrationFile1")->trigger();
        ASSERT_EQ(method_data.compound_count, 62);
    }
    void TearDown() override {
        fs::current_path(previous_);
        WindowsTest::TearDown();
    }
    void open_review() {
        item("Review1")->trigger();
        ASSERT_TRUE(revu_calib_form->isVisible());
        ASSERT_FALSE(main_form->isVisible());
    }
    std::string text(QLineEdit* e) const { return e->text().toStdString(); }
    void type_number(const char* typed) {
        revu_calib_form->Edit_recnum->selectAll();
        QTest::keyClicks(revu_calib_form->Edit_recnum, typed);
    }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    TempFolder work;
    fs::path previous_;
};

TEST_F(CalibrationReviewWindow, ButtonsCarryTheirCaptionsAndHints) {
    struct Expected {
        const char* name;
        const char* caption;
        const char* hint;
    } buttons[] = {
        {"Button_previous", "<-&Previous", "Previous compound"},
        {"Button_next", "&Next->", "Next compound"},
        {"Button_print", "Print", "Print the calibration results"},
        {"Button1", "Select Printer", ""},
        {"Button_exit", "Exit/don't save changes", "Exit and return to the main menu"},
        {"Button_Help", "Help", "Access Method 5847 help"},
        {"Button_save_as", "Save As/Exit",
         "Save the calibration with these standard selections under a new name and return to the main menu"},
    };
    for (const Expected& e : buttons) {
        auto* b = revu_calib_form->findChild<QPushButton*>(e.name);
        ASSERT_NE(b, nullptr) << e.name;
        EXPECT_EQ(b->text().toStdString(), e.caption);
        EXPECT_EQ(b->toolTip().toStdString(), e.hint) << e.name;
    }
    EXPECT_EQ(revu_calib_form->windowTitle(), "Edit Calibration");
    QCheckBox* option = revu_calib_form->IncludeSurr_check;
    EXPECT_EQ(option->text(), "DO NOT Include Surrogate information on Calibration report");
    EXPECT_EQ(option->toolTip(), "Calibration report option");
    EXPECT_FALSE(option->isChecked());
    EXPECT_TRUE(option->isHidden());
    click(revu_calib_form->Button_Help);
    EXPECT_EQ(ui.help_contexts, std::vector<int>{162});
}

// A narrow file box shows the file's name, not the front of a long path; its tip the whole.
TEST_F(CalibrationReviewWindow, FileBoxesShowTheFileNameAndTheWholePathAsTip) {
    open_review();
    Trevu_calib_form* w = revu_calib_form;
    calibration_data.standard_data_files[0] = "/home/analyst/laboratory/method5847/runs/STD1.TXT";
    w->show_calibration_compound(0);
    EXPECT_EQ(text(w->Edit_f[0]), "STD1.TXT");
    EXPECT_EQ(w->Edit_f[0]->toolTip().toStdString(), calibration_data.standard_data_files[0]);
    EXPECT_EQ(text(w->Edit_ref_file), "REF.TXT");
    EXPECT_EQ(w->Edit_ref_file->toolTip(), "REF.TXT");  // the entry as the review shows it
    // The calibration file and the internal-standard file likewise (in the review's upper case).
    EXPECT_EQ(text(w->Edit_calfile), "DEMO_CALIBRATION.CAL");
    EXPECT_EQ(w->Edit_calfile->toolTip().toStdString(), to_upper(work.file("demo_calibration.cal")));
    method_data.surrogate_file_path = "/home/analyst/laboratory/method5847/DEMO_INTERNAL_STANDARDS.INI";
    w->show_calibration_compound(0);
    EXPECT_EQ(text(w->Edit_surrfile), "DEMO_INTERNAL_STANDARDS.INI");
    EXPECT_EQ(w->Edit_surrfile->toolTip().toStdString(), method_data.surrogate_file_path);
}

// Edit and Print read the file again; a file that now stops part-way leaves the loaded
// calibration in memory whole, and the commands that use it stay on.
TEST_F(CalibrationReviewWindow, AFileThatNoLongerReadsLeavesTheLoadedCalibration) {
    const RecoveryTables loaded = calibration_data.recovery_tables;
    const std::string text = read_file_text(work.file("demo_calibration.cal"));
    work.write("demo_calibration.cal", text.substr(0, text.find("Benzene;")));
    for (const char* command : {"Review1", "PrintCalib"}) {
        ui.expect_message("Quantilyzer: 03001");
        if (std::string(command) == "PrintCalib") ui.printer_dialog_returns(true);
        item(command)->trigger();
        EXPECT_FALSE(revu_calib_form->isVisible()) << command;
        EXPECT_EQ(method_data.compound_count, 62);
        EXPECT_EQ(calibration_data.standard_count, 6);
        for (int c = 0; c < 62; ++c)
            EXPECT_EQ(calibration_data.recovery_tables.response_factor[0][c], loaded.response_factor[0][c]) << c;
        EXPECT_TRUE(item("Quantitation1")->isEnabled());
    }
}

TEST_F(CalibrationReviewWindow, AnalystWalksTheCompoundsTogglesALevelAndLeavesWithoutSaving) {
    work.write("runs/STD1.ini", "results");
    work.write("runs/REF.ini", "results");
    open_review();
    Trevu_calib_form* w = revu_calib_form;
    EXPECT_EQ(text(w->Edit_recnum), "1");
    EXPECT_EQ(text(w->Edit_cmpndname), "1,1-Dichloroethene");
    EXPECT_EQ(w->ListBox1->count(), 62);
    EXPECT_EQ(w->ListBox1->currentRow(), 0);
    EXPECT_EQ(text(w->Edit_calfile), "DEMO_CALIBRATION.CAL");
    EXPECT_EQ(text(w->Edit_LibFileName), "demo_library.txt");
    EXPECT_EQ(text(w->Edit_ref_file), "REF.TXT");
    EXPECT_TRUE(w->Edit_LibFileName->isVisible());
    // Six standards: columns 7 to 10 are hidden.
    EXPECT_TRUE(w->Edit_f[5]->isVisible());
    EXPECT_FALSE(w->Edit_f[6]->isVisible());
    EXPECT_FALSE(w->Check_std[9]->isVisible());
    EXPECT_EQ(text(w->Edit_f[0]), "STD1.TXT");
    EXPECT_EQ(text(w->Edit_conc_std[0]), "1");
    EXPECT_EQ(text(w->Edit_rec_std[0]), "78.092");
    EXPECT_EQ(text(w->Edit_area_std[0]), "7066");
    EXPECT_EQ(text(w->Edit_rspf_std[0]), "9048.272");
    EXPECT_EQ(text(w->Edit_std_levels), "(1, 5, 10, 20, 50, 100)");
    const std::string all_levels = text(w->Edit_avg);
    EXPECT_FALSE(all_levels.empty());

    // Unchecking a level takes it out of the curve at once.
    click(w->Check_std[0]);
    EXPECT_EQ(calibration_data.level_included[0][0], 0);
    EXPECT_FALSE(w->Check_std[0]->isChecked());
    EXPECT_EQ(text(w->Edit_std_levels), "(5, 10, 20, 50, 100)");
    EXPECT_NE(text(w->Edit_avg), all_levels);

    // Typed numbers select a compound; numbers out of range are clamped, text is ignored.
    type_number("999");
    EXPECT_EQ(text(w->Edit_recnum), "62");
    EXPECT_EQ(text(w->Edit_cmpndname), method_data.library[61].name);
    EXPECT_EQ(w->ListBox1->currentRow(), 61);
    type_number("abc");
    EXPECT_EQ(text(w->Edit_cmpndname), method_data.library[61].name);
    // An include box then cannot tell its compound: the conversion error, and no flag changes.
    const bool was_checked = w->Check_std[1]->isChecked();
    click(w->Check_std[1]);
    ASSERT_EQ(ui.exceptions.size(), 1u);
    EXPECT_EQ(ui.exceptions[0], "'abc' is not a valid integer value");
    EXPECT_EQ(w->Check_std[1]->isChecked(), was_checked);
    EXPECT_EQ(calibration_data.level_included[61][1], 1);

    type_number("1");
    click(w->Button_previous);
    EXPECT_EQ(text(w->Edit_recnum), "1");
    click(w->Button_next);
    EXPECT_EQ(text(w->Edit_recnum), "2");
    QListWidgetItem* sixth = w->ListBox1->item(5);
    QTest::mouseClick(w->ListBox1->viewport(), Qt::LeftButton, {}, w->ListBox1->visualItemRect(sixth).center());
    EXPECT_EQ(text(w->Edit_recnum), "6");
    EXPECT_EQ(text(w->Edit_cmpndname), method_data.library[5].name);

    // Exit restores the flags of the load and deletes the standards' results files.
    click(w->Button_exit);
    EXPECT_EQ(calibration_data.level_included[0][0], 1);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_FALSE(fs::exists(work.file("runs/STD1.ini")));
    EXPECT_FALSE(fs::exists(work.file("runs/REF.ini")));
}

TEST_F(CalibrationReviewWindow, SaveAsWritesTheChangedFlagsUnderANewName) {
    open_review();
    Trevu_calib_form* w = revu_calib_form;
    // The close box leaves as "Exit/don't save changes" does: what the samples and the
    // check then use is the file's calibration.
    const double file_mean = calibration_data.curve_statistics.mean_rf[0];
    click(w->Check_std[2]);
    ASSERT_NE(calibration_data.curve_statistics.mean_rf[0], file_mean);
    w->close();
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_EQ(calibration_data.level_included[0][2], 1);
    EXPECT_EQ(calibration_data.curve_statistics.mean_rf[0], file_mean);
    open_review();
    EXPECT_EQ(calibration_data.level_included[0][2], 1);

    click(w->Check_std[2]);
    ui.save_returns(std::nullopt);  // a cancelled dialog writes nothing and stays
    click(w->Button_save_as);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(ui.save_requests.back().filter, "Calibration files (*.cal)|*.cal");

    const std::string saved = work.file("NEW.cal");
    ui.save_returns(work.file("NEW"));
    click(w->Button_save_as);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_EQ(calibration_data.calibration_file_name, saved);
    EXPECT_EQ(status_line(main_form), "File written: " + saved);  // named where the analyst is now
    // Processing and the check now use the new file: the main menu names it as well.
    EXPECT_EQ(item("OpenCalibrationFile1")->text(), "Open Calibration File... --> NEW.CAL");
    EXPECT_EQ(main_flags.ReviewSaveAs, 1);
    ASSERT_TRUE(fs::exists(saved));
    EXPECT_EQ(calibration_data.level_included_saved[0][2], 0);

    ui.open_returns(saved);
    item("OpenCalibrationFile1")->trigger();
    EXPECT_EQ(calibration_data.level_included[0][2], 0);
    EXPECT_EQ(calibration_data.level_included[0][1], 1);
}

TEST_F(CalibrationReviewWindow, PrintsTheReportFromTheReviewAndFromTheMainWindow) {
    const std::string legend = "Explanation of lines following the concentration values";
    open_review();
    Trevu_calib_form* w = revu_calib_form;
    click(w->Button_print);
    ASSERT_EQ(ui.finished_jobs.size(), 1u);
    EXPECT_NE(ui.finished_jobs[0].find_text(legend), nullptr);
    w->IncludeSurr_check->setChecked(true);
    click(w->Button_print);
    ASSERT_EQ(ui.finished_jobs.size(), 2u);
    EXPECT_EQ(ui.finished_jobs[1].find_text(legend), nullptr);
    ui.printer_dialog_returns(true);
    click(w->Button1);
    click(w->Button_exit);

    ui.printer_dialog_returns(false);  // a cancelled printer dialog prints nothing
    item("PrintCalib")->trigger();
    EXPECT_EQ(ui.finished_jobs.size(), 2u);
    ui.printer_dialog_returns(true);
    item("PrintCalib")->trigger();
    ASSERT_EQ(ui.finished_jobs.size(), 3u);
    const RecordingCanvas& job = ui.finished_jobs[2];
    EXPECT_EQ(job.orientation, Orientation::Landscape);
    EXPECT_EQ(job.find_text(legend), nullptr);
    EXPECT_NE(job.find_text(method_data.library[61].name), nullptr);
    EXPECT_TRUE(main_form->isVisible());
}

// Fluorene has no Amount6. A file in which its STD6 holds a peak and is included (as an
// older build may have left it) shows that level unchecked, saying why, and out of the
// curve and of the range the samples are qualified against.
TEST_F(CalibrationReviewWindow, ALevelWithoutAnAmountIsShownOutOfTheCurveSayingWhy) {
    std::string cal = read_file_text(work.file("demo_calibration.cal"));
    const std::string kept = "0.00;0.36266;0.12158;0.00000;0.00000;0;Amount1;Amount2;Amount3;Amount4;Amount5;"
                             "Amount6;111110;0";
    const size_t at = cal.find(kept);
    ASSERT_NE(at, std::string::npos);
    cal.replace(at, kept.size(),
                 "0.00;0.36266;0.12158;0.00000;0.00000;500;Amount1;Amount2;Amount3;Amount4;Amount5;"
                 "Amount6;111111;0");
    work.write("demo_calibration.cal", cal);
    ui.open_returns(work.file("demo_calibration.cal"));
    item("OpenCalibrationFile1")->trigger();
    int fluorene = 0;
    while (method_data.library[fluorene].name != "Fluorene") ++fluorene;
    ASSERT_EQ(calibration_data.level_included[fluorene][5], 1);
    open_review();
    Trevu_calib_form* w = revu_calib_form;
    w->show_calibration_compound(fluorene);
    EXPECT_EQ(text(w->Edit_area_std[5]), "500");
    EXPECT_FALSE(w->Check_std[5]->isChecked());
    EXPECT_FALSE(w->Check_std[5]->isEnabled());
    EXPECT_EQ(w->Check_std[5]->text(), "No amount");
    EXPECT_EQ(w->Check_std[4]->text(), "");
    EXPECT_EQ(text(w->Edit_std_levels), "(2, 5, 10, 25, 50)");
    EXPECT_EQ(calibration_data.level_included[fluorene][5], 0);
    w->show_calibration_compound(0);
    EXPECT_EQ(w->Check_std[5]->text(), "");  // 1,1-Dichloroethene has its Amount6
}

// Samples are quantitated against the internal standards' mean responses: the review
// keeps the last level in an internal standard's curve, and its Save As refuses a
// calibration (here a file) in which one has no level left.
TEST_F(CalibrationReviewWindow, AnInternalStandardKeepsItsLastLevel) {
    const std::string levels = "Std1 (Amount1), Std2 (Amount2), Std3 (Amount3), Std4 (Amount4), Std5 (Amount5), "
                               "Std6 (Amount6)";
    const std::string why = ".\nWithout a level it has no response, and no sample could be quantitated with this "
                            "calibration: ";
    open_review();
    Trevu_calib_form* w = revu_calib_form;
    int acetone_d6 = 0;
    while (method_data.library[acetone_d6].name != "Acetone-d6") ++acetone_d6;
    w->show_calibration_compound(acetone_d6);
    for (int k = 0; k < 5; ++k) click(w->Check_std[k]);
    EXPECT_EQ(text(w->Edit_std_levels), "(50)");
    ui.expect_message("Std6 (Amount6) is the last level in the curve of the internal standard Acetone-d6, "
                      "whose levels are " + levels + why + "the level stays included.");
    click(w->Check_std[5]);
    EXPECT_EQ(ui.last_message().caption, "Internal Standard Level");
    EXPECT_TRUE(w->Check_std[5]->isChecked());
    EXPECT_EQ(calibration_data.level_included[acetone_d6][5], 1);
    EXPECT_EQ(text(w->Edit_std_levels), "(50)");
    click(w->Button_exit);

    std::string cal = read_file_text(work.file("demo_calibration.cal"));
    const size_t line = cal.find("\nAcetone-d6;");
    const size_t flags = cal.find("Amount6;111111;", line) + std::string("Amount6;").size();
    cal.replace(flags, 6, "000000");
    work.write("demo_calibration.cal", cal);
    ui.open_returns(work.file("demo_calibration.cal"));
    item("OpenCalibrationFile1")->trigger();
    open_review();
    ui.expect_message("The internal standard Acetone-d6 has no level in its curve; the levels of the "
                      "calibration are " + levels + why + "include one of its levels before saving.");
    click(w->Button_save_as);
    EXPECT_TRUE(ui.save_requests.empty());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(calibration_data.calibration_file_name, work.file("demo_calibration.cal"));
    // Its level included again, the calibration saves.
    w->show_calibration_compound(acetone_d6);
    click(w->Check_std[2]);
    ui.save_returns(work.file("kept.cal"));
    click(w->Button_save_as);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(fs::exists(work.file("kept.cal")));
}

TEST_F(CalibrationReviewWindow, ACalibrationFileThatCannotBeReadAgainIsNotReviewed) {
    fs::remove(work.file("demo_calibration.cal"));
    ui.expect_message("Quantilyzer: 03005");
    item("Review1")->trigger();
    EXPECT_FALSE(revu_calib_form->isVisible());
    EXPECT_TRUE(main_form->isVisible());
}

}  // namespace
