#pragma once
// The variable mode: whether the recovery model uses two variables (the logarithmic RV
// variable and the linear BP variable) or one of them alone, with their labels. A library
// text file or a calibration file sets it, the analyst changes it in the variable dialog,
// and the library header carries it.
#include <string>

#include "methoddata/records.h"

struct VariableMode {
    u8 one_variable_mode = 0;
    u8 bp_variable_chosen = 0;   // one variable: the boiling point (transform "Linear")
    u8 rvw_variable_chosen = 0;  // one variable: the relative volatility (transform "Ln")
    std::string transform_text;  // "Linear", "Ln" or "V2"
    std::string single_variable_label;
    std::string variable1_label = "RVW";  // the logarithmic (RV) variable
    std::string variable2_label = "BP";   // the linear (BP) variable

    bool operator==(const VariableMode&) const = default;
};

// What loaded_variable_mode holds before any library was read: every value zero or
// empty, the labels too (not the working mode's default labels).
inline VariableMode no_loaded_variable_mode() {
    VariableMode m;
    m.variable1_label.clear();
    m.variable2_label.clear();
    return m;
}

// The default labels "RVW" and "BP", which a library without its own labels and a new
// library start with; the number of variables stays as the mode has it.
inline void take_default_variable_labels(VariableMode& m) {
    const VariableMode defaults;
    m.variable1_label = defaults.variable1_label;
    m.variable2_label = defaults.variable2_label;
}

// Whether the recovery model uses each variable: both with two variables, else the one chosen.
inline bool bp_variable_in_use(const VariableMode& m) {
    return m.one_variable_mode == 0 || m.bp_variable_chosen != 0;
}
inline bool rv_variable_in_use(const VariableMode& m) {
    return m.one_variable_mode == 0 || m.rvw_variable_chosen != 0;
}

// The variable dialog. What its controls hold:
struct VariableDialogEntry {
    std::string var1;        // label of the logarithmic (RV) variable
    std::string var2;        // label of the linear (BP) variable
    std::string count_text;  // number of variables: "1" or "2"
};

// The dialog's controls for a mode.
VariableDialogEntry variable_dialog_entry(const VariableMode& mode);

// The number of variables was typed into the dialog: the library editor counts it as a
// change (variables_changed), whether or not Ok then takes it.
void variable_count_typed();

// Ok of the dialog. A modified label sets variables_changed. An entry that does not name
// one mode clearly shows its message and changes nothing else (false); otherwise the
// mode and its labels are set in method_data.variable_mode (true).
bool apply_variable_dialog_entry(const VariableDialogEntry& entry, bool labels_modified);

// The help file of the dialog's one help topic, in the install folder.
std::string variable_help_file();
inline const std::string kVariableHelpTopic = "ID_Change_variable_form";
