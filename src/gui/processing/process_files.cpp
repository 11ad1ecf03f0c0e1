#include "processing/process_files.h"

#include "app/not_built_yet.h"

Tprocess_files* process_files = nullptr;

Tprocess_files::Tprocess_files() : TaskWindow("Process Files") {
    setObjectName("process_files");
    add_not_built_yet_notice(this);
}
