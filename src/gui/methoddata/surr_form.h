#pragma once
// The internal-standard editor: groups and flags of each internal standard.
#include "platform/task_window.h"

class Tsurr_Form : public TaskWindow {
public:
    Tsurr_Form();
};

extern Tsurr_Form* surr_Form;
