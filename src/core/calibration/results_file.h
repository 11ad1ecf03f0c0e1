#pragma once
// Results files: the INI file that each instrument data file is converted into before
// anything else reads it (same base name, extension ".ini"), and its reader.
#include <string>
#include <vector>

#include "methoddata/records.h"

class IniFile;

// folder + separator + the data file's name cut before its last "." + ".ini".
// Does not touch the disk.
std::string results_ini_name(const std::string& data_path, const std::string& folder);

// Converts a data file into a results file. True when the results file was written;
// false (after a message) when the data file cannot be read, has neither layout (03004),
// does not list the library's compounds in library order (03010, 03009), holds an area
// the area field cannot hold, or the results file cannot be written. Nothing is written
// on a refusal, and a results file from an earlier conversion stays as it was.
// When `written` is given it takes the bytes of the results file as written, so the
// caller need not read back what was just written.
bool convert_quant_file(const std::string& data_path, const std::string& results_path,
                        std::string* written = nullptr);

// True (after the message) when the rows do NOT match `library` and `compound_count`:
// 03010 when the counts differ, else 03009 naming the first differing row.
bool check_library_names(int row_count, const std::vector<std::string>& row_names);

// Fills area, name and retention time of calibration_data.raw_data_sets[slot] from a results file.
// False after 03002 when [header] number_comps is missing, or after a message when the
// file lists more compounds than the library or an area the area field cannot hold; the
// slot is then left as it was. A missing or malformed number throws ConversionError.
bool read_results_ini(int slot, const std::string& results_path);

// Loads a results file; false after "Cannot open file <path>" when it exists but cannot be
// read (a folder, no permission). A missing file loads empty, for the callers' own messages.
bool load_results_ini(IniFile& ini, const std::string& results_path);

// The compounds 1..n of a loaded results file into a data set (n already checked
// against the table's size), and no area, name or retention time for the compounds after
// them. Shared with the sample reader of the processing run. False after a message when
// an area lies outside the area field's range. A malformed area or retention time throws
// ConversionError.
bool read_results_compounds(const IniFile& ini, const std::string& results_path, int n,
                            SampleRawData& target);

// An area the area field cannot hold, as a results file gives it.
struct AreaOutOfRange {
    std::string area_text;
    std::string compound;
};

// The reading of read_results_compounds without its message: compounds 1..n (at most
// kMaxCompounds) in file order. A malformed area or retention time throws ConversionError;
// at an area the area field cannot hold the reading stops and answers false, naming it in
// `refused`.
bool read_results_compound_list(const IniFile& ini, int n, ResultsCompounds& compounds, AreaOutOfRange& refused);

// The compounds into a data set as read_results_compounds puts them: area, name and
// retention time of each, none for the compounds after them; nothing else changes.
void put_results_compounds(const ResultsCompounds& compounds, SampleRawData& target);
