#pragma once
// Small method-data fixtures for the internal-standard tests: a library built row by
// row and records with their groups, written straight into the global tables.
#include <cmath>
#include <initializer_list>
#include <string>

#include "methoddata/tables.h"

// Appends a library row; answers its index.
inline int add_library_row(const std::string& name, bool internal_standard, double bp = 100.0,
                           double rvw = 1.0) {
    LibraryCompound& c = method_data.library[method_data.compound_count];
    c.name = name;
    c.cmpndType = internal_standard ? "Internal Standard" : "analyte";
    c.is_internal_standard = internal_standard ? 1 : 0;
    c.bp = bp;
    c.rvw = rvw;
    method_data.library_saved[method_data.compound_count] = c;
    return method_data.compound_count++;
}

struct Groups {
    std::initializer_list<int> bp;
    std::initializer_list<int> rv;
    int first_pass = 0;
    int checked = 0;
};

// Appends a record; answers its index.
inline int add_record(const std::string& name, double bp, double rvw, Groups groups = {},
                      int lib_row = 0) {
    SurrogateRecord& r = method_data.surrogates[method_data.surrogate_count];
    r = SurrogateRecord_init();
    r.name = name;
    r.LibCmpndNum = lib_row;
    r.bp = bp;
    r.rvw = rvw;
    for (int g : groups.bp) r.bpgroup[g - 1] = 1;
    for (int g : groups.rv) r.rvwgroup[g - 1] = 1;
    r.first_pass = groups.first_pass;
    r.checked_surrogate = groups.checked;
    return method_data.surrogate_count++;
}

// The reporting-limit tests' library: analytes between and after two internal standards
// (rows IS-1, Benzene, Toluene, IS-2, Xylene).
inline void add_limits_library() {
    add_library_row("IS-1", true);
    add_library_row("Benzene", false);
    add_library_row("Toluene", false);
    add_library_row("IS-2", true);
    add_library_row("Xylene", false);
}

// Library rows for every record, so that the records are known by name.
inline void add_library_rows_for_records() {
    for (int q = 0; q < method_data.surrogate_count; ++q)
        add_library_row(method_data.surrogates[q].name, true, method_data.surrogates[q].bp, method_data.surrogates[q].rvw);
}

// Groupings that pass in every mode, with their library rows: BP group 1 = bp 40 50 60 70,
// group 2 = 100 110 120; RV group 1 = ln rvw 0 1 2, group 2 = 3 4 5 6; three first-pass
// standards (FP1..FP3) outside every group.
inline void add_two_group_records() {
    const double bp[] = {40, 50, 60, 70, 100, 110, 120};
    for (int i = 0; i < 7; ++i)
        add_record("S" + std::to_string(i + 1), bp[i], std::exp(i), {{i < 4 ? 1 : 2}, {i < 3 ? 1 : 2}});
    for (int i = 0; i < 3; ++i) add_record("FP" + std::to_string(i + 1), 80, 10, {{}, {}, 1});
    add_library_rows_for_records();
}
