#pragma once
// The calibration window: up to 10 standard data files with their level labels and one
// reference run; from them the calibration is built, saved, reviewed or printed. The
// window gathers files and labels and shows results; the core does the work.
#include <optional>
#include <string>
#include <vector>

#include "calibration/calibration_standards.h"
#include "platform/task_window.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class TCalibrate_form : public TaskWindow {
  public:
    TCalibrate_form();

    QLineEdit* EditCmpndLib;
    QLineEdit* EditSurrLib;
    QListWidget* DirListBox;
    QListWidget* ConcListBox;
    QLineEdit* EditSurrRef;
    QPushButton* Add;
    QPushButton* add_reference_button;
    QPushButton* Delete;
    QPushButton* SaveCalib;
    QPushButton* ReviewCalib;
    QPushButton* PrintCalib;
    QPushButton* Button1;
    QPushButton* ExitClick;
    QPushButton* Button_Help;
    QLineEdit* EditVarMode;
    QLineEdit* EditVarLabel;
    QCheckBox* calib_surr_report_check;

    enum class PendingButton { None, Save, Review, Print };

    // The level dialog's result: appended, or in place of the selected label.
    void store_level_label(const std::string& label);
    // Empties both lists and the reference file (Calibration > New).
    void clear_files();

    void AddClick();
    void EditSurrRefClick();
    void DeleteClick();
    void DirListBoxClick();
    void ConcListBoxClick();
    void PrepareResults(PendingButton button);
    void ResultsFile();
    void SaveCalibClick();
    void ReviewCalibClick();
    void PrintCalibClick();
    void ExitClickClick();
    void Button1Click();
    void Button_HelpClick();
    void OnShow();
    void FormCreate();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::vector<std::string> listed_files() const;
    std::vector<std::string> listed_labels() const;
    // The listed standards and the reference file, the files that own a results file.
    std::vector<std::string> listed_and_reference_files() const;
    std::optional<std::string> choose_data_file();
    bool convert_data_file(const std::string& path, const std::string& results);
    bool check_files();
    bool build(bool review);
    bool ask_level_label();
    void connect_button(QPushButton* button, void (TCalibrate_form::*handler)());

    PendingButton pending_ = PendingButton::None;
    MadeResultsFiles made_results_files_;
};

extern TCalibrate_form* Calibrate_form;
