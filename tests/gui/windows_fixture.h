#pragma once
// The program's windows, created as at start, with the install folder (and so the
// settings file) in a temporary folder and scripted dialogs and messages.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <cstdlib>
#include <optional>
#include <string>

#include "app/main_form.h"
#include "app/windows.h"
#include "program/program_state.h"
#include "samples/process_files_data.h"
#include "methoddata/tables.h"
#include "scripted_ui.h"
#include "test_files.h"

class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("M5847_INSTALL_PATH", install.path().c_str(), 1);
        construct_method_data();
        construct_process_files_data();
        create_windows();
        main_form->show();
    }
    void TearDown() override {
        destroy_windows();
        unsetenv("M5847_INSTALL_PATH");
    }
    QAction* item(const char* name) const {
        QAction* a = main_form->findChild<QAction*>(name);
        EXPECT_NE(a, nullptr) << "no menu item " << name;
        return a;
    }
    // A control of a window by its name; fails the test when the window has none.
    template <typename T>
    T* control(QWidget* window, const char* name) const {
        T* c = window->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << "no control " << name;
        return c;
    }

    // What the window's status line says: the files its last command wrote.
    std::string status_line(QWidget* window) const {
        auto* line = window->findChild<QLabel*>("StatusLine");
        EXPECT_NE(line, nullptr) << "no status line";
        return line ? line->text().toStdString() : std::string();
    }

    TempFolder install;
    ScriptedUi ui;
};

// The windows with a home folder (the data root) holding copies of the demo files, and the
// roads through the main menu that the window tests share: the demo library, its internal
// standards and its calibration loaded from there.
class TaskWindowsTest : public WindowsTest {
public:
    using WindowsTest::control;
    using WindowsTest::item;
    using WindowsTest::ui;

    void SetUp() override;
    void TearDown() override;

    // A shown top-level window by its name; fails the test when there is none.
    static QWidget* window(const char* name);
    void click(const char* window_name, const char* button);
    // The analyst types into the window in front: leaving the box is then a focus change.
    static void type_in(QWidget* window, const char* edit, const char* text);

    void open(const char* menu_item, std::optional<std::string> path) {
        ui.open_returns(std::move(path));
        item(menu_item)->trigger();
    }
    void load_library() { open("OpenLibraryMenu", home.file("demo_library.txt")); }
    void load_internal_standards() {
        load_library();
        open("OpenSurrogateFile1", home.file("demo_internal_standards.ini"));
    }
    void load_calibration() {
        load_internal_standards();
        open("OpenCalibrationFile1", home.file("demo_calibration.cal"));
    }
    void open_processing() {
        load_calibration();
        item("Processsamplefiles1")->trigger();
    }

    TempFolder home;
};
