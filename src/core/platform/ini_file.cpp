#include "platform/ini_file.h"

#include <cerrno>
#include <optional>
#include <unordered_map>

#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/text_util.h"

namespace {

// One line of the file. A key line knows its name and value; any other line (blank,
// comment, junk) is kept as text only.
struct Line {
    std::string text;  // as in the file (or as last written)
    std::string key;   // empty for lines that hold no key
    std::string value;
};

// Lower-case key -> the line of its first occurrence. Most sections hold a handful of
// keys (a results file has one section per compound): they are found faster by a look
// along a short list than through a hash table, which takes several allocations per
// key. A section that grows long gets the table.
class KeyIndex {
public:
    const size_t* find(const std::string& key) const {
        if (!many_.empty()) {
            auto it = many_.find(key);
            return it == many_.end() ? nullptr : &it->second;
        }
        for (const auto& [name, line] : few_)
            if (name == key) return &line;
        return nullptr;
    }

    // Keeps the line already known for the key: the first occurrence counts.
    void add(std::string key, size_t line) {
        if (find(key)) return;
        if (many_.empty() && few_.size() < kListed) {
            if (few_.empty()) few_.reserve(8);
            few_.emplace_back(std::move(key), line);
            return;
        }
        if (many_.empty()) {
            for (auto& entry : few_) many_.emplace(std::move(entry));
            few_.clear();
            few_.shrink_to_fit();
        }
        many_.emplace(std::move(key), line);
    }

    // A line inserted at `at`: every known line from there on moves one down.
    void shift_from(size_t at) {
        for (auto& [name, line] : few_)
            if (line >= at) ++line;
        for (auto& [name, line] : many_)
            if (line >= at) ++line;
    }

private:
    static constexpr size_t kListed = 16;
    std::vector<std::pair<std::string, size_t>> few_;
    std::unordered_map<std::string, size_t> many_;
};

struct Section {
    std::string name;             // empty for lines in front of the first section
    std::string header;           // the "[name]" line as in the file
    std::vector<Line> lines;      // after the header
    KeyIndex first_key;
};

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
    return s;
}

// A value in one pair of matching double or single quotes is read without them.
std::string unquoted(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return std::string(v.substr(1, v.size() - 2));
    return std::string(v);
}

// The name of a "[name]" line; nothing when the line is no section header.
std::optional<std::string> section_name(std::string_view line) {
    line = trimmed(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    size_t close = line.rfind(']');
    if (close != std::string_view::npos) line = line.substr(0, close);
    return std::string(trimmed(line));
}

// A value as written: in quotes when the reader would otherwise take blanks or quotes
// off it, so that every value reads back as it was set.
std::string value_text(const std::string& value) {
    if (unquoted(trimmed(value)) == value) return value;
    return "\"" + value + "\"";
}

// A line of the file and its text as UTF-8 (`decoded`: the same text but for the Latin-1
// signs of older files; it may be `text` itself, which is taken only at the end).
Line parse_line(std::string&& text, std::string_view decoded) {
    Line line;
    std::string_view t = trimmed(decoded);
    size_t eq = t.find('=');
    // A ";" line is a comment; a line without "=" holds no value the program can read.
    if (!t.empty() && t.front() != ';' && eq != std::string_view::npos && eq > 0) {
        line.key = std::string(trimmed(t.substr(0, eq)));
        line.value = unquoted(trimmed(t.substr(eq + 1)));
    }
    line.text = std::move(text);
    return line;
}

// Splits at LF, CRLF and CR.
std::vector<std::string> text_lines(std::string_view text) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;
    }
    return lines;
}

}  // namespace

struct IniFile::Impl {
    std::vector<Section> sections{Section{}};  // sections[0]: lines before the first header
    std::unordered_map<std::string, size_t> first_section;  // lower-case name -> index

    void clear() {
        sections.assign(1, Section{});
        first_section.clear();
    }

    void add_line(Section& s, Line line) {
        if (!line.key.empty()) s.first_key.add(lower(line.key), s.lines.size());
        s.lines.push_back(std::move(line));
    }

    Section& add_section(std::string name, std::string header) {
        Section s;
        s.name = std::move(name);
        s.header = std::move(header);
        first_section.try_emplace(lower(s.name), sections.size());
        sections.push_back(std::move(s));
        return sections.back();
    }

    const Section* find(const std::string& name) const {
        auto it = first_section.find(lower(name));
        return it == first_section.end() ? nullptr : &sections[it->second];
    }
    Section* find(const std::string& name) {
        return const_cast<Section*>(static_cast<const Impl*>(this)->find(name));
    }

    const Line* find(const std::string& section, const std::string& key) const {
        const Section* s = find(section);
        if (!s) return nullptr;
        const size_t* line = s->first_key.find(lower(key));
        return line ? &s->lines[*line] : nullptr;
    }

    bool ends_with_blank_line() const {
        for (auto s = sections.rbegin(); s != sections.rend(); ++s) {
            if (!s->lines.empty()) return trimmed(s->lines.back().text).empty();
            if (!s->header.empty()) return false;
        }
        return true;  // an empty file
    }

    void rebuild_index() {
        first_section.clear();
        for (size_t i = 1; i < sections.size(); ++i) first_section.try_emplace(lower(sections[i].name), i);
    }
};

IniFile::IniFile() : impl_(std::make_unique<Impl>()) {}
IniFile::~IniFile() = default;

IniLoad IniFile::load_file(const std::string& path) {
    path_ = path;
    impl_->clear();
    std::string bytes;
    if (!read_file_bytes(path, bytes)) return file_exists(path) || folder_exists(path) ? IniLoad::Unreadable
                                                                                        : IniLoad::Missing;
    load_text(bytes);
    return bytes.find('\0') != std::string::npos ? IniLoad::NotText : IniLoad::Loaded;
}

void IniFile::load_text(const std::string& text) {
    impl_->clear();
    Section* current = &impl_->sections.front();
    std::string latin1;  // a line that is no UTF-8, as UTF-8
    for (std::string& raw : text_lines(without_utf8_bom(text))) {
        std::string_view decoded = raw;
        if (!is_valid_utf8(raw)) decoded = latin1 = utf8_from_legacy(raw);
        if (std::optional<std::string> name = section_name(decoded)) {
            current = &impl_->add_section(std::move(*name), std::move(raw));
        } else {
            impl_->add_line(*current, parse_line(std::move(raw), decoded));
        }
    }
}

std::string IniFile::to_text() const {
    std::string out;
    for (const Section& s : impl_->sections) {
        if (!s.header.empty()) out += s.header + "\n";
        for (const Line& line : s.lines) out += line.text + "\n";
    }
    return out;
}

bool IniFile::save(std::string* error) const { return save_as(path_, error); }

bool IniFile::save_as(const std::string& path, std::string* error) const {
    return write_file_atomically(path, to_text(), error);
}

bool IniFile::has_section(const std::string& section) const { return impl_->find(section) != nullptr; }

bool IniFile::has_key(const std::string& section, const std::string& key) const {
    return impl_->find(section, key) != nullptr;
}

std::vector<std::string> IniFile::key_names(const std::string& section) const {
    std::vector<std::string> out;
    const Section* s = impl_->find(section);
    if (!s) return out;
    for (size_t i = 0; i < s->lines.size(); ++i) {
        const Line& line = s->lines[i];
        if (!line.key.empty() && *s->first_key.find(lower(line.key)) == i) out.push_back(line.key);
    }
    return out;
}

std::string IniFile::get_string(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
    const Line* line = impl_->find(section, key);
    return line ? line->value : fallback;
}

double IniFile::get_double(const std::string& section, const std::string& key, double fallback) const {
    const Line* line = impl_->find(section, key);
    double value = fallback;
    if (!line || !try_to_double(line->value, value)) return fallback;
    return value;
}

int IniFile::get_int(const std::string& section, const std::string& key, int fallback) const {
    const Line* line = impl_->find(section, key);
    int value = fallback;
    if (!line || !try_to_int(line->value, value)) return fallback;
    return value;
}

void IniFile::set_string(const std::string& section, const std::string& key, const std::string& value) {
    Section* s = impl_->find(section);
    if (!s) {
        // Sections are parted by a blank line, as the program has always written them.
        if (!impl_->ends_with_blank_line()) impl_->add_line(impl_->sections.back(), Line{});
        s = &impl_->add_section(section, "[" + section + "]");
        s->lines.reserve(4);  // a section written key by key holds a few
    }
    if (const size_t* known = s->first_key.find(lower(key))) {
        Line& line = s->lines[*known];
        line.text = line.key + "=" + value_text(value);
        line.value = value;
        return;
    }
    // A new key follows the section's last key, before blank lines that part it from the next.
    size_t at = s->lines.size();
    while (at > 0 && s->lines[at - 1].key.empty()) --at;
    s->first_key.shift_from(at);
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), Line{key + "=" + value_text(value), key, value});
    s->first_key.add(lower(key), at);
}

void IniFile::set_double(const std::string& section, const std::string& key, double value) {
    set_string(section, key, exact_general(value));
}

void IniFile::set_int(const std::string& section, const std::string& key, int value) {
    set_string(section, key, std::to_string(value));
}

void IniFile::erase_section(const std::string& section) {
    auto& all = impl_->sections;
    const std::string name = lower(section);
    bool last_erased = false;
    for (size_t i = all.size(); i-- > 1;) {
        if (lower(all[i].name) != name) continue;
        last_erased |= i + 1 == all.size();
        all.erase(all.begin() + static_cast<std::ptrdiff_t>(i));
    }
    // The blank line that parted the section from the one before it goes with it.
    if (last_erased)
        while (!all.back().lines.empty() && all.back().lines.back().key.empty() &&
               trimmed(all.back().lines.back().text).empty())
            all.back().lines.pop_back();
    impl_->rebuild_index();
}
