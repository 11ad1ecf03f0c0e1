#pragma once
// The mismatch report of an internal-standard file that is out of step with the
// library: a text file "mismatchfile.TXT" in the temp folder and a printout on the
// current printer. Each internal-standard row of the library is set beside the record
// that should stand for it (record k beside the k-th internal standard), so that the
// analyst sees where names or order differ; analyte rows stand alone, and records the
// library has no internal standard for follow the last library row.
#include <string>
#include <vector>

#include "methoddata/tables.h"

class Canvas;

struct MismatchRow {
    int number = 0;                           // 1-based line number (library row r + 1)
    const SurrogateRecord* record = nullptr;  // the record set beside the row, if any
    bool has_library_row = true;              // false for a record left over after the library
    std::string library_name;
    bool matches() const { return record && has_library_row && record->name == library_name; }
};

std::vector<MismatchRow> mismatch_rows(const LibraryTable& library,
                                       const SurrogateTable& surrogates);

// The report file's text.
std::string mismatch_report_text(const std::vector<MismatchRow>& rows);

// Where the report file goes.
std::string mismatch_report_path();

// The printout on one print job: landscape, Arial 8, a page header on every page.
void print_mismatch_report(Canvas& canvas, const std::vector<MismatchRow>& rows);

// Writes the file (when the temp folder cannot take it, that is reported and the printout
// still runs) and prints it on the current printer.
void write_mismatch_report(const LibraryTable& library, const SurrogateTable& surrogates);
