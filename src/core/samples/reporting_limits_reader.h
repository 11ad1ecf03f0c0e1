#pragma once
// The reader of reporting-limit files (".lmt"): five header lines, then one row
// "name;limit" per analyte. The Sample Information window reads a sample's file into its
// listed sample's reporting limits; the reporting-limit editor imports through it too.
#include <string>

#include "methoddata/reporting_limit_files.h"

// Reads the file into reporting_limit_files.lmt_header (texts without their line ends) and
// the reporting limits of listed sample `slot`: each row names a library compound (exact
// name, blanks around it trimmed) and its limit. Answers 1 when read; 0 after its message
// when the file cannot be opened (10002), a row has no limit field (10003), two rows name
// one compound (the message names both), the file lists no compound, or a value cannot be
// what it is used for (a limit or a sample size that is not wholly a number, a limit below
// 0, a sample size not above 0, a row without a name: each naming the file, the line and
// the field); N >= 2, the file's line number of the first row that names no library
// compound (the caller reports it). The slot then holds the file alone under the names of
// the library: row k carries library compound k's name and the limit the file gives it, 0
// when it gives none (an empty limit field too); entries past the library carry no name. A
// refused file changes neither the slot nor the header in memory. Blank lines are skipped.
// The file is read at every call: the analyst or another program may have changed it since
// the last one.
int read_reporting_limits_file(const std::string& path, int slot);
