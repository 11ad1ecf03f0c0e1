#include "methoddata/library_text_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <vector>

#include "methoddata/compound_name.h"
#include "methoddata/editor_state.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/print_notices.h"
#include "platform/read_errors.h"
#include "platform/text_file.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"


namespace {

const char* const kLibraryMark = "COMPOUND LIBRARY";
constexpr size_t kVersionTextLimit = 255;

// Row defaults: what a row that ends early keeps for its missing fields.
constexpr double kMissingProperty = 999.0;
constexpr double kMissingAmount = 99.0;

// The library's name with ".ini" in place of its extension.
std::string library_ini_path_of(const std::string& file) { return up_to_last_dot(file) + ".ini"; }

void error_message(const std::string& text, const std::string& caption) {
    ui().message(text, caption, Buttons::Ok, Icon::Error);
}

// Fields taken one by one: empty pieces between two ";" are skipped.
std::string header_field(const std::vector<std::string>& fields, size_t index) {
    return index < fields.size() ? fields[index] : std::string();
}

bool is_library_mark(const std::string& text) { return to_upper(text) == kLibraryMark; }

bool is_known_transform(const std::string& text) {
    std::string t = to_upper(text);
    return t == "LINEAR" || t == "LN";
}

// Header error with its number: caption "Error", the parse fails.
bool header_error(const char* number) {
    error_message(std::string("Quantilyzer: ") + number, "Error");
    return false;
}

// The one-variable checks shared by the two one-variable header forms.
bool take_single_variable(VariableMode& m, const std::string& transform, const std::string& label) {
    m.transform_text = transform;
    if (!is_known_transform(m.transform_text)) return header_error("06003-4");
    m.single_variable_label = label;
    if (m.single_variable_label.empty()) return header_error("06003-5");
    m.one_variable_mode = 1;
    return true;
}

void take_default_labels(VariableMode& m) {
    take_default_variable_labels(m);
    m.one_variable_mode = 0;
}

// One compound row as read, before it is moved into the library.
struct StagedRow {
    std::string name;
    std::string category;
    double rvw = kMissingProperty;
    double bp = kMissingProperty;
    double rvo = kMissingProperty;
    double partcoef = kMissingProperty;
    std::array<double, kMaxLevels> conc;
    std::string casNumber = kNoCasNumber;
    StagedRow() { conc.fill(kMissingAmount); }
};

bool is_known_category(const std::string& field) {
    // The first character as read: a category with leading blanks is refused.
    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(field[0])));
    return c == 'A' || c == 'I' || c == 'S';
}

bool is_analyte_category(const std::string& category) {
    return !category.empty() && std::toupper(static_cast<unsigned char>(category[0])) == 'A';
}

// The names of a row's number fields in the messages, by position from the category.
std::string library_field_name(size_t position) {
    switch (position) {
        case 1: return "rvw";
        case 2: return "bp";
        case 3: return "rvo";
        case 4: return "partition coefficient";
        default: return "amount " + std::to_string(position - 4);
    }
}

// Fields of one trimmed row; false (message shown) on a row error. row_number is 1-based.
// A number field that is not wholly a number throws ConversionError naming the field.
bool parse_library_row(const std::string& line, int row_number, StagedRow& row) {
    std::vector<std::string> fields = split_skip_empty(line, '\t');
    row.name = trim(fields[0]);
    if (compound_name_has_separator(row.name)) {
        error_message(compound_name_separator_message(row.name, row_number) +
                          "\nThe library was not loaded.",
                      "Error");
        return false;
    }
    for (size_t k = 1; k < fields.size(); ++k) {
        const std::string& field = fields[k];
        size_t position = k - 1;  // 0 is the category
        // Fields are counted as the reader sees them: runs of tabs are one separator.
        const auto what = [&] { return "field " + std::to_string(k + 1) + " (" + library_field_name(position) + ")"; };
        const auto number = [&] { return library_text_number(field, what()); };
        if (position == 0) {
            if (!is_known_category(field)) {
                error_message("Quantilyzer: 06004", "Fatal Error");
                return false;
            }
            row.category = trim(field);
        } else if (position == 1) {
            row.rvw = number();
            // ln rvw is a coordinate of the recovery models: it must exist.
            if (!(row.rvw > 0)) {
                error_message("Quantilyzer: 06007 | record " + std::to_string(row_number), "Fatal Error");
                return false;
            }
        } else if (position == 2) {
            row.bp = number();
        } else if (position == 3) {
            row.rvo = number();
        } else if (position == 4) {
            row.partcoef = number();
        } else if (position <= 14) {
            // An amount is what a standard holds of the compound: below 0 it can only be a
            // typing fault, and every response factor built on it would be negative.
            const double amount = number();
            if (amount < 0) throw ConversionError(what() + " '" + trim(field) + "' is below 0");
            row.conc[position - 5] = amount;
        } else if (position == 15) {
            row.casNumber = trim(field);
        }
    }
    // A CAS number column exists only in libraries that carry a version text.
    if (fields.size() >= 17 && !contains(method_data.library_version, "Version")) {
        error_message("Quantilyzer: 06005", "Fatal Error");
        return false;
    }
    return true;
}

void move_into_library(const StagedRow& row, LibraryCompound& compound) {
    compound.name = row.name;
    bool analyte = is_analyte_category(row.category);
    compound.cmpndType = analyte ? "analyte" : "Internal Standard";
    compound.is_internal_standard = analyte ? 0 : 1;
    compound.bp = row.bp;
    compound.rvw = row.rvw;
    compound.rvo = row.rvo;
    compound.partcoef = row.partcoef;
    compound.casNumber = row.casNumber;
    compound.conc = row.conc;
}

bool is_blank(const std::string& line) { return trim(line).empty(); }

std::string without_utf8_mark(std::string line) {
    if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    return line;
}

// The transform written into the header. A one-variable mode that chose neither variable
// (none that a library header gives) writes its own text back, so the file reads as it
// was loaded.
std::string transform_to_write(const VariableMode& m) {
    if (m.bp_variable_chosen) return "Linear";
    if (m.rvw_variable_chosen) return "Ln";
    if (m.one_variable_mode == 0) return "V2";
    return m.transform_text;
}

// The name the analyst chose, with ".txt" unless its file name already has it; a "." in
// a folder name does not count, or the library would be saved without its extension.
std::string with_txt_extension(const std::string& chosen) { return with_extension(chosen, ".txt"); }

// The save dialog with its overwrite question; nothing when the analyst gave up.
std::optional<std::string> choose_library_target() {
    FileDialogRequest request;
    request.title = "Save As";
    const std::string& file_path = folder_settings.slot[kFilePathSlot];
    request.start_folder = last_separator(file_path) == std::string::npos ? file_path : folder_of(file_path);
    request.filter = "Library Text Compound files (*.txt)|*.txt";
    request.must_exist = false;
    return choose_save_path(request, with_txt_extension);
}

}  // namespace

int count_header_separators(const std::string& line) {
    return static_cast<int>(std::count(line.begin(), line.end(), ';'));
}

double library_text_number(const std::string& field, const std::string& what) {
    const NumberField number = read_number(trim(field));
    if (!number.ok) throw ConversionError(what + " " + number.why);
    return number.value;
}

bool parse_library_header(const std::string& line) {
    VariableMode& m = method_data.variable_mode;
    m.transform_text.clear();
    int separators = count_header_separators(line);
    if (separators >= 5) return header_error("06003-1");

    std::vector<std::string> fields = split_skip_empty(line, ';');
    size_t first = line.find(';');
    size_t last = line.rfind(';');

    if (separators == 0) {
        // The old form: the line itself is not examined, the version text stays.
        take_default_labels(m);
    } else if (separators == 1) {
        take_default_labels(m);
        if (!is_library_mark(header_field(fields, 0))) return header_error("06003-2");
        method_data.library_version = left(line.substr(first + 1), kVersionTextLimit);
    } else if (separators == 2) {
        if (!is_library_mark(header_field(fields, 0))) return header_error("06003-2");
        m.variable1_label = header_field(fields, 2);
        if (!is_library_mark(line.substr(0, first)) || first == last) return header_error("06003-3");
        if (!take_single_variable(m, line.substr(first + 1, last - first - 1), line.substr(last + 1)))
            return false;
    } else if (separators == 3) {
        if (!is_library_mark(header_field(fields, 0))) return header_error("06003-2");
        m.variable1_label = header_field(fields, 2);
        if (!is_library_mark(line.substr(0, first))) return header_error("06003-3");
        if (line.compare(last + 1, 1, "V") == 0) {
            if (!take_single_variable(m, header_field(fields, 1), header_field(fields, 2))) return false;
            method_data.library_version = header_field(fields, 3);
        } else {
            m.one_variable_mode = 0;
            m.variable2_label = header_field(fields, 3);
        }
    } else {
        if (!is_library_mark(header_field(fields, 0))) return header_error("06003-2");
        m.variable1_label = header_field(fields, 2);
        m.variable2_label = header_field(fields, 3);
        m.one_variable_mode = 0;
        std::string version = header_field(fields, 4);
        if (version == "Version 4.0")
            error_message("You must save library now\n to make compatible with Version 4.2", "Error");
        else
            method_data.library_version = version;
    }

    // The transform was accepted without regard to case, so it chooses the variable the
    // same way, and takes the one spelling the rest of the program knows: "linear" must
    // not leave a one-variable mode with no variable chosen.
    if (m.one_variable_mode) {
        const std::string transform = to_upper(m.transform_text);
        if (transform == "LINEAR") {
            m.bp_variable_chosen = 1;
            m.rvw_variable_chosen = 0;
            m.transform_text = "Linear";
        } else if (transform == "LN") {
            m.rvw_variable_chosen = 1;
            m.bp_variable_chosen = 0;
            m.transform_text = "Ln";
        }
    }
    method_data.loaded_variable_mode = method_data.variable_mode;
    return true;
}

namespace {

// A compound row holds at least a name and a category, separated by a tab.
bool is_compound_row(const std::string& line) { return split_skip_empty(trim(line), '\t').size() >= 2; }

void not_a_library(const std::string& path, const std::string& why) {
    error_message("The file " + path + " is not a compound library: " + why + "\nThe library was not loaded.",
                  "Error");
}

// Rows after the blank line that ends the library are not read; the analyst is told, so
// that no compound is lost unseen.
void warn_of_lines_after_end(const std::string& path, const std::vector<std::string>& lines, size_t blank) {
    for (size_t n = blank + 1; n < lines.size(); ++n) {
        if (is_blank(lines[n])) continue;
        ui().message("The library file " + path + " ends at its blank line " + std::to_string(blank + 1) +
                         ".\nThe lines after it, from line " + std::to_string(n + 1) + " on, were not read.",
                     "Warning", Buttons::Ok, Icon::Warning);
        return;
    }
}

bool read_library_lines(const std::string& path) {
    std::vector<std::string> lines;
    if (!read_text_lines(path, lines)) {
        error_message("The library file " + path + " cannot be opened.\nThe library was not loaded.", "Error");
        return false;
    }
    if (std::all_of(lines.begin(), lines.end(), is_blank)) {
        error_message("The library file " + path + " is empty.\nThe library was not loaded.", "Error");
        return false;
    }
    const std::string header = trim(without_utf8_mark(lines[0]));
    // The header form without ";" is not examined, but a compound row in its place means
    // the header is missing: taking the row as the header would drop that compound.
    if (count_header_separators(header) == 0 && is_compound_row(header)) {
        not_a_library(path, "its first line is a compound, not the \"COMPOUND LIBRARY\" header.");
        return false;
    }
    if (!parse_library_header(header)) return false;

    // Rows are staged so that a refused file leaves the library as it was.
    std::vector<StagedRow> rows;
    std::vector<int> row_lines;  // the 1-based file line of each row
    for (size_t n = 1; n < lines.size(); ++n) {
        std::string line = trim(lines[n]);
        if (line.empty()) {  // the first blank line ends the library
            warn_of_lines_after_end(path, lines, n);
            break;
        }
        if (static_cast<int>(rows.size()) == kMaxCompounds) {
            error_message("The library file " + path + " holds more than " + std::to_string(kMaxCompounds) +
                              " compounds.\nA library can hold at most " + std::to_string(kMaxCompounds) +
                              "; the library was not loaded.",
                          "Error");
            return false;
        }
        if (!is_compound_row(line)) {
            // An INI file or other text picked by mistake: its lines would each become a
            // "compound" of default properties.
            not_a_library(path, "line " + std::to_string(n + 1) +
                                    " holds no tab-separated name and category of a compound.");
            return false;
        }
        StagedRow row;
        try {
            if (!parse_library_row(line, static_cast<int>(rows.size()) + 1, row)) return false;
        } catch (const ConversionError& e) {
            error_message(refused_line_message("library", path, static_cast<int>(n) + 1, e.what(),
                                               "The library was not loaded."),
                          "Error");
            return false;
        }
        rows.push_back(std::move(row));
        row_lines.push_back(static_cast<int>(n) + 1);
    }
    if (rows.empty()) {
        not_a_library(path, "it holds no compound lines after its header.");
        return false;
    }
    std::vector<std::string> names;
    for (const StagedRow& row : rows) names.push_back(row.name);
    if (const auto repeated = find_repeated_compound_name(names)) {
        error_message(repeated_compound_name_message("library", path, *repeated, row_lines[repeated->first],
                                                     row_lines[repeated->second], "The library was not loaded."),
                      "Error");
        return false;
    }

    method_data.compound_count = static_cast<int>(rows.size());
    method_data.library_ini_path = library_ini_path_of(path);
    for (size_t i = 0; i < rows.size(); ++i) move_into_library(rows[i], method_data.library[i]);
    return true;
}

}  // namespace

bool read_library_text_file(const std::string& path) {
    // A refused file changes nothing: the header may already have set the variable mode,
    // its labels and the version text of a library that is not taken.
    const VariableMode mode = method_data.variable_mode;
    const VariableMode loaded_mode = method_data.loaded_variable_mode;
    const std::string version = method_data.library_version;
    if (read_library_lines(path)) return true;
    method_data.variable_mode = mode;
    method_data.loaded_variable_mode = loaded_mode;
    method_data.library_version = version;
    return false;
}

std::string format_library_text(int count, const LibraryTable& table) {
    std::string version = method_data.library_version == "Version 4.0" ? std::string("Version 4.2") : method_data.library_version;
    const VariableMode& m = method_data.variable_mode;
    std::string text = m.one_variable_mode
                           ? c_format("COMPOUND LIBRARY;%s;%s", transform_to_write(m).c_str(),
                                      m.single_variable_label.c_str())
                           : c_format("COMPOUND LIBRARY;%s;%s;%s", transform_to_write(m).c_str(),
                                      m.variable1_label.c_str(), m.variable2_label.c_str());
    text += ";" + version + "\n";
    int rows = std::clamp(count, 0, kMaxCompounds);
    for (int i = 0; i < rows; ++i) {
        const LibraryCompound& c = table[i];
        text += c.name + "\t" + c.cmpndType + "\t";
        for (double value : {c.rvw, c.bp, c.rvo, c.partcoef}) text += exact_fixed(value, 2) + "\t";
        for (double amount : c.conc) text += exact_fixed(amount, 2) + "\t";
        text += trim(c.casNumber) + "\n";
    }
    return text;
}

bool write_library_text_file(int count, const LibraryTable& table, std::string* written) {
    editor_state.save_as_cancelled = 0;
    std::optional<std::string> path = choose_library_target();
    if (!path) {
        editor_state.save_as_cancelled = 1;
        return false;
    }
    std::string why;
    if (!write_file_atomically(*path, format_library_text(count, table), &why)) {
        // Nothing was saved: the editor must not take the library as written.
        editor_state.save_as_cancelled = 1;
        error_message("The library file " + *path + " could not be written:\n" + why, "Error");
        return false;
    }
    if (!main_flags.NewLibraryMode) copy_library_compounds(count, method_data.library_saved, table);
    announce_file_written(*path);
    if (written) *written = *path;
    return true;
}

void use_library_file(const std::string& file) {
    folder_settings.slot[kLibraryTextFileSlot] = file;
    method_data.library_ini_path = library_ini_path_of(file);
}
