#pragma once
// The calibration review ("Edit Calibration"): the calibration in memory one library
// compound at a time. The analyst switches levels in and out of a compound's curve and
// sees its statistics change, prints the calibration report, and saves the calibration
// under a new name or leaves without keeping the changes. It always returns to the main
// window, whichever window opened it.
#include <array>

#include "methoddata/records.h"
#include "platform/task_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class Trevu_calib_form : public TaskWindow {
public:
    Trevu_calib_form();

    QLineEdit* Edit_recnum;
    QLineEdit* Edit_cmpndname;
    QListWidget* ListBox1;
    QPushButton* Button_previous;
    QPushButton* Button_next;
    QLineEdit* EditVarMode;
    QLineEdit* EditVarLabel;
    QLabel* lblLibFileName;
    QLineEdit* Edit_LibFileName;
    QLineEdit* Edit_surrfile;
    QLineEdit* Edit_ref_file;
    QLineEdit* Edit_calfile;
    // One per level column, Std1 .. Std10.
    std::array<QLabel*, kMaxLevels> Std{};
    std::array<QLineEdit*, kMaxLevels> Edit_f{};
    std::array<QLineEdit*, kMaxLevels> Edit_conc_std{};
    std::array<QLineEdit*, kMaxLevels> Edit_rec_std{};
    std::array<QLineEdit*, kMaxLevels> Edit_dev_std{};
    std::array<QLineEdit*, kMaxLevels> Edit_area_std{};
    std::array<QLineEdit*, kMaxLevels> Edit_rspf_std{};
    std::array<QLineEdit*, kMaxLevels> Edit_respfdev_std{};
    std::array<QCheckBox*, kMaxLevels> Check_std{};
    QLineEdit* Edit_std_levels;
    QLineEdit* Edit_avg;
    QLineEdit* Edit_deviation;
    QLineEdit* Edit_pcnt_dev;
    QPushButton* Button_print;
    QPushButton* Button1;
    QPushButton* Button_save_as;
    QPushButton* Button_exit;
    QPushButton* Button_Help;
    QCheckBox* IncludeSurr_check;

    // Fills the window for compound c (0-based); returns 1.
    int show_calibration_compound(int c);
    // Rebuilds "Standard Levels" and the three statistics of compound c.
    void refresh_curve_statistics(int c);
    // Empties the review's data and its controls.
    void reset_calibration_review();
    // Columns 7 to 10 are shown only as far as there are standards.
    void lay_out_level_columns(int standards);
    void set_level_column_visible(int level, bool visible);  // level 1..10

    void FormCreate();
    void FormShow();
    void Button_get_recnumClick();
    void Edit_recnumExit();
    void ListBox1Click();
    void Button_nextClick();
    void Button_previousClick();
    void Check_stdClick(int level);  // level 1..10
    void Button_printClick();
    void Button1Click();
    void Button_save_asClick();
    void Button_exitClick();
    void Button_HelpClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build_controls();
    void connect_controls();
    void fill_compound_list();
    void select_compound(int c);
    void return_to_main_window();
};

extern Trevu_calib_form* revu_calib_form;

constexpr int kReviewHelpContext = 162;
