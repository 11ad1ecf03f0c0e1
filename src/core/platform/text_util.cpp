#include "platform/text_util.h"

#include <cctype>

std::string to_upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string trim(std::string_view s) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return std::string(s);
}

std::string first_line(std::string_view s) { return std::string(s.substr(0, s.find_first_of("\r\n"))); }

bool iequals(std::string_view a, std::string_view b) { return to_upper(a) == to_upper(b); }

bool starts_with_ci(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && iequals(text.substr(0, prefix.size()), prefix);
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::vector<std::string> split(std::string_view s, char sep) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t pos = s.find(sep, start);
        if (pos == std::string_view::npos) {
            out.emplace_back(s.substr(start));
            return out;
        }
        out.emplace_back(s.substr(start, pos - start));
        start = pos + 1;
    }
}

std::vector<std::string> split_skip_empty(std::string_view s, char sep) {
    std::vector<std::string> out;
    for (auto& piece : split(s, sep))
        if (!piece.empty()) out.push_back(std::move(piece));
    return out;
}

std::string left(std::string_view s, size_t n) { return std::string(s.substr(0, n)); }
