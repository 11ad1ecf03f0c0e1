#include "samples/process_files_data.h"

#include <memory>

void construct_process_files_data() {
    // Built on the heap: the tables are too large for a temporary on the stack.
    auto fresh = std::make_unique<ProcessFilesData>();
    process_files_data = std::move(*fresh);
}
