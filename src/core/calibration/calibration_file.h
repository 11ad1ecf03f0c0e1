#pragma once
// The calibration file (".cal"): the variable mode, the files a calibration was built
// from, and per library compound its per-level results, labels, inclusion flags,
// reference area, library values and internal-standard groupings, then the range limits
// and two class thresholds. Loading it refills the library, internal-standard and
// calibration tables, so a loaded calibration needs neither the library nor the
// internal-standard file.
#include <string>

class TextLineReader;

// Level columns of the values and library lines for n standards: 5 below 5 standards,
// and for a Save As in the format of libraries of "Version 4.0"; n otherwise.
int calibration_level_columns(int standards);

// The file's whole text for the tables in memory.
std::string calibration_file_text();

// Writes the file (atomically) and copies the inclusion flags to level_included_saved.
// A file that cannot be written is reported here; nothing is written anywhere else and
// false comes back with the tables untouched.
bool write_calibration(const std::string& path);

// Reads the file into the tables; false after the numbered error message (03005 cannot
// open, 03006 preamble, 03001 compound blocks). standards receives the count read.
bool load_calibration(const std::string& path, int& standards);

// The reader's steps. The preamble gives the number of standards and of compounds.
bool read_calibration_preamble(TextLineReader& in, int& standards, int& compounds);
bool read_calibration_compounds(TextLineReader& in, int standards, int compounds,
                                int& internal_standards);
bool read_calibration_values_line(const std::string& line, int c, int standards);
bool read_calibration_library_line(const std::string& line, int c, int standards);
void read_calibration_surrogate_line(const std::string& line, int c, int& internal_standards);
void read_calibration_trailer(TextLineReader& in);
