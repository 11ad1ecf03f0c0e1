#pragma once
// The variable mode as the analyst sets it in the variable dialog: two variables (the
// logarithmic RV variable and the linear BP variable) or one of them alone, with labels.
#include <string>

// What the dialog's controls hold.
struct VariableDialogEntry {
    std::string var1;        // label of the logarithmic (RV) variable
    std::string var2;        // label of the linear (BP) variable
    std::string count_text;  // number of variables: "1" or "2"
};

// The dialog's controls for the current mode.
VariableDialogEntry variable_dialog_entry();

// Ok of the dialog. A modified label sets variables_changed. An entry that does not name
// one mode clearly shows its message and changes nothing else (false); otherwise the
// mode and its labels are set (true).
bool apply_variable_dialog_entry(const VariableDialogEntry& entry, bool labels_modified);

// The help file of the dialog's one help topic, in the install folder.
std::string variable_help_file();
inline const std::string kVariableHelpTopic = "ID_Change_variable_form";
