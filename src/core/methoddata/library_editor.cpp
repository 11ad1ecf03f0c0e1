#include "methoddata/library_editor.h"

#include <algorithm>

#include "methoddata/compound_name.h"
#include "methoddata/library_text_file.h"
#include "methoddata/surrogate_library_row.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/read_errors.h"
#include "platform/text_util.h"

namespace {

constexpr double kNewProperty = 999.0;
constexpr double kNewAmount = 99.0;

void warning(const std::string& text) { ui().message(text, "Warning", Buttons::Ok, Icon::Warning); }

bool is_number_above_zero(const std::string& text) {
    const NumberField field = read_number(text);
    return field.ok && field.value > 0;
}

const std::string kCompoundNotStored = "The compound was not stored.";

// A name is held as the library file reads it back: without blanks around it.
std::string typed_name(const CompoundEntry& entry) { return trim(entry.name); }

// A tab inside a name would split its library row into other fields, a line break into rows.
bool breaks_library_line(const std::string& name) { return name.find_first_of("\t\r\n") != std::string::npos; }

std::string amount_box(int k) { return "amount " + std::to_string(k + 1); }

// The number of a box, read whole; a box that holds none is refused naming it (the checks
// before storing have said so already; this keeps a store from taking part of a text).
double box_number(const std::string& text, const std::string& box) {
    const NumberField field = read_number(text);
    if (!field.ok) throw ConversionError(refused_box_message(box, field.why, kCompoundNotStored));
    return field.value;
}

// Why an amount box cannot hold its text, or nothing: an amount is a number not below 0.
std::optional<std::string> amount_refusal(const std::string& text, int k) {
    if (trim(text) == kEnterValueText)
        return refused_box_message(amount_box(k), "is still to be entered", kCompoundNotStored);
    const NumberField field = read_number(text);
    if (!field.ok) return refused_box_message(amount_box(k), field.why, kCompoundNotStored);
    if (field.value < 0)
        return refused_box_message(amount_box(k), "'" + trim(text) + "' is below 0, and no amount can be",
                                   kCompoundNotStored);
    return std::nullopt;
}

// A compound moves whole; the reporting limits belong to the table position and stay.
void move_compound(LibraryCompound& target, const LibraryCompound& source) {
    const PositionLimits limits = position_part(target);
    target = source;
    position_part(target) = limits;
}

void set_new_compound(LibraryCompound& c) {
    c.name.clear();
    c.cmpndType = kAnalyteType;
    c.is_internal_standard = 0;
    c.rvw = c.rvo = c.bp = c.partcoef = kNewProperty;
    c.conc.fill(kNewAmount);
    c.casNumber = kNoCasNumber;
}

// What the library file and the reporting limits hold. The type chosen in the editor's list
// and not yet stored (is_internal_standard alone) is the window's own change, not the library's.
bool same_compound(const LibraryCompound& a, const LibraryCompound& b) {
    return compound_part(a) == compound_part(b) && position_part(a) == position_part(b);
}

// Another row of the library in the editor that holds `name`, or -1.
int other_row_named(const std::string& name) {
    for (int i = 0; i < method_data.compound_count && i < kMaxCompounds; ++i)
        if (i != editor_state.current_record && method_data.library[i].name == name) return i;
    return -1;
}

void store_amounts(LibraryCompound& c, const CompoundEntry& entry, bool internal_standard) {
    c.conc[0] = box_number(entry.amounts[0], amount_box(0));
    for (int k = 1; k < kMaxLevels; ++k)
        c.conc[k] = internal_standard ? c.conc[0] : box_number(entry.amounts[k], amount_box(k));
}

// A record of the library in the editor: `index` within it, else the nearest one (record 0
// of an empty library).
int record_within_library(int index) { return std::clamp(index, 0, std::max(method_data.compound_count - 1, 0)); }

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
    // Read into a copy: a box refused half-way stores nothing.
    LibraryCompound c = method_data.library.at(editor_state.current_record);
    c.name = typed_name(entry);
    c.cmpndType = entry.internal_standard ? kInternalStandardType : kAnalyteType;
    c.bp = box_number(entry.bp, kBpBox);
    c.rvw = box_number(entry.rvw, kRvwBox);
    c.rvo = box_number(entry.rvo, kRvoBox);
    c.partcoef = box_number(entry.partcoef, kPartcoefBox);
    c.casNumber = entry.cas;
    c.is_internal_standard = entry.internal_standard ? 1 : 0;
    store_amounts(c, entry, entry.internal_standard);
    method_data.library.at(editor_state.current_record) = c;
}

EntryProblem check_compound_entry(const CompoundEntry& entry, int* refused_amount) {
    const std::string name = typed_name(entry);
    if (name.empty()) {
        warning("Please enter a compound name.");
        return EntryProblem::NoName;
    }
    if (compound_name_has_separator(name)) {
        warning(compound_name_separator_message(name, editor_state.current_record + 1));
        return EntryProblem::NoName;
    }
    if (const int other = other_row_named(name); other >= 0) {
        warning(compound_name_in_use_message(name, other + 1, editor_state.current_record + 1));
        return EntryProblem::NoName;
    }
    if (breaks_library_line(name)) {
        warning(refused_box_message("Compound Name",
                                    "it holds a tab or a line break, which end the fields and lines of the library file",
                                    kCompoundNotStored));
        return EntryProblem::NoName;
    }
    if (!is_number_above_zero(entry.rvw)) {
        warning("The relative volatility must greater than 0.");
        return EntryProblem::BadRvw;
    }
    return check_compound_numbers(entry, refused_amount);
}

EntryProblem check_compound_numbers(const CompoundEntry& entry, int* refused_amount) {
    // A boiling point below 0 is a real one: bp, rvo and the partition coefficient may be
    // any number.
    const std::pair<const std::string*, EntryProblem> properties[] = {
        {&entry.bp, EntryProblem::BadBp}, {&entry.rvo, EntryProblem::BadRvo}, {&entry.partcoef, EntryProblem::BadPartcoef}};
    const std::string* names[] = {&kBpBox, &kRvoBox, &kPartcoefBox};
    for (size_t i = 0; i < (entry.created ? 1 : std::size(properties)); ++i) {
        const NumberField field = read_number(*properties[i].first);
        if (field.ok) continue;
        warning(refused_box_message(*names[i], field.why, kCompoundNotStored));
        return properties[i].second;
    }
    // An internal standard's amounts 2..10 are its amount 1: only that one is read.
    const int amounts = entry.internal_standard ? 1 : kMaxLevels;
    for (int k = 0; k < amounts; ++k) {
        if (const auto refusal = amount_refusal(entry.amounts[k], k)) {
            warning(*refusal);
            if (refused_amount) *refused_amount = k;
            return EntryProblem::BadAmount;
        }
    }
    return EntryProblem::None;
}

int invalid_entry_code(const CompoundEntry& entry) {
    const std::string name = typed_name(entry);
    if (name.empty() || compound_name_has_separator(name) || other_row_named(name) >= 0 || breaks_library_line(name))
        return 1;
    int code = 0;
    if (!is_number_above_zero(entry.rvw)) code = 2;
    if (!read_number(entry.bp).ok) code = 3;
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
    return method_data.compound_count != editor_state.saved_compound_count || library_changed(method_data.compound_count, method_data.library_saved, method_data.library);
}

bool library_names_changed() {
    if (method_data.compound_count != editor_state.saved_compound_count) return true;
    for (int i = 0; i < method_data.compound_count && i < kMaxCompounds; ++i)
        if (method_data.library[i].name != method_data.library_saved[i].name) return true;
    return false;
}

bool remove_library_slot(int index) {
    if (method_data.compound_count <= 1) {
        warning("A library must hold at least one compound; the last compound cannot be deleted.");
        return false;
    }
    --method_data.compound_count;
    for (int i = index; i < method_data.compound_count; ++i) move_compound(method_data.library[i], method_data.library[i + 1]);
    return true;
}

bool insert_library_slot(int index) {
    if (method_data.compound_count >= kMaxCompounds) {
        warning("The library holds " + std::to_string(kMaxCompounds) +
                " compounds, as many as it can hold.\nNo compound can be added.");
        return false;
    }
    ++method_data.compound_count;
    for (int i = method_data.compound_count - 1; i > index; --i) move_compound(method_data.library[i], method_data.library[i - 1]);
    set_new_compound(method_data.library[index]);
    return true;
}

void fill_standard_amounts(LibraryCompound& c) {
    if (!c.is_internal_standard) return;
    for (int k = 1; k < kMaxLevels; ++k) c.conc[k] = c.conc[0];
}

bool delete_compound_at(int list_row) {
    if (list_row >= 0) editor_state.current_record = list_row;
    if (!remove_library_slot(editor_state.current_record)) return false;
    editor_state.current_record = std::min(editor_state.current_record, method_data.compound_count - 1);
    fill_standard_amounts(method_data.library[editor_state.current_record]);
    return true;
}

bool add_compound_at(int at) {
    if (!insert_library_slot(at)) return false;
    editor_state.current_record = at;
    return true;
}

void choose_compound_type(bool internal_standard) {
    if (editor_state.current_record >= 0 && editor_state.current_record < kMaxCompounds)
        method_data.library[editor_state.current_record].is_internal_standard = internal_standard;
}

void cancel_compound_changes() {
    LibraryCompound& c = method_data.library[editor_state.current_record];
    c.is_internal_standard = is_internal_standard_type(c.cmpndType) ? 1 : 0;
}

Answer ask_save_library_changes() {
    return ui().message("Would you like to save your changes?", "Save Changes to the library?",
                        Buttons::YesNoCancel, Icon::Question);
}

void show_rename_warning() {
    warning(
        "Compound name(s) have been changed. If any Internal Standards\nwere modified, the Internal standard file "
        "should be updated.\n");
    editor_state.names_edited = 0;
}

void begin_library_editing() {
    editor_state.names_edited = 0;
    editor_state.saved_compound_count = method_data.compound_count;
    editor_state.current_record = record_within_library(editor_state.current_record);
}

void move_to_next_compound() {
    if (editor_state.current_record < method_data.compound_count - 1) ++editor_state.current_record;
}

void move_to_previous_compound() {
    if (editor_state.current_record > 0) --editor_state.current_record;
}

void move_to_listed_compound(int row) { editor_state.current_record = row; }

void move_to_compound_number(int number) {
    editor_state.current_record = std::clamp(number - 1, 0, method_data.compound_count - 1);
}

void name_box_left(int counter_number) {
    if (counter_number >= 1 && counter_number <= method_data.compound_count) editor_state.current_record = counter_number - 1;
}

void take_counter_record(const std::string& counter_text) {
    const IntegerField typed = read_integer(counter_text);
    editor_state.current_record = record_within_library(typed.ok ? typed.value - 1 : editor_state.current_record);
}

void mark_names_edited() { editor_state.names_edited = 1; }

CreatedValue created_value_entered(CreatedBox box, int amount, const std::string& text) {
    // An emptied box, or one that shows "enter value", is still to be typed: no refusal.
    const std::string typed = trim(text);
    if (typed.empty() || typed == kEnterValueText) return {};
    const std::string name = box == CreatedBox::Rvw ? kRvwBox : box == CreatedBox::Bp ? kBpBox : amount_box(amount);
    const NumberField field = read_number(typed);
    if (!field.ok) return {false, refused_box_message(name, field.why, kCompoundNotStored)};
    if (box == CreatedBox::Amount && field.value < 0)
        return {false, refused_box_message(name, "'" + typed + "' is below 0, and no amount can be", kCompoundNotStored)};
    // An rvw counts only above 0 (the library file refuses any other), a bp or an amount
    // unless it is 0.
    return {box == CreatedBox::Rvw ? field.value > 0 : field.value != 0, {}};
}

void start_created_library() {
    method_data.compound_count = 0;
    editor_state.current_record = -1;
}

void open_created_compound(bool internal_standard) {
    ++method_data.compound_count;
    ++editor_state.current_record;
    if (editor_state.current_record < kMaxCompounds)
        method_data.library[editor_state.current_record].is_internal_standard = internal_standard;
}

bool save_created_library() {
    --method_data.compound_count;
    if (!write_library_text_file(method_data.compound_count, method_data.library)) {
        ++method_data.compound_count;
        return false;
    }
    return true;
}

void store_created_compound(const CompoundEntry& entry) {
    LibraryCompound c = method_data.library.at(editor_state.current_record);
    c.name = typed_name(entry);
    c.bp = box_number(entry.bp, kBpBox);
    c.rvw = box_number(entry.rvw, kRvwBox);
    c.rvo = kNewProperty;
    c.partcoef = kNewProperty;
    c.is_internal_standard = entry.internal_standard ? 1 : 0;
    c.cmpndType = entry.internal_standard ? kInternalStandardType : kAnalyteType;
    store_amounts(c, entry, entry.internal_standard);
    c.casNumber = entry.cas;
    method_data.library.at(editor_state.current_record) = c;
}

bool room_for_created_compound() {
    if (editor_state.current_record < kMaxCompounds) return true;
    warning("The library holds " + std::to_string(kMaxCompounds) +
            " compounds, as many as it can hold.\nSave it with Save As.");
    return false;
}

LibrarySnapshot take_library_snapshot() {
    return LibrarySnapshot{method_data, editor_state.current_record};
}

void restore_library_snapshot(const LibrarySnapshot& s) {
    method_data = s.method_data;
    editor_state.current_record = s.current_record;
}

void begin_create_library_mode() { main_flags.NewLibraryMode = 1; }

void end_create_library_mode() { main_flags.NewLibraryMode = 0; }

void discard_library_edits() {
    copy_library_compounds(editor_state.saved_compound_count, method_data.library, method_data.library_saved);
    method_data.compound_count = editor_state.saved_compound_count;
    editor_state.current_record = 0;
    method_data.variable_mode = method_data.loaded_variable_mode;
    editor_state.variables_changed = 0;
}

void library_edits_saved(const std::string& file) {
    use_library_file(file);
    editor_state.saved_compound_count = method_data.compound_count;
    method_data.loaded_variable_mode = method_data.variable_mode;
    editor_state.variables_changed = 0;
}

bool standards_follow_library() { return derive_standard_properties(method_data.surrogates, method_data.library); }
