#pragma once
// The class thresholds of the internal-standard report rows.
#include "platform/task_window.h"

class Tcheck_surrogate_catagories_form : public TaskWindow {
public:
    Tcheck_surrogate_catagories_form();
};

extern Tcheck_surrogate_catagories_form* check_surrogate_catagories_form;
