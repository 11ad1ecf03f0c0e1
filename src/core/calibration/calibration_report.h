#pragma once
// The printed calibration report: a header naming the calibration, internal-standard,
// library, data and reference files, then per library compound its corrected response
// factor and recovery deviation at every standard level (levels out of the curve in angle
// brackets), the mean, deviation and %RSD of the response factors and the level amounts.
// Printed from the review window it also gives each internal standard's group
// memberships and every compound's rvw and boiling point, with a legend under the header.
#include <string>

class Canvas;

// The whole report on a print job the caller has begun in landscape and ends afterwards.
// Recomputes the curve statistics of every compound first; the reference path is kept
// cut at its first line break.
void print_calibration_report(Canvas& canvas, bool with_groups, bool with_values);

// Prints the report on the current printer in one landscape job.
void print_calibration_report_job(bool with_groups, bool with_values);

// A value with the decimals given; "N/A" for a value that is not set.
std::string report_number(double value, int decimals);

// A level amount as the amounts line prints it: the larger the amount, the fewer
// decimals ("%.f" from 100, "%.1f" from 10, "%.2f" from 1, else "%.3f").
std::string report_amount_text(double amount);

// One response cell: "%.2f" of the response factor and "%.1f" of the recovery deviation
// in percent, "1234.57(3.2%)"; a level out of the curve in angle brackets.
std::string report_response_cell(double response_factor, double recovery_dev, bool included);
