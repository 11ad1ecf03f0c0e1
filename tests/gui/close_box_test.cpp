// Every task window's close box leaves it as its Exit does, questions and answers
// included; the window it came from then shows again where it was. A window the analyst
// leaves only through its own command asks for no close box.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <set>

#include "methoddata/calibration_tables.h"
#include "methoddata/library_text_file.h"
#include "samples/process_files_data.h"
#include "methoddata/tables.h"
#include <QMenu>
#include "platform/task_window.h"
#include "processing/process_input.h"
#include "windows_fixture.h"

// Places read in failure messages.
void PrintTo(const QRect& r, std::ostream* os) { *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height(); }
void PrintTo(const QPoint& p, std::ostream* os) { *os << p.x() << "," << p.y(); }

namespace {

namespace fs = std::filesystem;

class CloseBoxTest;

// A road to a task window from the main window, with something typed where Exit asks.
struct Road {
    const char* window;            // the window's name
    void (*open)(CloseBoxTest&);
    const char* exit;              // its Exit button or item
    std::vector<Answer> answers;   // the analyst's answers to what Exit asks
};

void PrintTo(const Road& road, std::ostream* os) { *os << road.window; }

// What leaving a window one way showed and left on the screen.
struct Left {
    std::vector<std::string> messages;
    std::vector<std::string> shown_windows;
    QRect opener_before;
    QRect opener_after;
    std::string library_tables;  // the working and the saved library as left
};

class CloseBoxTest : public TaskWindowsTest, public ::testing::WithParamInterface<Road> {
public:
    void open_check() {
        load_calibration();
        if (!fs::exists(home.file("CCV.TXT"))) fs::copy_file(example_file("runs/CCV.TXT"), home.file("CCV.TXT"));
        ui.open_returns(home.file("CCV.TXT"));
        item("CheckCalibration")->trigger();
    }
    void open_surrogate_editor() {
        load_internal_standards();
        item("EditSurrogatesFile")->trigger();
    }

    // Opens the road's window afresh and leaves it by its Exit or by its close box.
    Left leave(bool by_close_box) {
        TearDown();
        SetUp();
        const Road& road = GetParam();
        road.open(*this);
        Left left;
        auto* task = dynamic_cast<TaskWindow*>(window(road.window));
        if (!task || !task->isVisible()) {
            ADD_FAILURE() << road.window << " did not open";
            return left;
        }
        left.opener_before = task->opener()->geometry();
        const size_t first = ui.messages.size();
        for (Answer a : road.answers) ui.answer(a);
        if (by_close_box) {
            task->close();
        } else if (auto* item = task->findChild<QAction*>(road.exit)) {
            item->trigger();
        } else {
            click(road.window, road.exit);
        }
        for (size_t m = first; m < ui.messages.size(); ++m) left.messages.push_back(ui.messages[m].text);
        left.library_tables = format_library_text(method_data.compound_count, method_data.library) + format_library_text(method_data.compound_count, method_data.library_saved);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->objectName().isEmpty()) left.shown_windows.push_back(w->objectName().toStdString());
        std::sort(left.shown_windows.begin(), left.shown_windows.end());
        // On a desktop the window manager has its say once the window is on the screen.
        if (task->opener()->isVisible()) (void)QTest::qWaitForWindowExposed(task->opener(), 1000);
        left.opener_after = task->opener()->geometry();
        return left;
    }
};

TEST_P(CloseBoxTest, LeavesAsExitDoesAndTheOpenerShowsWhereItWas) {
    const Left by_exit = leave(false);
    const Left by_close_box = leave(true);
    EXPECT_EQ(by_close_box.messages, by_exit.messages);
    EXPECT_EQ(by_close_box.shown_windows, by_exit.shown_windows);
    EXPECT_EQ(by_close_box.library_tables, by_exit.library_tables);
    EXPECT_EQ(by_exit.opener_after, by_exit.opener_before);
    EXPECT_EQ(by_close_box.opener_after, by_close_box.opener_before);
}

// A limit typed into the grid, its cell still being edited.
void type_limit(CloseBoxTest&) {
    QWidget* editor_window = CloseBoxTest::window("Edit_mdl_form");
    editor_window->activateWindow();  // the analyst types into the window in front
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor_window));
    auto* grid = editor_window->findChild<QTableWidget*>("StringGrid1");
    ASSERT_NE(grid, nullptr);
    grid->setCurrentCell(0, 1);  // a current cell is being edited
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), editor);
    editor->selectAll();
    QTest::keyClicks(editor, "2.5");
}

const Road roads[] = {
    {"EditLib_Form",
     [](CloseBoxTest& t) {
         t.load_library();
         t.item("UpdateLibrary1")->trigger();
         CloseBoxTest::type_in(CloseBoxTest::window("EditLib_Form"), "Edit_bp", "99");
     },
     "exit", {Answer::No}},
    {"EditLib_Form",  // Cancel: stay with the edit
     [](CloseBoxTest& t) {
         t.load_library();
         t.item("UpdateLibrary1")->trigger();
         CloseBoxTest::type_in(CloseBoxTest::window("EditLib_Form"), "Edit_bp", "99");
     },
     "exit", {Answer::Cancel}},
    {"EditLib_Form",  // Yes: saved under the name given
     [](CloseBoxTest& t) {
         t.load_library();
         t.item("UpdateLibrary1")->trigger();
         CloseBoxTest::type_in(CloseBoxTest::window("EditLib_Form"), "Edit_bp", "99");
         fs::remove(t.home.file("SAVED.TXT"));
         t.ui.save_returns(t.home.file("SAVED.TXT"));
     },
     "exit", {Answer::Yes}},
    {"EditLib_Form", [](CloseBoxTest& t) { t.item("CreateNewLibrary1")->trigger(); }, "exit", {}},
    {"EditLib_Form",  // a compound typed, not entered
     [](CloseBoxTest& t) {
         t.item("CreateNewLibrary1")->trigger();
         CloseBoxTest::type_in(CloseBoxTest::window("EditLib_Form"), "Edit_CmpndName", "Toluene");
         CloseBoxTest::type_in(CloseBoxTest::window("EditLib_Form"), "Edit_bp", "110");
     },
     "exit", {}},
    {"Edit_mdl_form",
     [](CloseBoxTest& t) {
         t.load_library();
         t.item("CreateEditMDLFile2")->trigger();
         CloseBoxTest::type_in(CloseBoxTest::window("Edit_mdl_form"), "Edit_mdl_form_sampsize", "10");
     },
     "Button_exit", {Answer::No}},
    {"Edit_mdl_form",
     [](CloseBoxTest& t) {
         t.load_library();
         t.item("CreateEditMDLFile2")->trigger();
         CloseBoxTest::type_in(CloseBoxTest::window("Edit_mdl_form"), "Edit_matrix", "soil");
     },
     "Button_exit", {Answer::No}},
    {"Edit_mdl_form",  // Yes: stay to save
     [](CloseBoxTest& t) {
         t.load_library();
         t.item("CreateEditMDLFile2")->trigger();
         type_limit(t);
     },
     "Button_exit", {Answer::Yes}},
    {"surr_Form",
     [](CloseBoxTest& t) {
         t.open_surrogate_editor();
         auto* list = CloseBoxTest::window("surr_Form")->findChild<QListWidget*>("ListBox_checked");
         ASSERT_NE(list, nullptr);
         const int row = method_data.surrogates[0].checked_surrogate == 1 ? 1 : 0;  // the other grouping
         QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
     },
     "exit", {Answer::No}},
    {"surrogate_limits_form",
     [](CloseBoxTest& t) {
         t.open_surrogate_editor();
         t.click("surr_Form", "Set_Limits_Button");
     },
     "Button1", {}},
    {"check_surrogate_catagories_form",
     [](CloseBoxTest& t) {
         t.open_surrogate_editor();
         t.click("surr_Form", "btnCheckSurrCat");
     },
     "Button1", {}},
    {"Calibrate_form",
     [](CloseBoxTest& t) {
         t.load_internal_standards();
         emit t.item("Calibrate1")->menu()->aboutToShow();
         t.ui.answer(Answer::Ok);
         t.item("RunCalibration")->trigger();
     },
     "ExitClick", {}},
    {"revu_calib_form",
     [](CloseBoxTest& t) {
         t.load_calibration();
         t.item("Review1")->trigger();
     },
     "Button_exit", {}},
    {"check_calib_std", [](CloseBoxTest& t) { t.open_check(); }, "Button3", {Answer::No}},
    {"check_calib_review_form",
     [](CloseBoxTest& t) {
         t.open_check();
         for (QRadioButton* b : CloseBoxTest::window("check_calib_std")->findChildren<QRadioButton*>())
             if (b->text() == "Amount 3") b->click();
         t.click("check_calib_std", "check_calib_review");
     },
     "Button_exit", {}},
    {"process_files", [](CloseBoxTest& t) { t.open_processing(); }, "process_exit", {}},
    {"calc_limits",
     [](CloseBoxTest& t) {
         t.open_processing();
         CloseBoxTest::window("process_files")->move(21, 34);  // where the analyst put it
         t.control<QAction>(CloseBoxTest::window("process_files"), "GroupSolutionLimits1")->trigger();
     },
     "Exit1", {}},
    {"calib_limits",
     [](CloseBoxTest& t) {
         t.open_processing();
         CloseBoxTest::window("process_files")->move(21, 34);
         t.control<QAction>(CloseBoxTest::window("process_files"), "Calibration1")->trigger();
     },
     "Button3", {}},
    // No close box: a window manager that draws one all the same gets Enter from it.
    {"process_input",
     [](CloseBoxTest& t) {
         t.open_processing();
         if (!fs::exists(t.home.file("SAMPLE1.TXT")))
             fs::copy_file(example_file("runs/SAMPLE1.TXT"), t.home.file("SAMPLE1.TXT"));
         t.ui.open_returns(t.home.file("SAMPLE1.TXT"));
         CloseBoxTest::window("process_files")->move(21, 34);
         t.click("process_files", "add_samp_file");
         t.ui.allow_any_message = true;  // Enter's refusals of the empty entry
     },
     "Enter", {}},
};

std::string road_name(const ::testing::TestParamInfo<Road>& info) {
    return std::string(info.param.window) + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(EveryTaskWindow, CloseBoxTest, ::testing::ValuesIn(roads), road_name);

// A task window opened again appears where the analyst left it.
class ReopenedTaskWindow : public CloseBoxTest {};

TEST_P(ReopenedTaskWindow, AppearsWhereItWasLeft) {
    const Road& road = GetParam();
    road.open(*this);
    QWidget* w = window(road.window);
    w->move(23, 31);
    click(road.window, road.exit);
    ASSERT_FALSE(w->isVisible());
    road.open(*this);
    EXPECT_EQ(w->pos(), QPoint(23, 31));
}

const Road reopened[] = {
    {"EditLib_Form",
     [](CloseBoxTest& t) {
         t.load_library();
         t.item("UpdateLibrary1")->trigger();
     },
     "exit", {}},
    {"process_files", [](CloseBoxTest& t) { t.open_processing(); }, "process_exit", {}},
};

INSTANTIATE_TEST_SUITE_P(FromTheMainWindow, ReopenedTaskWindow, ::testing::ValuesIn(reopened), road_name);

class NoCloseBox : public WindowsTest {};

// Every task window is on a road of the close-box test above.
TEST_F(NoCloseBox, EveryTaskWindowIsLeftByItsCloseBoxAboveToo) {
    std::set<std::string> on_a_road;
    for (const Road& road : roads) on_a_road.insert(road.window);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (dynamic_cast<TaskWindow*>(w)) {
            EXPECT_TRUE(on_a_road.count(w->objectName().toStdString())) << w->objectName().toStdString();
        }
}

// The windows given no close box ask the window manager for none; every other one has it.
TEST_F(NoCloseBox, SampleInformationAsksForNone) {
    EXPECT_FALSE(process_input->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(process_input->windowFlags() & Qt::WindowMinimizeButtonHint);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != process_input && dynamic_cast<TaskWindow*>(w)) {
            EXPECT_TRUE(w->windowFlags() & Qt::WindowCloseButtonHint) << w->objectName().toStdString();
        }
}

}  // namespace
