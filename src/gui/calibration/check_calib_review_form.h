#pragma once
// The continuing-calibration review: compound by compound, the calibration's mean
// response and deviation beside the check standard's amount, response and difference.
#include "calibration/continuing_check.h"
#include "platform/task_window.h"

class QLineEdit;
class QListWidget;
class QPushButton;

class Tcheck_calib_review_form : public TaskWindow {
public:
    Tcheck_calib_review_form();

    QLineEdit* Edit_recnum;
    QLineEdit* Edit_cmpndname;
    QListWidget* ListBox1_chk;
    QLineEdit* Edit_calfile;
    QLineEdit* Edit_checkfile;
    QLineEdit* calib_resp_Edit;
    QLineEdit* deviation_Edit;
    QLineEdit* conc_Edit;
    QLineEdit* check_std_resp_Edit;
    QLineEdit* diff_Edit;
    QPushButton* Button_previous;
    QPushButton* Button_next;
    QPushButton* Button_print;
    QPushButton* Button_exit;
    QPushButton* Button_Help;
    QPushButton* Button1;

    // The evaluated check standard at this level: the list of the library's compounds,
    // compound 1 shown.
    void start(const CheckLevel& level);
    // Fills the boxes for compound c (0-based) and selects its row.
    void show_check_compound(int c);

    void Button_nextClick();
    void Button_previousClick();
    void ListBox1_chkClick();
    void Edit_recnumExit();
    void Button_printClick();
    void Button_exitClick();
    void Button_HelpClick();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;  // opens centred on the screen

private:
    void go(ReviewMove move);
    void connect_button(QPushButton* button, void (Tcheck_calib_review_form::*handler)());

    CheckLevel level_;
    bool placed_ = false;
};

extern Tcheck_calib_review_form* check_calib_review_form;

constexpr int kCheckReviewHelpContext = 966;
constexpr int kCheckReviewHelpButtonContext = 166;
