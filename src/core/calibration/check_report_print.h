#pragma once
// The printed check-calibration report: a title block, then per library compound the
// calibration's mean response and deviation beside the check standard's amount,
// predicted recovery, response and percent difference. Portrait, Arial 8.
#include "calibration/continuing_check.h"

class Canvas;

// The printout on one print job of the canvas (the check standard was evaluated).
void print_check_calibration_report(Canvas& canvas, const CheckLevel& level);

// Writes the report file and prints the report on the current printer; the printout
// runs even when the file cannot be written (the analyst was told).
void write_and_print_check_calibration(const CheckLevel& level);
