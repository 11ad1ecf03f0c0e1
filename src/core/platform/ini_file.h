#pragma once
// Settings-format files (internal-standard files, results files, the settings file of
// folders), read as the Windows profile functions read them, since laboratories edit the
// files the Windows program wrote by hand: section and key names match without regard to
// case, blanks around names and values are trimmed, one pair of matching quotes around a
// value is dropped, and of duplicate sections and of duplicate keys the first one counts.
// A missing key gives the caller's default.
//
// The file is kept line by line: a rewrite changes only the lines of the values set (the
// first copy of a key), adds new keys at the end of their section and new sections at the
// end of the file, and keeps every other line, comments and duplicates included, as it
// was. A command loads a file, changes it in memory and saves it once; saving replaces
// the file atomically.
#include <memory>
#include <string>
#include <vector>

enum class IniLoad {
    Loaded,
    Missing,     // no such file
    Unreadable,  // a folder, no permission, a read error
    NotText,     // holds NUL bytes: damaged, or no settings file (its lines are still read)
};

class IniFile {
public:
    IniFile();
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Reads the file; false when it does not exist or cannot be read (the file is then empty).
    bool load(const std::string& path) { return load_file(path) == IniLoad::Loaded; }
    // The same, saying why a file was not loaded.
    IniLoad load_file(const std::string& path);
    // Reads settings from a text, as load() reads a file's bytes.
    void load_text(const std::string& text);
    // Writes to the path given to load() (or this path); false when it cannot be written.
    bool save(std::string* error = nullptr) const;
    bool save_as(const std::string& path, std::string* error = nullptr) const;
    const std::string& path() const { return path_; }
    void set_path(const std::string& path) { path_ = path; }

    bool has_section(const std::string& section) const;
    bool has_key(const std::string& section, const std::string& key) const;
    std::vector<std::string> key_names(const std::string& section) const;  // in file order

    std::string get_string(const std::string& section, const std::string& key,
                           const std::string& fallback) const;
    // Numbers: a missing key, or a value that is not a number, gives the fallback.
    double get_double(const std::string& section, const std::string& key, double fallback) const;
    int get_int(const std::string& section, const std::string& key, int fallback) const;

    void set_string(const std::string& section, const std::string& key, const std::string& value);
    void set_double(const std::string& section, const std::string& key, double value);  // general form
    void set_int(const std::string& section, const std::string& key, int value);
    // Removes the section with its keys, every copy of it.
    void erase_section(const std::string& section);

    std::string to_text() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string path_;
};
