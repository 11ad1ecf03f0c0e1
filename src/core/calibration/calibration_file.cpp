#include "calibration/calibration_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "calibration/calibration_review.h"
#include "calibration/calibration_snapshot.h"
#include "calibration/level_amount.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/compound_name.h"
#include "methoddata/level_lookup.h"
#include "methoddata/library_text_file.h"
#include "methoddata/surrogate_library_row.h"
#include "methoddata/tables.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/print_notices.h"
#include "platform/read_errors.h"
#include "platform/text_file.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

namespace {

const char* const kValuesDescription =
    "compound;[conc;rec;recDev;resp;respdev;area; (for each standard)];[selected concentrations "
    "(for each "
    "standard)];average flags;reference area count";
const char* const kLibraryDescription =
    "rvw;rvo;bp;conc1;conc2;conc3;conc4;conc5;conc6;conc7;conc8;conc9;conc10;Partition "
    "Coefficient;CAS Number";
const char* const kSurrogateDescription =
    "surrogate/analyte(s/a);rvgr1-6;bpg1-6;First Pass;Surrogate";
const char* const kRangesLine = "Surrogate Ranges: linearVCS, lnNPVCS";
constexpr int kMinimumLevelColumns = 5;
constexpr int kPreambleLinesAfterCount =
    8;  // empty line, three descriptions with headings, empty line

// The internal-standard and reference file lines as the file holds them.
std::string surrogate_file_line() { return to_upper(trim(method_data.surrogate_file_path)); }
std::string reference_file_line() { return trim(method_data.surrogate_reference_path); }

void show_error(const char* code) { show_message(std::string("Quantilyzer: ") + code, "Error"); }

// A data file as the list line names it: an entry that is a results file by its folder.
std::string listed_data_file(const std::string& file) {
    return iequals(file_name_of(file), "results.ini") ? folder_of(file) : file;
}

std::string data_file_list(const CalibrationData& cal, int standards) {
    std::string out;
    for (int p = 0; p < standards; ++p) out += listed_data_file(cal.standard_data_files[p]) + ";";
    return out;
}

std::string values_line(const CalibrationData& cal, int c, int standards, int columns) {
    const RecoveryTables& t = cal.recovery_tables;
    std::string out = method_data.library[c].name + ";";
    // The amount is read back as the standard's amount of the compound: it keeps its value.
    for (int p = 0; p < standards; ++p)
        out += exact_fixed(level_amount(c, p), 2) +
               c_format(";%.5f;%.5f;%.5f;%.5f;%d;", t.predicted_recovery[p][c], t.predicted_recovery_dev[p][c],
                        t.response_factor[p][c], t.response_factor_dev[p][c], cal.raw_data_sets[p].area[c]);
    // One label per standard: a label left over in a row past the standards would shift
    // every field after it when the file is read.
    for (int p = 0; p < std::min(columns, standards); ++p)
        if (!cal.level_names[p].empty()) out += cal.level_names[p] + ";";
    for (int p = 0; p < columns; ++p)
        out += c_format("%d", cal.raw_data_sets[p].area[c] != 0 ? cal.level_included[c][p] : 0);
    out += c_format(";%d", cal.raw_data_sets[standards].area[c]);
    return out;
}

std::string library_line(int c, int columns) {
    const LibraryCompound& lib = method_data.library[c];
    std::string out =
        exact_fixed(lib.rvw, 2) + ";" + exact_fixed(lib.rvo, 2) + ";" + exact_fixed(lib.bp, 2) + ";";
    for (int p = 0; p < columns; ++p) out += exact_fixed(method_data.library_saved[c].conc[p], 2) + ";";
    return out + exact_fixed(lib.partcoef, 2) + ";" + trim(lib.casNumber);
}

std::string surrogate_line(int c) {
    if (!method_data.library[c].is_internal_standard) return "A";
    SurrogateRecord none;
    const SurrogateRecord* record = find_surrogate_of_library_row(c, method_data.surrogates, method_data.library);
    if (!record) record = &none;
    std::string out = "S;";
    for (int g : record->rvwgroup) out += c_format("%d", g);
    out += ";";
    for (int g : record->bpgroup) out += c_format("%d", g);
    return out + c_format(";%d;%d", record->first_pass, record->checked_surrogate);
}

std::string trailer_text() {
    const SurrogateRangeLimits& r = method_data.surrogate_range_limits;
    // "%f" keeps six decimals: a MinRVW below 5e-7 would come back as 0.
    const auto f = [](double v) { return exact_fixed(v, 6); };
    return f(r.MinBP) + "\n" + f(r.MaxBP) + "\n" + f(r.MinRVW) + "\n" + f(r.MaxRVW) + "\n" + kRangesLine + "\n" +
           f(method_data.category_thresholds.vcs) + "\n" + f(method_data.category_thresholds.n_pvcsLn);
}

// The name of field i (from 0) of a line in a refusal: fields are counted as the reader
// counts them (a run of ";" is one separator).
std::string field_name(size_t i, const std::string& what) {
    return "field " + std::to_string(i + 1) + " (" + what + ")";
}

// A number field read whole: by its leading digits "1,5" was 1 and a line of letters 0,
// values the calibration never held. A field that is not wholly a number refuses the file
// at its line, naming the field.
double number_field(const std::string& text, const std::string& what) {
    const NumberField number = read_number(text);
    if (!number.ok) throw ConversionError(what + " " + number.why);
    return number.value;
}

// An area field: the number truncated toward zero, as the results files give areas. The
// writer writes the 32-bit area itself, so a value outside it is no area of this program's.
std::int32_t area_of(const std::string& text, const std::string& what) {
    const double v = std::trunc(number_field(text, what));
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw ConversionError(what + " '" + trim(text) + "' lies outside the range of peak areas");
    return static_cast<std::int32_t>(v);
}

// A count or a flag: a whole number, as the writer writes it ("%d").
int count_field(const std::string& text, const std::string& what) {
    const IntegerField count = read_integer(text);
    if (!count.ok) throw ConversionError(what + " " + count.why);
    return count.value;
}

// A field of one digit per level or group: any other character is no flag, and read as
// 0 or 1 it would drop or take a level or group the file never said. A level counts when
// its digit is not 0; a group flag, as the internal-standard file holds it, is 0 or 1.
void check_digits(const std::string& text, const std::string& what, char highest) {
    for (char ch : text)
        if (ch < '0' || ch > highest)
            throw ConversionError(what + " '" + text + "' holds a character that is not " +
                                  (highest == '1' ? "0 or 1" : "a digit"));
}

// A flag of an internal standard: 0 or 1, as the internal-standard file holds it.
int flag_field(const std::string& text, const std::string& what) {
    const int flag = count_field(text, what);
    if (flag != 0 && flag != 1) throw ConversionError(what + " '" + trim(text) + "' is not 0 or 1");
    return flag;
}

bool skip_line(TextLineReader& in) {
    std::string ignored;
    return in.next(ignored);
}

// The first data file of a list is an absolute path: a drive letter, or "/".
bool is_data_file_path(const std::string& piece) {
    if (piece.empty()) return false;
    char first = piece.front();
    return (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z') || first == '/';
}

// Reads the preamble's second line (or takes line 1 as it) and sets the labels from it.
void apply_label_line(VariableMode& m, const std::string& raw_line) {
    std::string line = trim(raw_line);
    size_t dash = line.rfind('-');
    if (dash != std::string::npos)
        m.single_variable_label = line.substr(dash + 1);
    else
        m.one_variable_mode = 0;
    std::vector<std::string> pieces = split(m.single_variable_label, ';');
    m.variable1_label = pieces.front();
    for (size_t i = 1; i < pieces.size(); ++i) m.variable2_label = pieces[i];
}

// Sets the variable mode from the transform text between the dashes of line 1.
void apply_transform(VariableMode& m, const std::string& line) {
    size_t first = line.find('-');
    size_t last = line.rfind('-');
    if (first == std::string::npos) {
        m.transform_text = line;
    } else if (first != last) {
        m.transform_text = line.substr(first + 1, last - first - 1);
    } else {
        m.transform_text = line.substr(first + 1);
    }
    m.one_variable_mode = 0;
    m.bp_variable_chosen = 0;
    m.rvw_variable_chosen = 0;
    // The word is matched without regard to case, as the library reader does, and takes
    // the one spelling the rest of the program knows.
    if (iequals(m.transform_text, "Linear")) {
        m.one_variable_mode = 1;
        m.bp_variable_chosen = 1;
        m.transform_text = "Linear";
    } else if (iequals(m.transform_text, "Ln")) {
        m.one_variable_mode = 1;
        m.rvw_variable_chosen = 1;
        m.transform_text = "Ln";
    } else {
        m.variable1_label.clear();
        m.variable2_label.clear();
    }
}

}  // namespace

std::optional<Refusal> data_file_path_refusal(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        const std::string listed = listed_data_file(file);
        if (listed.find_first_of(";\r\n") == std::string::npos) continue;
        return Refusal{"The data file path\n" + listed +
                           "\nholds a \";\" or a line break, which separate the entries of a calibration "
                           "file: the file could not be read back.\nPlease move the data file to a folder "
                           "whose path has none. The calibration was not saved.",
                       "Calibration File"};
    }
    return std::nullopt;
}

std::optional<Refusal> path_line_refusal() {
    const std::pair<const char*, std::string> lines[] = {
        {"library", folder_settings.slot[kLibraryTextFileSlot]},
        {"internal standard", surrogate_file_line()},
        {"reference", reference_file_line()},
    };
    for (const auto& [kind, path] : lines) {
        if (path.find_first_of("\r\n") == std::string::npos) continue;
        return Refusal{std::string("The ") + kind + " file path\n" + path +
                           "\nholds a line break, which ends a line of a calibration file: the file could not be "
                           "read back.\nPlease move the file to a folder whose path has none. The calibration was "
                           "not saved.",
                       "Calibration File"};
    }
    return std::nullopt;
}

std::optional<Refusal> calibration_path_refusal(const std::vector<std::string>& files) {
    if (std::optional<Refusal> refusal = path_line_refusal()) return refusal;
    return data_file_path_refusal(files);
}

bool refuse_unlistable_data_files(const CalibrationData& cal) {
    const std::vector<std::string> files(cal.standard_data_files.begin(),
                                         cal.standard_data_files.begin() + std::clamp(cal.standard_count, 0, kMaxStandards));
    const std::optional<Refusal> refusal = calibration_path_refusal(files);
    if (refusal) show_message(refusal->text, refusal->caption);
    return refusal.has_value();
}

int calibration_level_columns(const CalibrationData& cal, int standards) {
    // Every level a standard names is written, whatever library the session holds: a
    // standard labelled "Amount6" among five needs the sixth amount when the file is read
    // in a run that has no library.
    int columns = std::max(standards, kMinimumLevelColumns);
    for (int p = 0; p < standards && p < kMaxLevels; ++p)
        columns = std::max(columns, std::min(level_of_label(cal.level_names[p]), kMaxLevels));
    return columns;
}

std::string calibration_file_text(const CalibrationData& cal) {
    const int n = cal.standard_count;
    const int k = method_data.compound_count;
    const int columns = calibration_level_columns(cal, n);
    const std::string now = format_short_date_long_time(clock_source().now());
    std::string out;
    auto line = [&out](const std::string& text) { out += text + "\n"; };
    const VariableMode& m = method_data.variable_mode;
    if (m.one_variable_mode) {
        line("Date-" + m.transform_text + "-" + method_data.library_version);
        line(now + "-" + m.single_variable_label);
    } else {
        line("Date-V2-" + program_version_text);
        line(now + "-" + m.variable1_label + ";" + m.variable2_label);
    }
    line("Library File");
    line(folder_settings.slot[kLibraryTextFileSlot]);
    line("Surrogate File");
    line(surrogate_file_line());
    line("Surrogate Reference File");
    line(reference_file_line());
    line("Data File(s)");
    line(data_file_list(cal, n));
    line("Compound Count");
    line(c_format("%d", k));
    line("");
    line("Calibration Data Description");
    line(kValuesDescription);
    line("Library Data Description");
    line(kLibraryDescription);
    line("Surrogate Data Description");
    line(kSurrogateDescription);
    line("");
    for (int c = 0; c < k; ++c) {
        line(values_line(cal, c, n, columns));
        line(library_line(c, columns));
        out += surrogate_line(c);
        if (c < k - 1) out += "\n";
    }
    if (k > 0) out += "\n";  // ends the last internal-standard line
    return out + trailer_text();
}

bool write_calibration(const std::string& path) {
    if (refuse_unlistable_data_files(calibration_data)) return false;
    method_data.surrogate_file_path = trim(method_data.surrogate_file_path);
    std::string error;
    if (!write_file_atomically(path, calibration_file_text(calibration_data), &error)) {
        show_message("The calibration file " + path + " could not be written:\n" + error,
                     "Calibration File");
        return false;
    }
    save_level_inclusion(method_data.compound_count);
    announce_file_written(path);
    return true;
}

bool read_calibration_preamble(TextLineReader& in, int& standards, int& compounds) {
    std::string line1;
    if (!in.next(line1)) return false;
    line1 = trim(line1);
    method_data.variable_mode.transform_text.clear();
    method_data.variable_mode.one_variable_mode = 0;
    if (!contains(line1, "Date")) return false;
    apply_transform(method_data.variable_mode, line1);

    std::string line2 = line1;
    if (std::count(line1.begin(), line1.end(), '-') <= 1)
        method_data.library_version = "N/A";
    else if (!in.next(line2))
        return false;
    apply_label_line(method_data.variable_mode, line2);

    std::string list;
    std::string count;
    if (!skip_line(in) || !in.next(method_data.library_ini_path) || !skip_line(in) ||
        !in.next(method_data.surrogate_file_path) || !skip_line(in) || !in.next(method_data.surrogate_reference_path) ||
        !skip_line(in) || !in.next(list) || !skip_line(in) || !in.next(count))
        return false;

    std::vector<std::string> files;
    for (const std::string& piece : split(list, ';'))
        if (!trim(piece).empty()) files.push_back(piece);
    if (files.empty() || !is_data_file_path(files.front())) return false;
    if (files.size() > static_cast<size_t>(kMaxStandards)) return false;
    for (size_t p = 0; p < files.size(); ++p) {
        calibration_data.standard_results_ini[p] = files[p];
        calibration_data.standard_data_files[p] = files[p];
    }
    standards = static_cast<int>(files.size());
    // A count read as 0 from a line of text (a path that broke its line shifts every
    // line after it) loaded a calibration of no compounds without a word.
    compounds = count_field(count, "the Compound Count");
    for (int i = 0; i < kPreambleLinesAfterCount; ++i)
        if (!skip_line(in)) return false;
    return true;
}

bool read_calibration_values_line(const std::string& line, int c, int standards, int& columns) {
    const std::vector<std::string> f = split_skip_empty(line, ';');
    const size_t needed = 1 + 7 * static_cast<size_t>(standards) + 2;
    if (f.size() < needed) return false;
    method_data.library[c].name = f[0];
    size_t i = 1;
    RecoveryTables& t = calibration_data.recovery_tables;
    const auto number = [&](const char* what, int p) {
        const size_t at = i++;
        return number_field(f[at], field_name(at, std::string(what) + " of standard " + std::to_string(p + 1)));
    };
    for (int p = 0; p < standards; ++p) {
        double amount = number("conc", p);
        method_data.library[c].conc[p] = amount;
        calibration_data.raw_data_sets[p].cal_amount[c] = amount;
        t.predicted_recovery[p][c] = number("rec", p);
        t.predicted_recovery_dev[p][c] = number("recDev", p);
        t.response_factor[p][c] = number("resp", p);
        t.response_factor_dev[p][c] = number("respdev", p);
        calibration_data.raw_data_sets[p].area[c] = area_of(f[i], field_name(i, "area of standard " + std::to_string(p + 1)));
        ++i;
    }
    for (int p = 0; p < standards; ++p) calibration_data.level_names[p] = left(f[i++], kLevelNameLength);
    const std::string& digits = f[i];
    check_digits(digits, field_name(i++, "average flags"), '9');
    for (size_t p = 0; p < digits.size() && p < static_cast<size_t>(kMaxLevels); ++p)
        calibration_data.level_included[c][p] = digits[p] != '0' ? 1 : 0;
    columns = static_cast<int>(digits.size());
    calibration_data.raw_data_sets[standards].area[c] = area_of(f[i], field_name(i, "reference area count"));
    return true;
}

int library_line_columns(int standards, int written) {
    // The values line holds one inclusion digit per level column, as many as the library
    // line has amounts; a file whose digits say nothing sensible counts as the older
    // layout did.
    if (written >= 1 && written <= kMaxLevels) return written;
    return standards < 6 ? kMinimumLevelColumns : std::min(standards, kMaxLevels);
}

bool read_calibration_library_line(const std::string& line, int c, int standards, int columns) {
    const std::vector<std::string> f = split_skip_empty(line, ';');
    if (f.size() < static_cast<size_t>(3 + columns + 1)) return false;
    LibraryCompound& lib = method_data.library[c];
    const auto number = [&f](size_t i, const std::string& what) { return number_field(f[i], field_name(i, what)); };
    lib.rvw = number(0, "rvw");
    lib.rvo = number(1, "rvo");
    lib.bp = number(2, "bp");
    // The amounts are the file's alone: a level it does not give holds no amount of a
    // library loaded earlier in the run.
    lib.conc.fill(0.0);
    for (int p = 0; p < columns; ++p) lib.conc[p] = number(3 + p, "conc" + std::to_string(p + 1));
    // An older file gave only five (or as many as its standards) amounts; a standard
    // labelled with a level past them carries that level's amount in its own group.
    // (An internal standard's group holds its Amount 1, which is its amount at every level.)
    for (int p = 0; p < standards && p < kMaxLevels; ++p) {
        const int level = level_of_label(calibration_data.level_names[p]);
        if (level > columns && level <= kMaxLevels) lib.conc[level - 1] = calibration_data.raw_data_sets[p].cal_amount[c];
    }
    lib.partcoef = number(3 + columns, "Partition Coefficient");
    lib.casNumber = f.size() > static_cast<size_t>(4 + columns) ? f[4 + columns] : std::string();
    return true;
}

void read_calibration_surrogate_line(const std::string& line, int c, int& internal_standards) {
    const std::vector<std::string> f = split_skip_empty(line, ';');
    LibraryCompound& lib = method_data.library[c];
    if (f.empty() || f[0] != "S") {
        lib.cmpndType = "analyte";
        return;
    }
    // Records stay compact: the k-th internal standard of the library is record k, and it
    // keeps its own library row.
    SurrogateRecord& record = method_data.surrogates[internal_standards++];
    record.name = lib.name;
    record.LibCmpndNum = c;
    record.rvw = lib.rvw;
    record.bp = lib.bp;
    auto digits = [&f](size_t field, const char* what, std::array<int, kGroups>& groups) {
        groups.fill(0);
        if (field >= f.size()) return;
        check_digits(f[field], field_name(field, what), '1');
        for (size_t g = 0; g < groups.size() && g < f[field].size(); ++g) groups[g] = f[field][g] - '0';
    };
    digits(1, "rvgr1-6", record.rvwgroup);
    digits(2, "bpg1-6", record.bpgroup);
    record.first_pass = f.size() > 3 ? flag_field(f[3], field_name(3, "First Pass")) : 0;
    record.checked_surrogate = f.size() > 4 ? flag_field(f[4], field_name(4, "Surrogate")) : 0;
    lib.is_internal_standard = 1;
    lib.cmpndType = "Internal Standard";
}

bool read_calibration_compounds(TextLineReader& in, int standards, int compounds,
                                int& internal_standards) {
    for (LibraryCompound& lib : method_data.library) lib.is_internal_standard = 0;
    for (SurrogateRecord& record : method_data.surrogates) reset_surrogate_record(record);
    internal_standards = 0;
    for (int c = 0; c < compounds; ++c) {
        std::string values, properties, groups;
        int written = 0;
        if (!in.next(values) || !read_calibration_values_line(values, c, standards, written)) return false;
        if (!in.next(properties) ||
            !read_calibration_library_line(properties, c, standards, library_line_columns(standards, written)))
            return false;
        if (!in.next(groups)) return false;
        read_calibration_surrogate_line(groups, c, internal_standards);
    }
    return true;
}

void read_calibration_trailer(TextLineReader& in) {
    auto next_trimmed = [&in]() {
        std::string line;
        if (!in.next(line)) return std::string();
        return trim(line);
    };
    // An empty line (or none, at the end of the file) gives the value's default.
    auto value = [&next_trimmed](const char* what, double empty) {
        const std::string text = next_trimmed();
        return text.empty() ? empty : number_field(text, what);
    };
    SurrogateRangeLimits& r = method_data.surrogate_range_limits;
    r.MinBP = value("MinBP", kNotSet);
    r.MaxBP = value("MaxBP", kNotSet);
    r.MinRVW = value("MinRVW", kNotSet);
    r.MaxRVW = value("MaxRVW", kNotSet);
    next_trimmed();  // "Surrogate Ranges" heading
    method_data.category_thresholds.vcs = value("linearVCS", 159.0);
    method_data.category_thresholds.n_pvcsLn = value("lnNPVCS", 100.0);
}

namespace {

// The calibration tables as a file starts them: what it does not fill holds no value of
// an earlier calibration (no data file, label, inclusion, result or area past its own).
void clear_calibration_tables() {
    reset_calibration_review();
    for (int k = 0; k < kMaxLevels; ++k) calibration_data.raw_data_sets[k].cal_amount.fill(kNotSet);
    calibration_data.standard_results_ini.fill(std::string());
    calibration_data.standard_data_files.fill(std::string());
}

// Each compound's name finds its row; a name in two rows is refused, naming both (three
// lines per compound, from the first values line).
bool names_are_unique(const std::string& path, int compounds, int first_values_line) {
    std::vector<std::string> names;
    for (int c = 0; c < compounds; ++c) names.push_back(method_data.library[c].name);
    const auto repeated = find_repeated_compound_name(names);
    if (!repeated) return true;
    const auto line_of = [first_values_line](int c) { return first_values_line + 3 * c; };
    show_message(repeated_compound_name_message("calibration", path, *repeated, line_of(repeated->first),
                                                line_of(repeated->second), "The calibration was not loaded."),
                 "Error");
    return false;
}

// The preamble, the compounds and the trailer into the tables; false after its message.
bool read_calibration_lines(const std::string& path, TextLineReader& in, int& n) {
    int k = 0;
    if (!read_calibration_preamble(in, n, k)) {
        show_error("03006");
        return false;
    }
    if (k < 0 || k > kMaxCompounds) {
        show_error("03001");
        return false;
    }
    method_data.compound_count = k;
    int internal_standards = 0;
    const int first_values_line = in.line_number() + 1;
    if (!read_calibration_compounds(in, n, k, internal_standards)) {
        show_error("03001");
        return false;
    }
    if (!names_are_unique(path, k, first_values_line)) return false;
    read_calibration_trailer(in);
    method_data.surrogate_count = internal_standards;
    return true;
}

// Reads the whole file into the tables; false after its numbered error message, or after
// naming the line of a number that is not finite.
bool read_calibration_file(const std::string& path, int& n) {
    TextLineReader in;
    if (!in.open(path)) {
        show_error("03005");
        return false;
    }
    clear_calibration_tables();
    try {
        return read_calibration_lines(path, in, n);
    } catch (const ConversionError& e) {
        show_message(refused_line_message("calibration", path, in.line_number(), e.what(),
                                          "The calibration was not loaded."),
                     "Error");
        return false;
    }
}

}  // namespace

bool load_calibration(const std::string& path, int& standards) {
    standards = 0;
    // A file that stops part-way leaves the calibration that was in memory whole.
    const auto before = take_calibration_snapshot();
    calibration_data.calibration_file_name = path;
    int n = 0;
    if (!read_calibration_file(path, n)) {
        restore_calibration_snapshot(*before);
        return false;
    }
    const int k = method_data.compound_count;
    calibration_data.standard_count = n;
    for (int c = 0; c < k; ++c)
        for (int p = n; p < kMaxLevels; ++p) calibration_data.level_included[c][p] = 0;
    save_level_inclusion(k);
    standards = n;
    return true;
}
