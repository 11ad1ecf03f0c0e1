#pragma once
// A fresh temporary folder per test, removed afterwards, and small file helpers.
#include <filesystem>
#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Writes a file in the folder and answers its full path.
    std::string write(const std::string& name, const std::string& content) const;

private:
    std::string path_;
};

std::string read_file_text(const std::string& path);
std::string test_data(const std::string& name);   // tests/data/<name>
std::string example_file(const std::string& name);  // examples/<name>
