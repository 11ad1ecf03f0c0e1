#include "processing/process_input.h"

#include "app/not_built_yet.h"

Tprocess_input* process_input = nullptr;

Tprocess_input::Tprocess_input() : TaskWindow("Sample Information") {
    setObjectName("process_input");
    add_not_built_yet_notice(this);
}
