#include "methoddata/change_variable_form.h"

#include "app/not_built_yet.h"

Tchange_variable_form* change_variable_form = nullptr;

Tchange_variable_form::Tchange_variable_form() : QDialog(nullptr) {
    setObjectName("change_variable_form");
    setWindowTitle("Change Variable Form");
    add_not_built_yet_notice(this);
}
