#include "platform/paths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unordered_map>
#include <vector>

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

namespace {

struct FolderListings {
    int scopes = 0;
    std::unordered_map<std::string, std::vector<std::string>> folders;  // folder -> entry names
};

FolderListings& folder_listings() {
    static FolderListings listings;
    return listings;
}

std::vector<std::string> read_folder(const fs::path& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    return names;
}

// The first of names that matches part without regard to case ("" for none). The caller
// has found part itself missing, so an entry spelled exactly so is passed over. A kept
// listing may be behind the disk: its matches are checked (an entry counts, dangling
// symlinks too), and stale is set when a match has gone.
std::string matching_name(const fs::path& dir, const std::vector<std::string>& names, const std::string& part,
                          bool kept, bool& stale) {
    for (const std::string& name : names) {
        if (name == part || !iequals(name, part)) continue;
        std::error_code ec;
        if (!kept || fs::exists(fs::symlink_status(dir / name, ec))) return name;
        stale = true;
    }
    return {};
}

// The entry of dir whose name matches part without regard to case ("" for none).
std::string entry_without_case(const fs::path& dir, const std::string& part) {
    FolderListings& listings = folder_listings();
    bool stale = false;
    if (listings.scopes == 0) return matching_name(dir, read_folder(dir), part, false, stale);
    auto kept = listings.folders.find(dir.string());
    if (kept == listings.folders.end()) kept = listings.folders.emplace(dir.string(), read_folder(dir)).first;
    std::string name = matching_name(dir, kept->second, part, true, stale);
    if (name.empty() && stale) {
        kept->second = read_folder(dir);
        name = matching_name(dir, kept->second, part, false, stale);
    }
    return name;
}

// A name handed out for a file that does not exist yet: the command may create it so.
void note_new_entry(const fs::path& dir, const std::string& part) {
    FolderListings& listings = folder_listings();
    if (listings.scopes == 0) return;
    auto kept = listings.folders.find(dir.string());
    if (kept != listings.folders.end() &&
        std::find(kept->second.begin(), kept->second.end(), part) == kept->second.end())
        kept->second.push_back(part);
}

}  // namespace

FolderListingScope::FolderListingScope() { ++folder_listings().scopes; }

FolderListingScope::~FolderListingScope() {
    FolderListings& listings = folder_listings();
    if (--listings.scopes == 0) listings.folders.clear();
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
            const fs::path dir = current.empty() ? fs::path(".") : current;
            const std::string name = entry_without_case(dir, part);
            if (name.empty()) {
                // The rest does not exist: keep it as given (a new file keeps its name).
                note_new_entry(dir, part);
                for (size_t j = i + 1; j < parts.size(); ++j) exact /= parts[j];
                return exact.string();
            }
            chosen = current / name;
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

std::string next_free_path(std::string_view path) {
    auto taken = [](const std::string& p) { return file_exists(p) || folder_exists(p); };
    if (!taken(std::string(path))) return std::string(path);
    const size_t dot = path.rfind('.');
    const size_t sep = last_separator(path);
    const bool has_extension = dot != std::string_view::npos && (sep == std::string_view::npos || dot > sep);
    const std::string stem(has_extension ? path.substr(0, dot) : path);
    const std::string extension(has_extension ? path.substr(dot) : std::string_view());
    for (int n = 2;; ++n) {
        std::string candidate = stem + "-" + std::to_string(n) + extension;
        if (!taken(candidate)) return candidate;
    }
}

std::string part_file_path(std::string_view path, std::string_view part, std::string_view default_extension) {
    const std::string name = file_name_of(path);
    const std::string base = up_to_last_dot(name);
    const std::string extension = name.substr(base.size());
    const std::string folder(path.substr(0, path.size() - name.size()));
    return folder + base + "_" + std::string(part) + (extension.empty() ? std::string(default_extension) : extension);
}
