#pragma once
// The calibration log: suspicious values of one calibration build (negative response
// factors, internal standards with a measured recovery above 500 %), written to
// "calibration_error.log" for the analyst to review.
#include <array>
#include <string>

#include "methoddata/records.h"

constexpr int kCalibrationLogEntries = 500;

struct CalibrationLogEntry {
    std::string data_file;  // results file of the data set; empty: the entry is free
    std::string compound;
    std::string category;   // the compound's cmpndType ("analyte") or empty

    bool operator==(const CalibrationLogEntry&) const = default;
};

struct CalibrationLog {
    std::array<CalibrationLogEntry, kCalibrationLogEntries> entries;
    int entry_count = 0;  // the next free entry
    u8 log_flag = 0;      // 1 when an event was logged since the log was cleared

    bool operator==(const CalibrationLog&) const = default;
};

extern CalibrationLog& calibration_log;  // part of the one ProgramState

void clear_calibration_log();

// Records one event: sets the log flag and fills the next free entry. Events beyond
// the 500 entries still set the flag but are not listed.
void add_calibration_log_entry(const std::string& data_file, const std::string& compound,
                               const std::string& category);

// The internal standards the models noted above 500 % recovery (high_recoveries), into
// the log in the order the models met them; the notes are then cleared.
void log_high_recoveries();

// Path of the log file: <data root>/5847dir/Calibration/calibration_error.log.
std::string calibration_log_path();

// The file's text for a given date line ("mm/dd/yyyy hh:nn").
std::string calibration_log_text(const std::string& now);

// Writes the log file anew (its folder is created when missing); false after a message
// when it cannot be written.
bool write_calibration_log();
