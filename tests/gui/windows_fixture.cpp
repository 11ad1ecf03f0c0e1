#include "windows_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "methoddata/calibration_tables.h"

void TaskWindowsTest::SetUp() {
    setenv("HOME", home.path().c_str(), 1);
    WindowsTest::SetUp();
    construct_calibration_tables();
    // On a desktop the window manager places the main window first. (The wait is only for
    // it: offscreen there is nothing to wait for.)
    (void)QTest::qWaitForWindowExposed(main_form, 1000);
    // Copies: the internal-standard editor's Exit leaves a "$$$" copy beside its file. A test
    // may set the windows up afresh in the same home.
    for (const char* name : {"demo_library.txt", "demo_internal_standards.ini", "demo_calibration.cal"})
        if (!std::filesystem::exists(home.file(name))) std::filesystem::copy_file(example_file(name), home.file(name));
}

void TaskWindowsTest::TearDown() {
    WindowsTest::TearDown();
    unsetenv("HOME");
}

QWidget* TaskWindowsTest::window(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) return w;
    ADD_FAILURE() << "no window " << name;
    return nullptr;
}

void TaskWindowsTest::click(const char* window_name, const char* button) {
    auto* b = control<QAbstractButton>(window(window_name), button);
    ASSERT_TRUE(b && b->isVisible()) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

void TaskWindowsTest::type_in(QWidget* window, const char* edit, const char* text) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* e = window->findChild<QLineEdit*>(edit);
    ASSERT_NE(e, nullptr) << edit;
    e->setFocus();
    e->clear();
    QTest::keyClicks(e, text);
}
