// A command the program refuses, or one the analyst cancels, changes nothing: the whole
// state after it equals the state before, and no file on disk is written or removed.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "calibration/continuing_check.h"
#include "methoddata/calibration_data.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/library_editor.h"
#include "methoddata/library_text_file.h"
#include "methoddata/method_data.h"
#include "methoddata/model_work_tables.h"
#include "methoddata/process_files_data.h"
#include "methoddata/program_paths.h"
#include "methoddata/reporting_limit_files.h"
#include "methoddata/tables.h"
#include "platform/task_window.h"
#include "processing/process_input.h"
#include "windows_fixture.h"

namespace {

namespace fs = std::filesystem;

// The state not yet grouped into a value: the loose globals, copied as they are. Left out:
// folder_settings (an open dialog remembers its folder even when cancelled) and main_flags
// (the windows' mode flags, set as a window opens).
struct LooseGlobals {
    int current_record, continuing_check_active, check_standard_mode, sample_count, sample_info_index,
        request_type, current_surrogate_record, grouping_error, saved_compound_count;
    u8 check_started, variables_changed, names_edited;
    std::string check_ini_path, check_data_file, check_level_name;

    static LooseGlobals take() {
        return {::current_record, ::continuing_check_active, ::check_standard_mode,
                ::sample_count, ::sample_info_index, ::request_type, ::current_surrogate_record,
                ::grouping_error, ::saved_compound_count, ::check_started, ::variables_changed,
                ::names_edited, ::check_ini_path, ::check_data_file, ::check_level_name};
    }
    bool operator==(const LooseGlobals&) const = default;

    // The names of the members that differ from other's.
    std::string differences(const LooseGlobals& o) const {
        std::string d;
        auto note = [&d](bool same, const char* name) { if (!same) d += std::string(" ") + name; };
#define M5847_NOTE(m) note(m == o.m, #m)
        M5847_NOTE(current_record); M5847_NOTE(continuing_check_active);
        M5847_NOTE(check_standard_mode); M5847_NOTE(sample_count); M5847_NOTE(sample_info_index);
        M5847_NOTE(request_type); M5847_NOTE(current_surrogate_record); M5847_NOTE(grouping_error);
        M5847_NOTE(saved_compound_count); M5847_NOTE(check_started); M5847_NOTE(variables_changed);
        M5847_NOTE(names_edited); M5847_NOTE(check_ini_path);
        M5847_NOTE(check_data_file); M5847_NOTE(check_level_name);
#undef M5847_NOTE
        return d;
    }
};

// The whole state, and the files of the test's folders with their bytes.
struct WholeState {
    MethodData method_data;
    CalibrationData calibration_data;
    ModelWorkTables model_work_tables;
    ProcessFilesData process_files_data;
    ReportingLimitFiles reporting_limit_files;
    ProgramPaths program_paths;
    LooseGlobals loose;
    std::map<std::string, std::string> files;
};

std::string file_bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class RefusedCommand;

struct Row {
    const char* name;
    void (*before)(RefusedCommand&);   // brings the program to where the command is given
    void (*command)(RefusedCommand&);  // the command, refused or cancelled
    bool list_cleared_by_design = false;  // a failed run clears the sample list, nothing else
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class RefusedCommand : public WindowsTest, public ::testing::WithParamInterface<Row> {
public:
    using WindowsTest::control;
    using WindowsTest::item;
    using WindowsTest::ui;

    void SetUp() override {
        setenv("HOME", home.path().c_str(), 1);
        WindowsTest::SetUp();
        construct_calibration_tables();
        construct_process_files_data();
        (void)QTest::qWaitForWindowExposed(main_form, 1000);
        for (const char* name : {"demo_library.txt", "demo_internal_standards.ini", "demo_calibration.cal"})
            fs::copy_file(example_file(name), home.file(name));
        fs::copy(example_file("runs"), fs::path(home.path()) / "runs");
        home.write("bad.txt", "not a file this program writes\n\x01\x02\n");
        ui.allow_any_message = true;  // refusals say why; what they say is tested elsewhere
    }
    void TearDown() override {
        WindowsTest::TearDown();
        unsetenv("HOME");
    }

    WholeState take() const {
        WholeState s{::method_data, ::calibration_data, ::model_work_tables, ::process_files_data,
                     ::reporting_limit_files, ::program_paths, LooseGlobals::take(), {}};
        for (const std::string& root : {home.path(), install.path()})
            for (const auto& e : fs::recursive_directory_iterator(root))
                if (e.is_regular_file()) s.files[e.path().string()] = file_bytes(e.path());
        return s;
    }
    // Every value equal, each named when it differs.
    static void expect_same(const WholeState& before, const WholeState& after, bool list_cleared) {
        EXPECT_TRUE(after.method_data == before.method_data) << "method_data differs";
        EXPECT_TRUE(after.calibration_data == before.calibration_data) << "calibration_data differs";
        EXPECT_TRUE(after.model_work_tables == before.model_work_tables) << "model_work_tables differs";
        if (!list_cleared) {
            EXPECT_TRUE(after.process_files_data == before.process_files_data) << "process_files_data differs";
        }
        EXPECT_TRUE(after.reporting_limit_files == before.reporting_limit_files) << "reporting_limit_files differs";
        EXPECT_TRUE(after.program_paths == before.program_paths) << "program_paths differs";
        LooseGlobals loose = after.loose;
        if (list_cleared) loose.sample_count = before.loose.sample_count;
        EXPECT_TRUE(loose == before.loose) << "loose globals differ:" << loose.differences(before.loose);
        for (const auto& [path, bytes] : before.files) {
            auto it = after.files.find(path);
            if (it == after.files.end()) ADD_FAILURE() << "removed: " << path;
            else if (it->second != bytes) ADD_FAILURE() << "written: " << path;
        }
        for (const auto& [path, bytes] : after.files)
            if (!before.files.count(path)) ADD_FAILURE() << "new file: " << path;
    }

    static QWidget* window(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name) return w;
        ADD_FAILURE() << "no window " << name;
        return nullptr;
    }
    void click(const char* window_name, const char* button) {
        auto* b = control<QAbstractButton>(window(window_name), button);
        ASSERT_TRUE(b && b->isVisible()) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void open(const char* menu_item, std::optional<std::string> path) {
        ui.open_returns(std::move(path));
        item(menu_item)->trigger();
    }
    void load_library() { open("OpenLibraryMenu", home.file("demo_library.txt")); }
    void load_calibration() {
        load_library();
        open("OpenSurrogateFile1", home.file("demo_internal_standards.ini"));
        open("OpenCalibrationFile1", home.file("demo_calibration.cal"));
    }
    void open_processing() {
        load_calibration();
        item("Processsamplefiles1")->trigger();
    }
    void add_file(const std::string& path) {
        ui.open_returns(path);
        click("process_files", "add_samp_file");
    }
    void list_sample1() {
        open_processing();
        add_file(home.file("runs/SAMPLE1.TXT"));
        type_in(window("process_input"), "Edit_size", "1");
        click("process_input", "Enter");
    }
    static void type_in(QWidget* w, const char* edit, const char* text) {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        auto* e = w->findChild<QLineEdit*>(edit);
        ASSERT_NE(e, nullptr) << edit;
        e->setFocus();
        e->clear();
        QTest::keyClicks(e, text);
    }
    // Leaves a task window by its Exit, or by its close box, answering No.
    void leave(const char* window_name, const char* exit, bool by_close_box, bool asks) {
        if (asks) ui.answer(Answer::No);
        if (by_close_box) window(window_name)->close();
        else click(window_name, exit);
    }
    void library_editor_create(bool by_close_box) {
        item("CreateNewLibrary1")->trigger();
        type_in(window("EditLib_Form"), "Edit_CmpndName", "Toluene");
        type_in(window("EditLib_Form"), "Edit_bp", "110");
        leave("EditLib_Form", "exit", by_close_box, false);
    }

    TempFolder home;
};

TEST_P(RefusedCommand, ChangesNothing) {
    const Row& row = GetParam();
    row.before(*this);
    const WholeState before = take();
    row.command(*this);
    expect_same(before, take(), row.list_cleared_by_design);
}

const Row rows[] = {
    {"LoadLibrary_BadFile", [](RefusedCommand& t) { t.load_calibration(); },
     [](RefusedCommand& t) { t.open("OpenLibraryMenu", t.home.file("bad.txt")); }},
    {"LoadLibrary_Cancelled", [](RefusedCommand& t) { t.load_calibration(); },
     [](RefusedCommand& t) { t.open("OpenLibraryMenu", std::nullopt); }},
    {"OpenCalibrationFile_BadFile", [](RefusedCommand& t) { t.load_calibration(); },
     [](RefusedCommand& t) { t.open("OpenCalibrationFile1", t.home.file("bad.txt")); }},
    {"OpenCalibrationFile_Cancelled", [](RefusedCommand& t) { t.load_calibration(); },
     [](RefusedCommand& t) { t.open("OpenCalibrationFile1", std::nullopt); }},
    {"LibraryEditorCreate_Exit", [](RefusedCommand& t) { t.load_calibration(); },
     [](RefusedCommand& t) { t.library_editor_create(false); }},
    {"LibraryEditorCreate_CloseBox", [](RefusedCommand& t) { t.load_calibration(); },
     [](RefusedCommand& t) { t.library_editor_create(true); }},
    {"ReviewSaveAs_Cancelled",
     [](RefusedCommand& t) {
         t.load_calibration();
         t.item("Review1")->trigger();
     },
     [](RefusedCommand& t) {
         t.ui.save_returns(std::nullopt);
         t.click("revu_calib_form", "Button_save_as");
     }},
    {"AddFile_ListedAlready", [](RefusedCommand& t) { t.list_sample1(); },
     [](RefusedCommand& t) { t.add_file(t.home.file("runs/SAMPLE1.TXT")); }},
    {"AddFile_BadDataFile", [](RefusedCommand& t) { t.list_sample1(); },
     [](RefusedCommand& t) { t.add_file(t.home.file("bad.txt")); }},
    {"SampleInformation_SizeRefused",
     [](RefusedCommand& t) {
         t.list_sample1();
         t.add_file(t.home.file("runs/SAMPLE2.TXT"));
     },
     [](RefusedCommand& t) {
         RefusedCommand::type_in(RefusedCommand::window("process_input"), "Edit_size", "1,5");
         t.click("process_input", "Enter");
     }},
};

std::string row_name(const ::testing::TestParamInfo<Row>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(EveryRefusal, RefusedCommand, ::testing::ValuesIn(rows), row_name);

}  // namespace
