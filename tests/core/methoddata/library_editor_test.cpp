#include "methoddata/library_editor.h"

#include <gtest/gtest.h>

#include "methoddata/editor_state.h"
#include "platform/errors.h"
#include "scripted_ui.h"
#include "../surrogate_fixtures.h"
#include "program/program_state.h"

namespace {

class LibraryEditor : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        add_library_row("Toluene-d8", true, 110.6, 0.27);
        add_library_row("Benzene", false, 80.1, 0.22);
        add_library_row("Xylene", false, 139.0, 0.3);
        editor_state.saved_compound_count = method_data.compound_count;
    }
    static CompoundEntry entry(const std::string& name, const std::string& rvw, const std::string& bp) {
        CompoundEntry e = library_compound_entry(method_data.library[1]);
        e.name = name;
        e.rvw = rvw;
        e.bp = bp;
        return e;
    }
    ScriptedUi ui;
};

TEST_F(LibraryEditor, StoringTheControlsOfAnAnalyteAndOfAnInternalStandard) {
    CompoundEntry e = library_compound_entry(method_data.library[1]);
    EXPECT_EQ(e.bp, "80.1");
    EXPECT_FALSE(e.internal_standard);
    for (int k = 0; k < kMaxLevels; ++k) e.amounts[k] = std::to_string(k + 1);
    e.cas = "71-43-2";

    editor_state.current_record = 1;
    get_library_compound_from_form(e);
    EXPECT_EQ(method_data.library[1].cmpndType, "analyte");
    EXPECT_EQ(method_data.library[1].conc[9], 10.0);
    EXPECT_EQ(method_data.library[1].casNumber, "71-43-2");

    e.internal_standard = true;  // the type list decides
    get_library_compound_from_form(e);
    EXPECT_EQ(method_data.library[1].cmpndType, "Internal Standard");
    EXPECT_EQ(method_data.library[1].is_internal_standard, 1);
    for (double amount : method_data.library[1].conc) EXPECT_EQ(amount, 1.0);

    // Older files call an internal standard "surrogate".
    method_data.library[2].cmpndType = "surrogate";
    EXPECT_TRUE(library_compound_entry(method_data.library[2]).internal_standard);
}

// A box is read whole, and a box that holds no number stores nothing of the compound.
TEST_F(LibraryEditor, ABoxThatHoldsNoNumberStopsTheStoreAndStoresNothing) {
    editor_state.current_record = 1;
    const LibraryCompound before = method_data.library[1];
    for (const auto& [bp, amount] : {std::pair{"eighty", "1"}, {"80", "1,5"}, {"80", ""}}) {
        CompoundEntry e = entry("Benzene (new)", "0.5", bp);
        e.amounts[4] = amount;
        try {
            get_library_compound_from_form(e);
            ADD_FAILURE() << bp << " " << amount;
        } catch (const ConversionError& error) {
            EXPECT_NE(std::string(error.what()).find(*bp == 'e' ? "\"Boiling Point\"" : "\"amount 5\""),
                      std::string::npos)
                << error.what();
        }
        EXPECT_EQ(method_data.library[1].name, before.name);
        EXPECT_EQ(method_data.library[1].rvw, before.rvw);
        EXPECT_EQ(method_data.library[1].conc, before.conc);
    }
}

// The name is held as the library file reads it back: blanks around it are dropped where it
// is typed, so a name of blanks is no name and "Benzene " is the Benzene of another row.
TEST_F(LibraryEditor, TheChecksOfATypedCompound) {
    struct Case {
        const char* name;
        const char* rvw;
        const char* bp;
        EntryProblem problem;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {"X", "0.5", "80", EntryProblem::None, 0, ""},
        {"", "0.5", "80", EntryProblem::NoName, 1, "Please enter a compound name."},
        {"   ", "0.5", "80", EntryProblem::NoName, 1, "Please enter a compound name."},
        {" Benzene ", "0.5", "80", EntryProblem::NoName, 1, "\"Benzene\""},
        {"Ben\tzene", "0.5", "80", EntryProblem::NoName, 1, "it holds a tab or a line break"},
        {"Ben\nzene", "0.5", "80", EntryProblem::NoName, 1, "it holds a tab or a line break"},
        {"", "0", "x", EntryProblem::NoName, 1, "Please enter a compound name."},
        {"X", "0", "80", EntryProblem::BadRvw, 2, "The relative volatility must greater than 0."},
        {"X", "-1", "80", EntryProblem::BadRvw, 2, "The relative volatility must greater than 0."},
        {"X", "abc", "80", EntryProblem::BadRvw, 2, "The relative volatility must greater than 0."},
        {"X", "0,5", "80", EntryProblem::BadRvw, 2, "The relative volatility must greater than 0."},
        {"X", "0.5", "8o", EntryProblem::BadBp, 3, "The box \"Boiling Point\" was refused: '8o' is not a number."},
        {"X", "0.5", "", EntryProblem::BadBp, 3, "The box \"Boiling Point\" was refused: it is empty."},
        {"X", "0.5", "-0.5", EntryProblem::None, 0, ""},  // a boiling point below 0 is real
        {"X", "0", "8o", EntryProblem::BadRvw, 3, "The relative volatility must greater than 0."},
    };
    ui.allow_any_message = true;
    editor_state.current_record = 0;
    for (const Case& c : cases) {
        ui.messages.clear();
        CompoundEntry e = entry(c.name, c.rvw, c.bp);
        EXPECT_EQ(check_compound_entry(e), c.problem) << c.name << "|" << c.rvw << "|" << c.bp;
        EXPECT_EQ(invalid_entry_code(e), c.code) << c.name << "|" << c.rvw << "|" << c.bp;
        EXPECT_NE(ui.last_message().text.find(c.message), std::string::npos) << ui.last_message().text;
        if (!*c.message) {
            EXPECT_EQ(ui.last_message().text, "");
        }
        EXPECT_EQ(ui.last_message().caption, c.problem == EntryProblem::None ? "" : "Warning");
    }
}

// Every amount read is a number not below 0; an internal standard's amounts 2..10 are not read.
TEST_F(LibraryEditor, AmountsAreNumbersNotBelowZero) {
    struct Case {
        bool internal_standard;
        int k;
        const char* amount;
        bool refused;
        const char* message;
    };
    const Case cases[] = {
        {false, 0, "-5", true, "The box \"amount 1\" was refused: '-5' is below 0, and no amount can be."},
        {false, 6, "-0.01", true, "\"amount 7\" was refused: '-0.01' is below 0"},
        {false, 3, "1,5", true, "\"amount 4\" was refused: '1,5' is not a number"},
        {false, 9, " ", true, "\"amount 10\" was refused: it is empty"},
        {false, 9, "0", false, ""},
        {true, 0, "-1", true, "\"amount 1\" was refused: '-1' is below 0"},
        {true, 3, "abc", false, ""},
    };
    ui.allow_any_message = true;
    editor_state.current_record = 1;
    for (const Case& c : cases) {
        ui.messages.clear();
        CompoundEntry e = entry("Benzene", "0.5", "80");
        e.internal_standard = c.internal_standard;
        e.amounts[c.k] = c.amount;
        int refused = -1;
        EXPECT_EQ(check_compound_entry(e, &refused), c.refused ? EntryProblem::BadAmount : EntryProblem::None)
            << c.amount;
        EXPECT_EQ(refused, c.refused ? c.k : -1) << c.amount;
        if (c.refused) {
            EXPECT_NE(ui.last_message().text.find(c.message), std::string::npos) << ui.last_message().text;
        }
    }
}

TEST_F(LibraryEditor, EveryDifferenceFromTheSavedLibraryCounts) {
    EXPECT_FALSE(library_differs_from_saved());
    const std::function<void(LibraryCompound&)> changes[] = {
        [](LibraryCompound& c) { c.conc[4] = 12.5; },  // an analyte's amount 5
        [](LibraryCompound& c) { c.name = "benzene"; },
        [](LibraryCompound& c) { c.casNumber = "71-43-2"; },
        [](LibraryCompound& c) { c.cmpndType = "Internal Standard"; },
        [](LibraryCompound& c) { c.MDLsoil = 2.0; },
    };
    for (const auto& change : changes) {
        method_data.library = method_data.library_saved;
        change(method_data.library[1]);
        EXPECT_TRUE(library_differs_from_saved());
    }
    // The type chosen in the list and not yet stored is the window's change, which it counts
    // itself: the library is as saved until the compound is stored.
    method_data.library = method_data.library_saved;
    method_data.library[1].is_internal_standard = 1;
    EXPECT_FALSE(library_differs_from_saved());
    // Deleting the last compound leaves the others as saved: the number tells.
    method_data.library = method_data.library_saved;
    --method_data.compound_count;
    EXPECT_EQ(library_changed(method_data.compound_count, method_data.library_saved, method_data.library), 0);
    EXPECT_TRUE(library_differs_from_saved());
}

// Browsing never leaves the library's three records: Next and Previous stop at its ends, a
// number typed is taken to the nearest record, and a counter that shows no record of the
// library leaves the record as it was.
TEST_F(LibraryEditor, BrowsingStaysWithinTheLibrary) {
    struct Case {
        int from;
        void (*move)();
        int to;
    };
    const Case cases[] = {
        {1, [] { move_to_next_compound(); }, 2},
        {2, [] { move_to_next_compound(); }, 2},
        {1, [] { move_to_previous_compound(); }, 0},
        {0, [] { move_to_previous_compound(); }, 0},
        {0, [] { move_to_compound_number(500); }, 2},
        {2, [] { move_to_compound_number(0); }, 0},
        {0, [] { name_box_left(2); }, 1},
        {1, [] { name_box_left(4); }, 1},
        {1, [] { name_box_left(0); }, 1},
        {5, [] { take_counter_record("two"); }, 2},
        {1, [] { take_counter_record("9"); }, 2},
        {2, [] { take_counter_record("1"); }, 0},
        {7, [] { begin_library_editing(); }, 2},
        {1, [] { begin_library_editing(); }, 1},
    };
    for (const Case& c : cases) {
        editor_state.current_record = c.from;
        c.move();
        EXPECT_EQ(editor_state.current_record, c.to) << "from " << c.from << ", case " << &c - cases;
    }
}

TEST_F(LibraryEditor, InsertAndRemoveMoveTheCompoundsButNotTheirReportingLimits) {
    for (int i = 0; i < 3; ++i) method_data.library[i].MDLwater = i + 1.0;
    ASSERT_TRUE(insert_library_slot(1));
    EXPECT_EQ(method_data.compound_count, 4);
    EXPECT_EQ(method_data.library[1].name, "");
    EXPECT_EQ(method_data.library[1].cmpndType, "analyte");
    EXPECT_EQ(method_data.library[1].rvw, 999.0);
    EXPECT_EQ(method_data.library[1].conc[9], 99.0);
    EXPECT_EQ(method_data.library[1].casNumber, "N/A");
    EXPECT_EQ(method_data.library[2].name, "Benzene");
    EXPECT_EQ(method_data.library[3].name, "Xylene");
    EXPECT_EQ(method_data.library[3].MDLwater, -1.0);  // a limit belongs to its table position
    EXPECT_EQ(method_data.library[1].MDLwater, 2.0);

    ASSERT_TRUE(remove_library_slot(0));
    EXPECT_EQ(method_data.compound_count, 3);
    EXPECT_EQ(method_data.library[0].name, "");
    EXPECT_EQ(method_data.library[2].name, "Xylene");
    EXPECT_EQ(method_data.library[0].MDLwater, 1.0);
}

// A compound moves with every value the library file holds and its type; each table position
// keeps its own reporting limits, so a compound moved away and back has its own again.
TEST_F(LibraryEditor, AMovedCompoundLeavesOnlyThePositionsLimitsBehind) {
    LibraryCompound& standard = method_data.library[0];
    standard.rvo = 3.5;
    standard.partcoef = 2.1;
    standard.casNumber = "2037-26-5";
    standard.conc.fill(25.0);
    standard.MDLwater = 0.5;
    standard.MDLwaste = 0.7;
    const LibraryCompound moved = standard;
    method_data.library[1].MDLwater = 8.0;

    ASSERT_TRUE(insert_library_slot(0));
    EXPECT_EQ(compound_part(method_data.library[1]), compound_part(moved));
    EXPECT_EQ(method_data.library[1].is_internal_standard, 1);
    EXPECT_EQ(method_data.library[1].MDLwater, 8.0);
    EXPECT_EQ(method_data.library[0].MDLwater, 0.5);

    ASSERT_TRUE(remove_library_slot(0));
    EXPECT_EQ(method_data.library[0], moved);
}

TEST_F(LibraryEditor, TheTableNeitherOverflowsNorEmpties) {
    method_data.compound_count = kMaxCompounds;
    method_data.library[kMaxCompounds - 1].name = "Last";
    ui.expect_message("No compound can be added.");
    EXPECT_FALSE(insert_library_slot(0));
    EXPECT_EQ(method_data.compound_count, kMaxCompounds);
    EXPECT_EQ(method_data.library[kMaxCompounds - 1].name, "Last");

    method_data.compound_count = 1;
    ui.expect_message("the last compound cannot be deleted");
    EXPECT_FALSE(remove_library_slot(0));
    EXPECT_EQ(method_data.compound_count, 1);

    editor_state.current_record = kMaxCompounds;
    ui.expect_message("Save it with Save As.");
    EXPECT_FALSE(room_for_created_compound());
}

// The records take bp, rvw and row from the library row of their name, wherever it stands; a
// name the library does not hold (a rename not yet asked about) keeps the record's values.
TEST_F(LibraryEditor, RecordsTakeTheirPropertiesFromTheLibraryRowOfTheirName) {
    add_record("Renamed away", 1.0, 1.0);
    add_record("Toluene-d8", 1.0, 1.0);
    insert_library_slot(0);  // the internal standard moves to row 1
    method_data.library[1].bp = 200.0;
    method_data.library[1].rvw = 0.31;
    method_data.surrogates[method_data.surrogate_count].name = "Toluene-d8";  // past the records in use
    EXPECT_TRUE(standards_follow_library());
    EXPECT_EQ(method_data.surrogates[1].bp, 200.0);
    EXPECT_EQ(method_data.surrogates[1].rvw, 0.31);
    EXPECT_EQ(method_data.surrogates[1].LibCmpndNum, 2);
    EXPECT_EQ(method_data.surrogates[0].bp, 1.0);
    EXPECT_EQ(method_data.surrogates[0].rvw, 1.0);
    EXPECT_NE(method_data.surrogates[method_data.surrogate_count].bp, 200.0);
    EXPECT_FALSE(standards_follow_library());  // nothing left to change
}

TEST_F(LibraryEditor, ACreatedCompoundTakesItsTypesAmounts) {
    CompoundEntry e;
    e.name = "Naphthalene";
    e.rvw = "0.02";
    e.bp = "218";
    e.cas = "91-20-3";
    for (int k = 0; k < kMaxLevels; ++k) e.amounts[k] = std::to_string(10 * (k + 1));
    editor_state.current_record = 0;
    store_created_compound(e);
    EXPECT_EQ(method_data.library[0].cmpndType, "analyte");
    EXPECT_EQ(method_data.library[0].conc[9], 100.0);
    EXPECT_EQ(method_data.library[0].rvo, 999.0);
    EXPECT_EQ(method_data.library[0].partcoef, 999.0);
    EXPECT_EQ(method_data.library[0].casNumber, "91-20-3");

    e.internal_standard = true;
    e.amounts[1] = "enter value";  // not read for an internal standard
    store_created_compound(e);
    EXPECT_EQ(method_data.library[0].cmpndType, "Internal Standard");
    EXPECT_EQ(method_data.library[0].conc[9], 10.0);

    // Leaving a box: an rvw counts only above 0; a bp or an amount unless it is 0; a text
    // that is no number, and an amount below 0, are refused naming the box.
    struct Case {
        CreatedBox box;
        const char* text;
        bool entered;
        const char* refusal;
    };
    const Case cases[] = {
        {CreatedBox::Rvw, "0.5", true, ""},
        {CreatedBox::Rvw, "-2", false, ""},
        {CreatedBox::Rvw, "enter value", false, ""},
        {CreatedBox::Rvw, "0,5", false, "\"relative volatility-water\" was refused: '0,5' is not a number"},
        {CreatedBox::Bp, "-2", true, ""},
        {CreatedBox::Bp, "0", false, ""},
        {CreatedBox::Bp, "", false, ""},
        {CreatedBox::Bp, "80 C", false, "\"Boiling Point\" was refused: '80 C' is not a number"},
        {CreatedBox::Amount, "12.5 ug", false, "\"amount 3\" was refused: '12.5 ug' is not a number"},
        {CreatedBox::Amount, "-2", false, "\"amount 3\" was refused: '-2' is below 0"},
        {CreatedBox::Amount, "2", true, ""},
        {CreatedBox::Amount, "0", false, ""},
    };
    for (const Case& c : cases) {
        const CreatedValue v = created_value_entered(c.box, 2, c.text);
        EXPECT_EQ(v.entered, c.entered) << c.text;
        EXPECT_EQ(v.refusal.empty(), !*c.refusal) << c.text;
        EXPECT_NE(v.refusal.find(c.refusal), std::string::npos) << v.refusal;
    }
}

TEST_F(LibraryEditor, LeavingWithoutSavingPutsBackTheLibraryAsSaved) {
    method_data.loaded_variable_mode = method_data.variable_mode;
    method_data.library[1].name = "Renamed";
    insert_library_slot(3);
    method_data.variable_mode.one_variable_mode = 1;
    editor_state.variables_changed = 1;
    discard_library_edits();
    EXPECT_EQ(method_data.compound_count, 3);
    EXPECT_EQ(method_data.library[1].name, "Benzene");
    EXPECT_EQ(method_data.variable_mode.one_variable_mode, 0);
    EXPECT_FALSE(library_differs_from_saved());

    // Create mode types into the same table; the loaded library comes back afterwards.
    const MethodData loaded = method_data;
    editor_state.current_record = 2;
    LibrarySnapshot before = take_library_snapshot();
    method_data.compound_count = 0;
    method_data.library[0].name = "Typed";
    method_data.variable_mode.one_variable_mode = 1;
    editor_state.current_record = -1;
    restore_library_snapshot(before);
    EXPECT_EQ(method_data.compound_count, 3);
    EXPECT_EQ(method_data.library[0].name, "Toluene-d8");
    EXPECT_TRUE(method_data == loaded);
    EXPECT_EQ(editor_state.current_record, 2);
}

}  // namespace
