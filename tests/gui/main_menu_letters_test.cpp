// The main window's menu bar as the keyboard reaches it.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <set>

#include "app/main_form.h"
#include "windows_fixture.h"

namespace {

// Alt and a menu's letter open that menu; within one menu no two items share a letter (the
// letter would only move between them), at every stage of the menus.
class MainMenuLetters : public WindowsTest {
protected:
    static std::string letter(const QAction* a) { return QKeySequence::mnemonic(a->text()).toString().toStdString(); }
    void expect_distinct_letters(const char* stage) {
        std::set<std::string> menus;
        for (QAction* m : main_form->menuBar()->actions()) {
            const std::string key = letter(m);
            EXPECT_FALSE(key.empty()) << stage << ": " << m->text().toStdString() << " has no letter";
            EXPECT_TRUE(menus.insert(key).second) << stage << ": " << key << " opens two menus";
            std::set<std::string> items;
            for (QAction* a : m->menu()->actions()) {
                const std::string k = letter(a);
                if (a->isSeparator() || k.empty()) continue;
                EXPECT_TRUE(items.insert(k).second) << stage << ": " << k << " twice in " << m->text().toStdString();
            }
        }
    }
};

TEST_F(MainMenuLetters, EveryMenuOpensWithItsLetterAndNoMenuHasALetterTwice) {
    expect_distinct_letters("start");
    ui.open_returns(example_file("demo_library.txt"));
    item("OpenLibraryMenu")->trigger();
    expect_distinct_letters("library loaded");
    ui.open_returns(example_file("demo_calibration.cal"));
    item("OpenCalibrationFile1")->trigger();
    ASSERT_TRUE(item("Quantitation1")->isEnabled());
    expect_distinct_letters("calibration loaded");

    main_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_form));
    for (QAction* m : main_form->menuBar()->actions()) {
        if (letter(m).empty()) continue;  // reported above
        const QKeyCombination key = QKeySequence::mnemonic(m->text())[0];
        QTest::keyClick(main_form, key.key(), key.keyboardModifiers());
        EXPECT_TRUE(m->menu()->isVisible()) << letter(m) << " does not open " << m->text().toStdString();
        m->menu()->hide();
    }
}

}  // namespace
