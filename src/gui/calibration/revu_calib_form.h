#pragma once
// The calibration review: the calibration in memory compound by compound.
#include "platform/task_window.h"

class Trevu_calib_form : public TaskWindow {
public:
    Trevu_calib_form();
};

extern Trevu_calib_form* revu_calib_form;
