#pragma once
// The Sample Information window: the settings of one sample.
#include "platform/task_window.h"

class Tprocess_input : public TaskWindow {
public:
    Tprocess_input();
};

extern Tprocess_input* process_input;
