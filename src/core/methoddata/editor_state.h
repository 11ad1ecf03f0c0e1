#pragma once
// The state of the library editor and the internal-standard editor between their commands:
// the record each shows, their edit marks, and what the internal-standard editor goes back
// to when its edits are discarded. One value, so that a reset is its default and a test can
// compare it whole before and after a command.
#include "methoddata/method_data.h"

// What an internal-standard editing session goes back to beside surrogates_saved: the
// limits and class thresholds it started from, and after a save what the file now holds.
struct EditSession {
    SurrogateRangeLimits limits_at_start{};
    LimitsBasis limits_basis_at_start{};
    u8 user_limits_applied_at_start = 0;
    CategoryThresholds thresholds_at_start{};

    bool operator==(const EditSession&) const = default;
};

// Every default member value is the value at program start and after a reset.
struct EditorState {
    // The record shown by the library editor and the calibration review (0-based).
    int current_record = 0;
    // The record the internal-standard editor shows (0-based), and whether its Set Limits
    // found a grouping rule failing.
    int current_surrogate_record = 0;
    int grouping_error = 0;
    // The variable dialog changed the mode or its labels (or the number of variables was
    // typed) since the library editor was opened. An edit mark of the editor, not part of
    // the mode: it is set even when the dialog refuses its entry and the mode stays, and a
    // copy of the mode taken or put back leaves it as it is.
    u8 variables_changed = 0;
    // Set when a compound name was changed; Exit then reminds the analyst of the
    // internal-standard file. Cleared when the reminder is shown and when the editor opens.
    u8 names_edited = 0;
    // Compounds in library_saved as the library editor opened or last saved it.
    int saved_compound_count = 0;
    // 1 when the library's last Save As wrote nothing (dialog cancelled, file not writable):
    // Exit then neither leaves nor reminds of renamed compounds.
    u8 save_as_cancelled = 0;
    EditSession session{};

    bool operator==(const EditorState&) const = default;
};

// The editors' state of the run.
extern EditorState& editor_state;  // part of the one ProgramState
