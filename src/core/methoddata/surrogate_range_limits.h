#pragma once
// The four range limits of the internal-standard set (MinBP, MaxBP, MinRVW, MaxRVW),
// within which the recovery models are applied: their defaults from the group ranges,
// and the checks that keep an analyst's limits inside the bands the groups allow.
// BP limits are boiling points; RVW limits are plain rvw values, checked on ln rvw, the
// x of the RV groups.
#include <array>
#include <optional>
#include <string>

#include "methoddata/tables.h"

// Whether the variable mode models with the boiling point / the relative volatility.
inline bool bp_variable_in_use() { return one_variable_mode == 0 || bp_variable_chosen != 0; }
inline bool rv_variable_in_use() { return one_variable_mode == 0 || rvw_variable_chosen != 0; }

struct LimitPair {
    double min = kNotSet;
    double max = kNotSet;
};

// Minimum x of BP group 1 and range high of the last BP group; kNotSet where the groups
// give nothing to measure.
LimitPair default_bp_limits();
// e to the power of the same RV-group values.
LimitPair default_rv_limits();

// The limits in memory were measured on the records as they are now (limits_basis).
void limits_measured_on_records();
// Whether a record's groups, first-pass flag, bp or rvw changed since the limits were
// measured: the group bands have moved under them (the checked flag does not move them).
bool records_moved_since_limits_measured();

// The four edits of the range-limits window, in the order they are stored.
enum LimitEdit : int { kEditBpMin = 0, kEditBpMax = 1, kEditRvMin = 2, kEditRvMax = 3 };
using LimitTexts = std::array<std::string, 4>;

// What the edits show: a limit that is set as "%.2f", or its exact text where two decimals
// would change it; one not set shows its default (the minimum BP in the general form, the
// others as "%.2f"), empty when there is none. A default whose text would lie outside its
// band (0.004 as "0.00") shows in the general form, or exactly.
LimitTexts shown_limit_texts();

// The edit of a refused limit and the value it shows instead.
struct LimitReset {
    LimitEdit edit;
    std::string text;
};

// Apply: converts the four texts (strict conversion, ConversionError on the first bad one;
// an empty text is "not set" only for a limit the groups give no default for) and checks
// the limits the variable mode uses. The first refused limit is reported ("Invalid
// limits") and its reset value answered (as a default is shown: a text that Apply
// accepts); nothing is stored then. When all pass, the four
// limits are stored and user_limits_applied is set; the answer is nothing.
std::optional<LimitReset> apply_range_limits(const LimitTexts& texts);
