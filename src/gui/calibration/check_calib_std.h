#pragma once
// The continuing-calibration entry: level of the check standard, review, print, save.
#include "platform/task_window.h"

class Tcheck_calib_std : public TaskWindow {
public:
    Tcheck_calib_std();
};

extern Tcheck_calib_std* check_calib_std;
