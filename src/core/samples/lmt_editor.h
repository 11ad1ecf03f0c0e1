#pragma once
// The rules of the reporting-limit editor (the "Create/Edit LMT Files" window): its grid of
// analytes, the checks and the dialog of Save As, the storing of typed limits into the
// reporting limits of the editor's listed sample, and Clear Limits. The window reads its
// controls, calls these and writes its controls back.
#include <optional>
#include <string>
#include <vector>

#include "methoddata/reporting_limit_file.h"

// One grid row: the analyte's name and the text of its "Limit" cell.
struct LmtGridRow {
    std::string name;
    std::string limit_text;
};

// The listed sample whose reporting limits the editor works on: the Sample Information
// entry being filled (sample_info_index, kept inside the list).
int lmt_editor_slot();

// Names and internal-standard flags of all 150 entries of the slot := those of library_saved.
void fill_slot_from_library(ReportingLimitSlot& slot);

// The grid's names: library_saved rows 0..compound_count-1 that are not internal standards.
std::vector<std::string> lmt_grid_names();
// The slot's limits of those rows in the general text form (the grid after an import).
std::vector<std::string> lmt_grid_limit_texts(const ReportingLimitSlot& slot);

// The grid row that the compound number box asks for: the number - 1 (the current row when
// the text is empty), kept within 0..row_count-1. Nothing (message "Quantilyzer: 07002"
// shown) when the text holds a character other than a digit.
std::optional<int> lmt_row_from_number_text(const std::string& text, int current_row, int row_count);

// Sample-size text as the analyst typed it: digits and at most one ".".
enum class SizeTextFault { None, BadCharacter, TooManyDots };
SizeTextFault size_text_fault(const std::string& text);
// The size it gives: 1.0 when empty, else the number it holds, read whole (a lone "."
// throws ConversionError naming the box; check_lmt_entries refuses it first).
double lmt_sample_size(const std::string& text);

// The entries Save As needs before its dialog, checked in order; the first refusal shows its
// message (a size that is no number, or not above 0, names the box). Answers the box that
// should take the focus after a refusal.
enum class LmtEntryBox { None, InternalStandardFile, SampleSize, Matrix };
struct LmtEntryCheck {
    bool ok = true;
    LmtEntryBox focus = LmtEntryBox::None;
};
LmtEntryCheck check_lmt_entries(const std::string& internal_standard_file, const std::string& size_text,
                                const std::string& matrix);

// A chosen file name with ".lmt": kept when its extension is ".lmt" in any letter case, else
// ".lmt" is appended to the whole name ("a.b" gives "a.b.lmt").
std::string with_lmt_extension(const std::string& chosen);
// The save dialog in the default folder; an existing file is replaced only on Yes (No asks
// for another name, Cancel gives up). Nothing when the analyst gave up.
std::optional<std::string> choose_lmt_save_path();

// A limits file saved by Save As, or opened in full: it is the editor's file in use, the
// one the window names.
void set_lmt_file_in_use(const std::string& path);
// A limits file opened, its unit known: its folder starts the next Open, in this run and
// the next (the settings file's mdlPath).
void remember_lmt_folder(const std::string& path);

// Every "Limit" cell read whole: a cell that is no number, or a limit below 0, is refused
// with a message naming the row's compound ("Error"), and so is an empty cell unless
// keep_on_empty (Print Limits, where an empty cell leaves the stored limit). True when
// every cell is a limit.
bool check_grid_limits(const std::vector<LmtGridRow>& rows, bool keep_on_empty);

// Stores the grid's limits into the slot entry of each row's library compound (trimmed cell
// text; an empty cell leaves the stored limit when keep_on_empty). Every cell is checked
// first (check_grid_limits): a refused cell stores nothing, and the answer is false.
bool store_grid_limits(const std::vector<LmtGridRow>& rows, ReportingLimitSlot& slot, bool keep_on_empty);

// The check of the typed internal-standard file against the one in use (the last limits file
// read, else the loaded internal-standard file); a difference asks whether to go on.
// True when they agree or the analyst goes on.
bool confirm_lmt_internal_standard_file(const std::string& internal_standard_file);

// Clear Limits: the limits of entries 0..compound_count-1 of all 25 slots := 0.
void clear_all_reporting_limits();

// A header text read from a file, without its line end: the part before its last line break
// (a text without one is kept whole).
std::string without_line_end(const std::string& text);

// The index in reporting_units of the unit an imported file names; -1 (message shown) when
// the file names no unit of the list.
int lmt_file_unit_index(const std::string& unit);

// "Quantilyezr: 10004" with the line number of a row whose compound the library lacks.
void show_lmt_mismatch(int line_number);
