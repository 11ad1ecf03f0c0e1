#pragma once
// The library editor: edits the compound library or types a new one.
#include "platform/task_window.h"

class TEditLib_Form : public TaskWindow {
public:
    TEditLib_Form();
};

extern TEditLib_Form* EditLib_Form;
