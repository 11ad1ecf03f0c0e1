#include "methoddata/tables.h"

#include <algorithm>

#include "methoddata/check_state.h"
#include "methoddata/program_paths.h"

const std::string program_version_text = "Version 4.2";

int library_rows_in_use() { return std::clamp(method_data.compound_count, 0, kMaxCompounds); }
int surrogate_records_in_use() { return std::clamp(method_data.surrogate_count, 0, kMaxSurrogates); }

void reset_library_tables() {
    for (auto& r : method_data.surrogates) reset_surrogate_record(r);
    for (auto& c : method_data.library) reset_library_compound(c);
    for (auto& c : method_data.library_saved) reset_library_compound(c);
}

bool copy_library_compounds(int count, LibraryTable& target, const LibraryTable& source) {
    int n = std::clamp(count, 0, kMaxCompounds);
    for (int i = 0; i < n; ++i) target[i] = source[i];
    return true;
}

double get_compound_amount(int compound, int level, double factor) {
    if (compound < 0 || compound >= kMaxCompounds) return kNotSet;
    const LibraryCompound& c = method_data.library_saved[compound];
    if (level >= 0 && level < kMaxLevels) return c.conc[level];
    if (level == kMaxLevels) return factor * c.conc[0];
    return kNotSet;
}
