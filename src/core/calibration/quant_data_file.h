#pragma once
// The instrument's quantitated data file as the program reads it: a tab-separated text
// file with one row per compound, in one of two layouts chosen by its first line.
#include <string>
#include <vector>

enum class QuantLayout { Version, DataFile, Unknown };

struct QuantRow {
    std::string name;           // first field, trimmed
    double area = 0.0;          // first field after the name (0 when the row has none)
    std::string area_text;      // that field as written (for messages)
    double retention_time = 0.0;  // last numeric field when the row has two or more
};

struct QuantDataFile {
    QuantLayout layout = QuantLayout::Unknown;
    // "Version" layout: lines 2..5 by position (empty when the file is shorter).
    std::string injection_time, lab_file_id, client_sample_id, instrument_id;
    std::vector<QuantRow> rows;  // every row of the file, however many
    // A row whose area or retention time is not wholly a number ("1,234", "n/a", "1e999")
    // refuses the file: its line (from 1) and why, naming the field; 0 when every row was read.
    int refused_line = 0;
    std::string refused_why;
};

// The layout that a first line (already trimmed) announces: "Version" anywhere in it
// (case-sensitive), else exactly "DATA FILE" without regard to case.
QuantLayout quant_layout_of(const std::string& first_line);

// One compound row of a trimmed line: fields at runs of tabs. Throws ConversionError,
// naming the field, for an area or retention time that is not wholly a finite number.
QuantRow parse_quant_row(const std::string& line);

// Reads the lines of a data file (each trimmed) into its layout, header values and rows.
// The layout is Unknown when the first line announces neither layout; rows are then empty.
QuantDataFile parse_quant_lines(const std::vector<std::string>& lines);
