#pragma once
// The compound library text file: a header line with the variable mode, the labels and
// a version text, then one tab-separated line per compound.
#include <string>

#include "methoddata/tables.h"

// Reads the file into `library`; on success sets compound_count and library_ini_path.
// On any failure the message is shown and `library`, the variable mode, its labels and
// the version text keep what they held. A file none of whose lines is a compound row
// (an INI file, a text without tabs) or whose header is missing is refused.
bool read_library_text_file(const std::string& path);

// Parses the header line; sets the variable mode, labels and library_version.
bool parse_library_header(const std::string& line);

int count_header_separators(const std::string& line);

// A field as a number, read whole (blanks and control characters around it trimmed). A field
// that is not wholly a number ("50,5", "1.2.3", "n/a", a field of blanks) throws
// ConversionError saying why, after `what` (the field's name in the message): read by its
// leading digits it would put another value into the library.
double library_text_number(const std::string& field, const std::string& what);

// The Save As dialog and the writer; true when the file was written. When nothing was
// written (dialog or overwrite question cancelled, file not writable)
// editor_state.save_as_cancelled is 1.
// Outside create mode the written rows are copied into library_saved. The file written is
// put into `written` when given.
bool write_library_text_file(int count, const LibraryTable& table, std::string* written = nullptr);

// The library in use is `file`: the name Edit Library reads again (folder slot 10) and
// library_ini_path, its name with ".ini", which calibration and results files record.
void use_library_file(const std::string& file);

// The text the writer puts into the file: the header for the current variable mode and
// library_version, then the first `count` rows of the table.
std::string format_library_text(int count, const LibraryTable& table);
