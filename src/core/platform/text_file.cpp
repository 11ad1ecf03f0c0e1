#include "platform/text_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <sys/stat.h>

#include "platform/paths.h"

bool TextLineReader::open(const std::string& path) {
    // A reader may be opened again: the previous file must not stay in use.
    in_.close();
    in_.clear();
    in_.open(resolve_path(path), std::ios::in | std::ios::binary);
    return in_.is_open();
}

bool TextLineReader::next(std::string& line) {
    if (!in_.is_open() || !std::getline(in_, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = utf8_from_legacy(line);
    return true;
}

bool read_text_lines(const std::string& path, std::vector<std::string>& lines) {
    TextLineReader reader;
    if (!reader.open(path)) return false;
    lines.clear();
    std::string line;
    while (reader.next(line)) lines.push_back(line);
    return true;
}

namespace {
bool is_valid_utf8(const std::string& s) {
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        size_t extra = 0;
        if (c < 0x80) extra = 0;
        else if ((c >> 5) == 0x6) extra = 1;
        else if ((c >> 4) == 0xE) extra = 2;
        else if ((c >> 3) == 0x1E) extra = 3;
        else return false;
        for (size_t k = 1; k <= extra; ++k)
            if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
        i += extra + 1;
    }
    return true;
}
}  // namespace

std::string utf8_from_legacy(const std::string& bytes) {
    if (is_valid_utf8(bytes)) return bytes;
    std::string out;
    out.reserve(bytes.size() + 8);
    for (char ch : bytes) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool write_file_atomically(const std::string& path, const std::string& content, std::string* error) {
    std::string target = resolve_path(path);
    std::string folder = folder_of(target);
    std::string tmpl = join_path(folder.empty() ? "." : folder, "." + file_name_of(target) + ".XXXXXX");
    std::string tmp = tmpl;
    int fd = mkstemp(tmp.data());
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (fd < 0) return fail(std::string("cannot create a file in ") + (folder.empty() ? "." : folder) + ": " + std::strerror(errno));
    size_t written = 0;
    while (written < content.size()) {
        ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0) {
            int e = errno;
            ::close(fd);
            ::unlink(tmp.c_str());
            return fail(std::string("cannot write ") + target + ": " + std::strerror(e));
        }
        written += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        int e = errno;
        ::unlink(tmp.c_str());
        return fail(std::string("cannot write ") + target + ": " + std::strerror(e));
    }
    ::chmod(tmp.c_str(), 0644);
    if (std::rename(tmp.c_str(), target.c_str()) != 0) {
        int e = errno;
        ::unlink(tmp.c_str());
        return fail(std::string("cannot replace ") + target + ": " + std::strerror(e));
    }
    return true;
}

bool copy_file_bytes(const std::string& from, const std::string& to, std::string* error) {
    std::ifstream in(resolve_path(from), std::ios::binary);
    if (!in) {
        if (error) *error = "cannot open " + from;
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return write_file_atomically(to, buffer.str(), error);
}
