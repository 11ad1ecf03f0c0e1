#include "methoddata/reporting_limit_file.h"

#include <algorithm>
#include <charconv>

#include "methoddata/reporting_limit_files.h"
#include "methoddata/surrogate_library_row.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/print_notices.h"
#include "platform/text_file.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

const std::array<std::string, kReportingUnitCount> reporting_units = {"ng/mL", "ng/l",  "ng/M3",
                                                                      "ng/g",  "ng/kg", "\xC2\xB5g/l"};

const std::string lmt_file_filter = "Reporting limit files (*.lmt)|*.lmt";
const std::string lmt_no_matrix_text = "No MATRIX Given";

int reporting_unit_index(const std::string& unit) {
    auto it = std::find(reporting_units.begin(), reporting_units.end(), unit);
    return it == reporting_units.end() ? -1 : static_cast<int>(it - reporting_units.begin());
}

std::string lmt_default_folder() { return join_path(data_root(), "5847dir/Mdl"); }

int find_library_compound(const std::string& name) {
    int row = find_library_row_by_name(name, method_data.library_saved);
    return row < 0 ? kNotFound : row;
}

std::string lmt_file_text(const LmtHeader& header, const std::string& library_file,
                          const ReportingLimitSlot& slot) {
    std::string text = "Creation Date;" + header.creation_date + "\n";
    text += "Compound Library File:" + to_upper(library_file) + "\n";
    // A name that already ends its line (one read from an older file) is not given a second end.
    text += "Internal Standard File;" + header.internal_standard_file;
    if (!contains(header.internal_standard_file, "\n")) text += "\n";
    const std::string matrix = header.matrix.empty() ? lmt_no_matrix_text : header.matrix;
    text += exact_fixed(header.size, 2) + ";" + matrix + ";" + header.unit + "\n";
    text += "Other;" + header.comment;
    const int rows = library_rows_in_use();
    for (int r = 0; r < rows; ++r) {
        if (slot[r].is_internal_standard) continue;
        text += "\n" + method_data.library_saved[r].name + ";" + exact_fixed(slot[r].limit, 2);
    }
    return text;
}

std::string lmt_separator_fault(const LmtHeader& header, const ReportingLimitSlot& slot) {
    auto fault = [](const std::string& what, const std::string& text) {
        return what + " \"" + text + "\" holds a \";\", which separates the fields of a reporting limit file.";
    };
    if (contains(header.internal_standard_file, ";"))
        return fault("The internal standard file name", header.internal_standard_file);
    if (contains(header.matrix, ";")) return fault("The matrix", header.matrix);
    if (contains(header.comment, ";")) return fault("The comment", header.comment);
    const int rows = library_rows_in_use();
    for (int r = 0; r < rows; ++r)
        if (!slot[r].is_internal_standard && contains(method_data.library_saved[r].name, ";"))
            return fault("The compound name", method_data.library_saved[r].name);
    return {};
}

bool write_lmt_file(const std::string& path, const LmtHeader& header, const std::string& library_file,
                    const ReportingLimitSlot& slot) {
    std::string fault = lmt_separator_fault(header, slot);
    if (fault.empty()) fault = lmt_row_name_fault(slot);
    if (!fault.empty()) {
        show_message(fault, "Write File Error");
        return false;
    }
    if (write_file_atomically(path, lmt_file_text(header, library_file, slot))) {
        announce_file_written(path);
        return true;
    }
    show_message("Quantilyzer: 07003", "Write File Error");
    return false;
}

std::string lmt_row_name_fault(const ReportingLimitSlot& slot) {
    const int rows = library_rows_in_use();
    for (int r = 0; r < rows; ++r) {
        const std::string& name = method_data.library_saved[r].name;
        if (!slot[r].is_internal_standard && trim(name) != name)
            return "The compound name \"" + name +
                   "\" has blanks around it: a reporting limit file would give it back without them, as the name "
                   "of no compound of the library.";
    }
    return {};
}

std::string sample_size_text(double size) {
    char text[400];
    const auto end = std::to_chars(text, text + sizeof text, size, std::chars_format::fixed);
    return end.ec == std::errc() ? std::string(text, end.ptr) : format_general(size);
}
