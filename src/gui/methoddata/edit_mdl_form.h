#pragma once
// The reporting-limit file editor ("Create/Edit LMT Files"): a grid of the library's
// analytes with their limits and a header of sample size, matrix, unit, internal-standard
// file and comment. It saves, imports and prints reporting-limit files and stores the
// typed limits in the Sample Information slot being filled.
#include <string>
#include <vector>

#include "samples/lmt_editor.h"
#include "platform/task_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class TEdit_mdl_form : public TaskWindow {
public:
    TEdit_mdl_form();

    QLineEdit* Edit_libfile;
    QLineEdit* Edit_surrfile;
    QPushButton* Button_surr_file;
    QLineEdit* Edit_mdl_form_sampsize;
    QLineEdit* Edit_matrix;
    QLineEdit* Edit_mdl_comments;
    QComboBox* Units_ComboBox;
    QLabel* Label_creation_date;
    QLineEdit* Edit_date;
    QPushButton* Button_open_mdl_file;
    QLineEdit* Edit_imported_mdl;
    QTableWidget* StringGrid1;
    QLineEdit* Edit_mdl_cnum;
    QPushButton* Button_previous;
    QPushButton* Button_next;
    QPushButton* Button_saveas;
    QPushButton* Button_print_mdl;
    QPushButton* Button_Reset_def_mdl;
    QPushButton* Button1;
    QPushButton* Button_exit;
    QPushButton* Button_Help;
    QLineEdit* EditVarMode;
    QLineEdit* EditVarLabel;

    int lmt_current_row = 0;  // the grid row the compound number box shows (as row + 1)
    int lmt_row_count = 0;    // analytes in the grid

    // The main window's command empties these after showing the editor.
    void empty_sample_entries();

    void FormShow();
    void Button_exitClick();
    void Button_nextClick();
    void Button_previousClick();
    void StringGrid1SelectCell(int row);  // OnSelectCell
    void Edit_mdl_cnumExit();
    void Button_saveasClick();
    void Button_Reset_def_mdlClick();
    void Button_print_mdlClick();
    void Button_surr_fileClick();
    void Button_open_mdl_fileClick();
    void Button1Click();
    void Button_HelpClick();

    bool write_lmt_file(const std::string& path);
    bool any_modified() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build_layout();
    void connect_handlers();
    ReportingLimitSlot& slot() const;
    std::vector<LmtGridRow> grid_rows() const;
    void set_limit_cells(const std::vector<std::string>& texts);
    void select_first_limit();
    void clear_modified();

    bool grid_modified_ = false;
    bool filling_grid_ = false;  // the program, not the analyst, is writing cells
};

extern TEdit_mdl_form* Edit_mdl_form;

constexpr int kLmtEditorHelpContext = 130;
