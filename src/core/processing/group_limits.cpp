#include "processing/group_limits.h"

#include <algorithm>
#include <cmath>

#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/print_notices.h"
#include "platform/read_errors.h"
#include "platform/text_file.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

int group_limit_slot(GroupLine kind, int g) { return kind == GroupLine::BP ? g : g + kRvLimitOffset; }

void set_default_group_limits() {
    for (int g = 1; g <= kGroups; ++g) {
        calc_limits_data.group_limits[group_limit_slot(GroupLine::BP, g)] = GroupLimits{};
        calc_limits_data.group_limits[group_limit_slot(GroupLine::RV, g)] = GroupLimits{};
    }
}

namespace {

// The five fields of one group in file and entry order.
std::array<double*, 5> fields_of(GroupLimits& l) {
    return {&l.slope_lower, &l.intercept_lower, &l.diff_upper, &l.slope_upper, &l.intercept_upper};
}

// The group_limits slot of the i-th group in file order (0..5 BP, 6..11 RV).
GroupLimits& limits_in_file_order(int i) {
    GroupLine kind = i < kGroups ? GroupLine::BP : GroupLine::RV;
    return calc_limits_data.group_limits[group_limit_slot(kind, i % kGroups + 1)];
}

}  // namespace

std::string group_limits_group_name(int group) {
    return std::string(group < kGroups ? "BP" : "RV") + " group " + std::to_string(group % kGroups + 1);
}

const std::string& group_limit_entry_name(int entry) {
    static const std::array<std::string, kGroupLimitEntries> names = {
        "Slope Lower Limit", "Intercept Lower Limit", "Diff at upper", "Slope Upper Limit", "Intercept Upper Limit"};
    return names.at(entry);
}

std::vector<GroupLimitFault> group_limit_faults(const std::array<std::optional<double>, kGroupLimitEntries>& v,
                                                const EntryRanges& r) {
    std::vector<GroupLimitFault> faults;
    auto refuse = [&](std::initializer_list<int> entries, const std::string& why) {
        GroupLimitFault f;
        for (int e : entries) f.entries[e] = true;
        f.why = why;
        faults.push_back(f);
    };
    auto name = [](int e) { return group_limit_entry_name(e); };
    auto range = [&](int e, float min, float max) {
        if (v[e] && (*v[e] < min || *v[e] > max))
            refuse({e}, name(e) + " " + format_general(*v[e]) + " is outside " + format_general(min) + " .. " +
                            format_general(max));
    };
    range(kSlopeLowerEntry, r.slope_min, r.slope_max);
    range(kInterceptLowerEntry, r.intercept_min, r.intercept_max);
    range(kDiffEntry, r.diff_min, r.diff_max);
    if (v[kDiffEntry] && *v[kDiffEntry] == 0.0) refuse({kDiffEntry}, name(kDiffEntry) + " is 0: it must be above 0");
    range(kSlopeUpperEntry, r.slope_min, r.slope_max);
    range(kInterceptUpperEntry, r.intercept_min, r.intercept_max);
    auto band = [&](int lower, int upper) {
        if (!v[lower] || !v[upper]) return;
        if (*v[lower] == *v[upper])
            refuse({lower, upper}, name(lower) + " and " + name(upper) + " are both " + format_general(*v[lower]) +
                                       ": no line could pass");
        else if (*v[lower] > *v[upper])
            refuse({lower, upper}, name(lower) + " " + format_general(*v[lower]) + " is above " + name(upper) + " " +
                                       format_general(*v[upper]));
    };
    band(kSlopeLowerEntry, kSlopeUpperEntry);
    band(kInterceptLowerEntry, kInterceptUpperEntry);
    return faults;
}

std::array<double, kGroupLimitValues> group_limit_values() {
    std::array<double, kGroupLimitValues> values{};
    for (int i = 0; i < 2 * kGroups; ++i) {
        auto fields = fields_of(limits_in_file_order(i));
        for (int f = 0; f < 5; ++f) values[i * 5 + f] = *fields[f];
    }
    return values;
}

void set_group_limit_values(const std::array<double, kGroupLimitValues>& values) {
    for (int i = 0; i < 2 * kGroups; ++i) {
        auto fields = fields_of(limits_in_file_order(i));
        for (int f = 0; f < 5; ++f) *fields[f] = values[i * 5 + f];
    }
}

std::string group_limits_file_text() {
    std::string text = kGroupLimitsFileHeader + "\n";
    for (double v : group_limit_values()) text += exact_fixed(v, 4) + "\n";
    return text;
}

LimitsLoad load_group_limits(const std::string& path) {
    TextLineReader reader;
    if (!reader.open(path)) {
        ui().message("Can't perform one of the following file operations: Open, Seek, Read, Close\n" + path,
                     "FileError", Buttons::OkCancel, Icon::Error);
        return LimitsLoad::NotOpened;
    }
    const std::string kept = "The limits in force were kept.";
    std::string line;
    if (!reader.next(line) || trim(line) != kGroupLimitsFileHeader) {
        // Read as junk, another file would put its numbers into the limits of the run.
        ui().message("The file " + path + " is not a limits file: its first line is not \"" +
                         kGroupLimitsFileHeader + "\".\n" + kept,
                     "FileError", Buttons::Ok, Icon::Error);
        return LimitsLoad::OtherFile;
    }
    // Every value line must hold its number: a line read as 0 makes limits 0..0 and a
    // difference of 0, which flag every line of every sample.
    auto refuse = [&](int line_number, const std::string& why) {
        ui().message(refused_line_message("limits", path, line_number, why, kept), "FileError", Buttons::Ok,
                     Icon::Error);
        return LimitsLoad::BadValue;
    };
    std::array<double, kGroupLimitValues> values{};
    for (int i = 0; i < kGroupLimitValues; ++i) {
        if (!reader.next(line))
            return refuse(i + 2, "the file ends here, before its " + std::to_string(kGroupLimitValues) + " limits");
        const NumberField field = read_number(line);
        if (!field.ok) return refuse(i + 2, field.why);
        values[i] = field.value;
    }
    // The values Apply would refuse are refused here too: a file holds limits as typed.
    for (int g = 0; g < 2 * kGroups; ++g) {
        std::array<std::optional<double>, kGroupLimitEntries> group;
        for (int e = 0; e < kGroupLimitEntries; ++e) group[e] = values[g * kGroupLimitEntries + e];
        const std::vector<GroupLimitFault> faults = group_limit_faults(group, calc_limits_data.entry_ranges);
        if (faults.empty()) continue;
        const GroupLimitFault& first = faults.front();
        const int entry = static_cast<int>(std::find(first.entries.begin(), first.entries.end(), true) -
                                           first.entries.begin());
        return refuse(2 + g * kGroupLimitEntries + entry, group_limits_group_name(g) + ", " + first.why);
    }
    set_group_limit_values(values);
    return LimitsLoad::Loaded;
}

bool save_group_limits(const std::string& path) {
    std::string error;
    if (write_file_atomically(path, group_limits_file_text(), &error)) {
        announce_file_written(path);
        return true;
    }
    ui().message("The limits file " + path + " could not be written.\n" + error, "FileError",
                 Buttons::Ok, Icon::Error);
    return false;
}

void init_group_limits(const std::string& program_folder) {
    calc_limits_data.entry_ranges = EntryRanges{};
    // Built-in limits first, so that a start-up file that cannot be read or is another
    // file leaves sound limits rather than none.
    set_default_group_limits();
    const std::string path = join_path(program_folder, kDefaultLimitsFileName);
    if (file_exists(path)) load_group_limits(path);
    calc_limits_data.group_limits_on = 0;
}

u8 toggle_group_limits() {
    calc_limits_data.group_limits_on = calc_limits_data.group_limits_on == 1 ? 0 : 1;
    return calc_limits_data.group_limits_on;
}

namespace {

// A line's value at x, held in single precision as the comparison uses it.
float line_at(const GroupFit& line, double x) {
    return static_cast<float>(line.slope * x + line.intercept);
}

// The signed relative difference p1 to p2 beyond the limit. With a negative p1 the
// quotient is negative, so it fails only against a negative limit.
bool differs_beyond(float p1, float p2, double limit) {
    if (p1 == 0.0f) return false;
    float d = p1 - p2;
    return std::sqrt(static_cast<double>(d) * d) / p1 > limit;
}

}  // namespace

void check_group_limits(ModelFitSlots& fits, const std::array<GroupFit, kFitSlots>& lines,
                        GroupLine kind) {
    const bool bp = kind == GroupLine::BP;
    auto flags = [&](int g) -> std::array<u8*, 3> {
        ModelFit& f = fits[g];
        if (bp) return {&f.bp_slope_flag, &f.bp_intercept_flag, &f.bp_continuity_flag};
        return {&f.rv_slope_flag, &f.rv_intercept_flag, &f.rv_continuity_flag};
    };
    for (int g = 1; g <= kGroups; ++g)
        for (u8* flag : flags(g)) *flag = 0;

    for (int g = 1; g <= kGroups; ++g) {
        const GroupLimits& lim = calc_limits_data.group_limits[group_limit_slot(kind, g)];
        const GroupFit& line = lines[g];
        auto [slope_flag, intercept_flag, continuity_flag] = flags(g);
        *slope_flag = line.slope > lim.slope_upper || line.slope < lim.slope_lower;
        *intercept_flag = line.intercept > lim.intercept_upper || line.intercept < lim.intercept_lower;
        if (g == kGroups) continue;  // group 6 is flagged only by group 5's test

        bool failed = false;
        const GroupFit& next = lines[g + 1];
        if (next.slope != 0.0 && next.intercept != 0.0)
            failed |= differs_beyond(line_at(line, line.max_x), line_at(next, line.max_x), lim.diff_upper);
        if (g >= 2) {
            const GroupFit& previous = lines[g - 1];
            failed |= differs_beyond(line_at(line, line.min_x), line_at(previous, line.min_x),
                                     lim.diff_upper);
        }
        if (failed) {
            *continuity_flag = 1;
            *flags(g + 1)[2] = 1;
        }
    }
}
