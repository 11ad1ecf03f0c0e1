#include "test_files.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

TempFolder::TempFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "m5847test.XXXXXX").string();
    char* made = mkdtemp(tmpl.data());
    path_ = made ? std::string(made) : std::string();
}

TempFolder::~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::write(const std::string& name, const std::string& content) const {
    std::string p = file(name);
    std::filesystem::create_directories(std::filesystem::path(p).parent_path());
    std::ofstream out(p, std::ios::binary);
    out << content;
    return p;
}

std::string read_file_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string test_data(const std::string& name) { return std::string(M5847_TEST_DATA) + "/" + name; }
std::string example_file(const std::string& name) { return std::string(M5847_EXAMPLES) + "/" + name; }
