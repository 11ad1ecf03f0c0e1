// The variable dialog on its own: filled from the mode, Ok sets it, Cancel and Help.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "methoddata/change_variable_form.h"
#include "methoddata/editor_state.h"
#include "windows_fixture.h"

namespace {

class VariableForm : public WindowsTest {
protected:
    void SetUp() override {
        WindowsTest::SetUp();
        folder_settings.slot[kInstallFolderSlot] = "/opt/m5847/";
    }
    QLineEdit* edit(const char* name) { return change_variable_form->findChild<QLineEdit*>(name); }
    QComboBox* count() { return change_variable_form->findChild<QComboBox*>("ComboBox_varNum"); }
    void click(const char* name) {
        QTest::mouseClick(change_variable_form->findChild<QPushButton*>(name), Qt::LeftButton);
    }
    // Replaces an edit's text as typing does.
    void type(QLineEdit* e, const char* text) {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
};

TEST_F(VariableForm, TypingOneBoilingPointLabelSetsTheLinearMode) {
    change_variable_form->show();
    EXPECT_EQ(edit("Edit_var1")->text(), "RVW");
    EXPECT_EQ(edit("Edit_var2")->text(), "BP");
    EXPECT_EQ(count()->currentText(), "2");

    type(edit("Edit_var1"), "");
    type(edit("Edit_var2"), "Boiling point");
    count()->setCurrentIndex(0);
    click("Button_Ok");
    EXPECT_FALSE(change_variable_form->isVisible());
    EXPECT_EQ(method_data.variable_mode.transform_text, "Linear");
    EXPECT_EQ(method_data.variable_mode.single_variable_label, "Boiling point");
    EXPECT_EQ(method_data.variable_mode.bp_variable_chosen, 1);
    EXPECT_EQ(editor_state.variables_changed, 1);  // the labels were typed

    // Shown again, it holds the new mode.
    change_variable_form->show();
    EXPECT_EQ(edit("Edit_var1")->text(), "");
    EXPECT_EQ(edit("Edit_var2")->text(), "Boiling point");
    EXPECT_EQ(count()->currentText(), "1");
}

TEST_F(VariableForm, ARefusedEntryKeepsTheDialogOpenAndCancelChangesNothing) {
    change_variable_form->show();
    type(count()->lineEdit(), "3");
    ui.expect_message("Please enter 1 or 2 variables");
    click("Button_Ok");
    EXPECT_TRUE(change_variable_form->isVisible());
    EXPECT_EQ(editor_state.variables_changed, 1);  // the number was typed

    type(edit("Edit_var1"), "Other");
    click("Button_cancel");
    EXPECT_FALSE(change_variable_form->isVisible());
    EXPECT_EQ(method_data.variable_mode.variable1_label, "RVW");
    EXPECT_EQ(method_data.variable_mode.one_variable_mode, 0);
}

TEST_F(VariableForm, HelpOpensTheDialogsTopicAndHintsStayAMinute) {
    change_variable_form->show();
    click("Button_help");
    ASSERT_EQ(ui.help_topics.size(), 1u);
    EXPECT_EQ(ui.help_topics[0], "ID_Change_variable_form");
    auto* ok = change_variable_form->findChild<QPushButton*>("Button_Ok");
    EXPECT_EQ(ok->toolTip(), "Close dialog and return to Update Library");
    EXPECT_EQ(ok->toolTipDuration(), 60000);
}

}  // namespace
