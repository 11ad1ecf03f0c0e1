#pragma once
// Whether the loaded internal-standard file is in step with the library: record k must
// carry the name of the k-th internal standard of the library in library order, and
// the file must hold exactly as many records as the library has internal standards.
#include "methoddata/tables.h"

enum SyncCode : int {
    kInStep = 0,
    kInStepAfterRenames = 1,  // one or more renames accepted
    kNotInStep = 9,           // the numbers differ or a rename was refused
};

// The sync code of library and records; asks the rename question for each record whose
// name differs from its internal standard's (stopping at the first refusal).
int library_sync_code(LibraryTable& library, SurrogateTable& surrogates);

// The check of Load, Edit and Calibration > New: the code, its warning, and for a file
// out of step the mismatch report and its printout. True when in step (code below 2).
bool check_library_sync(LibraryTable& library, SurrogateTable& surrogates);

// "Is this a rename?" for library row r and record k. Yes: record k becomes the
// library's compound (its name, row number, bp and rvw), the file counts as not
// written, answer 1. No: answer 9.
int ask_rename_compound(int library_row, int record, const LibraryTable& library,
                        SurrogateTable& surrogates);

// The warning of a sync code other than 0.
void show_sync_warning(int code);
