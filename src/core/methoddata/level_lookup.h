#pragma once
// Level labels of data sets and the lookup of a compound's area and amount in one.
#include <span>
#include <string>
#include <unordered_map>

#include "methoddata/records.h"

// Level number of a label: -1 when it does not begin with a letter (a dilution
// factor); otherwise the number formed by the digits after its leading letters
// ("Amount10" -> 10; blanks around the digits trimmed). Letters without digits, or
// digits followed by anything else ("Amount3x"), name no level: 0.
int level_of_label(const std::string& label);

// The factor of a dilution label: the label read whole as a number above 0; 0 (no
// amount) for a label that is not wholly such a number ("0.5x", "1,5", "-2"), whose
// leading digits would give the standard amounts it was not made at.
double dilution_factor_of_label(const std::string& label);

// Area of the library compound named `name` (the first of compound_count with exactly
// this name) in data set `slot` of `areas`. The amount becomes conc1 of `library` for
// an internal standard, else the amount of level+1 (0 for a level outside 0..9).
// A name not in the library (or a slot outside the table) returns 2147483647.0 and
// leaves the amount unset.
double lookup_area_conc(std::span<const SampleRawData> areas, const std::string& name, int slot,
                        double& amount, int level);

// The same lookup with the amount that the slot's label in calibration_data.level_names gives:
// conc1 of `library` for an internal standard or for the reference slot (slot ==
// calibration_data.standard_count); level k: conc k of `library_saved`; a dilution factor: its
// value times the base amount of `library_saved`; a label naming neither: 0.
double lookup_area_conc_by_label(std::span<const SampleRawData> areas, const std::string& name,
                                 int slot, double& amount);

// The first row of every name among the compound_count rows of `library`, taken in one
// pass: looking each compound up by name would walk the library once per compound.
class LibraryRowIndex {
public:
    LibraryRowIndex();
    int row_of(const std::string& name) const;  // -1 for a name not in the library

private:
    std::unordered_map<std::string, int> rows_;
};

// lookup_area_conc_by_label for the compound of a row found in the index (-1: not found).
double lookup_area_conc_by_label_at(std::span<const SampleRawData> areas, int row, int slot,
                                    double& amount);
