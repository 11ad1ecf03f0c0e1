#include "platform/text_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>
#include <sys/stat.h>

#include "platform/paths.h"

namespace {
bool is_readable_file(const std::string& resolved) {
    struct stat st {};
    // A folder opens like a file on Linux and reads as nothing: it is no file to read.
    return ::stat(resolved.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}
}  // namespace

bool read_file_bytes(const std::string& path, std::string& bytes) {
    const std::string resolved = resolve_path(path);
    if (!is_readable_file(resolved)) return false;
    std::ifstream in(resolved, std::ios::in | std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return false;
    bytes = buffer.str();
    return true;
}

std::string_view without_utf8_bom(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return text;
}

bool TextLineReader::open(const std::string& path) {
    // A reader may be opened again: the previous file must not stay in use.
    text_.clear();
    pos_ = 0;
    line_number_ = 0;
    if (!read_file_bytes(path, text_)) {
        text_.clear();
        return false;
    }
    pos_ = text_.size() - without_utf8_bom(text_).size();
    return true;
}

bool TextLineReader::next(std::string& line) {
    if (pos_ >= text_.size()) return false;
    size_t end = text_.find_first_of("\r\n", pos_);
    if (end == std::string::npos) end = text_.size();
    line = utf8_from_legacy(text_.substr(pos_, end - pos_));
    ++line_number_;
    pos_ = end;
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;  // LF, or the LF of CRLF
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

bool is_valid_utf8(std::string_view s) {
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

namespace {

// The file a path finally names: a symbolic link is followed to its target (a link
// left dangling names the file it would create), so that saving writes the analyst's
// file and leaves the link in place.
std::string final_target(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0) break;
        link.resize(static_cast<size_t>(n));
        path = (!link.empty() && link.front() == '/') ? link : join_path(folder_of(path), link);
    }
    return path;
}

// The permissions a new file gets from the user's umask, as any other program's would.
mode_t new_file_mode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes all of content to fd; false with errno set on failure.
bool write_all(int fd, const std::string& content) {
    size_t written = 0;
    while (written < content.size()) {
        ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool write_file_atomically(const std::string& path, const std::string& content, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    const std::string target = final_target(resolve_path(path));
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return fail(target + " is a folder");
    // A read-only file is refused, as it was on Windows (where the attribute stops even an
    // administrator); replacing it through its folder would defeat the protection.
    if (exists && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
        return fail(target + " is read-only: " + std::strerror(EACCES));

    const std::string folder = folder_of(target).empty() ? std::string(".") : folder_of(target);
    std::string tmp = join_path(folder, "." + file_name_of(target) + ".XXXXXX");
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return fail("cannot create a file in " + folder + ": " + std::strerror(errno));
    auto fail_and_remove = [&](const std::string& why) {
        int e = errno;
        if (fd >= 0) ::close(fd);
        ::unlink(tmp.c_str());
        return fail(why + ": " + std::strerror(e));
    };
    if (exists) {
        // The file keeps its owner where the user may give it one (root, or a group of the
        // user's); otherwise the new file is the user's, with the old permissions.
        const bool owner_kept = ::fchown(fd, old.st_uid, old.st_gid) == 0;
        (void)owner_kept;
        if (::fchmod(fd, old.st_mode & 07777) != 0) return fail_and_remove("cannot set the permissions of " + target);
    } else if (::fchmod(fd, new_file_mode()) != 0) {
        return fail_and_remove("cannot set the permissions of " + target);
    }
    if (!write_all(fd, content) || ::fsync(fd) != 0) return fail_and_remove("cannot write " + target);
    int closed = ::close(fd);
    fd = -1;
    if (closed != 0) return fail_and_remove("cannot write " + target);
    if (std::rename(tmp.c_str(), target.c_str()) != 0) return fail_and_remove("cannot replace " + target);
    return true;
}

bool copy_file_bytes(const std::string& from, const std::string& to, std::string* error) {
    std::string bytes;
    if (!read_file_bytes(from, bytes)) {
        if (error) *error = "cannot open " + from;
        return false;
    }
    return write_file_atomically(to, bytes, error);
}
