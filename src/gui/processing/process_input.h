#pragma once
// The Sample Information window: the settings of one newly listed sample. It opens from
// the processing window's Add File and is left only through Enter.
#include "platform/task_window.h"
#include "processing/sample_entry.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Tprocess_input : public TaskWindow {
public:
    Tprocess_input();

    QLineEdit* Edit_sampfile;
    QLineEdit* EditAnalyzedDate;
    QLineEdit* EditAQRId;
    QLabel* Label7;
    QLineEdit* EditSampleId;
    QLineEdit* EditInstrumentId;
    QLineEdit* EditLabFileid;
    QGroupBox* RadioGroup_mdl;
    QComboBox* ComboBox_sigma;
    QLabel* Label_rep_accuracy;
    QLineEdit* Edit_CRQL_Factor;
    QLabel* Label_CRQL;
    QGroupBox* RadioGroupIncludeError;
    QPushButton* Button_mdl_Browse;
    QLineEdit* Edit_mdlfile;
    QComboBox* file_process_units_box;
    QLineEdit* Edit_size;
    QLineEdit* Edit_matrix;
    QLineEdit* Edit_other_comm;
    QLineEdit* Edit_comm1;
    QPushButton* Enter;
    QPushButton* Button_Help;
    QPushButton* Button1;

    // Add File: the entry of the sample in `slot`, over the processing window.
    void open_for_sample(int slot, QWidget* processing_window);

    void EnterClick();
    void Button_mdl_BrowseClick();
    void RadioGroup_mdlClick(EntryMode mode);
    void Button1Click();
    void EditLabFileidClick();
    void Button_HelpClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SampleEntryBoxes read_boxes() const;
    void show_boxes(const SampleEntryBoxes& boxes);
    void show_layout(EntryMode mode);
    void connect_button(QPushButton* button, void (Tprocess_input::*handler)());

    QButtonGroup* limits_modes_;
    QButtonGroup* error_choices_;
};

extern Tprocess_input* process_input;

constexpr int kProcessInputHelpContext = 182;
