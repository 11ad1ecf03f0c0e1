#include "methoddata/library_editor.h"

#include "methoddata/compound_name.h"
#include "methoddata/library_text_file.h"
#include "methoddata/surrogate_library_row.h"
#include "platform/number_text.h"
#include "platform/text_util.h"

u8 names_edited = 0;
int saved_compound_count = 0;

namespace {

constexpr double kNewProperty = 999.0;
constexpr double kNewAmount = 99.0;

void warning(const std::string& text) { ui().message(text, "Warning", Buttons::Ok, Icon::Warning); }

bool is_number_above_zero(const std::string& text) {
    double value = 0.0;
    return try_to_double(text, value) && value > 0;
}

// Every field the library file holds moves with its compound; the reporting limits
// belong to the table position.
void move_compound(LibraryCompound& target, const LibraryCompound& source) {
    target.name = source.name;
    target.cmpndType = source.cmpndType;
    target.rvw = source.rvw;
    target.rvo = source.rvo;
    target.bp = source.bp;
    target.conc = source.conc;
    target.conc1_copy = source.conc1_copy;
    target.partcoef = source.partcoef;
    target.casNumber = source.casNumber;
    target.is_internal_standard = source.is_internal_standard;
}

void set_new_compound(LibraryCompound& c) {
    c.name.clear();
    c.cmpndType = kAnalyteType;
    c.is_internal_standard = 0;
    c.rvw = c.rvo = c.bp = c.partcoef = kNewProperty;
    c.conc.fill(kNewAmount);
    c.conc1_copy = kNewAmount;
    c.casNumber = kNoCasNumber;
}

bool same_compound(const LibraryCompound& a, const LibraryCompound& b) {
    return a.conc == b.conc && a.name == b.name && a.bp == b.bp && a.rvw == b.rvw && a.rvo == b.rvo &&
           a.partcoef == b.partcoef && a.cmpndType == b.cmpndType && a.casNumber == b.casNumber &&
           a.MDLwater == b.MDLwater && a.MDLsoil == b.MDLsoil && a.MDLbiota == b.MDLbiota &&
           a.MDLwaste == b.MDLwaste;
}

// Another row of the library in the editor that holds `name`, or -1.
int other_row_named(const std::string& name) {
    for (int i = 0; i < compound_count && i < kMaxCompounds; ++i)
        if (i != current_record && library[i].name == name) return i;
    return -1;
}

void store_amounts(LibraryCompound& c, const CompoundEntry& entry, bool internal_standard) {
    c.conc[0] = to_double_strict(entry.amounts[0]);
    c.conc1_copy = c.conc[0];
    for (int k = 1; k < kMaxLevels; ++k)
        c.conc[k] = internal_standard ? c.conc[0] : to_double_strict(entry.amounts[k]);
}

}  // namespace

bool is_internal_standard_type(const std::string& type_text) {
    return type_text == "surrogate" || type_text == kInternalStandardType;
}

CompoundEntry library_compound_entry(const LibraryCompound& c) {
    CompoundEntry e;
    e.name = c.name;
    e.cas = c.casNumber;
    e.rvw = exact_general(c.rvw);
    e.rvo = exact_general(c.rvo);
    e.bp = exact_general(c.bp);
    e.partcoef = exact_general(c.partcoef);
    e.internal_standard = is_internal_standard_type(c.cmpndType);
    for (int k = 0; k < kMaxLevels; ++k) e.amounts[k] = exact_general(c.conc[k]);
    return e;
}

void get_library_compound_from_form(const CompoundEntry& entry) {
    LibraryCompound& c = library.at(current_record);
    c.name = entry.name;
    c.cmpndType = entry.internal_standard ? kInternalStandardType : kAnalyteType;
    c.bp = to_double_strict(entry.bp);
    c.rvw = to_double_strict(entry.rvw);
    c.rvo = to_double_strict(entry.rvo);
    c.partcoef = to_double_strict(entry.partcoef);
    c.casNumber = entry.cas;
    c.is_internal_standard = entry.internal_standard ? 1 : 0;
    store_amounts(c, entry, entry.internal_standard);
}

EntryProblem check_compound_entry(const CompoundEntry& entry) {
    if (entry.name.empty()) {
        warning("Please enter a compound name.");
        return EntryProblem::NoName;
    }
    if (compound_name_has_separator(entry.name)) {
        warning(compound_name_separator_message(entry.name, current_record + 1));
        return EntryProblem::NoName;
    }
    if (const int other = other_row_named(entry.name); other >= 0) {
        warning(compound_name_in_use_message(entry.name, other + 1, current_record + 1));
        return EntryProblem::NoName;
    }
    if (!is_number_above_zero(entry.rvw)) {
        warning("The relative volatility must greater than 0.");
        return EntryProblem::BadRvw;
    }
    return EntryProblem::None;
}

int invalid_entry_code(const CompoundEntry& entry) {
    if (entry.name.empty() || compound_name_has_separator(entry.name) || other_row_named(entry.name) >= 0) return 1;
    double bp = 0.0;
    int code = 0;
    if (!is_number_above_zero(entry.rvw)) code = 2;
    if (!try_to_double(entry.bp, bp)) code = 3;
    return code;
}

bool ask_delete_invalid_compound() {
    return ui().message("The current compound has invalid entries.\nDelete the current compound and continue?",
                        "Warning", Buttons::YesNo, Icon::Warning) == Answer::Yes;
}

bool ask_delete_compound() {
    return ui().message("Delete Compound from the list?", "Delete Compound", Buttons::OkCancel,
                        Icon::Question) == Answer::Ok;
}

int library_changed(int count, const LibraryTable& saved, const LibraryTable& working) {
    for (int i = 0; i < count && i < kMaxCompounds; ++i)
        if (!same_compound(saved[i], working[i])) return 1;
    return 0;
}

bool library_differs_from_saved() {
    return compound_count != saved_compound_count || library_changed(compound_count, library_saved, library);
}

bool library_names_changed() {
    if (compound_count != saved_compound_count) return true;
    for (int i = 0; i < compound_count && i < kMaxCompounds; ++i)
        if (library[i].name != library_saved[i].name) return true;
    return false;
}

bool remove_library_slot(int index) {
    if (compound_count <= 1) {
        warning("A library must hold at least one compound; the last compound cannot be deleted.");
        return false;
    }
    --compound_count;
    for (int i = index; i < compound_count; ++i) move_compound(library[i], library[i + 1]);
    return true;
}

bool insert_library_slot(int index) {
    if (compound_count >= kMaxCompounds) {
        warning("The library holds " + std::to_string(kMaxCompounds) +
                " compounds, as many as it can hold.\nNo compound can be added.");
        return false;
    }
    ++compound_count;
    for (int i = compound_count - 1; i > index; --i) move_compound(library[i], library[i - 1]);
    set_new_compound(library[index]);
    return true;
}

void fill_standard_amounts(LibraryCompound& c) {
    if (!c.is_internal_standard) return;
    for (int k = 1; k < kMaxLevels; ++k) c.conc[k] = c.conc[0];
}

Answer ask_save_library_changes() {
    return ui().message("Would you like to save your changes?", "Save Changes to the library?",
                        Buttons::YesNoCancel, Icon::Question);
}

void show_rename_warning() {
    warning(
        "Compound name(s) have been changed. If any Internal Standards\nwere modified, the Internal standard file "
        "should be updated.\n");
}

double created_value(const std::string& text) { return leading_number(text); }

bool created_value_entered(bool is_rvw, const std::string& text) {
    const double value = created_value(text);
    return is_rvw ? value > 0 : value != 0;
}

void store_created_compound(const CompoundEntry& entry) {
    LibraryCompound& c = library.at(current_record);
    c.name = entry.name;
    c.bp = to_double_strict(entry.bp);
    c.rvw = to_double_strict(entry.rvw);
    c.rvo = kNewProperty;
    c.partcoef = kNewProperty;
    c.is_internal_standard = entry.internal_standard ? 1 : 0;
    c.cmpndType = entry.internal_standard ? kInternalStandardType : kAnalyteType;
    store_amounts(c, entry, entry.internal_standard);
    c.casNumber = entry.cas;
}

bool room_for_created_compound() {
    if (current_record < kMaxCompounds) return true;
    warning("The library holds " + std::to_string(kMaxCompounds) +
            " compounds, as many as it can hold.\nSave it with Save As.");
    return false;
}

LibrarySnapshot take_library_snapshot() {
    return LibrarySnapshot{library, compound_count, current_record, current_variable_mode()};
}

void restore_library_snapshot(const LibrarySnapshot& s) {
    library = s.table;
    compound_count = s.count;
    current_record = s.current;
    apply_variable_mode(s.mode);
}

void discard_library_edits() {
    copy_library_compounds(saved_compound_count, library, library_saved);
    compound_count = saved_compound_count;
    current_record = 0;
    apply_variable_mode(loaded_variable_mode);
    variables_changed = 0;
}

void library_edits_saved(const std::string& file) {
    use_library_file(file);
    saved_compound_count = compound_count;
    loaded_variable_mode = current_variable_mode();
    variables_changed = 0;
}

bool standards_follow_library() { return derive_standard_properties(surrogates, library); }
