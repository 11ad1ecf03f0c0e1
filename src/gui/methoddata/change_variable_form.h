#pragma once
// The variable-mode dialog: one or two variables and their labels. It opens over the
// library editor; Ok sets the mode, Cancel and the title-bar close change nothing.
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Tchange_variable_form : public QDialog {
public:
    Tchange_variable_form();

    QLineEdit* Edit_var1;  // label of the logarithmic (RV) variable
    QLineEdit* Edit_var2;  // label of the linear (BP) variable
    QComboBox* ComboBox_varNum;
    QPushButton* Button_Ok;
    QPushButton* Button_cancel;
    QPushButton* Button_help;

    void FormShow();
    void Button_OkClick();
    void Button_cancelClick();
    void Button_helpClick();
    void ComboBox_varNumChange();

protected:
    void showEvent(QShowEvent* event) override;
};

extern Tchange_variable_form* change_variable_form;
