// The internal-standard editor with its range-limits and class-ranges windows, on the
// demo library and its demo internal-standard file.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cstdlib>

#include "calibration/calibration_commands.h"
#include "methoddata/calibration_data.h"
#include "methoddata/check_surrogate_catagories_form.h"
#include "methoddata/edit_lib_form.h"
#include "methoddata/editor_state.h"
#include "methoddata/program_paths.h"
#include "methoddata/surr_form.h"
#include "methoddata/surrogate_library_row.h"
#include "methoddata/surrogate_limits_form.h"
#include "methoddata/surrogate_range_limits.h"
#include "platform/ini_file.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "windows_fixture.h"

namespace {

class SurrogateEditorWindow : public WindowsTest {
  protected:
    void SetUp() override {
        setenv("TMPDIR", install.path().c_str(), 1);
        WindowsTest::SetUp();
        // Copies: Exit leaves a "$$$" copy beside the file it edited.
        for (const char* name : {"demo_library.txt", "demo_internal_standards.ini"})
            install.write(name, read_file_text(example_file(name)));
        ui.open_returns(install.file("demo_library.txt"));
        item("OpenLibraryMenu")->trigger();
        ui.open_returns(install.file("demo_internal_standards.ini"));
        item("OpenSurrogateFile1")->trigger();
        program_paths.data_root_folder = install.path();
        make_folders(install.path() + "/5847dir/Surrogates");
        item("EditSurrogatesFile")->trigger();
        ASSERT_TRUE(surr_Form->isVisible());
    }
    void TearDown() override {
        WindowsTest::TearDown();
        unsetenv("TMPDIR");
    }
    template <typename T = QWidget>
    T* in(QWidget* window, const char* name) {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* edit) { return in<QLineEdit>(surr_Form, edit)->text(); }
    void click(QWidget* window, const char* button) {
        QTest::mouseClick(in<QPushButton>(window, button), Qt::LeftButton);
    }
    void click_item(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    void save(QWidget* window, const char* png) {
        window->grab().save(QString::fromStdString(install.file(png)));
        if (const char* keep = std::getenv("M5847_KEEP_PNG")) window->grab().save(QString(keep) + "/" + png);
    }
};

TEST_F(SurrogateEditorWindow, ShowsEditsAndWalksTheRecords) {
    EXPECT_FALSE(main_form->isVisible());
    EXPECT_EQ(surr_Form->windowTitle(), "Internal Standard Data");
    const SurrogateRecord& first = method_data.surrogates[0];
    EXPECT_EQ(text("Edit_Counter"), "1");
    EXPECT_EQ(text("Edit_CmpndName"), QString::fromStdString(first.name));
    EXPECT_EQ(text("EditCmpndNum"), QString::number(first.LibCmpndNum));
    EXPECT_EQ(text("Edit_rvw"), QString::fromStdString(format_general(first.rvw)));
    EXPECT_EQ(text("Edit_surfilename"), QString::fromStdString(method_data.surrogate_file_path));
    EXPECT_EQ(text("Edit_LibrayFileName"), QString::fromStdString(install.file("demo_library.txt")).toUpper());
    EXPECT_TRUE(in(surr_Form, "Edit_LibrayFileName")->isVisible());
    EXPECT_TRUE(in<QCheckBox>(surr_Form, "CBox_bpg1")->isChecked());
    EXPECT_FALSE(in<QCheckBox>(surr_Form, "CBox_bpg2")->isChecked());
    EXPECT_EQ(in<QListWidget>(surr_Form, "ListBox_fpass")->currentRow(), 0);  // "Yes"
    save(surr_Form, "surr_form.png");

    click(surr_Form, "Next");
    EXPECT_EQ(text("Edit_CmpndName"), QString::fromStdString(method_data.surrogates[1].name));
    QTest::mouseClick(in<QCheckBox>(surr_Form, "CBox_rvwg3"), Qt::LeftButton);
    EXPECT_EQ(method_data.surrogates[1].rvwgroup[2], 1);
    click_item(in<QListWidget>(surr_Form, "ListBox_checked"), 1);  // "No"
    EXPECT_EQ(method_data.surrogates[1].checked_surrogate, 0);
    EXPECT_EQ(method_data.surrogates[0].checked_surrogate, 1);  // the record shown before is untouched

    QLineEdit* counter = in<QLineEdit>(surr_Form, "Edit_Counter");
    counter->selectAll();
    QTest::keyClicks(counter, "99");
    QTest::keyClick(counter, Qt::Key_Return);
    EXPECT_EQ(text("Edit_Counter"), "11");  // clamped to the last record
    click(surr_Form, "Next");
    EXPECT_EQ(editor_state.current_surrogate_record, 10);
    click(surr_Form, "previous");
    EXPECT_EQ(text("Edit_CmpndName"), QString::fromStdString(method_data.surrogates[9].name));

    counter->selectAll();
    QTest::keyClicks(counter, "two");
    QTest::keyClick(counter, Qt::Key_Return);
    ASSERT_EQ(ui.exceptions.size(), 1u);
    EXPECT_EQ(ui.exceptions[0], "'two' is not a valid integer value");
}

TEST_F(SurrogateEditorWindow, SetLimitsOpensTheLimitsWhichReturnToTheEditor) {
    click(surr_Form, "Set_Limits_Button");
    ASSERT_TRUE(surrogate_limits_form->isVisible());
    EXPECT_FALSE(surr_Form->isVisible());
    QLineEdit* bpmin = in<QLineEdit>(surrogate_limits_form, "Edit_bpmin");
    EXPECT_EQ(bpmin->text().toStdString(), format_fixed(method_data.surrogate_range_limits.MinBP, 2));
    save(surrogate_limits_form, "surrogate_limits_form.png");

    const double lowest = method_data.surrogate_range_limits.MinBP;
    bpmin->selectAll();
    QTest::keyClicks(bpmin, "1");
    ui.expect_message("Quantilyzer: 18001");
    click(surrogate_limits_form, "Button_accept_limits");
    EXPECT_TRUE(surrogate_limits_form->isVisible());
    EXPECT_EQ(bpmin->text().toStdString(), format_fixed(lowest, 2));
    EXPECT_DOUBLE_EQ(method_data.surrogate_range_limits.MinBP, lowest);  // the refused entry is not kept

    // A text that is not wholly a number is refused naming its edit; nothing is stored.
    QLineEdit* rvmin = in<QLineEdit>(surrogate_limits_form, "Edit_rvmin");
    const QString shown_rvmin = rvmin->text();
    const SurrogateRangeLimits before = method_data.surrogate_range_limits;
    rvmin->selectAll();
    QTest::keyClicks(rvmin, "0,0105");
    click(surrogate_limits_form, "Button_accept_limits");
    ASSERT_FALSE(ui.exceptions.empty());
    EXPECT_EQ(ui.exceptions.back(),
              "The box \"Relative volatility Limits, Minimum\" was refused: '0,0105' is not a number.\nNo limit was "
              "changed.");
    EXPECT_TRUE(surrogate_limits_form->isVisible());
    EXPECT_EQ(method_data.surrogate_range_limits.MinRVW, before.MinRVW);
    EXPECT_EQ(method_data.user_limits_applied, 0);
    rvmin->selectAll();
    QTest::keyClicks(rvmin, shown_rvmin);

    QLineEdit* bpmax = in<QLineEdit>(surrogate_limits_form, "Edit_bpmax");
    const QString same = bpmax->text();
    bpmax->selectAll();
    QTest::keyClicks(bpmax, same);  // typed over with the same value
    click(surrogate_limits_form, "Button_accept_limits");
    EXPECT_FALSE(surrogate_limits_form->isVisible());
    EXPECT_TRUE(surr_Form->isVisible());
    EXPECT_EQ(method_data.user_limits_applied, 1);

    // The typed limit counts as a change: Exit offers to save it.
    ui.answer(Answer::Cancel);
    click(surr_Form, "exit");
    EXPECT_EQ(ui.last_message().text, "Would you like to save your changes?");
    EXPECT_TRUE(surr_Form->isVisible());
}

TEST_F(SurrogateEditorWindow, ClassRangesMirrorTheVolatileThreshold) {
    click(surr_Form, "btnCheckSurrCat");
    QWidget* form = check_surrogate_catagories_form;
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(in<QLabel>(form, "lblLinear")->text(), "BP");
    EXPECT_EQ(in<QLabel>(form, "lblLog")->text(), "RVW");
    EXPECT_FALSE(in(form, "EditvcsLn")->isVisible());
    save(form, "check_surrogate_catagories_form.png");

    QLineEdit* vcs = in<QLineEdit>(form, "Editvcs");
    vcs->selectAll();
    QTest::keyClicks(vcs, "162.5");
    EXPECT_EQ(in<QLineEdit>(form, "Editsvc")->text(), "162.5");
    click(form, "Button_ok");
    EXPECT_EQ(method_data.category_thresholds.vcs, 162.5);
    EXPECT_EQ(method_data.category_thresholds.svc, 162.5);
    EXPECT_TRUE(surr_Form->isVisible());

    // Exit forgets what was typed; an empty volatile edit is no number.
    click(surr_Form, "btnCheckSurrCat");
    vcs->selectAll();
    QTest::keyClick(vcs, Qt::Key_Delete);
    EXPECT_EQ(ui.exceptions.back(), "The box \"Volatile compound class, linear column\" was refused: it is empty.");
    click(form, "Button1");
    EXPECT_EQ(method_data.category_thresholds.vcs, 162.5);

    // Apply reads every edit whole before it stores any: a refused edit is named, and the
    // window stays with no threshold changed.
    click(surr_Form, "btnCheckSurrCat");
    QTest::keyClicks(in<QLineEdit>(form, "Editn_pvcsLn"), ",5");
    ui.expect_message("\"Non-Purgeable volatile compound class, log column\" was refused: ");
    click(form, "Button_ok");
    EXPECT_TRUE(form->isVisible());
    click(form, "Button1");
    EXPECT_EQ(method_data.category_thresholds.vcs, 162.5);
    click(surr_Form, "btnCheckSurrCat");
    EXPECT_EQ(vcs->text(), "162.5");
}

// A saved edit is the new saved state: Exit then asks nothing and keeps what the file holds.
// The file written is the file in use: every later command and report names it.
TEST_F(SurrogateEditorWindow, SaveAsThenExitKeepsWhatWasSaved) {
    click_item(in<QListWidget>(surr_Form, "ListBox_checked"), 1);
    const std::string copy = install.path() + "/5847dir/Surrogates/COPY.ini";
    ui.save_returns(copy);
    click(surr_Form, "Button_save_as");
    IniFile file;
    ASSERT_TRUE(file.load(copy));
    EXPECT_EQ(file.get_int("compound1", "checked_surrogate", 1), 0);
    EXPECT_EQ(method_data.surrogate_file_path, copy);
    EXPECT_EQ(text("Edit_surfilename").toStdString(), copy);
    EXPECT_EQ(status_line(surr_Form), "File written: " + copy);

    click(surr_Form, "exit");  // no question: nothing differs from the file
    EXPECT_FALSE(surr_Form->isVisible());
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_EQ(method_data.surrogates[0].checked_surrogate, 0);
    EXPECT_TRUE(file_exists(up_to_last_dot(copy) + ".$$$"));  // beside the copy, not in examples/
    EXPECT_EQ(item("EditSurrogatesFile")->text(), "Edit Internal Standard File... --> COPY.INI");
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(new_calibration_command());
    EXPECT_EQ(ui.last_message().text, "Calibrating with the internal standard file: \n" + copy +
                                          "\n\nIf this is not correct, 'Cancel' and load the proper file.");

    // A later edit is asked about, and No goes back to the saved state, not the loaded one.
    item("EditSurrogatesFile")->trigger();
    click_item(in<QListWidget>(surr_Form, "ListBox_checked"), 0);
    EXPECT_EQ(method_data.surrogates[0].checked_surrogate, 1);
    ui.answer(Answer::No);
    click(surr_Form, "exit");
    EXPECT_TRUE(ui.saw_message("Would you like to save your changes?"));
    EXPECT_EQ(method_data.surrogates[0].checked_surrogate, 0);
}

// The close box leaves as Exit does: it asks about unsaved groupings, Cancel stays, and No
// puts them back, so the next Edit does not take them as saved.
TEST_F(SurrogateEditorWindow, TheCloseBoxAsksAsExitDoes) {
    const int checked = method_data.surrogates[0].checked_surrogate;
    click_item(in<QListWidget>(surr_Form, "ListBox_checked"), checked == 1 ? 1 : 0);
    ASSERT_NE(method_data.surrogates[0].checked_surrogate, checked);
    ui.answer(Answer::Cancel);
    surr_Form->close();
    EXPECT_TRUE(surr_Form->isVisible());
    EXPECT_EQ(ui.last_message().text, "Would you like to save your changes?");

    ui.answer(Answer::No);
    surr_Form->close();
    EXPECT_FALSE(surr_Form->isVisible());
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_EQ(method_data.surrogates[0].checked_surrogate, checked);
}

// Limits the file held are the analyst's: Save As and Exit without edits write them back
// as they were, and memory keeps them.
TEST_F(SurrogateEditorWindow, SavesWithoutEditsKeepTheLimitsTheFileHeld) {
    click(surr_Form, "exit");
    const std::string held = install.write(
        "HELD.INI", read_file_text(example_file("demo_internal_standards.ini")) + "\n[Limits]\nMinBP=85\n");
    ui.open_returns(held);
    item("OpenSurrogateFile1")->trigger();
    ASSERT_EQ(method_data.surrogate_range_limits.MinBP, 85.0);
    const double default_max_bp = method_data.surrogate_range_limits.MaxBP;

    const std::string folder = install.path() + "/5847dir/Surrogates/";
    item("EditSurrogatesFile")->trigger();
    ui.save_returns(folder + "SAVED_AS.ini");
    click(surr_Form, "Button_save_as");
    click(surr_Form, "exit");  // saved: no question
    item("EditSurrogatesFile")->trigger();
    ui.answer(Answer::Yes);  // a limit edit marked modified makes Exit ask
    ui.save_returns(folder + "EXITED.ini");
    in<QLineEdit>(surrogate_limits_form, "Edit_bpmin")->setModified(true);
    click(surr_Form, "exit");
    for (const char* name : {"SAVED_AS.ini", "EXITED.ini"}) {
        IniFile file;
        ASSERT_TRUE(file.load(folder + name)) << name;
        EXPECT_EQ(file.get_double("Limits", "MinBP", 0), 85.0) << name;
        EXPECT_EQ(file.get_double("Limits", "MaxBP", 0), default_max_bp) << name;
    }
    EXPECT_EQ(method_data.surrogate_range_limits.MinBP, 85.0);
}

// A limit the analyst applied and saved is held by the file: a bp the library changes
// later moves the BP bands only, so the next save writes the RV limits the file held and the
// BP limits of the groups as they are now; an rvw moves the RV bands only.
TEST_F(SurrogateEditorWindow, APropertyTheLibraryChangesMovesOnlyItsOwnLimits) {
    struct Road {
        const char* limit_edit;
        const char* applied;
        const char* library_edit;
        const char* library_value;
        bool bp_moved;
    };
    const Road roads[] = {{"Edit_rvmin", "0.0105", "Edit_bp", "111", true},
                          {"Edit_bpmin", "85", "Edit_rvw", "14", false}};
    const std::string folder = install.path() + "/5847dir/Surrogates/";
    int n = 0;
    for (const Road& road : roads) {
        const std::string tag = std::to_string(++n);
        if (!surr_Form->isVisible()) item("EditSurrogatesFile")->trigger();
        click(surr_Form, "Set_Limits_Button");
        QLineEdit* edit = in<QLineEdit>(surrogate_limits_form, road.limit_edit);
        edit->selectAll();
        QTest::keyClicks(edit, road.applied);
        click(surrogate_limits_form, "Button_accept_limits");
        ASSERT_TRUE(surr_Form->isVisible()) << road.applied;
        ui.save_returns(folder + "APPLIED" + tag + ".ini");
        click(surr_Form, "Button_save_as");
        click(surr_Form, "exit");
        IniFile applied;
        ASSERT_TRUE(applied.load(folder + "APPLIED" + tag + ".ini"));

        ui.open_returns(folder + "APPLIED" + tag + ".ini");  // loaded again
        item("OpenSurrogateFile1")->trigger();
        ASSERT_EQ(method_data.user_limits_applied, 0);

        item("UpdateLibrary1")->trigger();  // the library editor changes Toluene-d8
        ASSERT_TRUE(EditLib_Form->isVisible());
        auto* list = in<QListWidget>(EditLib_Form, "LibListBox");
        list->setCurrentRow(find_library_row_by_name("Toluene-d8", method_data.library));
        QLineEdit* property = in<QLineEdit>(EditLib_Form, road.library_edit);
        property->setFocus();
        property->selectAll();
        QTest::keyClicks(property, road.library_value);
        list->setFocus();
        ui.answer(Answer::Yes);
        ui.save_returns(install.file("LIBRARY" + tag + ".TXT"));
        click(EditLib_Form, "exit");
        ASSERT_FALSE(EditLib_Form->isVisible());

        item("EditSurrogatesFile")->trigger();
        ui.save_returns(folder + "AFTER" + tag + ".ini");
        click(surr_Form, "Button_save_as");
        IniFile after;
        ASSERT_TRUE(after.load(folder + "AFTER" + tag + ".ini"));
        const LimitPair bp = default_bp_limits();
        const LimitPair rv = default_rv_limits();
        const std::string how = std::string(road.library_edit) + " " + road.library_value;
        const auto held = [&](const char* key) { return applied.get_double("Limits", key, 0); };
        const auto written = [&](const char* key) { return after.get_double("Limits", key, 0); };
        EXPECT_EQ(written("MinBP"), road.bp_moved ? bp.min : held("MinBP")) << how;
        EXPECT_EQ(written("MaxBP"), road.bp_moved ? bp.max : held("MaxBP")) << how;
        EXPECT_EQ(written("MinRVW"), road.bp_moved ? held("MinRVW") : rv.min) << how;
        EXPECT_EQ(written("MaxRVW"), road.bp_moved ? held("MaxRVW") : rv.max) << how;
        EXPECT_EQ(held(road.bp_moved ? "MinRVW" : "MinBP"), std::stod(road.applied)) << how;
    }
}

// Groupings broken in the editor close Calibration, however they were saved or left.
TEST_F(SurrogateEditorWindow, GroupingsBrokenInTheEditorCloseCalibration) {
    ASSERT_TRUE(main_form->menu_state.enabled(MenuItem::Calibrate1));
    int members = 0;
    for (int q = 0; q < method_data.surrogate_count; ++q) members += method_data.surrogates[q].bpgroup[0] != 0;
    for (int q = 0; q < method_data.surrogate_count && members > 2; ++q) {  // BP group 1 cut to two members
        if (method_data.surrogates[q].bpgroup[0] != 0) {
            QTest::mouseClick(surr_Form->CBox_bpg[0], Qt::LeftButton);
            --members;
        }
        click(surr_Form, "Next");
    }
    ASSERT_EQ(members, 2);
    ui.save_returns(install.path() + "/5847dir/Surrogates/CUT.ini");
    ui.expect_message("Any limits will not be saved.");
    click(surr_Form, "Button_save_as");
    click(surr_Form, "exit");  // saved: no question
    ASSERT_TRUE(main_form->isVisible());
    EXPECT_FALSE(item("Calibrate1")->isEnabled());
    EXPECT_FALSE(item("RunCalibration")->isEnabled());
    EXPECT_EQ(method_data.surrogate_limits_invalid, 1);

    calibration_data.calibration_file_name = "/cal/kept.cal";
    ui.expect_message("There must be at least 3 compounds for Boiling Point Group 1");
    EXPECT_FALSE(new_calibration_command());
    EXPECT_EQ(calibration_data.calibration_file_name, "/cal/kept.cal");  // a refused New resets nothing
}

TEST_F(SurrogateEditorWindow, SavesOneRecordFromTheBoxes) {
    surr_Form->CBox_bpg[5]->setChecked(true);
    surr_Form->ListBox_fpass->setCurrentRow(1);  // "No"
    IniFile file;
    file.set_path(install.file("ONE.INI"));
    EXPECT_EQ(surr_Form->save_surrogate_record(3, file, method_data.surrogates), 0);
    EXPECT_EQ(method_data.surrogates[3].bpgroup[5], 1);
    EXPECT_EQ(method_data.surrogates[3].first_pass, 0);
    EXPECT_EQ(method_data.surrogates[3].rvwgroup, method_data.surrogates[0].rvwgroup);  // the boxes show record 1
    IniFile written;
    ASSERT_TRUE(written.load(install.file("ONE.INI")));
    EXPECT_EQ(written.key_names("compound4").size(), 14u);  // groups and flags only
    EXPECT_EQ(written.get_int("compound4", "bpgroup6", 0), 1);
}

TEST_F(SurrogateEditorWindow, LeavingTheCounterForExitDoesNotMove) {
    surr_Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(surr_Form));
    QLineEdit* counter = in<QLineEdit>(surr_Form, "Edit_Counter");
    counter->setFocus();
    ASSERT_TRUE(counter->hasFocus());
    counter->selectAll();
    QTest::keyClicks(counter, "5");
    click(surr_Form, "exit");  // no changes: leaves without a question
    EXPECT_EQ(editor_state.current_surrogate_record, 0);
    EXPECT_TRUE(main_form->isVisible());
}

TEST_F(SurrogateEditorWindow, TheVariableModeChoosesWhatShows) {
    struct Mode {
        u8 one, bp, rv;
        const char* single;
        bool rv_boxes, bp_boxes, first_pass;
        const char* label5;
        const char* label6;
    } modes[] = {
        {1, 1, 0, "Tb", false, true, false, nullptr, "Tb Group "},
        {1, 0, 1, "Kaw", true, false, false, "Kaw Group ", nullptr},
        {0, 0, 0, "", true, true, true, "RVW Group", "BP Group"},
    };
    for (const Mode& m : modes) {
        method_data.variable_mode.one_variable_mode = m.one;
        method_data.variable_mode.bp_variable_chosen = m.bp;
        method_data.variable_mode.rvw_variable_chosen = m.rv;
        method_data.variable_mode.single_variable_label = m.single;
        surr_Form->hide();
        surr_Form->show();
        EXPECT_EQ(in(surr_Form, "CBox_rvwg4")->isVisible(), m.rv_boxes) << m.single;
        EXPECT_EQ(in(surr_Form, "Edit_rvw")->isVisible(), m.rv_boxes) << m.single;
        EXPECT_EQ(in(surr_Form, "CBox_bpg4")->isVisible(), m.bp_boxes) << m.single;
        EXPECT_EQ(in(surr_Form, "ListBox_fpass")->isVisible(), m.first_pass) << m.single;
        EXPECT_EQ(in(surr_Form, "btnCheckSurrCat")->isVisible(), m.first_pass) << m.single;
        if (m.label5) {
            EXPECT_EQ(in<QLabel>(surr_Form, "Label5")->text(), m.label5);
        }
        if (m.label6) {
            EXPECT_EQ(in<QLabel>(surr_Form, "Label6")->text(), m.label6);
        }

        surrogate_limits_form->show_from(surr_Form);
        QWidget* rvmin = in(surrogate_limits_form, "Edit_rvmin");
        QWidget* bpmin = in(surrogate_limits_form, "Edit_bpmin");
        EXPECT_EQ(rvmin->isVisible(), m.rv_boxes) << m.single;
        EXPECT_EQ(bpmin->isVisible(), m.bp_boxes) << m.single;
        if (m.rv && !m.bp) {
            EXPECT_EQ(rvmin->pos(), bpmin->pos());
        }
        if (!m.one) {
            EXPECT_EQ(rvmin->pos(), bpmin->pos() + QPoint(0, 80));
        }
        if (!m.one) save(surrogate_limits_form, "surrogate_limits_two.png");
        if (m.rv) save(surrogate_limits_form, "surrogate_limits_rv.png");
        surrogate_limits_form->return_to_opener();
    }
}

}  // namespace
