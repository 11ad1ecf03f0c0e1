#pragma once
// The message of a reader that refuses a file for a value on one of its lines: which
// file, which line, and why, so that the analyst can find and mend the line.
#include <string>

// "The <kind> file <path> was not read: line <line>: <why>" and what was kept.
std::string refused_line_message(const std::string& kind, const std::string& path, int line,
                                 const std::string& why, const std::string& kept);
