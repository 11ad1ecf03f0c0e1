#include "platform/ini_file.h"

#define SI_NO_CONVERSION
// Debian's header holds the template bodies behind this switch; this is the one
// translation unit that includes it.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/text_file.h"

struct IniFile::Impl {
    CSimpleIniA ini{false, false, false};  // single keys, no multi-line values
    Impl() { ini.SetSpaces(false); }
};

IniFile::IniFile() : impl_(std::make_unique<Impl>()) {}
IniFile::~IniFile() = default;

bool IniFile::load(const std::string& path) {
    path_ = path;
    impl_->ini.Reset();
    std::ifstream in(resolve_path(path), std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    return impl_->ini.LoadData(text.data(), text.size()) >= 0;
}

std::string IniFile::to_text() const {
    std::string out;
    impl_->ini.Save(out, false);
    return out;
}

bool IniFile::save(std::string* error) const { return save_as(path_, error); }

bool IniFile::save_as(const std::string& path, std::string* error) const {
    return write_file_atomically(path, to_text(), error);
}

bool IniFile::has_section(const std::string& section) const {
    return impl_->ini.GetSection(section.c_str()) != nullptr;
}

bool IniFile::has_key(const std::string& section, const std::string& key) const {
    return impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr) != nullptr;
}

namespace {
template <typename List>
std::vector<std::string> names_in_load_order(List& list) {
    list.sort(CSimpleIniA::Entry::LoadOrder());
    std::vector<std::string> out;
    for (const auto& e : list) out.emplace_back(e.pItem);
    return out;
}
}  // namespace

std::vector<std::string> IniFile::key_names(const std::string& section) const {
    CSimpleIniA::TNamesDepend list;
    impl_->ini.GetAllKeys(section.c_str(), list);
    return names_in_load_order(list);
}

std::string IniFile::get_string(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
    const char* v = impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    return v ? std::string(v) : fallback;
}

double IniFile::get_double(const std::string& section, const std::string& key, double fallback) const {
    const char* v = impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    double value = fallback;
    if (!v || !try_to_double(v, value)) return fallback;
    return value;
}

int IniFile::get_int(const std::string& section, const std::string& key, int fallback) const {
    const char* v = impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    int value = fallback;
    if (!v || !try_to_int(v, value)) return fallback;
    return value;
}

void IniFile::set_string(const std::string& section, const std::string& key, const std::string& value) {
    impl_->ini.SetValue(section.c_str(), key.c_str(), value.c_str());
}

void IniFile::set_double(const std::string& section, const std::string& key, double value) {
    set_string(section, key, exact_general(value));
}

void IniFile::set_int(const std::string& section, const std::string& key, int value) {
    set_string(section, key, std::to_string(value));
}

void IniFile::erase_section(const std::string& section) {
    impl_->ini.Delete(section.c_str(), nullptr, true);
}

