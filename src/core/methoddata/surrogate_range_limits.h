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

struct LimitPair {
    double min = kNotSet;
    double max = kNotSet;
};

// Minimum x of BP group 1 and range high of the last BP group; kNotSet where the groups
// give nothing to measure.
LimitPair default_bp_limits();
// e to the power of the same RV-group values.
LimitPair default_rv_limits();

// The two variables of the range limits: MinBP and MaxBP, MinRVW and MaxRVW.
enum class LimitVariable { BP, RV };

// The limits in memory were measured on the records as they are now (limits_basis): those
// of both variables, or of one.
void limits_measured_on_records();
void limits_measured_on_records(LimitVariable variable);
// Whether the bands under one variable's limits moved since they were measured: for the BP
// limits a record's BP groups, first-pass flag or bp changed, for the RV limits its RV
// groups, first-pass flag or rvw (the checked flag moves neither).
bool records_moved_since_limits_measured(LimitVariable variable);

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
