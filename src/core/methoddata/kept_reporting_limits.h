#pragma once
// Reporting-limit files as read, kept for the next sample that names the same file: the
// samples of a run (24 of them) mostly share one file, and each Sample Information Enter
// would otherwise read and parse it again. A kept reading serves only while the file is
// the one it was read from, unchanged on disk, and the library holds the names its rows
// were matched against; else the file is read again.
#include <string>
#include <utility>
#include <vector>

#include "methoddata/reporting_limit_file.h"
#include "platform/file_stamp.h"

// What a reporting-limit file gives before it goes into a slot: its header and, for each
// row, the library row it names and its limit.
struct ReportingLimitsReading {
    LmtHeader header;
    std::vector<std::pair<int, double>> limits;
};

// The reading kept from the file of this stamp, when its rows were matched against the
// names library_saved holds now; nullptr otherwise.
const ReportingLimitsReading* kept_reporting_limits(const FileStamp& stamp);

// Keeps a reading just made of the file of this stamp, with the library names in memory.
void keep_reporting_limits(const FileStamp& stamp, ReportingLimitsReading reading);
