#include "platform/paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/text_util.h"

namespace fs = std::filesystem;

size_t last_separator(std::string_view path) { return path.find_last_of("/\\"); }

std::string folder_of(std::string_view path) {
    size_t p = last_separator(path);
    return p == std::string_view::npos ? std::string() : std::string(path.substr(0, p));
}

std::string file_name_of(std::string_view path) {
    size_t p = last_separator(path);
    return p == std::string_view::npos ? std::string(path) : std::string(path.substr(p + 1));
}

std::string up_to_last_dot(std::string_view path) {
    size_t p = path.rfind('.');
    return p == std::string_view::npos ? std::string(path) : std::string(path.substr(0, p));
}

std::string strip_extensions(std::string_view path) {
    std::string s(path);
    for (;;) {
        size_t dot = s.rfind('.');
        size_t sep = last_separator(s);
        if (dot == std::string::npos || (sep != std::string::npos && dot < sep)) return s;
        s.erase(dot);
    }
}

std::string with_extension(std::string_view chosen, std::string_view extension) {
    const std::string name = file_name_of(chosen);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos &&
        iequals(std::string_view(name).substr(dot, extension.size()), extension))
        return std::string(chosen);
    return std::string(chosen) + std::string(extension);
}

std::string join_path(std::string_view folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    std::string out(folder);
    if (out.back() != '/' && out.back() != '\\') out += kPathSeparator;
    out += name;
    return out;
}

std::string resolve_path(std::string_view path) {
    std::string p(path);
    for (char& c : p)
        if (c == '\\') c = '/';
    if (p.empty()) return p;
    std::error_code ec;
    if (fs::exists(p, ec)) return p;

    bool absolute = p.front() == '/';
    fs::path current = absolute ? fs::path("/") : fs::path();
    auto parts = split_skip_empty(p, '/');
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        fs::path exact = current / part;
        fs::path chosen = exact;
        if (!fs::exists(exact, ec)) {
            fs::path dir = current.empty() ? fs::path(".") : current;
            bool found = false;
            for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
                std::string name = it->path().filename().string();
                if (iequals(name, part)) {
                    chosen = current / name;
                    found = true;
                    break;
                }
            }
            if (!found) {
                // The rest does not exist: keep it as given (a new file keeps its name).
                for (size_t j = i + 1; j < parts.size(); ++j) exact /= parts[j];
                return exact.string();
            }
        }
        current = chosen;
    }
    return current.string();
}

bool file_exists(std::string_view path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(resolve_path(path), ec);
}

bool folder_exists(std::string_view path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(resolve_path(path), ec);
}

bool remove_file(std::string_view path) {
    std::error_code ec;
    return fs::remove(resolve_path(path), ec);
}

bool make_folders(std::string_view path) {
    std::error_code ec;
    std::string resolved = resolve_path(path);
    fs::create_directories(resolved, ec);
    return fs::is_directory(resolved, ec);
}

bool same_file(std::string_view a, std::string_view b) {
    std::error_code ec;
    bool same = fs::equivalent(resolve_path(a), resolve_path(b), ec);
    return !ec && same;
}

std::string data_root() {
    const char* home = std::getenv("HOME");
    return home && *home ? std::string(home) : std::string("/");
}

std::string temp_folder() {
    std::error_code ec;
    std::string t = fs::temp_directory_path(ec).string();
    if (ec || t.empty()) t = "/tmp";
    while (t.size() > 1 && t.back() == '/') t.pop_back();
    return t;
}

std::string executable_folder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    return exe.parent_path().string() + "/";
}

std::string install_path_setting() {
    const char* v = std::getenv("M5847_INSTALL_PATH");
    return v ? std::string(v) : std::string();
}
