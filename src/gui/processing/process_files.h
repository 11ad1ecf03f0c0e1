#pragma once
// The processing window: the sample list and the processing run.
#include "platform/task_window.h"

class Tprocess_files : public TaskWindow {
public:
    Tprocess_files();
};

extern Tprocess_files* process_files;
