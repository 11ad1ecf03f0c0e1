#pragma once
// The calibration response limits.
#include "platform/task_window.h"

class Tcalib_limits : public TaskWindow {
public:
    Tcalib_limits();
};

extern Tcalib_limits* calib_limits;
