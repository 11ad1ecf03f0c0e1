#pragma once
// The range limits of the internal-standard set.
#include "platform/task_window.h"

class Tsurrogate_limits_form : public TaskWindow {
public:
    Tsurrogate_limits_form();
};

extern Tsurrogate_limits_form* surrogate_limits_form;
