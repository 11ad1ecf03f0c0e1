#include "methoddata/surrogate_library_row.h"

#include <algorithm>

int find_library_row_by_name(const std::string& name, const LibraryTable& library) {
    const int rows = std::min(method_data.compound_count, kMaxCompounds);
    for (int r = 0; r < rows; ++r)
        if (library[r].name == name) return r;
    return -1;
}

bool find_surrogate_library_row(int& row, int record, const SurrogateTable& surrogates,
                                const LibraryTable& library) {
    if (record < 0 || record >= kMaxSurrogates) return false;
    const int found = find_library_row_by_name(surrogates[record].name, library);
    if (found < 0) return false;
    row = found;
    return true;
}

const SurrogateRecord* find_surrogate_of_library_row(int row, const SurrogateTable& surrogates,
                                                     const LibraryTable& library) {
    if (row < 0 || row >= kMaxCompounds) return nullptr;
    const int records = std::min(method_data.surrogate_count, kMaxSurrogates);
    for (int k = 0; k < records; ++k)
        if (surrogates[k].name == library[row].name) return &surrogates[k];
    return nullptr;
}

void take_library_row(SurrogateRecord& record, int row, const LibraryTable& library) {
    record.LibCmpndNum = row + 1;
    record.bp = library[row].bp;
    record.rvw = library[row].rvw;
}

bool derive_standard_properties(SurrogateTable& surrogates, const LibraryTable& library) {
    bool changed = false;
    for (int k = 0; k < surrogate_records_in_use(); ++k) {
        int row = 0;
        if (!find_surrogate_library_row(row, k, surrogates, library)) continue;
        SurrogateRecord& record = surrogates[k];
        const SurrogateRecord before = record;
        take_library_row(record, row, library);
        changed |= record != before;
    }
    return changed;
}
