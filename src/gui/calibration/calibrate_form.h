#pragma once
// The calibration window: standards, reference run and the calibration build.
#include "platform/task_window.h"

class TCalibrate_form : public TaskWindow {
public:
    TCalibrate_form();
};

extern TCalibrate_form* Calibrate_form;
