#pragma once
// How an internal-standard record finds its library row. Internal standards may stand
// anywhere in the library, and a record's stored row number can be stale after the
// library was edited, so a record is matched to the library by its name.
#include "methoddata/tables.h"

// The first library row 0..compound_count-1 whose name equals the name of record
// `record`; false when no row carries that name.
bool find_surrogate_library_row(int& row, int record, const SurrogateTable& surrogates,
                                const LibraryTable& library);

// The first library row 0..compound_count-1 with this name; -1 when there is none.
int find_library_row_by_name(const std::string& name, const LibraryTable& library);

// The record 0..surrogate_count-1 that stands for library row `row` (matched by name);
// nullptr when no record carries that row's name.
const SurrogateRecord* find_surrogate_of_library_row(int row, const SurrogateTable& surrogates,
                                                     const LibraryTable& library);

// Record `record` stands for library row `row` (from 0): it takes the row number (1-based, as
// the internal-standard file holds it), the bp and the rvw of that row. The one place where a
// record's properties come from the library.
void take_library_row(SurrogateRecord& record, int row, const LibraryTable& library);

// The library is the one source of an internal standard's bp, rvw and row: each record below
// surrogate_count takes those of the library row of its name (the row 1-based, as the
// internal-standard file holds it). A record whose name the
// library does not hold (a rename the library sync has not asked about yet) keeps its
// values until the sync makes it the library's compound. True when a record changed.
bool derive_standard_properties(SurrogateTable& surrogates, const LibraryTable& library);
