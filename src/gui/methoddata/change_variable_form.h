#pragma once
// The variable-mode dialog: one or two variables and their labels.
#include <QDialog>

class Tchange_variable_form : public QDialog {
public:
    Tchange_variable_form();
};

extern Tchange_variable_form* change_variable_form;
