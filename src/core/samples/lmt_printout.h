#pragma once
// The printed limit list of the reporting-limit editor: a header with the editor's entries,
// then the analytes with their library row numbers and limits in two columns per page,
// portrait, Arial 8.
#include <string>

#include "methoddata/reporting_limit_file.h"

class Canvas;

// What the header shows: the editor's boxes as they stand.
struct LmtPrintFields {
    std::string imported_file;  // the file last saved or imported ("" for none)
    std::string library_file;   // upper-cased on the page
    std::string internal_standard_file;  // upper-cased on the page
    std::string size_text;      // validated here: digits and at most one "."
    std::string matrix;
    std::string comment;
    std::string unit;
};

// The page header from the top of the current page. A sample size that is not a number shows
// its message (once per printout, when show_size_messages) and ends the header after the
// internal-standard file line. Answers the y of the header's last line.
int print_limits_header(Canvas& canvas, const LmtPrintFields& fields, bool show_size_messages);

// The whole print job: one page in the usual case; the rows that the two columns of a page
// cannot hold continue on a further page under the same header.
void print_limits(Canvas& canvas, const LmtPrintFields& fields, const ReportingLimitSlot& slot);
