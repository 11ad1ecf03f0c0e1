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
