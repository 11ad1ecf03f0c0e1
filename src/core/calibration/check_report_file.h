#pragma once
// The check-calibration report file: the check standard's data file name with ".check"
// in place of its extension. A ";"-separated text: per compound the calibration's mean
// response and deviation beside the check standard's response and their percent
// difference, then the internal-standard tables of the check standard's models.
#include <span>
#include <string>

#include "calibration/continuing_check.h"
#include "methoddata/calibration_data.h"
#include "methoddata/tables.h"

// check_data_file with ".check" in place of its extension.
std::string check_report_path();

// The report's first line, which also heads its printout.
std::string check_report_title();

// The whole text for the evaluated check standard (evaluate_check_standard has run).
std::string check_report_text(const CalibrationData& cal, const CheckLevel& level);

// One fit table of the models (points in use in their stored order, grouped from
// first_group on, each group followed by its line's slope, intercept, error and RSQ).
// starred is set when a row shows an rvw clamped into the first-pass range.
std::string check_fit_table(const CalibrationData& cal, int first_group, std::span<const SurrogatePoint> points,
                            const FitTable& fits, bool& starred);

// The internal-standard rows of one class (0 volatile, 1 non-purgeable volatile,
// 2 semi-volatile; in one-variable mode every checked internal standard is in class 0),
// with their group averages.
std::string check_surrogate_determinations(const CalibrationData& cal, int category);

// Writes the report file atomically. False, after a message, when it cannot be written.
bool write_check_calibration_file(const CheckLevel& level);
