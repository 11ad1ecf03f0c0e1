#include "processing/group_limit_entries.h"

#include "platform/number_text.h"
#include "platform/ui_services.h"

AllGroupEntryTexts group_limit_texts() {
    AllGroupEntryTexts texts;
    auto values = group_limit_values();
    for (int i = 0; i < kGroupLimitValues; ++i) texts[i / 5][i % 5] = exact_fixed(values[i], 4);
    return texts;
}

bool check_group_entries(GroupEntryTexts& e, const EntryRanges& r, GroupEntryMarks& refused,
                         std::vector<std::string>* why) {
    // An entry is read whole: "abc", "" or "0,5" read as 0 would give limits that flag
    // every line, and "Error" (what a refused entry once showed) is no number either.
    std::array<std::optional<double>, kGroupLimitEntries> values;
    refused = {};
    for (int i = 0; i < kGroupLimitEntries; ++i) {
        const NumberField field = read_number(e[i]);
        if (field.ok) {
            values[i] = field.value;
            continue;
        }
        refused[i] = true;
        if (why) why->push_back(group_limit_entry_name(i) + ": " + field.why);
    }
    for (const GroupLimitFault& fault : group_limit_faults(values, r)) {
        for (int i = 0; i < kGroupLimitEntries; ++i) refused[i] = refused[i] || fault.entries[i];
        if (why) why->push_back(fault.why);
    }
    bool ok = true;
    for (int i = 0; i < kGroupLimitEntries; ++i) {
        if (refused[i])
            ok = false;
        else if (*values[i] == 0.0)
            e[i].assign(1, '0');  // what is stored, as it is stored
    }
    return ok;
}

void check_all_groups(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused, std::vector<std::string>* why) {
    for (size_t g = 0; g < entries.size(); ++g) {
        std::vector<std::string> group_why;
        if (!check_group_entries(entries[g], calc_limits_data.entry_ranges, refused[g], &group_why))
            calc_limits_data.limits_valid = 0;
        if (why)
            for (const std::string& w : group_why)
                why->push_back(group_limits_group_name(static_cast<int>(g)) + ", " + w);
    }
}

bool apply_group_limits(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused, std::vector<std::string>* why) {
    calc_limits_data.limits_valid = 1;
    check_all_groups(entries, refused, why);
    if (calc_limits_data.limits_valid != 1) return false;
    std::array<double, kGroupLimitValues> values{};
    for (int i = 0; i < kGroupLimitValues; ++i) values[i] = read_number(entries[i / 5][i % 5]).value;
    set_group_limit_values(values);
    return true;
}

std::string group_entries_refusal_text(const std::vector<std::string>& why) {
    std::string text = "The group limits were not applied:";
    for (const std::string& w : why) text += "\n" + w + ".";
    return text + "\nThe limits in force were kept.";
}

bool apply_group_limits_with_message(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused) {
    std::vector<std::string> why;
    if (apply_group_limits(entries, refused, &why)) return true;
    show_message(group_entries_refusal_text(why), "Message");
    return false;
}

bool apply_group_limits_for_save(AllGroupEntryTexts& entries, AllGroupEntryMarks& refused) {
    std::vector<std::string> why;
    if (apply_group_limits(entries, refused, &why)) return true;
    show_message("Please correct entry error(s)and try again.(002)\n\n" + group_entries_refusal_text(why), "Message");
    return false;
}
