#include "methoddata/variable_mode.h"

#include "methoddata/editor_state.h"
#include "methoddata/tables.h"
#include "platform/ui_services.h"


namespace {

bool refuse(const std::string& text, const std::string& caption) {
    ui().message(text, caption, Buttons::Ok, caption == "Error" ? Icon::Error : Icon::Warning);
    return false;
}

void set_two_variables(VariableMode& m, const std::string& rv_label, const std::string& bp_label) {
    m.one_variable_mode = m.bp_variable_chosen = m.rvw_variable_chosen = 0;
    m.transform_text = "V2";
    m.variable1_label = rv_label;
    m.variable2_label = bp_label;
}

void set_one_variable(VariableMode& m, bool boiling_point, const std::string& label) {
    m.one_variable_mode = 1;
    m.bp_variable_chosen = boiling_point ? 1 : 0;
    m.rvw_variable_chosen = boiling_point ? 0 : 1;
    m.transform_text = boiling_point ? "Linear" : "Ln";
    m.single_variable_label = label;
}

}  // namespace

VariableDialogEntry variable_dialog_entry(const VariableMode& m) {
    if (m.one_variable_mode && m.transform_text == "Linear") return {"", m.single_variable_label, "1"};
    if (m.one_variable_mode && m.transform_text == "Ln") return {m.single_variable_label, "", "1"};
    return {m.variable1_label, m.variable2_label, "2"};
}

void variable_count_typed() { editor_state.variables_changed = 1; }

bool apply_variable_dialog_entry(const VariableDialogEntry& entry, bool labels_modified) {
    if (labels_modified) editor_state.variables_changed = 1;
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
        set_two_variables(method_data.variable_mode, entry.var1, entry.var2);
    else if (has2)
        set_one_variable(method_data.variable_mode, true, entry.var2);
    else
        set_one_variable(method_data.variable_mode, false, entry.var1);
    return true;
}

std::string variable_help_file() { return folder_settings.slot[kInstallFolderSlot] + "RHELPFILE.HLP"; }
