#pragma once
// The calibration file (".cal"): the variable mode, the files a calibration was built
// from, and per library compound its per-level results, labels, inclusion flags,
// reference area, library values and internal-standard groupings, then the range limits
// and two class thresholds. Loading it refills the library, internal-standard and
// calibration tables, so a loaded calibration needs neither the library nor the
// internal-standard file.
#include <optional>
#include <string>
#include <vector>

#include "calibration/level_label.h"  // Refusal
#include "methoddata/calibration_data.h"

class TextLineReader;

// The data files of a calibration go into one ";"-separated line: a path holding ";" or a
// line break would come back as other files. The refusal names the first such path.
std::optional<Refusal> data_file_path_refusal(const std::vector<std::string>& files);
// The library, internal-standard and reference file paths each fill a line of their own:
// a path holding a line break would end its line early and shift every line after it (the
// file then read as a calibration of no compounds). The refusal names the first such path.
std::optional<Refusal> path_line_refusal();
// Both refusals for a calibration of these data files: the path lines, then the data files.
std::optional<Refusal> calibration_path_refusal(const std::vector<std::string>& files);
// The same for the standards of a calibration (its standard_data_files): shows the
// refusal and answers true when there is one.
bool refuse_unlistable_data_files(const CalibrationData& cal);

// Level columns of the values and library lines for n standards: n, at least 5, and at
// least the highest level a standard's label names (level_names).
int calibration_level_columns(const CalibrationData& cal, int standards);

// Level columns of a library line as the reader takes them: the number of inclusion
// digits its values line held (written), else the older count for n standards.
int library_line_columns(int standards, int written);

// The file's whole text for a calibration and the library and internal standards in memory.
std::string calibration_file_text(const CalibrationData& cal);

// Writes the file (atomically) and copies the inclusion flags to level_included_saved.
// A file that cannot be written, or whose path lines or data file paths it could not read
// back, is reported here; nothing is written anywhere else and false comes back with the
// tables untouched.
bool write_calibration(const std::string& path);

// Reads the file into the tables; false after the numbered error message (03005 cannot
// open, 03006 preamble, 03001 compound blocks), or after naming the line and field of a
// value that cannot be what it is used for (a number, count or area that is not wholly
// one, a flag field holding other than digits); the calibration in memory then stays as
// it was. standards receives the count read.
bool load_calibration(const std::string& path, int& standards);

// The reader's steps. The preamble gives the number of standards and of compounds. A
// field that cannot be its value throws ConversionError naming the field.
bool read_calibration_preamble(TextLineReader& in, int& standards, int& compounds);
bool read_calibration_compounds(TextLineReader& in, int standards, int compounds,
                                int& internal_standards);
// The values line also gives the number of level columns written (its inclusion digits);
// the library line reads that many amounts, and every other amount of the row is 0 but a
// level a standard names past them, which takes that standard's amount (older files).
bool read_calibration_values_line(const std::string& line, int c, int standards, int& columns);
bool read_calibration_library_line(const std::string& line, int c, int standards, int columns);
void read_calibration_surrogate_line(const std::string& line, int c, int& internal_standards);
void read_calibration_trailer(TextLineReader& in);
