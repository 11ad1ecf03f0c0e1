#pragma once
// Reporting-limit files (*.lmt): for one kind of sample, the reporting limit of every
// library analyte, under a header naming the creation date, the library text file, the
// internal-standard file, the sample size, matrix and reporting unit, and a comment.
//
//   Creation Date;mm/dd/yyyy hh:nn
//   Compound Library File:<library text file, upper-cased>
//   Internal Standard File;<internal-standard file>
//   <size>;<matrix>;<unit>              size and limits with two decimals
//   Other;<comment>
//   <analyte name>;<limit>              one row per analyte in library order
//
// The last row has no line end (a library without analytes ends after the comment).
// The editor writes these files and the Sample Information window reads them; both
// sides share the pieces below.
#include <array>
#include <string>

#include "methoddata/tables.h"

using ReportingLimitSlot = std::array<ReportingLimit, kMaxCompounds>;

// The header of a reporting-limit file: as read (reporting_limit_files.h keeps the one
// read last), or, for the writer, the header to write.
struct LmtHeader {
    double size = kNotSet;  // kNotSet when line 4 has no field
    std::string matrix;
    std::string unit;
    std::string internal_standard_file;
    std::string creation_date;
    std::string comment;

    bool operator==(const LmtHeader&) const = default;
};
constexpr int kReportingUnitCount = 6;
// "ng/mL", "ng/l", "ng/M3", "ng/g", "ng/kg", "µg/l" (UTF-8; older files hold the micro
// sign as the Latin-1 byte 0xB5, which the text reader turns into the same text).
extern const std::array<std::string, kReportingUnitCount> reporting_units;
// Index of a unit text compared exactly; -1 when it is none of the six.
int reporting_unit_index(const std::string& unit);

extern const std::string lmt_file_filter;      // "Reporting limit files (*.lmt)|*.lmt"
extern const std::string lmt_no_matrix_text;   // "No MATRIX Given"

// The default folder of reporting-limit files: "5847dir/Mdl" under the data root.
std::string lmt_default_folder();

// The first row 0..compound_count-1 of library_saved whose name equals name exactly
// (case-sensitive); kNotFound when none does.
int find_library_compound(const std::string& name);

// The file text: the header's creation date, internal-standard file, size, matrix, unit and
// comment, the library text file path (upper-cased here), then one row per library_saved row
// 0..compound_count-1 whose slot entry is not an internal standard: its library name and
// the slot entry's limit.
std::string lmt_file_text(const LmtHeader& header, const std::string& library_file,
                          const ReportingLimitSlot& slot);

// A text that would hold a ";" in the file (the internal-standard file, matrix, comment or an
// analyte's name): the reader splits at every ";", so the file would read back wrong (a
// matrix "a;b" would make "b" the unit). The message naming it; empty when there is none.
std::string lmt_separator_fault(const LmtHeader& header, const ReportingLimitSlot& slot);

// Writes lmt_file_text to path (whole or not at all). A text that holds a ";", and a
// name lmt_row_name_fault refuses, is refused with its message; a file that cannot be written shows "Quantilyzer: 07003"; both have
// the caption "Write File Error" and answer false, and nothing is written.
bool write_lmt_file(const std::string& path, const LmtHeader& header, const std::string& library_file,
                    const ReportingLimitSlot& slot);

// A compound name of the library that a row of the file would not give back (blanks
// around it: the reader trims a row, so "Benzene " would name no compound of the library):
// the message naming it; empty when every analyte's name reads back.
std::string lmt_row_name_fault(const ReportingLimitSlot& slot);

// A sample size as the size boxes (the editor's and Sample Information's) show it: the
// shortest fixed-point text that reads back as the size, which the boxes' own check (digits
// and one full stop) accepts again ("100000000000000000000", never "1e+20").
std::string sample_size_text(double size);
