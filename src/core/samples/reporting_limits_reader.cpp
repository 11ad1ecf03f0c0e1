#include "samples/reporting_limits_reader.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "methoddata/compound_name.h"
#include "samples/process_files_data.h"
#include "methoddata/reporting_limit_files.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "platform/read_errors.h"
#include "platform/text_file.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

namespace {

constexpr int kHeaderLines = 5;
constexpr int kSizeLine = 4;
const std::string kLimitsKept = "The file was not used.";

// What a reporting-limit file gives before it goes into a slot: its header and, for each
// row, the library row it names and its limit.
struct ReportingLimitsReading {
    LmtHeader header;
    std::vector<std::pair<int, double>> limits;
};

// A value of the file that cannot be what it is used for: the line and why.
struct RefusedLine {
    int line;
    std::string why;
};

// Field i (from 0) of a line split at ";"; empty when the line has fewer fields.
std::string field(const std::string& line, size_t i) {
    std::vector<std::string> fields = split(line, ';');
    return i < fields.size() ? fields[i] : std::string();
}

// The sample size the file was made for, which Browse and Import put into the size box:
// it divides every concentration, so it is above 0. A line without a field gives none.
double header_size(const std::string& line) {
    if (trim(line).empty()) return kNotSet;
    const std::string text = field(line, 0);
    const NumberField size = read_number(text);
    const std::string what = "field 1 (the sample size) ";
    if (!size.ok) throw RefusedLine{kSizeLine, what + size.why};
    if (!(size.value > 0)) throw RefusedLine{kSizeLine, what + "'" + trim(text) + "' is not above 0"};
    return size.value;
}

LmtHeader read_header(TextLineReader& in, int& line_number) {
    std::string lines[kHeaderLines];
    // A short file leaves the missing header lines empty.
    for (std::string& line : lines) {
        in.next(line);
        ++line_number;
    }
    LmtHeader header;
    header.creation_date = field(lines[0], 1);
    header.internal_standard_file = field(lines[2], 1);
    header.size = header_size(lines[kSizeLine - 1]);
    header.matrix = field(lines[3], 1);
    header.unit = field(lines[3], 2);
    header.comment = field(lines[4], 1);
    return header;
}

// The limit of a row: 0 or more. An empty field gives no limit (0), as an empty cell of
// the editor does; a limit below 0 can only be a typing fault, and would put every result
// of the compound above it.
double row_limit(const std::string& row, const std::string& name, int line) {
    const std::string text = field(row, 1);
    if (trim(text).empty()) return 0.0;
    const NumberField limit = read_number(text);
    const std::string what = "field 2 (the limit of " + name + ") ";
    if (!limit.ok) throw RefusedLine{line, what + limit.why};
    if (limit.value < 0) throw RefusedLine{line, what + "'" + trim(text) + "' is below 0"};
    return limit.value == 0 ? 0.0 : limit.value;  // "-0" is no limit, not a negative one
}

// The slot as the file just read leaves it before its rows: every library row under its
// own name with no limit, every entry past the library under no name. A name kept from an
// earlier library would still be found by the limit lookup and give its old limit.
ReportingLimitSlot slot_without_limits(const ReportingLimitSlot& slot) {
    ReportingLimitSlot limits = slot;
    const int rows = library_rows_in_use();
    for (int r = 0; r < kMaxCompounds; ++r) {
        limits[r].name = r < rows ? method_data.library_saved[r].name : kDummyName;
        limits[r].limit = 0.0;
    }
    return limits;
}

// The rows of the file into `reading`, matched against the library in memory; the answer
// as read_reporting_limits_file gives it.
int read_limits_lines(const std::string& path, TextLineReader& in, ReportingLimitsReading& reading) {
    int line_number = 0;
    reading.header = read_header(in, line_number);
    std::string line;
    // For each library row, the row of the file (from 0) that named it, and its line: a
    // second limit of one compound would silently replace the first. Rows name library
    // rows by exact name, so one name always finds one library row.
    std::vector<std::pair<int, int>> named_by(kMaxCompounds, {-1, 0});
    int rows = 0;
    while (in.next(line)) {
        ++line_number;
        const std::string row = trim(line);
        // A blank line (a final line end too many) names no compound and is no row.
        if (row.empty()) continue;
        const size_t semicolon = row.find(';');
        // The editor writes a name as the library holds it; blanks typed around it are no part of it.
        const std::string name = trim(row.substr(0, semicolon));
        if (name.empty()) throw RefusedLine{line_number, "the row names no compound"};
        const int k = find_library_compound(name);
        if (k == kNotFound) return line_number;
        if (semicolon == std::string::npos) {
            show_message("Quantilyezr: 10003", "Error");
            return 0;
        }
        if (named_by[k].first >= 0) {
            show_message(repeated_compound_name_message("reporting-limit", path,
                                                        RepeatedName{name, named_by[k].first, rows},
                                                        named_by[k].second, line_number, kLimitsKept),
                         "Error");
            return 0;
        }
        named_by[k] = {rows++, line_number};
        reading.limits.emplace_back(k, row_limit(row, name, line_number));
    }
    // A file without a row (an empty one too) would silently take every limit away.
    if (rows == 0) {
        show_message("The reporting-limit file " + path + " lists no compound.\n" + kLimitsKept, "Error");
        return 0;
    }
    return 1;
}

int read_limits_file(const std::string& path, ReportingLimitsReading& reading) {
    TextLineReader in;
    if (!in.open(path)) {
        show_message("Quantilyzer: 10002", "Error");
        return 0;
    }
    try {
        return read_limits_lines(path, in, reading);
    } catch (const RefusedLine& refused) {
        show_message(refused_line_message("reporting-limit", path, refused.line, refused.why, kLimitsKept),
                     "Error");
        return 0;
    }
}

// The slot and the header take a whole reading: a compound the file does not list has no
// limit, whatever an earlier file gave it.
void take_reading(const ReportingLimitsReading& reading, int slot) {
    ReportingLimitSlot limits =
        slot_without_limits(process_files_data.samples[slot].reporting_limits);
    for (const auto& [row, limit] : reading.limits) limits[row].limit = limit;
    process_files_data.samples[slot].reporting_limits = limits;
    reporting_limit_files.lmt_header = reading.header;
}

}  // namespace

int read_reporting_limits_file(const std::string& path, int slot) {
    if (slot < 0 || slot >= kSampleSlots) throw std::out_of_range("reporting-limit slot");
    // A file refused part-way leaves the slot and the header as they were.
    ReportingLimitsReading reading;
    const int answer = read_limits_file(path, reading);
    if (answer != 1) return answer;
    take_reading(reading, slot);
    return 1;
}
