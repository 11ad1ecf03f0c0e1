#include "platform/read_errors.h"

std::string refused_line_message(const std::string& kind, const std::string& path, int line,
                                 const std::string& why, const std::string& kept) {
    return "The " + kind + " file " + path + " was not read: line " + std::to_string(line) + ": " + why +
           ".\n" + kept;
}

std::string refused_box_message(const std::string& box, const std::string& why, const std::string& kept) {
    // A reason that starts with its verb ("is empty") reads on from the box.
    const std::string reason = why.rfind("is ", 0) == 0 ? "it " + why : why;
    return "The box \"" + box + "\" was refused: " + reason + "." + (kept.empty() ? "" : "\n" + kept);
}
