#pragma once
// The calibration review: the calibration in memory one library compound at a time, with the
// levels the analyst switches in and out of the compound's curve. The window shows what these
// functions give; the inclusion flags live in calibration_data.level_included until a Save As
// writes them or an Exit restores the copy of the last load or save.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "methoddata/records.h"

// Empties the calibration data the review works on: recoveries, response factors and
// their deviations, areas, inclusion flags and level labels of the first 12 data sets.
// Load Calibration File and Calibration > New call it before they fill them anew.
void reset_calibration_review();

// The form in which a data-file entry is shown: the text up to its first line break;
// an entry "<folder>\results.ini" (an older layout) is shown as its folder.
std::string display_file_name(const std::string& text);

// The part of a path after its first separator (the whole text when it has none): the
// review shows paths without their root.
std::string after_first_separator(std::string_view text);

// One level column of the review for one compound. Empty texts are cells left blank
// (the level has no label, or the value is the not-set marker).
struct ReviewLevel {
    bool listed = false;  // the level has a label
    std::string file;     // its standard's data file as shown
    std::string amount, recovery, recovery_dev, area, response_factor, response_factor_dev;
    bool checked = false;  // included and with a prediction, an amount and an area
    bool enabled = true;   // false when the compound has no area or no amount in this standard
    std::string why_excluded;  // why the level can never count: kNoAmountReason, or empty
};

// What a level's include box says when the compound has no amount in its standard.
inline constexpr const char* kNoAmountReason = "No amount";

struct CompoundReview {
    std::string number;  // 1-based
    std::string name;
    std::string calibration_file, surrogate_file, library_file, reference_file;
    std::array<ReviewLevel, kMaxLevels> levels;
    int standards = 0;  // levels with a label
};

// What the review shows for compound c (0-based). A level in which the compound has an
// area or an amount of 0 cannot count in its curve, so its inclusion flag is cleared here.
CompoundReview review_compound(int c);

struct CurveStatisticsText {
    std::string levels;  // "(5, 10, 50)": the amounts of the included levels
    std::string average, deviation, percent;  // "%.3f"; empty when 0
};

// Recomputes the curve statistics of compound c over its included levels and gives them
// as the review shows them.
CurveStatisticsText refresh_curve_statistics(int c);

// The compound number a typed text selects: the decimal number, an empty text 0, raised
// to 1 and lowered to compound_count (when there are compounds). Nothing when the text
// is not a decimal integer.
std::optional<int> typed_compound_number(const std::string& text);

// The compound (0-based) whose levels an include box changes: the number in the
// compound-number box minus 1, 0 when the box is empty. A text that is not a decimal
// integer throws the standard conversion error.
int compound_of_number_text(const std::string& text);

// An include box of level k clicked: the level is in the curve of compound c when the box
// is checked, the level has a standard file and the compound an amount in it. The last
// level in an internal standard's curve stays in it, with a message naming the internal
// standard and the levels. Answers the flag now stored.
bool set_level_inclusion(int c, int k, bool checked, bool has_file);

// Exit without saving: the flags of every compound go back to those of the last load or save.
void restore_level_inclusion();

// The review window's start: no level of any compound in use is included.
void clear_level_inclusion();

// The results files of the standards on view and of the reference run: the intermediate
// files the calibration window converted the data files into. Missing files are skipped;
// a data-file entry that is itself a results file is never deleted.
void delete_standard_ini_files();

// Save As of the review: asks for a name (".cal" appended unless it has it; an existing
// file only on Yes), writes the calibration with its inclusion flags there, makes it the
// calibration in memory and deletes the standards' results files. False when the analyst
// gave up or the file could not be written (the review then stays as it was), and
// without asking when an internal standard has no level in its curve (a message names it).
bool save_reviewed_calibration();
