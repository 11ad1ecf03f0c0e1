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

bool outside(double v, float min, float max) { return v < min || v > max; }

}  // namespace

bool check_group_entries(GroupEntryTexts& e, const EntryRanges& r, GroupEntryMarks& refused) {
    auto value = [&](int i) { return leading_number(e[i]); };
    refused[kSlopeLower] = outside(value(kSlopeLower), r.slope_min, r.slope_max) || e[kSlopeLower] == "Error";
    refused[kInterceptLower] = outside(value(kInterceptLower), r.intercept_min, r.intercept_max);
    refused[kDiff] = outside(value(kDiff), r.diff_min, r.diff_max) || value(kDiff) == 0.0;
    refused[kSlopeUpper] = outside(value(kSlopeUpper), r.slope_min, r.slope_max);
    refused[kInterceptUpper] = outside(value(kInterceptUpper), r.intercept_min, r.intercept_max);
    // A line whose lower and upper limits are equal could never pass.
    if (value(kSlopeUpper) == value(kSlopeLower)) refused[kSlopeLower] = refused[kSlopeUpper] = true;
    if (value(kInterceptUpper) == value(kInterceptLower)) refused[kInterceptLower] = refused[kInterceptUpper] = true;
    bool ok = true;
    for (size_t i = 0; i < e.size(); ++i) {
        if (refused[i])
            ok = false;
        else if (value(static_cast<int>(i)) == 0.0)
            e[i].assign(1, '0');  // what is stored, as it is stored
    }
    return ok;
}

void check_all_groups(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused) {
    for (size_t g = 0; g < entries.size(); ++g)
        if (!check_group_entries(entries[g], calc_limits_data.entry_ranges, refused[g]))
            calc_limits_data.limits_valid = 0;
}

bool apply_group_limits(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused) {
    calc_limits_data.limits_valid = 1;
    check_all_groups(entries, refused);
    if (calc_limits_data.limits_valid != 1) return false;
    std::array<double, kGroupLimitValues> values{};
    for (int i = 0; i < kGroupLimitValues; ++i) values[i] = leading_number(entries[i / 5][i % 5]);
    set_group_limit_values(values);
    return true;
}

bool apply_group_limits_for_save(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused) {
    if (apply_group_limits(entries, refused)) return true;
    show_message("Please correct entry error(s)and try again.(002)", "Message");
    return false;
}
