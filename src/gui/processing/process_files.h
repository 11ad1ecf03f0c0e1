#pragma once
// The processing window: the list of sample data files and the processing run against
// the loaded calibration. The list shows the core's listed samples; the run and its
// tables are core work.
#include "platform/task_window.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;
class QRadioButton;

class Tprocess_files : public TaskWindow {
public:
    Tprocess_files();

    QListWidget* DirListBox;
    QPushButton* add_samp_file;
    QPushButton* delete_sample_file_Button;
    QPushButton* process_samp;
    QPushButton* Button2;
    QPushButton* process_exit;
    QLineEdit* Edit_samp_calfile;
    QLineEdit* EditVarMode;
    QLineEdit* EditVarLabel;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label5;
    QAction* Printer1;
    QAction* TRQ1;
    QAction* Printedpdf1;
    QAction* DelimitedReports1;
    QAction* GroupSolutionLimits1;
    QAction* Calibration1;
    QAction* Help1;

    void FormShow();
    void add_samp_fileClick();
    void delete_sample_file_ButtonClick();
    void Button2Click();
    void process_exitClick();
    void process_sampClick();
    void DirListBoxClick();
    void RadioButton1Click();
    void RadioButton2Click();
    void Printer1Click();
    void Printedpdf1Click();
    void TRQ1Click();
    void DelimitedReports1Click();
    void GroupSolutionLimits1Click();
    void Calibration1Click();
    void Help1Click();
    void update_report_summary();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool placed_ = false;
    void FormCreate();
    void build_menu(QMenuBar* bar);
    void show_sample_list();
    void show_report_choices();
    void connect_button(QPushButton* button, void (Tprocess_files::*handler)());
    void connect_action(QAction* action, void (Tprocess_files::*handler)());
};

extern Tprocess_files* process_files;

constexpr int kProcessFilesHelpContext = 187;
