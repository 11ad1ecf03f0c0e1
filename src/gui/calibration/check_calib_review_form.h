#pragma once
// The continuing-calibration review, compound by compound.
#include "platform/task_window.h"

class Tcheck_calib_review_form : public TaskWindow {
public:
    Tcheck_calib_review_form();
};

extern Tcheck_calib_review_form* check_calib_review_form;
