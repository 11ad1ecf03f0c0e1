#pragma once
// The range limits of the internal-standard set: MinBP, MaxBP, MinRVW and MaxRVW, each
// checked against the bands that the BP and RV groups allow.
#include "platform/task_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

class Tsurrogate_limits_form : public TaskWindow {
public:
    Tsurrogate_limits_form();

    // Whether the analyst typed in any of the four edits since the marks were cleared;
    // the internal-standard editor counts that as a change to save.
    bool limit_edits_modified() const;
    void clear_limit_edit_marks();

    // Handlers.
    void FormShow();
    void Button_accept_limitsClick();
    void Button1Click();
    void Button_HelpClick();

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Edit_rvmin;
    QLabel* Label3;
    QLineEdit* Edit_rvmax;
    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* Edit_bpmin;
    QLabel* Label6;
    QLineEdit* Edit_bpmax;
    QPushButton* Button_accept_limits;
    QPushButton* Button_Help;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void place_controls();
    QLineEdit* edit_of(int limit_edit) const;
    void show_limit_text(int limit_edit, const std::string& text);

    bool placed_ = false;
};

extern Tsurrogate_limits_form* surrogate_limits_form;

constexpr int kSurrogateLimitsHelpContext = 151;
