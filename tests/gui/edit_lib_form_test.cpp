// The library editor on a copy of the demo library: browsing, editing, saving, leaving,
// create mode, deleting and adding, the variable dialog and the printout.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "methoddata/change_variable_form.h"
#include "methoddata/edit_lib_form.h"
#include "methoddata/editor_state.h"
#include "methoddata/library_text_file.h"
#include "methoddata/surrogate_library_row.h"
#include "platform/text_util.h"
#include "windows_fixture.h"

namespace {

class LibraryEditorWindow : public WindowsTest {
protected:
    void SetUp() override {
        WindowsTest::SetUp();
        library_file = data.write("LIB.TXT", read_file_text(example_file("demo_library.txt")));
        ui.open_returns(library_file);
        item("OpenLibraryMenu")->trigger();
        ASSERT_EQ(method_data.compound_count, 62);
    }
    void open_editor() {
        item("UpdateLibrary1")->trigger();
        ASSERT_TRUE(EditLib_Form->isVisible());
        EditLib_Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(EditLib_Form));
    }
    template <typename T = QLineEdit>
    T* control(const char* name) {
        T* c = EditLib_Form->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    // Types into an edit as the analyst does, then leaves it for the list.
    void type(const char* name, const QString& text) {
        QLineEdit* e = control(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
        control<QListWidget>("LibListBox")->setFocus();
    }
    QString shown(const char* name) { return control(name)->text(); }
    std::vector<std::string> saved_lines(const std::string& path) { return split(read_file_text(path), '\n'); }

    TempFolder data;
    std::string library_file;
};

TEST_F(LibraryEditorWindow, EditLibraryShowsTheFirstCompoundAndHidesTheMainWindow) {
    open_editor();
    EXPECT_FALSE(main_form->isVisible());
    EXPECT_EQ(EditLib_Form->windowTitle().toStdString(), "Edit Library   (" + library_file + ")");
    EXPECT_EQ(shown("Edit_Counter"), "1");
    EXPECT_EQ(shown("Edit_CmpndName"), "1,1-Dichloroethene");
    EXPECT_EQ(shown("Edit_rvw"), "53.5");
    EXPECT_EQ(shown("Edit_casnumber"), "75-35-4");
    EXPECT_EQ(shown("Edit_libname").toStdString(), to_upper(library_file));
    EXPECT_EQ(control<QListWidget>("LibListBox")->count(), 62);
    EXPECT_EQ(control<QLabel>("Label8")->text(), "RVW");
    EXPECT_FALSE(control("EditVarMode")->isVisible());

    click("Next");
    EXPECT_EQ(shown("Edit_CmpndName"), "Methylene chloride");
    control<QListWidget>("LibListBox")->setCurrentRow(6);  // Acetone-d6
    EXPECT_EQ(editor_state.current_record, 6);
    EXPECT_FALSE(control("Edit_con2")->isVisible());  // one amount for an internal standard
    type("Edit_Counter", "500");
    EXPECT_EQ(editor_state.current_record, 61);  // clamped to the last compound
    EXPECT_EQ(shown("Edit_Counter"), "62");
}

TEST_F(LibraryEditorWindow, AnInvalidCompoundStaysShown) {
    open_editor();
    type("Edit_rvw", "0");
    ui.expect_message("The relative volatility must greater than 0.");
    click("Next");
    EXPECT_EQ(editor_state.current_record, 0);
    EXPECT_EQ(shown("Edit_CmpndName"), "1,1-Dichloroethene");

    type("Edit_CmpndName", "");
    ui.expect_message("Please enter a compound name.");
    click("Next");
    click("Cancel");  // the typed values are discarded
    EXPECT_EQ(shown("Edit_rvw"), "53.5");
    EXPECT_EQ(shown("Edit_CmpndName"), "1,1-Dichloroethene");

    type("Edit_CmpndName", "1;1-Dichloroethene");
    ui.expect_message("The compound name \"1;1-Dichloroethene\" in row 1 contains \";\"");
    click("Next");
    EXPECT_EQ(editor_state.current_record, 0);
    EXPECT_EQ(method_data.library[0].name, "1,1-Dichloroethene");
    click("Cancel");

    // A box that holds no number is refused naming it, and nothing of the compound is stored.
    type("Edit_bp", "forty");
    ui.expect_message("The box \"Boiling Point\" was refused: 'forty' is not a number.");
    click("Next");
    EXPECT_TRUE(ui.exceptions.empty());
    EXPECT_EQ(editor_state.current_record, 0);
    EXPECT_EQ(method_data.library[0].bp, 32.0);
}

// What the boxes hold is refused where it is typed, at Next and at Save As: a negative
// amount, an amount or a bp that is not wholly a number, a name of blanks, and a name that
// is another row's once the blanks around it are dropped. A name with blanks around it is
// stored without them, and the library saved loads again.
TEST_F(LibraryEditorWindow, BoxesAreReadWholeAndNamesAsTheFileReadsThemBack) {
    open_editor();
    const struct {
        const char* box;
        const char* typed;
        const char* message;
        bool amount;  // Save As refuses it naming the box (others it asks to delete)
    } refused[] = {
        {"Edit_con1", "-5", "The box \"amount 1\" was refused: '-5' is below 0, and no amount can be.", true},
        {"Edit_con3", "1,5", "The box \"amount 3\" was refused: '1,5' is not a number.", true},
        {"Edit_con10", "", "The box \"amount 10\" was refused: it is empty.", true},
        {"Edit_bp", "32 C", "The box \"Boiling Point\" was refused: '32 C' is not a number.", false},
        {"Edit_CmpndName", "   ", "Please enter a compound name.", false},
        {"Edit_CmpndName", "Methylene chloride ", "\"Methylene chloride\" in row 1 is the name of row 2 already",
         false},
    };
    for (const auto& r : refused) {
        click("Cancel");
        type(r.box, r.typed);
        ui.expect_message(r.message);
        click("Next");
        EXPECT_EQ(editor_state.current_record, 0) << r.typed;
        if (r.amount) {
            // Save As refuses it too, before its dialog.
            ui.expect_message(r.message);
            click("Button_SaveAs");
            EXPECT_TRUE(ui.save_requests.empty()) << r.typed;
        }
        EXPECT_EQ(method_data.library[0].name, "1,1-Dichloroethene");
        EXPECT_EQ(method_data.library[0].conc[0], method_data.library_saved[0].conc[0]);
    }
    click("Cancel");
    type("Edit_bp", "-12.5");  // a boiling point below 0 is real
    type("Edit_CmpndName", "  Vinylidene chloride ");
    click("Next");
    EXPECT_EQ(editor_state.current_record, 1);
    EXPECT_EQ(method_data.library[0].name, "Vinylidene chloride");
    EXPECT_EQ(method_data.library[0].bp, -12.5);
    const std::string saved = data.file("TRIMMED.TXT");
    ui.save_returns(saved);
    click("Button_SaveAs");
    EXPECT_EQ(split(saved_lines(saved)[1], '\t')[0], "Vinylidene chloride");
    ui.expect_message("Compound name(s) have been changed.");
    click("exit");
    ui.open_returns(saved);
    item("OpenLibraryMenu")->trigger();
    EXPECT_EQ(method_data.compound_count, 62);
    EXPECT_EQ(method_data.library[0].name, "Vinylidene chloride");
}

// In create mode a box is read whole where it is left, a negative amount is refused there,
// and the name is held without the blanks around it.
TEST_F(LibraryEditorWindow, CreateModeReadsItsBoxesWholeAndTrimsTheName) {
    item("CreateNewLibrary1")->trigger();
    ASSERT_TRUE(EditLib_Form->isVisible());
    EditLib_Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(EditLib_Form));
    type("Edit_CmpndName", "   ");
    type("Edit_rvw", "13");
    ui.expect_message("The box \"Boiling Point\" was refused: '85,5' is not a number.");
    type("Edit_bp", "85,5");
    EXPECT_EQ(shown("Edit_bp"), "enter value");
    type("Edit_bp", "-85");  // real, if cold
    ui.expect_message("The box \"amount 1\" was refused: '-25' is below 0, and no amount can be.");
    type("Edit_con1", "-25");
    EXPECT_EQ(shown("Edit_con1"), "enter value");
    type("Edit_con1", "25");
    ui.expect_message("Please enter a compound name.");
    click("btn_add_compound");
    EXPECT_EQ(shown("Edit_Counter"), "1");
    type("Edit_CmpndName", " Fluorobenzene  ");
    click("btn_add_compound");
    ASSERT_EQ(shown("Edit_Counter"), "2");
    EXPECT_EQ(control<QListWidget>("LibListBox")->item(0)->text(), "Fluorobenzene");

    // An analyte's amount 2..10 is read whole at Enter.
    control<QListWidget>("ListBox_cmpndType")->setCurrentRow(0);
    type("Edit_CmpndName", "Benzene");
    type("Edit_rvw", "4.5");
    type("Edit_bp", "80");
    type("Edit_con1", "1");
    ui.expect_message("The box \"amount 4\" was refused: '-99' is below 0");
    type("Edit_con4", "-99");
    EXPECT_EQ(shown("Edit_con4"), "enter value");
    ui.expect_message("The box \"amount 4\" was refused: it is still to be entered.");
    click("btn_add_compound");
    EXPECT_EQ(shown("Edit_Counter"), "2");
    type("Edit_con4", "99");
    click("btn_add_compound");
    ASSERT_EQ(shown("Edit_Counter"), "3");

    const std::string saved = data.file("NEW.TXT");
    ui.save_returns(saved);
    click("Button_SaveAs");
    EXPECT_EQ(split(saved_lines(saved)[1], '\t')[0], "Fluorobenzene");
    EXPECT_EQ(split(saved_lines(saved)[1], '\t')[3], "-85.00");
    ui.open_returns(saved);
    item("OpenLibraryMenu")->trigger();
    EXPECT_EQ(method_data.compound_count, 2);
    EXPECT_EQ(method_data.library[0].name, "Fluorobenzene");
}

// A name another row holds would give a library that Load Library refuses: every lookup by
// name would take the first row. Refused where it is typed, in browsing and in create mode,
// and Save As asks to delete it, as for other invalid names, before it writes anything.
TEST_F(LibraryEditorWindow, ANameAnotherRowHoldsIsRefused) {
    open_editor();
    type("Edit_CmpndName", "Methylene chloride");
    ui.expect_message("The compound name \"Methylene chloride\" in row 1 is the name of row 2 already");
    click("Next");
    EXPECT_EQ(editor_state.current_record, 0);
    EXPECT_EQ(method_data.library[0].name, "1,1-Dichloroethene");

    ui.answer(Answer::No);  // "The current compound has invalid entries. Delete ...?"
    click("Button_SaveAs");  // no library with the name twice is written
    EXPECT_TRUE(ui.save_requests.empty());
    EXPECT_TRUE(ui.saw_message("Delete the current compound and continue?"));
    click("Cancel");
    type("Edit_CmpndName", "1,1-Dichloroethene");  // its own name is no clash
    click("Next");
    EXPECT_EQ(editor_state.current_record, 1);
    click("exit");
}

TEST_F(LibraryEditorWindow, ANameTypedTwiceInCreateModeIsRefused) {
    item("CreateNewLibrary1")->trigger();
    ASSERT_TRUE(EditLib_Form->isVisible());
    EditLib_Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(EditLib_Form));
    type("Edit_CmpndName", "Fluorobenzene");
    type("Edit_rvw", "13");
    type("Edit_bp", "85");
    type("Edit_con1", "25");
    click("btn_add_compound");
    ASSERT_EQ(shown("Edit_Counter"), "2");
    type("Edit_CmpndName", "Fluorobenzene");
    type("Edit_rvw", "13");
    type("Edit_bp", "85");
    ui.expect_message("The compound name \"Fluorobenzene\" in row 2 is the name of row 1 already");
    type("Edit_con1", "25");
    click("btn_add_compound");
    EXPECT_EQ(shown("Edit_Counter"), "2");
}

TEST_F(LibraryEditorWindow, ExitAsksToSaveWritesTheFileAndRemindsOfTheInternalStandardFile) {
    open_editor();
    click("Next");
    type("Edit_CmpndName", "Dichloromethane");
    type("Edit_bp", "39.6");
    click("Next");
    type("Edit_con5", "60");

    const std::string target = data.file("EDITED.TXT");
    ui.answer(Answer::Yes);
    ui.save_returns(target);
    ui.expect_message("Compound name(s) have been changed.");
    click("exit");
    EXPECT_EQ(ui.messages[0].text, "Would you like to save your changes?");
    EXPECT_EQ(ui.messages[0].caption, "Save Changes to the library?");
    EXPECT_FALSE(EditLib_Form->isVisible());
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_EQ(status_line(main_form), "File written: " + target);

    const auto lines = saved_lines(target);
    ASSERT_GE(lines.size(), 63u);
    EXPECT_EQ(lines[0], "COMPOUND LIBRARY;V2;RVW;BP;Version 4.2");
    EXPECT_EQ(split(lines[2], '\t')[0], "Dichloromethane");
    EXPECT_EQ(split(lines[2], '\t')[3], "39.60");
    EXPECT_EQ(split(lines[3], '\t')[10], "60.00");  // Carbon disulfide's amount 5
}

TEST_F(LibraryEditorWindow, ACancelledSaveIsNotASave) {
    open_editor();
    type("Edit_bp", "33");
    ui.save_returns(std::nullopt);
    click("Button_SaveAs");
    EXPECT_EQ(editor_state.save_as_cancelled, 1);

    // Exit still asks; a save cancelled there keeps the window open with the change.
    ui.answer(Answer::Yes);
    ui.save_returns(std::nullopt);
    click("exit");
    EXPECT_TRUE(EditLib_Form->isVisible());
    EXPECT_EQ(method_data.library[0].bp, 33.0);

    // No: the change is dropped, in memory too.
    ui.answer(Answer::No);
    click("exit");
    EXPECT_FALSE(EditLib_Form->isVisible());
    EXPECT_EQ(method_data.library[0].bp, 32.0);
}

TEST_F(LibraryEditorWindow, AfterASaveExitAsksOnlyAboutLaterChanges) {
    open_editor();
    type("Edit_rvo", "150");
    ui.save_returns(library_file);
    ui.answer(Answer::Yes);  // overwrite
    click("Button_SaveAs");
    EXPECT_EQ(method_data.library_saved[0].rvo, 150.0);
    click("exit");  // nothing changed since: no question
    EXPECT_FALSE(EditLib_Form->isVisible());

    open_editor();
    EXPECT_EQ(shown("Edit_rvo"), "150");
    type("Edit_bp", "31");
    ui.save_returns(library_file);
    ui.answer(Answer::Yes);
    click("Button_SaveAs");
    click("Next");
    type("Edit_bp", "41");
    ui.answer(Answer::No);  // the change after the save is asked about
    click("exit");
    EXPECT_EQ(method_data.library[1].bp, 40.0);
    EXPECT_EQ(method_data.library[0].bp, 31.0);
}

TEST_F(LibraryEditorWindow, PrintingPrintsTheEditsButDoesNotSaveThem) {
    open_editor();
    type("Edit_bp", "35");
    click("print_library");
    ASSERT_EQ(ui.finished_jobs.size(), 1u);
    EXPECT_NE(ui.finished_jobs[0].find_text("35.00"), nullptr);
    EXPECT_EQ(method_data.library_saved[0].bp, 32.0);
    ui.answer(Answer::Cancel);
    click("exit");
    EXPECT_TRUE(EditLib_Form->isVisible());
}

TEST_F(LibraryEditorWindow, DeleteAndAddCompounds) {
    open_editor();
    auto* list = control<QListWidget>("LibListBox");
    list->setCurrentRow(61);
    ui.answer(Answer::Cancel);
    click("btn_delete_compound");
    EXPECT_EQ(method_data.compound_count, 62);

    ui.answer(Answer::Ok);
    click("btn_delete_compound");
    EXPECT_EQ(method_data.compound_count, 61);
    EXPECT_EQ(shown("Edit_Counter"), "61");  // the new last compound
    EXPECT_EQ(list->count(), 61);
    EXPECT_EQ(list->currentRow(), 60);

    list->setCurrentRow(0);
    click("btn_add_compound");
    EXPECT_EQ(method_data.compound_count, 62);
    EXPECT_EQ(editor_state.current_record, 1);
    EXPECT_EQ(shown("Edit_CmpndName"), "");
    EXPECT_EQ(shown("Edit_rvw"), "999");
    EXPECT_EQ(list->item(2)->text(), "Methylene chloride");

    // The new compound has no name yet: Save As offers to delete it.
    ui.answer(Answer::No);
    click("Button_SaveAs");
    EXPECT_EQ(method_data.compound_count, 62);
    ui.answer(Answer::Yes);  // delete the invalid compound
    ui.answer(Answer::Ok);   // Delete Compound from the list?
    ui.save_returns(data.file("SHORTER"));
    click("Button_SaveAs");
    EXPECT_EQ(saved_lines(data.file("SHORTER.txt")).size(), 63u);  // header, 61 rows, end
}

TEST_F(LibraryEditorWindow, TheVariableDialogChangesTheLayoutAndExitWithoutSavingPutsTheModeBack) {
    open_editor();
    click("Button_ChangeVariables");
    ASSERT_TRUE(change_variable_form->isVisible());
    change_variable_form->Edit_var1->clear();
    change_variable_form->Edit_var2->clear();
    QTest::keyClicks(change_variable_form->Edit_var2, "Boiling point");
    change_variable_form->ComboBox_varNum->setCurrentIndex(0);
    QTest::mouseClick(change_variable_form->Button_Ok, Qt::LeftButton);
    EXPECT_FALSE(change_variable_form->isVisible());
    EXPECT_FALSE(control("Edit_rvw")->isVisible());
    EXPECT_EQ(control("Edit_bp")->y(), control("Edit_Counter")->y() + 128);  // the rvw row
    EXPECT_EQ(control<QLabel>("Label4")->text(), "Boiling point");
    EXPECT_TRUE(control("EditVarMode")->isVisible());
    EXPECT_EQ(shown("EditVarMode"), "Linear");

    ui.answer(Answer::No);  // the variables changed: Exit asks
    click("exit");
    EXPECT_EQ(method_data.variable_mode.one_variable_mode, 0);
    EXPECT_EQ(method_data.variable_mode.transform_text, method_data.loaded_variable_mode.transform_text);
}

TEST_F(LibraryEditorWindow, CreateModeTakesCompoundsOneByOneAndLeavesTheLoadedLibrary) {
    item("CreateNewLibrary1")->trigger();
    ASSERT_TRUE(EditLib_Form->isVisible());
    EditLib_Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(EditLib_Form));
    EXPECT_EQ(EditLib_Form->windowTitle(), "Create Library");
    EXPECT_EQ(control<QPushButton>("btn_add_compound")->text(), "Enter");
    EXPECT_FALSE(control<QPushButton>("Next")->isVisible());
    EXPECT_EQ(shown("Edit_Counter"), "1");

    // An internal standard (the list starts there).
    type("Edit_CmpndName", "Fluorobenzene");
    type("Edit_rvw", "13");
    type("Edit_bp", "0");
    EXPECT_EQ(shown("Edit_bp"), "enter value");
    click("btn_add_compound");  // bp missing: nothing happens
    EXPECT_EQ(shown("Edit_Counter"), "1");
    type("Edit_bp", "85");
    type("Edit_con1", "25");
    click("btn_add_compound");
    EXPECT_EQ(shown("Edit_Counter"), "2");

    // An analyte with its ten amounts.
    control<QListWidget>("ListBox_cmpndType")->setCurrentRow(0);
    EXPECT_TRUE(control("Edit_con2")->isVisible());
    type("Edit_CmpndName", "Benzene");
    type("Edit_rvw", "4.5");
    type("Edit_bp", "80");
    type("Edit_con1", "1");
    type("Edit_con10", "100");
    click("btn_add_compound");
    // The next entry keeps the analyte type, and its amounts are in sight.
    EXPECT_TRUE(control("Edit_con2")->isVisible());

    ui.save_returns(data.file("NEW.TXT"));
    click("Button_SaveAs");
    EXPECT_FALSE(EditLib_Form->isVisible());
    EXPECT_EQ(status_line(main_form), "File written: " + data.file("NEW.TXT"));  // where the analyst is now
    const auto lines = saved_lines(data.file("NEW.TXT"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1],
              "Fluorobenzene\tInternal Standard\t13.00\t85.00\t999.00\t999.00\t25.00\t25.00\t25.00\t25.00\t25.00\t"
              "25.00\t25.00\t25.00\t25.00\t25.00\tN/A");
    EXPECT_EQ(split(lines[2], '\t')[6], "1.00");
    EXPECT_EQ(split(lines[2], '\t')[7], "99.00");
    EXPECT_EQ(split(lines[2], '\t')[15], "100.00");

    // The loaded library is as it was, and Edit Library edits it.
    EXPECT_EQ(method_data.compound_count, 62);
    EXPECT_EQ(method_data.library[0].name, "1,1-Dichloroethene");
    open_editor();
    EXPECT_EQ(EditLib_Form->windowTitle().toStdString(), "Edit Library   (" + library_file + ")");
    EXPECT_TRUE(control<QPushButton>("Next")->isVisible());
}

TEST_F(LibraryEditorWindow, ACancelledSaveInCreateModeKeepsTheTypedCompounds) {
    item("CreateNewLibrary1")->trigger();
    EditLib_Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(EditLib_Form));
    type("Edit_CmpndName", "Fluorobenzene");
    type("Edit_rvw", "13");
    type("Edit_bp", "85");
    type("Edit_con1", "25");
    click("btn_add_compound");
    ui.save_returns(std::nullopt);
    click("Button_SaveAs");
    EXPECT_TRUE(EditLib_Form->isVisible());
    EXPECT_EQ(method_data.compound_count, 2);  // the entered compound and the one being typed
    ui.save_returns(data.file("NEW.TXT"));
    click("Button_SaveAs");
    EXPECT_EQ(saved_lines(data.file("NEW.TXT")).size(), 3u);
}

// The library is the one source of an internal standard's bp, rvw and row: whatever the
// editor does, each record holds those of the library row of its name.
class LibraryEditorWithStandards : public LibraryEditorWindow {
protected:
    void SetUp() override {
        LibraryEditorWindow::SetUp();
        ui.open_returns(data.write("IS.INI", read_file_text(example_file("demo_internal_standards.ini"))));
        item("OpenSurrogateFile1")->trigger();
        ASSERT_GT(method_data.surrogate_count, 5);
    }
    void expect_records_follow_library(const std::string& step) {
        for (int k = 0; k < method_data.surrogate_count; ++k) {
            const SurrogateRecord& r = method_data.surrogates[k];
            const int row = find_library_row_by_name(r.name, method_data.library);
            ASSERT_GE(row, 0) << step << ": " << r.name;
            EXPECT_EQ(r.bp, method_data.library[row].bp) << step << ": " << r.name;
            EXPECT_EQ(r.rvw, method_data.library[row].rvw) << step << ": " << r.name;
            EXPECT_EQ(r.LibCmpndNum, row + 1) << step << ": " << r.name;
        }
    }
    const SurrogateRecord& record(const std::string& name) {
        for (int k = 0; k < method_data.surrogate_count; ++k)
            if (method_data.surrogates[k].name == name) return method_data.surrogates[k];
        ADD_FAILURE() << "no record " << name;
        return method_data.surrogates[0];
    }
    void show_compound(const std::string& name) {
        control<QListWidget>("LibListBox")->setCurrentRow(find_library_row_by_name(name, method_data.library));
        ASSERT_EQ(shown("Edit_CmpndName").toStdString(), name);
    }
};

TEST_F(LibraryEditorWithStandards, EveryCommandLeavesTheRecordsWithTheirLibraryRowsValues) {
    open_editor();
    // Add moves the internal standards down a row; an edit reaches the record of its name.
    click("btn_add_compound");
    type("Edit_CmpndName", "Added");
    show_compound("1,2-Dichloroethane-d4");
    type("Edit_bp", "90");
    click("Next");
    EXPECT_EQ(record("1,2-Dichloroethane-d4").bp, 90.0);
    EXPECT_EQ(record("Fluorobenzene").bp, 85.0);
    EXPECT_EQ(record("Fluorobenzene").rvw, 13.0);
    expect_records_follow_library("Add, edit, Next");

    // Delete moves them up again.
    show_compound("Added");
    ui.answer(Answer::Ok);
    click("btn_delete_compound");
    show_compound("Toluene-d8");
    type("Edit_rvw", "20");
    click("Previous");
    EXPECT_EQ(record("Toluene-d8").rvw, 20.0);
    expect_records_follow_library("Delete, edit, Previous");

    // Exit, No and the close box, No discard the edits, in the records too.
    ui.answer(Answer::No);
    click("exit");
    EXPECT_EQ(record("Toluene-d8").rvw, 13.5);
    EXPECT_EQ(record("1,2-Dichloroethane-d4").bp, 84.0);
    expect_records_follow_library("Exit, No");
    open_editor();
    show_compound("Toluene-d8");
    type("Edit_bp", "125");
    click("Next");
    EXPECT_EQ(record("Toluene-d8").bp, 125.0);
    ui.answer(Answer::No);  // the close box asks as Exit does
    EditLib_Form->close();
    EXPECT_EQ(ui.last_message().text, "Would you like to save your changes?");
    EXPECT_EQ(record("Toluene-d8").bp, 110.0);
    expect_records_follow_library("close box, No");

    // A value typed and saved at once, with Save As and with Exit, Yes.
    open_editor();
    show_compound("Toluene-d8");
    type("Edit_bp", "125");
    ui.save_returns(data.file("SAVED.TXT"));
    click("Button_SaveAs");
    EXPECT_EQ(record("Toluene-d8").bp, 125.0);
    expect_records_follow_library("Save As");
    type("Edit_rvw", "14");
    ui.answer(Answer::Yes);
    ui.save_returns(data.file("SAVED.TXT"));
    ui.answer(Answer::Yes);  // replace it
    click("exit");
    EXPECT_EQ(record("Toluene-d8").rvw, 14.0);
    EXPECT_EQ(record("Toluene-d8").bp, 125.0);
    expect_records_follow_library("Exit, Yes");
}

// After a save under a new name the library in use is the file just written: Edit Library
// reads it, the menu and the editor name it, and calibration files record it.
TEST_F(LibraryEditorWindow, SaveAsMakesTheSavedFileTheLibraryInUse) {
    open_editor();
    type("Edit_bp", "33");
    const std::string saved = data.file("OTHER.TXT");
    ui.save_returns(saved);
    click("Button_SaveAs");
    EXPECT_EQ(status_line(EditLib_Form), "File written: " + saved);
    EXPECT_EQ(EditLib_Form->windowTitle().toStdString(), "Edit Library   (" + saved + ")");
    EXPECT_EQ(shown("Edit_libname").toStdString(), to_upper(saved));
    click("exit");  // saved: no question
    EXPECT_EQ(item("UpdateLibrary1")->text(), "Edit Library... --> OTHER.TXT");
    EXPECT_EQ(method_data.library_ini_path, data.file("OTHER.ini"));

    open_editor();
    EXPECT_EQ(method_data.library[0].bp, 33.0);
    EXPECT_EQ(shown("Edit_bp"), "33");
}

TEST_F(LibraryEditorWindow, HelpAndHints) {
    open_editor();
    click("Button_Help");
    EXPECT_EQ(control<QPushButton>("exit")->toolTip(), "Exit and return to the main menu");
    EditLib_Form->close();  // the title-bar button: back to the main window
    EXPECT_TRUE(main_form->isVisible());
    item("CreateNewLibrary1")->trigger();
    click("Button_Help");
    EXPECT_EQ(ui.help_contexts, (std::vector<int>{115, 105}));
}

}  // namespace
