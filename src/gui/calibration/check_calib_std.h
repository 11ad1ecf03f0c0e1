#pragma once
// The continuing-calibration entry: the analyst names the check standard's level and asks
// for the review, the printout or the report file. The evaluation and the report are
// core work (calibration/continuing_check.h, check_report_file.h).
#include "calibration/continuing_check.h"
#include "platform/task_window.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Tcheck_calib_std : public TaskWindow {
public:
    Tcheck_calib_std();

    QLineEdit* Edit1;  // library settings file
    QLineEdit* Edit2;  // internal-standard file
    QLineEdit* Edit3;  // calibration file
    QLineEdit* Edit4;  // check standard data file
    QLineEdit* Edit_LibFIleNameCheck;
    QLabel* lblFileNameCheck;
    QLineEdit* EditChkVarMode;
    QLineEdit* EditChkVarLabel;
    QGroupBox* ConcGroupCheck;
    QLineEdit* Edit_dilfactorCheck;
    QPushButton* Print;
    QPushButton* Button3;
    QPushButton* check_calib_review;
    QPushButton* Button_Save;
    QPushButton* Button_Help;
    QPushButton* Button1;
    QCheckBox* CheckBox1;

    // The radio group's item index (-1: none); setting -1 clears the group.
    int item_index() const;
    void set_item_index(int item);

    // The file boxes from the loaded files (the main window fills them before showing).
    void show_check_file_names();

    void ConcGroupCheckClick();
    void Edit_dilfactorCheckChange();
    void check_calib_reviewClick();
    void Button_SaveClick();
    void PrintClick();
    void Button3Click();
    void Button_HelpClick();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;  // opens centred on the screen

private:
    void FormShow();
    CheckLevelEntry read_entry() const;
    // The level checks and the evaluation; the level when both let the command go on.
    std::optional<CheckLevel> evaluate(CheckLevelEntry& entry);
    bool save_file();
    void connect_button(QPushButton* button, void (Tcheck_calib_std::*handler)());

    QButtonGroup* items_;
    bool placed_ = false;  // opened centred once; then where the analyst puts it
};

extern Tcheck_calib_std* check_calib_std;

constexpr int kCheckEntryHelpContext = 166;
constexpr int kCheckEntryHelpButtonContext = 168;
