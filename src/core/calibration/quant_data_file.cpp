#include "calibration/quant_data_file.h"

#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/text_util.h"

QuantLayout quant_layout_of(const std::string& first_line) {
    if (contains(first_line, "Version")) return QuantLayout::Version;
    if (to_upper(first_line) == "DATA FILE") return QuantLayout::DataFile;
    return QuantLayout::Unknown;
}

namespace {
// Field i (from 0) of a row, read whole: an area "1,234" read by its leading digits would
// be an area of 1. Fields are counted as the reader sees them (runs of tabs are one).
double row_number(const std::vector<std::string>& fields, size_t i, const std::string& what) {
    const NumberField number = read_number(fields[i]);
    if (!number.ok)
        throw ConversionError("field " + std::to_string(i + 1) + " (" + what + " of " + trim(fields.front()) + ") " +
                              number.why);
    return number.value;
}
}  // namespace

QuantRow parse_quant_row(const std::string& line) {
    QuantRow row;
    std::vector<std::string> fields = split_skip_empty(line, '\t');
    if (fields.empty()) return row;
    row.name = trim(fields.front());
    if (fields.size() >= 2) {
        row.area_text = fields[1];
        row.area = row_number(fields, 1, "the area");
    }
    // With a single numeric field there is no retention time; fields between the
    // area and the last one are the instrument's and mean nothing to the program.
    if (fields.size() >= 3) row.retention_time = row_number(fields, fields.size() - 1, "the retention time");
    return row;
}

namespace {
// Rows run from `from` to the end of the file or to the first line without a field.
void read_rows(const std::vector<std::string>& lines, size_t from, QuantDataFile& file) {
    for (size_t i = from; i < lines.size(); ++i) {
        std::string line = trim(lines[i]);
        if (line.empty()) return;
        try {
            file.rows.push_back(parse_quant_row(line));
        } catch (const ConversionError& e) {
            file.rows.clear();
            file.refused_line = static_cast<int>(i) + 1;
            file.refused_why = e.what();
            return;
        }
    }
}

std::string trimmed_line(const std::vector<std::string>& lines, size_t index) {
    return index < lines.size() ? trim(lines[index]) : std::string();
}
}  // namespace

QuantDataFile parse_quant_lines(const std::vector<std::string>& lines) {
    QuantDataFile file;
    file.layout = quant_layout_of(trimmed_line(lines, 0));
    if (file.layout == QuantLayout::DataFile) {
        read_rows(lines, 1, file);
    } else if (file.layout == QuantLayout::Version) {
        // Lines 2 to 5 are header values by position, whatever they hold.
        file.injection_time = trimmed_line(lines, 1);
        file.lab_file_id = trimmed_line(lines, 2);
        file.client_sample_id = trimmed_line(lines, 3);
        file.instrument_id = trimmed_line(lines, 4);
        for (size_t i = 5; i < lines.size(); ++i) {
            if (to_upper(trim(lines[i])) == "COMPOUND") {
                read_rows(lines, i + 1, file);
                break;
            }
        }
    }
    return file;
}
