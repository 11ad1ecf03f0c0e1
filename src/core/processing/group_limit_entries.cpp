#include "processing/group_limit_entries.h"

#include "platform/number_text.h"
#include "platform/ui_services.h"

AllGroupEntryTexts group_limit_texts() {
    AllGroupEntryTexts texts;
    auto values = group_limit_values();
    for (int i = 0; i < kGroupLimitValues; ++i) texts[i / 5][i % 5] = c_format("%6.4f", values[i]);
    return texts;
}

namespace {

enum Entry { kSlopeLower, kInterceptLower, kDiff, kSlopeUpper, kInterceptUpper };

// Marks an entry "Error" when bad; then an entry that reads as 0 shows "0" (so an entry
// just marked "Error" shows "0" too unless a later step marks it again).
bool mark_entry(std::string& text, bool bad) {
    if (bad) text = "Error";
    if (leading_number(text) == 0.0) text = "0";
    return !bad;
}

bool outside(double v, float min, float max) { return v < min || v > max; }

}  // namespace

bool check_group_entries(GroupEntryTexts& e, const EntryRanges& r) {
    auto value = [&](int i) { return leading_number(e[i]); };
    bool ok = true;
    ok &= mark_entry(e[kSlopeLower],
                     outside(value(kSlopeLower), r.slope_min, r.slope_max) || e[kSlopeLower] == "Error");
    ok &= mark_entry(e[kInterceptLower], outside(value(kInterceptLower), r.intercept_min, r.intercept_max));
    ok &= mark_entry(e[kDiff], outside(value(kDiff), r.diff_min, r.diff_max) || value(kDiff) == 0.0);
    ok &= mark_entry(e[kSlopeUpper], outside(value(kSlopeUpper), r.slope_min, r.slope_max));
    ok &= mark_entry(e[kInterceptUpper], outside(value(kInterceptUpper), r.intercept_min, r.intercept_max));
    // A line whose lower and upper limits are equal could never pass.
    if (value(kSlopeUpper) == value(kSlopeLower)) {
        ok = false;
        e[kSlopeLower] = e[kSlopeUpper] = "Error";
    }
    if (value(kInterceptUpper) == value(kInterceptLower)) {
        ok = false;
        e[kInterceptLower] = e[kInterceptUpper] = "Error";
    }
    return ok;
}

void check_all_groups(AllGroupEntryTexts& entries) {
    for (GroupEntryTexts& group : entries)
        if (!check_group_entries(group, calc_limits_data.entry_ranges)) calc_limits_data.limits_valid = 0;
}

bool apply_group_limits(AllGroupEntryTexts& entries) {
    calc_limits_data.limits_valid = 1;
    check_all_groups(entries);
    if (calc_limits_data.limits_valid != 1) return false;
    std::array<double, kGroupLimitValues> values{};
    for (int i = 0; i < kGroupLimitValues; ++i) values[i] = leading_number(entries[i / 5][i % 5]);
    set_group_limit_values(values);
    return true;
}

bool apply_group_limits_for_save(AllGroupEntryTexts& entries) {
    calc_limits_data.limits_valid = 1;
    check_all_groups(entries);
    // The check rewrites a refused entry ("Error" reads as 0, so it shows "0"), and the
    // rewritten texts can pass a second check: applying after a failed check would store
    // and save that 0 in place of the refused value. Only entries that passed are applied.
    if (calc_limits_data.limits_valid == 1) apply_group_limits(entries);
    if (calc_limits_data.limits_valid == 1) return true;
    show_message("Please correct entry error(s)and try again.(002)", "Message");
    return false;
}
