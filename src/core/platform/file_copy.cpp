#include "platform/file_copy.h"

#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/ui_services.h"

bool copy_file(const std::string& source, const std::string& target, std::string* error) {
    // Decided on the files themselves: two spellings of one file must never let the
    // copy truncate its own source.
    if (same_file(source, target)) {
        show_message("source: " + source + "\ntarget: " + target + "\nFiles are identical, no copy will occur.",
                     "Warning");
        return false;
    }
    return copy_file_bytes(source, target, error);
}
