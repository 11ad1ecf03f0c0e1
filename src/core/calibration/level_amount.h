#pragma once
// The amount of a library compound in one calibration standard, as the standard's
// level label says.

// Amount of compound c (library row from 0) in the standard of data set k: a level
// label "AmountL" gives the L-th amount of library_saved, a dilution factor that many
// times its Amount 1; an internal standard always has its Amount 1. A label naming no
// library amount (letters without digits, a level above 10, a dilution label that is
// not wholly a number above 0) gives 0.
double level_amount(int c, int k);

// Whether compound c has an amount in the standard of data set k. Without one the
// standard holds no point of the compound's curve: its response factor cannot be
// computed, and its amount of 0 is no calibration level of the compound.
bool level_has_amount(int c, int k);
