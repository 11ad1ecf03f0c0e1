#include "methoddata/surrogate_file.h"

#include <algorithm>
#include <cmath>

#include "methoddata/group_ranges.h"
#include "methoddata/surrogate_groupings.h"
#include "methoddata/surrogate_library_row.h"
#include "methoddata/surrogate_range_limits.h"
#include "platform/errors.h"
#include "platform/print_notices.h"
#include "platform/ui_services.h"

namespace {

const char* const kHeader = "header";
const char* const kLimits = "Limits";
const char* const kCheckLimits = "CheckSurrLimits";
constexpr double kDefaultVcs = 159.0;
constexpr double kDefaultNpvcsLn = 100.0;
constexpr double kDefaultSvc = 158.0;

std::string record_section(int k) { return "compound" + std::to_string(k + 1); }
std::string group_key(const char* kind, int j) { return kind + std::to_string(j + 1); }

void write_group_flags(IniFile& file, const std::string& section, const SurrogateRecord& r) {
    for (int j = 0; j < kGroups; ++j)
        file.set_int(section, group_key("rvwgroup", j), r.rvwgroup[j]);
    for (int j = 0; j < kGroups; ++j) file.set_int(section, group_key("bpgroup", j), r.bpgroup[j]);
    file.set_int(section, "first_pass", r.first_pass);
    file.set_int(section, "checked_surrogate", r.checked_surrogate);
}

void write_record(IniFile& file, const std::string& section, const SurrogateRecord& r) {
    file.set_string(section, "name", r.name);
    file.set_int(section, "LibCmpndNum", r.LibCmpndNum);
    for (int j = 0; j < kGroups; ++j) file.set_int(section, group_key("bpgroup", j), r.bpgroup[j]);
    for (int j = 0; j < kGroups; ++j)
        file.set_int(section, group_key("rvwgroup", j), r.rvwgroup[j]);
    file.set_int(section, "first_pass", r.first_pass);
    file.set_int(section, "checked_surrogate", r.checked_surrogate);
}

// The record's bp and rvw come from the library row of its name, in the library the editor
// and the sync take them from too (at a file read it is the library as loaded or saved). The
// stored row number may be stale after the library was edited; a name the library does not
// know at all keeps the stored row until the library sync asks whether it was renamed.
void take_library_properties(SurrogateRecord& record, int number) {
    const LibraryTable& library = method_data.library;
    int row = number - 1;
    if (library[row].name != record.name) {
        const int named = find_library_row_by_name(record.name, library);
        if (named >= 0) row = named;
    }
    take_library_row(record, row, library);
}

// A flag key as read; a value other than 1 (member) or 0 is refused with its key: the
// editor's boxes show only these two, and the calibration file writes each group flag as
// one digit, so -1 or 10 would come back as other groups.
int read_flag(const IniFile& file, const std::string& section, const std::string& key, int& errors,
              std::string& refused_key) {
    const int value = file.get_int(section, key, kMissingInt);
    if (value == kMissingInt) {
        ++errors;
    } else if (value != 0 && value != 1) {
        ++errors;
        if (refused_key.empty()) refused_key = key + "=" + std::to_string(value);
    }
    return value;
}

// Reads one record; answers its number of errors. refused_key names the first flag key
// whose value is neither 1 nor 0.
int read_record(const IniFile& file, int i, SurrogateRecord& record, std::string& refused_key) {
    const std::string section = record_section(i);
    int errors = 0;
    record.name = file.get_string(section, "name", kUnconfigured);
    if (record.name == kUnconfigured) ++errors;
    const int number = file.get_int(section, "LibCmpndNum", kMissingInt);
    if (number == kMissingInt || number < 1 || number > std::min(method_data.compound_count, kMaxCompounds))
        ++errors;
    else
        take_library_properties(record, number);
    for (int j = 0; j < kGroups && errors == 0; ++j) {
        record.rvwgroup[j] = read_flag(file, section, group_key("rvwgroup", j), errors, refused_key);
        record.bpgroup[j] = read_flag(file, section, group_key("bpgroup", j), errors, refused_key);
    }
    record.first_pass = read_flag(file, section, "first_pass", errors, refused_key);
    record.checked_surrogate = read_flag(file, section, "checked_surrogate", errors, refused_key);
    return errors;
}

// A default limit from a group range; not set when the group has no members to measure.
double range_limit(const GroupRanges& ranges, int g, double GroupFit::*field, bool ln_scale) {
    const double v = group_range_value(ranges, g, field);
    return ln_scale && !is_not_set(v) ? std::exp(v) : v;
}

double limit_or(const IniFile& file, const char* key, double fallback) {
    const double v = file.get_double(kLimits, key, kMissingLimit);
    return v == kMissingLimit ? fallback : v;
}

void write_limit(IniFile& file, const char* key, double value) {
    if (!is_not_set(value)) file.set_double(kLimits, key, value);
}

}  // namespace

bool save_surrogate_ini(const IniFile& file) {
    std::string error;
    if (file.save(&error)) {
        announce_file_written(file.path());
        return true;
    }
    show_message("The internal standard file " + file.path() + " could not be written:\n" + error,
                 "Error");
    return false;
}

int create_surrogate_file(const std::string& path, const LibraryTable& library) {
    IniFile file;
    file.set_path(path);
    int k = 0;
    for (int r = 0; r < std::min(method_data.compound_count, kMaxCompounds); ++r) {
        if (!library[r].is_internal_standard) continue;
        SurrogateRecord record = SurrogateRecord_init();
        record.name = library[r].name;
        record.LibCmpndNum = r + 1;
        write_record(file, record_section(k++), record);
    }
    file.set_int(kHeader, "number_comps", k);
    save_surrogate_ini(file);
    return 0;
}

bool check_compound_file(const std::string& path, int& count) {
    count = 1;
    IniFile file;
    if (!file.load(path)) return false;
    count = file.get_int("Header", "number_comps", 0);
    if (count <= 0) {  // a negative count holds no records either
        count = 0;
        return false;
    }
    return true;
}

int read_surrogate_file(int count, const IniFile& file, SurrogateTable& surrogates) {
    int errors = 0;
    const int n = std::min(count, kMaxSurrogates);
    for (int i = 0; i < n && errors == 0; ++i) {
        std::string refused_key;
        errors += read_record(file, i, surrogates[i], refused_key);
        if (errors == 0) continue;
        std::string text = "Quantilyzer: 22006 | record " + std::to_string(i + 1);
        if (!refused_key.empty()) text += " | " + refused_key + " (1 or 0 allowed)";
        show_message(text, "Error");
    }
    return errors;
}

namespace {

bool read_whole_surrogate_file(const std::string& path) {
    IniFile file;
    file.load(path);
    if (read_surrogate_file(method_data.surrogate_count, file, method_data.surrogates) != 0) return false;
    try {
        read_surrogate_limits(file);
    } catch (const CommandAborted&) {
        return false;  // an rvw not above 0 or an oversized grouping, already reported
    }
    read_check_surrogate_limits(file);
    return true;
}

}  // namespace

bool load_internal_standard_file(const std::string& path, int count) {
    // Checked before anything is reset: a file the tables cannot hold leaves the records
    // already loaded in place.
    if (count > kMaxSurrogates) {
        show_message("The internal standard file " + path + " lists " + std::to_string(count) +
                         " compounds; at most " + std::to_string(kMaxSurrogates) + " can be loaded.",
                     "Error");
        return false;
    }
    // A file refused half-way puts the method data back whole: a failed load changes nothing.
    const MethodData before = method_data;
    for (SurrogateRecord& record : method_data.surrogates) reset_surrogate_record(record);
    method_data.surrogate_count = count;
    method_data.surrogate_file_path = path;
    if (read_whole_surrogate_file(path)) return true;
    method_data = before;
    return false;
}

void read_surrogate_limits(const IniFile& file) {
    SurrogateRangeLimits& limits = method_data.surrogate_range_limits;
    if (test_surrogate_groupings().any() && !file.has_section(kLimits)) {
        limits = SurrogateRangeLimits{};  // all four not set
        method_data.surrogate_limits_invalid = 1;
        limits_measured_on_records();
        return;
    }
    GroupRanges bp{};
    GroupRanges rv{};
    const int last_bp = compute_bp_group_ranges(method_data.surrogates, method_data.library, bp);
    const int last_rv = compute_rv_group_ranges(method_data.surrogates, method_data.library, rv);
    limits.MinBP = limit_or(file, "MinBP", range_limit(bp, 1, &GroupFit::min_x, false));
    limits.MaxBP = limit_or(file, "MaxBP", range_limit(bp, last_bp, &GroupFit::range_high, false));
    limits.MinRVW = limit_or(file, "MinRVW", range_limit(rv, 1, &GroupFit::min_x, true));
    limits.MaxRVW = limit_or(file, "MaxRVW", range_limit(rv, last_rv, &GroupFit::range_high, true));
    limits_measured_on_records();
}

void read_check_surrogate_limits(const IniFile& file) {
    CategoryThresholds& t = method_data.category_thresholds;
    if (!file.has_section(kCheckLimits)) {
        t.vcs = kDefaultVcs;
        t.n_pvcsLn = kDefaultNpvcsLn;
        t.svc = kDefaultSvc;
        return;
    }
    const double vcs = file.get_double(kCheckLimits, "LinearVCS", kMissingLimit);
    const double npvcs_ln = file.get_double(kCheckLimits, "LnNPVCS", kMissingLimit);
    t.vcs = vcs == kMissingLimit ? kDefaultVcs : vcs;
    t.n_pvcsLn = npvcs_ln == kMissingLimit ? kDefaultNpvcsLn : npvcs_ln;
}

int write_surrogate_file(int count, IniFile& file, const SurrogateTable& surrogates) {
    fill_surrogate_file(count, file, surrogates);
    save_surrogate_ini(file);
    return 0;
}

void fill_surrogate_file(int count, IniFile& file, const SurrogateTable& surrogates) {
    const int n = std::clamp(count, 0, kMaxSurrogates);
    for (int i = 0; i < kMaxSurrogates; ++i) {
        const std::string section = record_section(i);
        if (i < n)
            write_record(file, section, surrogates[i]);
        else if (file.has_section(section))
            file.erase_section(section);
        else
            break;  // records after a gap are not this file's
    }
    file.set_int(kHeader, "number_comps", n);
    if (test_surrogate_groupings().any())
        show_message("Any limits will not be saved.", "Invalid SInternal Standards");
    else
        write_surrogate_limits(file);
}

void write_surrogate_limits(IniFile& file) {
    const SurrogateRangeLimits& limits = method_data.surrogate_range_limits;
    write_limit(file, "MinBP", limits.MinBP);
    write_limit(file, "MaxBP", limits.MaxBP);
    write_limit(file, "MinRVW", limits.MinRVW);
    write_limit(file, "MaxRVW", limits.MaxRVW);
}

void write_surrogate_check_limits(IniFile& file) {
    file.set_double(kCheckLimits, "LinearVCS", method_data.category_thresholds.vcs);
    file.set_double(kCheckLimits, "LnNPVCS", method_data.category_thresholds.n_pvcsLn);
}

void apply_surrogate_form_state(int k, const SurrogateFormState& state,
                                SurrogateTable& surrogates) {
    SurrogateRecord& r = surrogates[k];
    for (int j = 0; j < kGroups; ++j) {
        r.rvwgroup[j] = state.rvw_group[j] ? 1 : 0;
        r.bpgroup[j] = state.bp_group[j] ? 1 : 0;
    }
    r.first_pass = state.first_pass_yes ? 1 : 0;
    r.checked_surrogate = state.checked_yes ? 1 : 0;
}

int save_surrogate_record_flags(int k, IniFile& file, const SurrogateTable& surrogates) {
    write_group_flags(file, record_section(k), surrogates[k]);
    save_surrogate_ini(file);
    return 0;
}
