#include "platform/read_errors.h"

std::string refused_line_message(const std::string& kind, const std::string& path, int line,
                                 const std::string& why, const std::string& kept) {
    return "The " + kind + " file " + path + " was not read: line " + std::to_string(line) + ": " + why +
           ".\n" + kept;
}
