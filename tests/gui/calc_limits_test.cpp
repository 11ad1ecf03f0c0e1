#include "processing/calc_limits.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/text_util.h"
#include "processing/process_files.h"
#include "windows_fixture.h"

namespace {

class CalcLimitsWindow : public WindowsTest {
protected:
    QLineEdit* edit(int n) const {
        auto* e = calc_limits->findChild<QLineEdit*>(QString("Edit%1").arg(n));
        EXPECT_NE(e, nullptr) << "Edit" << n;
        return e;
    }
    std::string text(int n) const { return edit(n)->text().toStdString(); }
    bool marked(int n) const { return edit(n)->property("refused").toBool(); }
    void type(int n, const QString& text) const {
        edit(n)->clear();
        QTest::keyClicks(edit(n), text);
    }
    void click(const char* name) const {
        auto* b = calc_limits->findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void trigger(const char* name) const {
        auto* a = calc_limits->findChild<QAction*>(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
};

TEST_F(CalcLimitsWindow, StartsWithTheBuiltInLimitsInEveryEdit) {
    // Each group: slope lower, intercept lower, difference, slope upper, intercept upper.
    const std::pair<std::array<int, 5>, const char*> groups[] = {
        {{1, 2, 3, 19, 20}, "BP 1"},   {{16, 17, 18, 29, 30}, "BP 6"},
        {{31, 32, 33, 49, 50}, "RV 1"}, {{46, 47, 48, 59, 60}, "RV 6"},
    };
    for (const auto& [numbers, what] : groups) {
        EXPECT_EQ(text(numbers[0]), "-1.0000") << what;
        EXPECT_EQ(text(numbers[1]), "-100.0000") << what;
        EXPECT_EQ(text(numbers[2]), "0.2500") << what;
        EXPECT_EQ(text(numbers[3]), "1.0000") << what;
        EXPECT_EQ(text(numbers[4]), "500.0000") << what;
    }
    EXPECT_EQ(calc_limits->Button4->text(), "Implement Limits");
    EXPECT_EQ(calc_limits_data.group_limits_on, 0);
}

TEST_F(CalcLimitsWindow, ApplyStoresGoodEntriesAndMarksBadOnes) {
    calc_limits->show_from(process_files);
    type(4, "-0.5");   // BP group 2 slope lower
    type(60, "250");   // RV group 6 intercept upper
    click("Apply");
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[2].slope_lower, -0.5);
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[13].intercept_upper, 250.0);

    type(31, "2");                    // RV group 1 slope lower out of range
    type(37, "0.5");                  // RV group 3 slope lower equal to its upper
    type(53, "0.5");
    type(4, "-0.25");
    for (int press = 1; press <= 2; ++press) {  // refused as often as Apply is pressed
        ui.expect_message("The group limits were not applied:\nRV group 1, Slope Lower Limit 2 is outside -1 .. 1.");
        click("Apply");
        EXPECT_NE(ui.last_message().text.find(
                      "RV group 3, Slope Lower Limit and Slope Upper Limit are both 0.5: no line could pass."),
                  std::string::npos);
        EXPECT_EQ(text(31), "2") << press;  // as typed, and marked
        EXPECT_EQ(text(37), "0.5") << press;
        EXPECT_EQ(text(53), "0.5") << press;
        EXPECT_TRUE(marked(31) && marked(37) && marked(53)) << press;
        EXPECT_FALSE(marked(4)) << press;
        EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[2].slope_lower, -0.5) << press;  // nothing stored
        EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[8].slope_lower, -1.0) << press;
    }

    click("Button1");  // Display: the stored values come back, unmarked
    EXPECT_EQ(text(31), "-1.0000");
    EXPECT_EQ(text(4), "-0.5000");
    EXPECT_FALSE(marked(31));
}

TEST_F(CalcLimitsWindow, ImplementLimitsSwitchesTheRunsCheckAndSaysSoInTheProcessingWindow) {
    auto* label5 = process_files->findChild<QLabel*>("Label5");
    if (!label5) {
        label5 = new QLabel(process_files);
        label5->setObjectName("Label5");
    }
    type(1, "0.9");  // the toggle neither checks nor applies the entries
    click("Button4");
    EXPECT_EQ(calc_limits_data.group_limits_on, 1);
    EXPECT_EQ(calc_limits->Button4->text(), "Cancel Limits");
    EXPECT_EQ(label5->text(), "Group Limits are on");
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].slope_lower, -1.0);
    click("Button4");
    EXPECT_EQ(calc_limits_data.group_limits_on, 0);
    EXPECT_EQ(calc_limits->Button4->text(), "Implement Limits");
    EXPECT_EQ(label5->text(), "Group Limits are off");
}

TEST_F(CalcLimitsWindow, SaveFileWritesTheLimitsAndLoadFileReadsThemBack) {
    calc_limits->show_from(process_files);
    TempFolder folder;
    const std::string path = folder.file("lab_limits.txt");
    type(20, "450");
    ui.save_returns(path);
    trigger("SaveFile1");
    ASSERT_EQ(ui.save_requests.size(), 1u);
    EXPECT_EQ(ui.save_requests[0].title, "Save As");
    EXPECT_EQ(ui.save_requests[0].filter, "text file |*.txt");
    EXPECT_EQ(status_line(calc_limits), "File written: " + path);
    std::vector<std::string> lines = split(read_file_text(path), '\n');
    ASSERT_GE(lines.size(), 61u);
    EXPECT_EQ(lines[0], "Calculations Limits File V01");
    EXPECT_EQ(lines[5], "450.0000");  // BP group 1 intercept upper, applied before saving

    calc_limits_data.group_limits[1].intercept_upper = 500.0;
    click("Button1");
    EXPECT_EQ(text(20), "500.0000");
    ui.open_returns(path);
    trigger("LoadFile1");
    EXPECT_EQ(ui.open_requests.back().filter, "test files|*.txt");
    EXPECT_EQ(text(20), "450.0000");
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].intercept_upper, 450.0);
}

// A file cut short is refused naming its line; the window shows the limits in force.
TEST_F(CalcLimitsWindow, LoadFileRefusesACutFileAndKeepsTheLimits) {
    TempFolder folder;
    const std::string path = folder.write("cut.txt", "Calculations Limits File V01\n-0.5000\n-50.0000\n");
    type(20, "450");  // typed, not applied
    ui.open_returns(path);
    ui.expect_message("line 4: the file ends here");
    trigger("LoadFile1");
    EXPECT_NE(ui.last_message().text.find(path), std::string::npos);
    EXPECT_EQ(text(1), "-1.0000");
    EXPECT_EQ(text(2), "-100.0000");
    EXPECT_EQ(text(20), "500.0000");
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].slope_lower, -1.0);
}

// A band typed the wrong way round, or a box that holds no number, is refused at Apply and
// at Save File naming the group and the box; a file of such a band is refused at Load File
// naming its line; and each keeps the limits in force.
TEST_F(CalcLimitsWindow, AnInvertedBandOrABoxWithoutANumberIsRefusedAtApplySaveAndLoad) {
    const struct {
        int edit;
        const char* typed;
        const char* message;
    } cases[] = {
        {19, "-1.5", "BP group 1, Slope Upper Limit -1.5 is outside -1 .. 1."},
        {20, "-200", "BP group 1, Intercept Upper Limit -200 is outside -100 .. 500."},
        {49, "", "RV group 1, Slope Upper Limit: is empty."},
        {3, "0,5", "BP group 1, Diff at upper: '0,5' is not a number."},
        {20, "abc", "BP group 1, Intercept Upper Limit: 'abc' is not a number."},
    };
    for (const auto& c : cases) {
        click("Button1");
        type(c.edit, c.typed);
        ui.expect_message(c.message);
        click("Apply");
        EXPECT_TRUE(marked(c.edit)) << c.typed;
        EXPECT_EQ(text(c.edit), c.typed);
        ui.expect_message(std::string("Please correct entry error(s)and try again.(002)"));
        trigger("SaveFile1");
        EXPECT_NE(ui.last_message().text.find(c.message), std::string::npos) << c.typed;
        EXPECT_TRUE(ui.save_requests.empty());
    }
    click("Button1");
    type(1, "0.5");   // BP group 1: slope 0.5 .. -0.5
    type(19, "-0.5");
    type(32, "400");  // RV group 1: intercept 400 .. -50
    type(50, "-50");
    ui.expect_message("BP group 1, Slope Lower Limit 0.5 is above Slope Upper Limit -0.5.");
    click("Apply");
    EXPECT_NE(ui.last_message().text.find("RV group 1, Intercept Lower Limit 400 is above Intercept Upper Limit -50."),
              std::string::npos);
    EXPECT_TRUE(marked(1) && marked(19) && marked(32) && marked(50) && !marked(2));
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].slope_lower, -1.0);
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[8].intercept_upper, 500.0);

    // The same band in a file: refused naming the file, the line, the group and the box.
    TempFolder folder;
    std::string file = "Calculations Limits File V01\n0.5000\n-100.0000\n0.2500\n-0.5000\n500.0000\n";
    for (int g = 1; g < 12; ++g) file += "-1.0000\n-100.0000\n0.2500\n1.0000\n500.0000\n";
    const std::string path = folder.write("inverted.txt", file);
    ui.open_returns(path);
    ui.expect_message("line 2: BP group 1, Slope Lower Limit 0.5 is above Slope Upper Limit -0.5");
    trigger("LoadFile1");
    EXPECT_NE(ui.last_message().text.find(path), std::string::npos);
    EXPECT_EQ(text(1), "-1.0000");  // the limits in force are shown
    EXPECT_FALSE(marked(1));
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].slope_upper, 1.0);
}

TEST_F(CalcLimitsWindow, SaveFileWithABadEntryAsksForACorrectionAndWritesNothing) {
    type(3, "0");  // a difference of 0
    type(2, "-200");  // an intercept below its range: stored as 0 it would flag every line
    for (int press = 1; press <= 2; ++press) {
        ui.expect_message("Please correct entry error(s)and try again.(002)");
        trigger("SaveFile1");
        EXPECT_EQ(ui.last_message().caption, "Message") << press;
        EXPECT_TRUE(ui.save_requests.empty()) << press;
        EXPECT_EQ(text(3), "0") << press;
        EXPECT_EQ(text(2), "-200") << press;
        EXPECT_TRUE(marked(2) && marked(3)) << press;
    }
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].intercept_lower, -100.0);
    EXPECT_DOUBLE_EQ(calc_limits_data.group_limits[1].diff_upper, 0.25);
}

TEST_F(CalcLimitsWindow, ExitReturnsToTheProcessingWindow) {
    process_files->show();
    calc_limits->show_from(process_files);
    EXPECT_FALSE(process_files->isVisible());
    trigger("Exit1");
    EXPECT_FALSE(calc_limits->isVisible());
    EXPECT_TRUE(process_files->isVisible());
}

}  // namespace
