#pragma once
// The group solution limits and their limits file.
#include "platform/task_window.h"

class Tcalc_limits : public TaskWindow {
public:
    Tcalc_limits();
};

extern Tcalc_limits* calc_limits;
