#include "calibration/level_amount.h"

#include <cmath>

#include "methoddata/calibration_data.h"
#include "methoddata/level_lookup.h"
#include "methoddata/tables.h"

double level_amount(int c, int k) {
    const LibraryCompound& saved = method_data.library_saved[c];
    if (method_data.library[c].is_internal_standard) return saved.conc[0];
    const std::string& label = calibration_data.level_names[k];
    int level = level_of_label(label);
    if (level < 0) return dilution_factor_of_label(label) * saved.conc[0];
    return level >= 1 && level <= kMaxLevels ? saved.conc[level - 1] : 0.0;
}

bool level_has_amount(int c, int k) {
    const double amount = level_amount(c, k);
    return amount > 0.0 && std::isfinite(amount);
}
