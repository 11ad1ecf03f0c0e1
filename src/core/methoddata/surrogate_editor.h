#pragma once
// The work of the internal-standard editor that is not about its controls: what counts
// as a change, Set Limits, Save As and Exit. The editor edits `surrogates` in place;
// `surrogates_saved` is the state to go back to when the analyst discards the edits.
#include <string>

#include "methoddata/tables.h"

// The start of an editing session (Edit Internal Standard File, after surrogates_saved
// was taken): record 0 becomes the current one, and the limits and class thresholds are
// remembered so that discarding the edits also discards those set in the session. A file
// written by Save As or Exit becomes the saved state in their place.
void begin_surrogate_editing();

// Every showing of the editor: no grouping rule has been found failing yet.
void surrogate_editor_shown();

// 1 when a group flag, the first-pass flag or the checked flag of a record below
// surrogate_count differs from surrogates_saved, when a limit edit of the range-limits
// window is marked modified, or when the limits or the two class thresholds the file
// keeps (vcs, n_pvcsLn) differ from the saved state (an edit shown again loses its mark,
// the applied limit stays); else 0.
int surrogates_modified(bool limit_edits_modified);

// Copies the first surrogate_count records, each whole.
void copy_surrogate_records(const SurrogateTable& source, SurrogateTable& destination);

// The record (among surrogate_count) of the internal standard at 1-based library row
// `number`, found by its name; -1 when there is none.
int find_surrogate_by_library_number(int number);

// The record a group box or flag list of the editor stores into: the counter's number
// minus 1. Nothing (-1) while the counter is blank or shows no record; a text that is
// not an integer throws ConversionError.
int record_of_counter(const std::string& counter_text);

// The record the counter moves to when left: -1 when the number is the one shown (no
// move), else the number - 1 clamped to the records. ConversionError for a non-integer.
int counter_target(const std::string& counter_text, int shown_record);

// Next and Previous: the record after or before the current one becomes the current one,
// kept among the records; answers it.
int next_surrogate_record();
int previous_surrogate_record();
// The counter left on another record (counter_target's answer): it becomes the current one.
void go_to_surrogate_record(int record);

// Set Limits: the grouping rules of the variable mode (grouping_error and the 16001
// message on a failure: answers false, the editor stays). The limits of a variable whose
// records moved since its limits were last measured (BP: BP groups, first-pass flags, bps;
// RV: RV groups, first-pass flags, rvws) are not set any more (also not the analyst's: they
// belonged to the old groupings); the other variable's stay, no longer counted as applied.
// True: open the range-limits window.
bool set_limits_command();

// Save As: the save dialog, the limits, the file and its class thresholds. Each variable's
// limits in memory are kept while the records they were measured on have not moved under
// them, or when the analyst applied them; otherwise they follow the group ranges. True when the file was
// written: what it holds is then the saved state (the limit edits count as unchanged),
// and it is the file in use (surrogate_file_path). surrogate_file_written is 0 unless it
// was written.
bool save_as_surrogate_command();

// Exit: the "$$$" copy of the loaded file, then, when there are changes or the file was
// not written, the grouping check and "Would you like to save your changes?". Yes saves as
// Save As does; No puts back the saved state. True when the editor closes; false on Cancel,
// a cancelled dialog or a file that could not be written.
bool exit_surrogate_editor_command(bool limit_edits_modified);

// The Save As dialog of the editor in <data root>/5847dir/Surrogates: ".ini" is appended
// unless the name ends in it; an existing file is replaced only on Yes to "Overwrite
// file: <name>?" (No opens the dialog again). False when cancelled.
bool choose_surrogate_save_file(std::string& chosen);

// Writes the whole internal-standard file (records, header, limits when the groupings
// pass, class thresholds) in one save. False when it could not be written (reported).
bool write_edited_surrogate_file(const std::string& path);

// The "$$$" copy's name: the path up to and including the last "." of its file name,
// then "$$$" (".$$$" is added to a name without one).
std::string surrogate_backup_path(const std::string& path);
