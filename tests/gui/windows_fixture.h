#pragma once
// The program's windows, created as at start, with the install folder (and so the
// settings file) in a temporary folder and scripted dialogs and messages.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <cstdlib>

#include "app/main_form.h"
#include "app/windows.h"
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
