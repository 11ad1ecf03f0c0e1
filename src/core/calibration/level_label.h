#pragma once
// The level label of a calibration standard as the analyst enters it: one of the ten
// library amounts ("Amount1".."Amount10") or a dilution factor of Amount 1.
#include <array>
#include <optional>
#include <string>

constexpr int kLevelItems = 11;
constexpr int kDilutionItem = 10;  // "Amount as Dilution of Amount 1"
constexpr int kNoLevelItem = -1;

// The captions of the choices, items 0..10.
extern const std::array<std::string, kLevelItems> level_item_captions;

struct Refusal {
    std::string text;
    std::string caption;
};

// Checks a choice (item, or kNoLevelItem) and the dilution-factor text in the order the
// analyst is told about them; nothing when the entry is acceptable.
std::optional<Refusal> check_level_entry(int item, const std::string& dilution);

// A dilution factor of digits and dots that is 0 ("0", "0.00", "."): every amount of the
// standard would be 0, and a standard of amount 0 calibrates nothing.
bool is_zero_dilution(const std::string& dilution);
Refusal zero_dilution_refusal();

// The label an accepted entry stores: the caption of a level item, else the dilution
// factor with a "0" put in front of a leading ".".
std::string level_label_of_entry(int item, const std::string& dilution);
