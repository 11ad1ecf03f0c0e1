#pragma once
// Small text helpers shared by every reader and writer.
#include <string>
#include <string_view>
#include <vector>

std::string to_upper(std::string_view s);  // ASCII upper case, other bytes kept
std::string trim(std::string_view s);  // blanks and control characters at both ends
bool iequals(std::string_view a, std::string_view b);
bool starts_with_ci(std::string_view text, std::string_view prefix);
bool contains(std::string_view text, std::string_view part);
// Splits at every occurrence of sep; empty pieces are kept.
std::vector<std::string> split(std::string_view s, char sep);
// Splits at runs of sep: empty pieces between two separators are skipped.
std::vector<std::string> split_skip_empty(std::string_view s, char sep);
// The text up to its first line end (CR or LF): a stored path that carries more lines
// names its file on the first.
std::string first_line(std::string_view s);
// Cuts a text to at most n characters.
std::string left(std::string_view s, size_t n);
