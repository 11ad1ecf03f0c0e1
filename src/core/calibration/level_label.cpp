#include "calibration/level_label.h"

#include <algorithm>

#include "methoddata/calibration_tables.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"

const std::array<std::string, kLevelItems> level_item_captions = {"Amount1",
                                                                  "Amount2",
                                                                  "Amount3",
                                                                  "Amount4",
                                                                  "Amount5",
                                                                  "Amount6",
                                                                  "Amount7",
                                                                  "Amount8",
                                                                  "Amount9",
                                                                  "Amount10",
                                                                  "Amount as Dilution of Amount 1"};

namespace {
// Digits and dots only: a sign, a blank, a comma or an exponent is not a dilution factor.
bool is_plain_decimal(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

Refusal level_without_amounts_refusal(int item) {
    const std::string level = item == kDilutionItem
                                  ? level_item_captions[0] + ", which the dilution factor multiplies"
                                  : level_item_captions[item];
    return {"No analyte of the library has an amount at " + level +
                ".\nA standard at this level would calibrate nothing: please choose the level "
                "the standard was made at.",
            "Level Without Amounts"};
}
}  // namespace

std::optional<Refusal> check_level_entry(int item, const std::string& dilution) {
    if (item < 0 || item >= kLevelItems)
        return Refusal{"Please select a concentration before exiting.", "Selection Required"};
    if (item == kDilutionItem && dilution.empty())
        return Refusal{"Please enter a dilution factor before exiting.",
                       "Dilution Factor Required"};
    if (std::count(dilution.begin(), dilution.end(), '.') > 1 || !is_plain_decimal(dilution))
        return Refusal{"Please enter a valid dilution factor", "Invalid dilution factor"};
    if (item == kDilutionItem && is_zero_dilution(dilution)) return zero_dilution_refusal();
    // The label is read as a number whole wherever its amounts are taken.
    if (item == kDilutionItem && !read_number(dilution).ok)
        return Refusal{"Please enter a valid dilution factor", "Invalid dilution factor"};
    // A label the level table cannot hold whole would be used cut: another factor.
    if (level_label_of_entry(item, dilution).size() > static_cast<size_t>(kLevelNameLength))
        return Refusal{c_format("A dilution factor can have at most %d characters.",
                                kLevelNameLength),
                       "Invalid dilution factor"};
    if (!some_analyte_has_level_amount(item)) return level_without_amounts_refusal(item);
    return std::nullopt;
}

bool some_analyte_has_level_amount(int item) {
    if (item < 0 || item > kDilutionItem) return false;
    for (int c = 0; c < method_data.compound_count && c < kMaxCompounds; ++c) {
        if (method_data.library[c].is_internal_standard) continue;  // always at its own Amount 1
        const LibraryCompound& saved = method_data.library_saved[c];
        if (saved.conc[item == kDilutionItem ? 0 : item] > 0.0) return true;
    }
    return false;
}

bool is_zero_dilution(const std::string& dilution) {
    return !dilution.empty() &&
           std::all_of(dilution.begin(), dilution.end(), [](char c) { return c == '0' || c == '.'; });
}

Refusal zero_dilution_refusal() {
    return {"Please enter a dilution factor greater than 0", "Invalid dilution factor"};
}

std::string level_label_of_entry(int item, const std::string& dilution) {
    std::string label = (item >= 0 && item < kDilutionItem) ? level_item_captions[item] : dilution;
    if (!label.empty() && label.front() == '.') label = "0" + label;
    return label;
}
