// The calibration response limits window: reached from the processing window's Limits menu,
// it shows, checks, sets and restores the two no-calibration limits.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "methoddata/process_files_data.h"
#include "processing/calib_limits.h"
#include "processing/process_files.h"
#include "windows_fixture.h"

namespace {

class CalibLimitsWindow : public WindowsTest {
  protected:
    void SetUp() override {
        WindowsTest::SetUp();
        process_files->show();
        process_files->findChild<QAction*>("Calibration1")->trigger();
    }
    QLineEdit* edit(const char* name) { return calib_limits->findChild<QLineEdit*>(name); }
    void type(const char* name, const char* text) {
        edit(name)->clear();
        QTest::keyClicks(edit(name), text);
    }
    void click(const char* name) { QTest::mouseClick(calib_limits->findChild<QPushButton*>(name), Qt::LeftButton); }
    float minimum() const { return process_files_data.min_mean_response; }
    float deviation() const { return process_files_data.max_response_deviation; }
};

TEST_F(CalibLimitsWindow, SaveSetsTheLimitsAndRestoreBringsBackTheDefaults) {
    EXPECT_TRUE(calib_limits->isVisible());
    EXPECT_FALSE(process_files->isVisible());
    EXPECT_EQ(edit("Edit1")->text(), "  0.0010");
    EXPECT_EQ(edit("Edit2")->text(), " 90");

    type("Edit1", "0.01");
    type("Edit2", "50");
    click("Button1");
    EXPECT_EQ(minimum(), 0.01f);
    EXPECT_EQ(deviation(), 0.5f);
    EXPECT_EQ(edit("Edit2")->text(), "50");  // the boxes are not rewritten

    type("Edit1", "1e8");
    type("Edit2", "500");
    click("Button1");
    EXPECT_EQ(minimum(), 1e8f);
    EXPECT_EQ(deviation(), 5.0f);

    click("Button2");
    EXPECT_EQ(minimum(), 0.001f);
    EXPECT_EQ(deviation(), 0.9f);
    EXPECT_EQ(edit("Edit1")->text(), "  0.0010");
    EXPECT_EQ(edit("Edit2")->text(), " 90");

    click("Button3");
    EXPECT_FALSE(calib_limits->isVisible());
    EXPECT_TRUE(process_files->isVisible());
}

TEST_F(CalibLimitsWindow, BadBoxesShowErrorAndNothingIsStored) {
    type("Edit1", "-1");
    type("Edit2", "501");
    click("Button1");
    EXPECT_EQ(edit("Edit1")->text(), "Error");
    EXPECT_EQ(edit("Edit2")->text(), "Error");
    EXPECT_EQ(minimum(), 0.001f);
    EXPECT_EQ(deviation(), 0.9f);

    type("Edit1", "0.02");
    type("Edit2", "");
    click("Button1");
    EXPECT_EQ(edit("Edit1")->text(), "0.02");  // a good box keeps its text
    EXPECT_EQ(edit("Edit2")->text(), "Error");
    EXPECT_EQ(minimum(), 0.001f);
}

TEST_F(CalibLimitsWindow, StrictConversionsEndTheSaveAfterTheCheck) {
    // A fractional percentage passes the check; the minimum is stored before it fails.
    type("Edit1", "0.05");
    type("Edit2", "50.5");
    click("Button1");
    ASSERT_EQ(ui.exceptions.size(), 1u);
    EXPECT_EQ(ui.exceptions[0], "'50.5' is not a valid integer value");
    EXPECT_EQ(minimum(), 0.05f);
    EXPECT_EQ(deviation(), 0.9f);

    // A minimum with trailing text changes neither value.
    type("Edit1", "0.5x");
    type("Edit2", "60");
    click("Button1");
    ASSERT_EQ(ui.exceptions.size(), 2u);
    EXPECT_EQ(ui.exceptions[1], "'0.5x' is not a valid floating point value");
    EXPECT_EQ(minimum(), 0.05f);
    EXPECT_EQ(deviation(), 0.9f);
    EXPECT_TRUE(calib_limits->isVisible());
}

TEST_F(CalibLimitsWindow, F1OpensItsHelp) {
    QTest::keyClick(edit("Edit1"), Qt::Key_F1);
    ASSERT_EQ(ui.help_contexts.size(), 1u);
    EXPECT_EQ(ui.help_contexts[0], 980);
}

TEST_F(CalibLimitsWindow, ShownAgainItKeepsWhatWasLeftInTheBoxes) {
    type("Edit1", "0");
    click("Button1");
    click("Button3");
    process_files->findChild<QAction*>("Calibration1")->trigger();
    EXPECT_EQ(edit("Edit1")->text(), "Error");
}

}  // namespace
