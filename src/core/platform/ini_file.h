#pragma once
// Settings-format files (internal-standard files, results files, the settings file of
// folders). Section and key names match without regard to case; a missing key gives
// the caller's default; values are kept byte for byte. A command loads a file, changes
// it in memory and saves it once; saving replaces the file atomically.
#include <memory>
#include <string>
#include <vector>

class IniFile {
public:
    IniFile();
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Reads the file; false when it does not exist or cannot be read (the file is then empty).
    bool load(const std::string& path);
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
    void erase_section(const std::string& section);

    std::string to_text() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string path_;
};
