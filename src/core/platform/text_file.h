#pragma once
// Reading and writing text files. Lines are read whole, whatever their length; LF, CRLF
// and CR each end a line, and a UTF-8 byte-order mark in front of the first line is no
// part of it. Older files may hold the Latin-1 bytes for micro and plus-minus: a line
// that is not UTF-8 is taken as Latin-1 and converted.
#include <string>
#include <string_view>
#include <vector>

class TextLineReader {
public:
    // Opens the file (resolved without regard to case); false when it cannot be read
    // (missing, a folder, no permission).
    bool open(const std::string& path);
    // The next line without its end; false at the end of the file.
    bool next(std::string& line);
    // The number of the line next() gave last (1 for the first line).
    int line_number() const { return line_number_; }

private:
    std::string text_;
    size_t pos_ = 0;
    int line_number_ = 0;
};

// The whole file as bytes (resolved without regard to case); false when it is missing,
// a folder or cannot be read.
bool read_file_bytes(const std::string& path, std::string& bytes);

// The text without a leading UTF-8 byte-order mark.
std::string_view without_utf8_bom(std::string_view text);

// All lines of a file; false when it cannot be opened.
bool read_text_lines(const std::string& path, std::vector<std::string>& lines);

// A text in UTF-8: valid UTF-8 is kept, anything else is read as Latin-1.
std::string utf8_from_legacy(const std::string& bytes);
bool is_valid_utf8(std::string_view text);

// Writes the content to a temporary file beside the target and renames it over the
// target, so a file is either the old one or the whole new one. On failure the target
// is untouched and error (when given) says why.
bool write_file_atomically(const std::string& path, const std::string& content,
                           std::string* error = nullptr);

// Copies a file byte for byte (atomically). False when the source cannot be read or
// the target cannot be written.
bool copy_file_bytes(const std::string& from, const std::string& to, std::string* error = nullptr);
