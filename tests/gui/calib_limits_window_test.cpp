// The calibration response limits window: reached from the processing window's Limits menu,
// it shows, checks, sets and restores the two no-calibration limits.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "samples/process_files_data.h"
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
    ui.expect_message("The box \"Minimum Calibration average response (cts/mass)\" was refused: '-1' is not above 0");
    click("Button1");
    EXPECT_NE(ui.last_message().text.find("\"Maximum calibration curve response deviation\" was refused: '501'"),
              std::string::npos);
    EXPECT_EQ(edit("Edit1")->text(), "Error");
    EXPECT_EQ(edit("Edit2")->text(), "Error");
    EXPECT_EQ(minimum(), 0.001f);
    EXPECT_EQ(deviation(), 0.9f);

    type("Edit1", "0.02");
    type("Edit2", "");
    ui.expect_message("\"Maximum calibration curve response deviation\" was refused: it is empty.");
    click("Button1");
    EXPECT_EQ(edit("Edit1")->text(), "0.02");  // a good box keeps its text
    EXPECT_EQ(edit("Edit2")->text(), "Error");
    EXPECT_EQ(minimum(), 0.001f);
}

// Each box is read whole where it is checked: a fractional percentage or a minimum with
// trailing text is refused naming its box, and neither value changes.
TEST_F(CalibLimitsWindow, BoxesAreReadWholeAndARefusalStoresNeitherValue) {
    const struct {
        const char* minimum;
        const char* deviation;
        const char* message;
    } cases[] = {
        {"0.05", "50.5", "\"Maximum calibration curve response deviation\" was refused: '50.5' is not a whole number."},
        {"0.5x", "60", "\"Minimum Calibration average response (cts/mass)\" was refused: '0.5x' is not a number."},
        {"0,05", "60", "'0,05' is not a number."},
        {"0.05", "90%", "'90%' is not a whole number."},
    };
    for (const auto& c : cases) {
        type("Edit1", c.minimum);
        type("Edit2", c.deviation);
        ui.expect_message(c.message);
        click("Button1");
        EXPECT_TRUE(ui.exceptions.empty());
        EXPECT_EQ(minimum(), 0.001f) << c.minimum;
        EXPECT_EQ(deviation(), 0.9f) << c.deviation;
        EXPECT_TRUE(calib_limits->isVisible());
    }
}

TEST_F(CalibLimitsWindow, F1OpensItsHelp) {
    QTest::keyClick(edit("Edit1"), Qt::Key_F1);
    ASSERT_EQ(ui.help_contexts.size(), 1u);
    EXPECT_EQ(ui.help_contexts[0], 980);
}

TEST_F(CalibLimitsWindow, ShownAgainItKeepsWhatWasLeftInTheBoxes) {
    type("Edit1", "0");
    ui.expect_message("'0' is not above 0");
    click("Button1");
    click("Button3");
    process_files->findChild<QAction*>("Calibration1")->trigger();
    EXPECT_EQ(edit("Edit1")->text(), "Error");
}

}  // namespace
