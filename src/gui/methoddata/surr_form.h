#pragma once
// The internal-standard editor: for each internal standard of the loaded file its RV and
// BP groups, first-pass and checked flags; from here the range limits and class ranges.
#include <array>

#include "methoddata/tables.h"
#include "platform/task_window.h"

class IniFile;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class Tsurr_Form : public TaskWindow {
public:
    Tsurr_Form();

    // Edit Internal Standard File: record 0 is shown and the editor opens over `opener`.
    void start_editing(QWidget* opener);
    // Fills the controls from record i of `surrogates`.
    void show_surrogate_record(int i);
    // The boxes and lists into record k of `table`.
    void get_surrogate_record_from_form(int k, SurrogateTable& table);
    // The same, then record k's groups and flags into the file, which is saved.
    int save_surrogate_record(int k, IniFile& file, SurrogateTable& table);

    // Handlers.
    void FormShow();
    void NextClick();
    void previousClick();
    void Edit_CounterChange();
    void group_box_click(int box);  // CBox_rvwg1Click .. CBox_bpg6Click (boxes 0..11)
    void ListBox_fpassClick();
    void ListBox_checkedClick();
    void Button_save_asClick();
    void Set_Limits_ButtonClick();
    void btnCheckSurrCatClick();
    void Button1Click();
    void exitClick();

    QLineEdit* Edit_surfilename;
    QLabel* lbl_LibraryName;
    QLineEdit* Edit_LibrayFileName;
    QLineEdit* Edit_Counter;
    QLineEdit* Edit_CmpndName;
    QLineEdit* EditCmpndNum;
    QLabel* Label3;
    QLineEdit* Edit_rvw;
    QLabel* Label4;
    QLineEdit* Edit_bp;
    QLabel* Label5;
    std::array<QCheckBox*, kGroups> CBox_rvwg{};
    QLabel* Label6;
    std::array<QCheckBox*, kGroups> CBox_bpg{};
    QLabel* Label8;
    QListWidget* ListBox_fpass;
    QLabel* Label9;
    QListWidget* ListBox_checked;
    QPushButton* previous;
    QPushButton* Next;
    QPushButton* exit;
    QPushButton* Button_save_as;
    QPushButton* Set_Limits_Button;
    QPushButton* btnCheckSurrCat;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build_controls();
    void connect_handlers();
    void store_flag(QListWidget* list, int SurrogateRecord::*flag);

    bool showing_record_ = false;  // list changes while a record is shown store nothing
    bool placed_ = false;
};

extern Tsurr_Form* surr_Form;

// Fills the editor from record i (the library editor calls it when it changes the
// properties of the record on show).
void show_surrogate_record(int i);

constexpr int kSurrFormHelpContext = 119;
