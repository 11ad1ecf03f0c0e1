#include "methoddata/mismatch_report.h"

#include <algorithm>
#include <array>

#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/page_grid.h"
#include "platform/paths.h"
#include "platform/print_notices.h"
#include "platform/text_file.h"
#include "platform/ui_services.h"

namespace {

constexpr int kFlagCount = 2 * kGroups + 2;

// The flags of a record in report order: BP groups, RV groups, first pass, checked.
std::array<bool, kFlagCount> record_flags(const SurrogateRecord& r) {
    std::array<bool, kFlagCount> f{};
    for (int j = 0; j < kGroups; ++j) {
        f[j] = r.bpgroup[j] != 0;
        f[kGroups + j] = r.rvwgroup[j] != 0;
    }
    f[2 * kGroups] = r.first_pass != 0;
    f[2 * kGroups + 1] = r.checked_surrogate != 0;
    return f;
}

const std::array<const char*, kFlagCount> kFileMarks = {
    " bpg1 ",  " bpg2 ",  " bpg3 ",  " bpg4 ",  " bpg5 ",  " bpg6 ",      " rvwg1 ",
    " rvwg2 ", " rvwg3 ", " rvwg4 ", " rvwg5 ", " rvwg6 ", " First Pass", " Surrogate"};
const std::array<const char*, kFlagCount> kPrintMarks = {
    "bpg1",  "bpg2",  "bpg3",  "bpg4",  "bpg5",  "bpg6", "rvwg1",
    "rvwg2", "rvwg3", "rvwg4", "rvwg5", "rvwg6", "FP",   "CS"};

std::string file_line(const MismatchRow& row) {
    std::string line = std::to_string(row.number);
    if (!row.record) return line + ":" + std::string(25, ' ') + row.library_name + "\n";
    line += ": " + row.record->name;
    const auto flags = record_flags(*row.record);
    for (int i = 0; i < kFlagCount; ++i)
        if (flags[i]) line += kFileMarks[i];
    if (row.matches()) return line + "  = \n";
    if (!row.has_library_row) return line + "\n";
    return line + "  " + row.library_name + "\n";
}

int print_page_header(Canvas& canvas, const PageGrid& g) {
    int y = g.b / 4;
    canvas.text_out(0, y, "Process Date:");
    canvas.text_out(2 * g.u, y, format_date_time(clock_source().now()));
    canvas.text_out(8 * g.u, y, "Page: " + std::to_string(canvas.page_number()));
    y += g.h;
    canvas.text_out(0, y, "Compound Library");
    canvas.text_out(2 * g.u, y, method_data.library_ini_path);
    y += g.h;
    canvas.text_out(0, y, "Surrogate File");
    canvas.text_out(2 * g.u, y, method_data.surrogate_file_path);
    y += g.h;
    canvas.text_out(0, y, "FP: First Pass - CS: Surrogate");
    y += 2 * g.h;
    canvas.text_out(0, y, "N");
    canvas.text_out(g.u / 4, y, "Surrogate Compound");
    canvas.text_out(8 * g.u, y, "Library Compound");
    return y + 2 * g.h;
}

void print_row(Canvas& canvas, const PageGrid& g, int y, const MismatchRow& row) {
    canvas.text_out(0, y, std::to_string(row.number) + ":");
    if (row.record) {
        canvas.text_out(g.u / 4, y, row.record->name);
        const int first_mark = static_cast<int>(1.75 * g.u);
        const int mark_step = static_cast<int>(0.4 * g.u);
        int x = first_mark;
        const auto flags = record_flags(*row.record);
        for (int i = 0; i < kFlagCount; ++i) {
            if (!flags[i]) continue;
            canvas.text_out(x, y, kPrintMarks[i]);
            x += mark_step;
        }
    }
    if (row.matches())
        canvas.text_out(8 * g.u, y, "=");
    else if (row.has_library_row)
        canvas.text_out(8 * g.u, y, row.library_name);
}

}  // namespace

std::vector<MismatchRow> mismatch_rows(const LibraryTable& library,
                                       const SurrogateTable& surrogates) {
    const int records = surrogate_records_in_use();
    const int rows = library_rows_in_use();
    std::vector<MismatchRow> out;
    int k = 0;  // the record that stands for the next internal standard
    for (int r = 0; r < rows; ++r) {
        MismatchRow row;
        row.number = r + 1;
        row.library_name = library[r].name;
        if (library[r].is_internal_standard && k < records) row.record = &surrogates[k];
        if (library[r].is_internal_standard) ++k;
        out.push_back(row);
    }
    for (; k < records; ++k) {
        MismatchRow row;
        row.number = static_cast<int>(out.size()) + 1;
        row.record = &surrogates[k];
        row.has_library_row = false;
        out.push_back(row);
    }
    return out;
}

std::string mismatch_report_text(const std::vector<MismatchRow>& rows) {
    std::string text = "The mismatch file to be printed\n\n";
    text += "Surrogate Compound" + std::string(20, ' ') + "Library compound\n\n";
    for (const auto& row : rows) text += file_line(row);
    return text;
}

std::string mismatch_report_path() { return join_path(temp_folder(), "mismatchfile.TXT"); }

void print_mismatch_report(Canvas& canvas, const std::vector<MismatchRow>& rows) {
    canvas.set_orientation(Orientation::Landscape);
    if (!canvas.begin_job("Mismatch Report")) {
        canvas.set_orientation(Orientation::Portrait);
        return;
    }
    canvas.set_font(CanvasFont{});  // Arial 8
    const PageGrid g(canvas);
    int y = print_page_header(canvas, g);
    for (size_t i = 0; i < rows.size(); ++i) {
        print_row(canvas, g, y, rows[i]);
        y += g.h;
        // A page ends after the row that passes 8 bands; no empty page follows the last row.
        if (y > 8 * g.b && i + 1 < rows.size()) {
            canvas.new_page();
            y = print_page_header(canvas, g);
        }
    }
    canvas.end_job();
    canvas.set_orientation(Orientation::Portrait);
}

void write_mismatch_report(const LibraryTable& library, const SurrogateTable& surrogates) {
    PrintNoticeGroup notices;  // the file and its printout in one message
    const auto rows = mismatch_rows(library, surrogates);
    std::string why;
    if (write_file_atomically(mismatch_report_path(), mismatch_report_text(rows), &why))
        announce_file_written(mismatch_report_path());
    else
        show_message("The mismatch report " + mismatch_report_path() + " could not be written:\n" + why +
                         "\nThe printout is still produced.",
                     "Error");
    if (auto canvas = ui().current_printer("Mismatch Report")) print_mismatch_report(*canvas, rows);
}
