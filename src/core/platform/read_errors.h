#pragma once
// The message of a reader that refuses a file for a value on one of its lines: which
// file, which line, and why, so that the analyst can find and mend the line.
#include <string>

// "The <kind> file <path> was not read: line <line>: <why>" and what was kept.
std::string refused_line_message(const std::string& kind, const std::string& path, int line,
                                 const std::string& why, const std::string& kept);

// The message of a window that refuses what was typed into one of its boxes: which box and
// why ("is empty", "'1,5' is not a number", or a rule of the box), then what was kept.
std::string refused_box_message(const std::string& box, const std::string& why, const std::string& kept);
