#pragma once
// The reporting-limit file editor.
#include "platform/task_window.h"

class TEdit_mdl_form : public TaskWindow {
public:
    TEdit_mdl_form();
};

extern TEdit_mdl_form* Edit_mdl_form;
