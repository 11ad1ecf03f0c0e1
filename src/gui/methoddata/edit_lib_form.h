#pragma once
// The library editor: edits the compound library held in `library` (edit mode) or takes
// a new library typed compound by compound (create mode, NewLibraryMode 1). It writes the
// library only as a library text file, with Save As. The window is shown and hidden for
// the whole run; each showing sets up the layout of its mode.
#include <array>
#include <functional>
#include <string>

#include "methoddata/library_editor.h"
#include "platform/task_window.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TEditLib_Form : public TaskWindow {
public:
    TEditLib_Form();

    QLabel* lbl_libname;
    QLineEdit* Edit_libname;
    QLineEdit* Edit_Counter;
    QLineEdit* Edit_CmpndName;
    QLineEdit* Edit_casnumber;
    QLineEdit* EditVarMode;
    QLineEdit* EditVarLabel;
    QLabel* Label8;  // the rvw row's label: the RV variable
    QLineEdit* Edit_rvw;
    QLabel* Label9;
    QLineEdit* Edit_rvo;
    QLabel* Label4;  // the bp row's label: the BP variable
    QLineEdit* Edit_bp;
    QLabel* Label10;
    QLineEdit* Edit_partcoef;
    QListWidget* ListBox_cmpndType;
    std::array<QLineEdit*, kMaxLevels> Edit_con{};  // Edit_con1 .. Edit_con10
    std::array<QLabel*, kMaxLevels> con_labels{};
    QListWidget* LibListBox;
    QPushButton* Previous;
    QPushButton* Next;
    QPushButton* btn_delete_compound;
    QPushButton* btn_add_compound;
    QPushButton* Button_ChangeVariables;
    QPushButton* print_library;
    QPushButton* Button1;  // Select Printer
    QPushButton* exit;
    QPushButton* Button_Help;
    QPushButton* Button_SaveAs;
    QPushButton* Cancel;

    // Create mode: rvw, bp and amounts 1..10 entered.
    std::array<u8, 2 + kMaxLevels> entry_flags{};

    void FormCreate();
    bool InputsOK();
    // The number boxes alone (Save As, after its invalid-entry question); the refused box
    // takes the focus.
    bool NumbersOK();
    bool focus_refused_box(EntryProblem problem, int amount);
    int SaveOrExit();  // 6: go on; 7: stay
    void SaveRecordChanges();
    bool FormModified();
    void ShowConc(bool show);
    void show_library_compound(int index);

    void NextClick();
    void previousClick();
    void LibListBoxClick();
    void Edit_CounterExit();
    void ListBox_cmpndTypeClick();
    void CancelClick();
    void Edit_CmpndNameExit();
    void Edit_CmpndNameClick();
    void btn_delete_compoundClick();
    void btn_add_compoundClick();
    void Button_ChangeVariablesClick();
    void Button_SaveAsClick();
    void exitClick();
    void print_libraryClick();
    void Button1Click();
    void Button_HelpClick();
    // Leaving the rvw, bp or an amount edit (create mode); flag is its entry_flags index.
    void created_number_exit(int flag);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool create_mode() const;
    QLineEdit* created_number_edit(int flag) const;
    CompoundEntry entry() const;
    void select_in_list(int index);
    void refill_list();
    void set_edit_layout();
    void apply_variable_layout();
    void after_variable_dialog();
    void start_create_library();
    void begin_next_created_compound();
    void enter_created_compound();
    void leave_create_mode();
    bool delete_compound();
    void save_library();
    void library_saved_now(const std::string& file);
    void show_library_file();
    void command(const std::function<void()>& handler);

    int help_context_ = 115;
    bool placed_ = false;
    LibrarySnapshot before_create_;
};

extern TEditLib_Form* EditLib_Form;
