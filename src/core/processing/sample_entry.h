#pragma once
// The Sample Information entry of a newly listed sample: what the window shows when it
// opens, the limits mode and its layout, the browse for a reporting-limit file, and Enter,
// which checks the entry and stores it as the sample's SampleSettings. The window reads its
// boxes into SampleEntryBoxes, calls these functions and writes the boxes back.
#include <string>

#include "samples/process_files_data.h"
#include "processing/analysed_date.h"

// Which boxes the limits mode shows.
struct EntryLayout {
    bool sigma_visible = false;  // ComboBox_sigma and its label
    bool crql_visible = false;   // Edit_CRQL_Factor and its label
    bool limits_file_visible = false;  // Edit_mdlfile
    bool browse_visible = false;       // Button_mdl_Browse
};
EntryLayout entry_layout(EntryMode mode);

// The label of the agency sample id box: "AQR Sample ID" in the forms layout.
std::string agency_id_label();

// Choosing a mode (by the analyst or the opening pre-fill): Reporting Limit and None switch
// the forms layout off; the limits-file box takes the file the last entry of the mode
// used (None keeps the box's text); the browse button reads "Browse for *.LMT file".
void select_entry_mode(SampleEntryBoxes& boxes, EntryMode mode);

// Where the entry of the sample in `slot` starts: the carried values, the smooth-first-pass
// switch and the boxes as the entry of the sample listed before it left them, or as at the
// start of a run for the first sample of a list. A sample deleted from the list, or cleared
// with it, leaves nothing to the next one. Answers the boxes to open with.
SampleEntryBoxes start_sample_entry(ProcessFilesData& data, int slot);

// Opening the window for the sample in `slot` (its data file already listed): identifiers
// from the sample's results file, the current date when it gives none, and the values
// carried from the last entry. Boxes not named here keep what the last entry left. In
// the forms layout the entry opens in CRQL mode, its button "Browse for CRQL file".
void open_sample_entry(SampleEntryBoxes& boxes, ProcessFilesData& data, int slot);

enum class EntryFocus { None, Size, LimitsFile };
struct EntryOutcome {
    bool stored = false;  // the entry is complete: the window closes
    EntryFocus focus = EntryFocus::None;
};

// Enter: checks the boxes and stores the entry of slot sample_info_index; on a refusal
// (its message shown) the entry stays open. The size (a number above 0 that single
// precision holds) and, in CRQL mode, the percentage are read whole and checked before
// anything is stored; a later refusal keeps what the steps before it stored.
EntryOutcome enter_sample_entry(SampleEntryBoxes& boxes, ProcessFilesData& data);

// Browse for a reporting-limit file: reads it into slot sample_info_index and fills the
// size, matrix, units and Other boxes from its header.
void browse_limits_file(SampleEntryBoxes& boxes);

// The lab file id chosen in an open dialog (its name without folder); the current text when cancelled.
std::string choose_lab_file_id(const std::string& current);

// The smooth-first-pass switch and the caption of its button.
void toggle_smooth_first_pass();
std::string smooth_first_pass_caption();

extern const std::string limits_file_filter;  // "Reporting limits data file (*.LMT)|*.LMT"
