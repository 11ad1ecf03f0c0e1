#include "methoddata/level_lookup.h"

#include <algorithm>
#include <climits>

#include "methoddata/calibration_data.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "platform/text_util.h"

namespace {

bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

int library_row_of(const std::string& name) {
    for (int c = 0; c < method_data.compound_count && c < kMaxCompounds; ++c)
        if (method_data.library[c].name == name) return c;
    return -1;
}

// Amount of level k (1..10) of a compound; 0 for a level the table does not have.
double amount_of_level(const LibraryCompound& compound, int k) {
    return k >= 1 && k <= kMaxLevels ? compound.conc[k - 1] : 0.0;
}

}  // namespace

int level_of_label(const std::string& label) {
    if (label.empty() || !is_letter(label.front())) return -1;
    size_t i = 0;
    while (i < label.size() && is_letter(label[i])) ++i;
    const std::string number = trim(std::string_view(label).substr(i));
    if (number.empty()) return 0;
    // The level is the whole rest of the label: "Amount3x" names no level, and its
    // leading digits would give the standard the amounts of another.
    if (!std::all_of(number.begin(), number.end(), is_digit)) return 0;
    const IntegerField level = read_integer(number);
    return level.ok ? level.value : INT_MAX;  // no level is that high
}

double dilution_factor_of_label(const std::string& label) {
    const NumberField factor = read_number(label);
    return factor.ok && factor.value > 0.0 ? factor.value : 0.0;
}

double lookup_area_conc(std::span<const SampleRawData> areas, const std::string& name, int slot,
                        double& amount, int level) {
    int row = library_row_of(name);
    if (row < 0 || slot < 0 || static_cast<size_t>(slot) >= areas.size()) return kNotSet;
    const LibraryCompound& compound = method_data.library[row];
    amount = compound.is_internal_standard ? compound.conc[0] : amount_of_level(compound, level + 1);
    return areas[slot].area[row];
}

double lookup_area_conc_by_label(std::span<const SampleRawData> areas, const std::string& name,
                                 int slot, double& amount) {
    return lookup_area_conc_by_label_at(areas, library_row_of(name), slot, amount);
}

LibraryRowIndex::LibraryRowIndex() {
    for (int c = 0; c < method_data.compound_count && c < kMaxCompounds; ++c) rows_.emplace(method_data.library[c].name, c);
}

int LibraryRowIndex::row_of(const std::string& name) const {
    auto found = rows_.find(name);
    return found == rows_.end() ? -1 : found->second;
}

double lookup_area_conc_by_label_at(std::span<const SampleRawData> areas, int row, int slot,
                                    double& amount) {
    if (row < 0 || slot < 0 || static_cast<size_t>(slot) >= areas.size()) return kNotSet;
    if (method_data.library[row].is_internal_standard || slot == calibration_data.standard_count) {
        amount = method_data.library[row].conc[0];
    } else {
        const std::string& label = slot < kDataSets ? calibration_data.level_names[slot] : std::string();
        int level = level_of_label(label);
        // A dilution factor multiplies Amount 1 of the saved library.
        amount = level < 0 ? dilution_factor_of_label(label) * method_data.library_saved[row].conc[0]
                           : amount_of_level(method_data.library_saved[row], level);
    }
    return areas[slot].area[row];
}
