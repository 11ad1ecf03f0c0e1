#pragma once
// The library editor's work on the library tables: what one compound's controls show and
// store, the checks of a typed compound, the change test that decides whether Exit asks
// to save, inserting and removing compounds, and the compounds typed in create mode.
// The window reads and writes its controls; everything else is here.
#include <array>
#include <optional>
#include <string>

#include "methoddata/editor_state.h"
#include "methoddata/tables.h"
#include "platform/ui_services.h"

// The texts of the controls of one compound.
struct CompoundEntry {
    std::string name;
    std::string cas;
    std::string rvw, rvo, bp, partcoef;
    bool internal_standard = false;  // the type list shows "Internal Standard"
    std::array<std::string, kMaxLevels> amounts;
    bool created = false;  // typed in create mode, where rvo and partcoef are not typed
};

inline const std::string kAnalyteType = "analyte";
// The boxes as refusals name them (their labels).
inline const std::string kRvwBox = "relative volatility-water";
inline const std::string kRvoBox = "relative volatility-organic";
inline const std::string kBpBox = "Boiling Point";
inline const std::string kPartcoefBox = "octano-water partition coefficient";
// What a create-mode number box shows when its value is still to be typed.
inline const std::string kEnterValueText = "enter value";
inline const std::string kInternalStandardType = "Internal Standard";

// "surrogate" (older files) and "Internal Standard" name an internal standard.
bool is_internal_standard_type(const std::string& type_text);

// The texts the controls show for a compound (numbers in the general form).
CompoundEntry library_compound_entry(const LibraryCompound& compound);

// Stores the controls into library[current_record], the name without blanks around it (as
// the library file reads it back). Numbers are read whole: a box that holds no number
// throws ConversionError naming the box, and nothing is stored. An internal standard takes
// amount 1 for all ten amounts.
void get_library_compound_from_form(const CompoundEntry& entry);

enum class EntryProblem { None, NoName, BadRvw, BadBp, BadRvo, BadPartcoef, BadAmount };

// The first problem of a typed compound that stops browsing: no name (blanks only too, or
// one holding ";", or one another row holds once blanks around it are dropped: NoName too),
// an rvw that is not a number above 0, then the boxes of check_compound_numbers. Shows its
// warning; for an amount, its index goes to `refused_amount`.
EntryProblem check_compound_entry(const CompoundEntry& entry, int* refused_amount = nullptr);

// The number boxes read whole: bp, rvo and the partition coefficient must hold a number (a
// bp below 0 is a real one), every amount read (amount 1 only for an internal standard) a
// number not below 0. The first refusal shows its warning naming the box.
EntryProblem check_compound_numbers(const CompoundEntry& entry, int* refused_amount = nullptr);

// Before saving or leaving: 0 when the compound can be stored, else 1 (no name, or one
// holding ";"), 2 (rvw not a number above 0) or 3 (bp not a number), the later finding
// winning.
int invalid_entry_code(const CompoundEntry& entry);
// The question about an invalid compound: true when the analyst wants it deleted.
bool ask_delete_invalid_compound();
// The question of Delete Compound: true when the analyst confirms.
bool ask_delete_compound();

// 1 when the first `count` compounds of the two tables differ in anything the library
// file or the reporting limits hold, else 0.
int library_changed(int count, const LibraryTable& saved, const LibraryTable& working);
// Whether `library` differs from library_saved, in its compounds or in their number.
bool library_differs_from_saved();
// Whether a compound name differs from the saved library's (a rename, or compounds
// added or deleted).
bool library_names_changed();

// Removes the compound at `index` (compound_count - 1): the ones behind it move up. The
// reporting limits stay with their table positions. False (message shown) when it is the
// only compound: a library keeps at least one.
bool remove_library_slot(int index);
// Opens a new compound at `index` (compound_count + 1) with the new-compound values; the
// ones from there on move down. False (message shown) when the table is full.
bool insert_library_slot(int index);
// An internal standard's amounts 2..10 are its amount 1.
void fill_standard_amounts(LibraryCompound& compound);

// Delete Compound, confirmed: the compound selected in the list (`list_row`, -1 for none:
// then the one shown) goes, and the one that took its place, or the new last one, is shown
// with its amounts whole. False (message shown, nothing removed) for the only compound.
bool delete_compound_at(int list_row);
// Add Compound: a new compound opens at `at` and is the one shown. False (message shown)
// when the table is full.
bool add_compound_at(int at);
// The type list: the type chosen counts at once (the change test of Exit sees it); the
// type the library holds follows when the compound is stored.
void choose_compound_type(bool internal_standard);
// Cancel Changes: the type chosen in the list goes back to the one the library holds, with
// the rest of what was typed.
void cancel_compound_changes();

// Exit: "Would you like to save your changes?" (Yes, No or Cancel).
Answer ask_save_library_changes();
// After leaving: the reminder that renamed compounds may concern the internal-standard file.
// Shown, it clears names_edited.
void show_rename_warning();

// The editor opens on the library in memory (edit mode): Exit compares with its count,
// no name has been edited yet, and the record shown last is shown again if the library
// still holds it, else the nearest one.
void begin_library_editing();

// The record shown, moved as the analyst browses (edit mode). Each is called once the
// compound shown has been checked and stored, so that the move is all that is left to do.
// Next and Previous stop at the last and the first compound.
void move_to_next_compound();
void move_to_previous_compound();
// A compound clicked in the list: its row is the record shown.
void move_to_listed_compound(int row);
// A number typed into the counter: the compound of that number, the nearest one when the
// library holds none of that number.
void move_to_compound_number(int number);
// Leaving the name box: the name typed belongs to the record the counter shows, when the
// counter shows one of the library's compounds.
void name_box_left(int counter_number);
// Save and Exit store the record the counter shows: a counter text that is no whole number
// (not left yet, so not refused yet) stands for the record shown.
void take_counter_record(const std::string& counter_text);
// A compound name was changed: Exit reminds the analyst of the internal-standard file.
void mark_names_edited();

// Create mode.
// Leaving a create-mode number box: whether its value counts as entered, read whole. An
// rvw must be above 0 (the library file refuses any other), a bp or an amount must not be 0;
// a text that is no number, and an amount below 0, are refused with the message naming
// the box. An empty box and "enter value" are simply not entered.
enum class CreatedBox { Rvw, Bp, Amount };
struct CreatedValue {
    bool entered = false;
    std::string refusal;  // the message when the text was refused
};
CreatedValue created_value_entered(CreatedBox box, int amount, const std::string& text);
// Create mode starts from an empty table: the first compound typed is record 0.
void start_created_library();
// The next compound to type takes the next record, of the type the list shows (its type
// decides which amounts the window asks for).
void open_created_compound(bool internal_standard);
// Stores the typed compound into library[current_record]; conversions as above.
void store_created_compound(const CompoundEntry& entry);
// Save As in create mode writes the compounds entered, not the one being typed. False when
// nothing was written: the typed library stays as it was for another try.
bool save_created_library();
// False (message shown) when the table holds no room for the compound being typed.
bool room_for_created_compound();

// What create mode replaces and puts back when it ends: typing a new library must not
// change the library that is loaded. The whole method data, so that nothing create mode
// touches can be left out, and the record the editor showed.
struct LibrarySnapshot {
    MethodData method_data;
    int current_record = 0;
};
LibrarySnapshot take_library_snapshot();
void restore_library_snapshot(const LibrarySnapshot& snapshot);

// Create New Library: the editor opens to type a new library (create mode) until
// end_create_library_mode.
void begin_create_library_mode();
// Create mode has ended (its window is left, the new library saved or not): the main
// window's create-mode flag goes down with the window, so that no later command takes the
// editor for one typing a new library.
void end_create_library_mode();

// Leaving the editor without saving: the library and the variable mode go back to the
// library as loaded or last saved.
void discard_library_edits();
// After a successful save to `file`: what was written is the saved state, and the file is
// the library in use (Edit Library reads it again; calibration and results files name it).
void library_edits_saved(const std::string& file);

// After every command of the editor in edit mode: the internal-standard records take their
// bp, rvw and row from the library as it now stands. True when a record changed.
bool standards_follow_library();
