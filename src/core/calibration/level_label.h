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
// analyst is told about them, then that some analyte of the saved library has an amount
// at the level (a dilution factor multiplies Amount 1): a standard at a level without
// amounts would calibrate nothing, and its amounts of 0 would become every analyte's
// lowest calibration level. Nothing when the entry is acceptable.
std::optional<Refusal> check_level_entry(int item, const std::string& dilution);

// Whether some analyte among the compound_count rows of library_saved has an amount
// above 0 at level item 0..9, or (the dilution item) a base amount to multiply.
bool some_analyte_has_level_amount(int item);

// A dilution factor of digits and dots that is 0 ("0", "0.00", "."): every amount of the
// standard would be 0, and a standard of amount 0 calibrates nothing.
bool is_zero_dilution(const std::string& dilution);
Refusal zero_dilution_refusal();

// The label an accepted entry stores: the caption of a level item, else the dilution
// factor with a "0" put in front of a leading ".".
std::string level_label_of_entry(int item, const std::string& dilution);
