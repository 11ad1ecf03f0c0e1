#include "methoddata/variable_mode.h"

#include "methoddata/tables.h"
#include "platform/ui_services.h"

namespace {

bool refuse(const std::string& text, const std::string& caption) {
    ui().message(text, caption, Buttons::Ok, caption == "Error" ? Icon::Error : Icon::Warning);
    return false;
}

void set_two_variables(const std::string& rv_label, const std::string& bp_label) {
    one_variable_mode = bp_variable_chosen = rvw_variable_chosen = 0;
    transform_text = "V2";
    variable1_label = rv_label;
    variable2_label = bp_label;
}

void set_one_variable(bool boiling_point, const std::string& label) {
    one_variable_mode = 1;
    bp_variable_chosen = boiling_point ? 1 : 0;
    rvw_variable_chosen = boiling_point ? 0 : 1;
    transform_text = boiling_point ? "Linear" : "Ln";
    single_variable_label = label;
}

}  // namespace

VariableDialogEntry variable_dialog_entry() {
    if (one_variable_mode && transform_text == "Linear") return {"", single_variable_label, "1"};
    if (one_variable_mode && transform_text == "Ln") return {single_variable_label, "", "1"};
    return {variable1_label, variable2_label, "2"};
}

bool apply_variable_dialog_entry(const VariableDialogEntry& entry, bool labels_modified) {
    if (labels_modified) variables_changed = 1;
    if (entry.count_text != "1" && entry.count_text != "2")
        return refuse("Please enter 1 or 2 variables", "Error");
    const bool one = entry.count_text == "1";
    const bool has1 = !entry.var1.empty();
    const bool has2 = !entry.var2.empty();
    if (one && has1 && has2) return refuse("Please enter only one label for variable name", "Warning");
    if (!one && (!has1 || !has2)) return refuse("Please enter labels for both variables", "Warning");
    // A refused entry leaves the whole mode as it was: a one-variable flag without its
    // transform would be written into the library header and make the file unreadable.
    if (one && !has1 && !has2) return refuse("Please enter a variable label", "Warning");

    if (!one)
        set_two_variables(entry.var1, entry.var2);
    else if (has2)
        set_one_variable(true, entry.var2);
    else
        set_one_variable(false, entry.var1);
    return true;
}

std::string variable_help_file() { return folder_settings.slot[kInstallFolderSlot] + "RHELPFILE.HLP"; }
