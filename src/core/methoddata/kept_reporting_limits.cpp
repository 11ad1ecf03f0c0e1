#include "methoddata/kept_reporting_limits.h"

#include <map>

#include "methoddata/tables.h"

namespace {

struct KeptReading {
    FileStamp stamp;
    std::vector<std::string> library_names;  // rows in use, as matched
    ReportingLimitsReading reading;
};

// One reading per file (by its resolved path): the latest.
std::map<std::string, KeptReading>& kept_readings() {
    static std::map<std::string, KeptReading> kept;
    return kept;
}

std::vector<std::string> library_names() {
    std::vector<std::string> names;
    const int rows = library_rows_in_use();
    names.reserve(rows);
    for (int r = 0; r < rows; ++r) names.push_back(library_saved[r].name);
    return names;
}

bool library_holds(const std::vector<std::string>& names) {
    if (static_cast<int>(names.size()) != library_rows_in_use()) return false;
    for (size_t r = 0; r < names.size(); ++r)
        if (library_saved[r].name != names[r]) return false;
    return true;
}

}  // namespace

const ReportingLimitsReading* kept_reporting_limits(const FileStamp& stamp) {
    const auto found = kept_readings().find(stamp.resolved);
    if (found == kept_readings().end()) return nullptr;
    const KeptReading& kept = found->second;
    return kept.stamp == stamp && library_holds(kept.library_names) ? &kept.reading : nullptr;
}

void keep_reporting_limits(const FileStamp& stamp, ReportingLimitsReading reading) {
    kept_readings()[stamp.resolved] = KeptReading{stamp, library_names(), std::move(reading)};
}
