#pragma once
// Quantitation of the listed samples: every analyte's concentration from its area, the
// calibration's mean response factor, the sample's predicted recovery and its size; its
// one-sigma error; the calibration-range, reporting-limit (or CRQL) and group-limit
// qualifiers. Results go into process_files_data.analyte_results, in single precision.
#include <string>

#include "methoddata/records.h"
#include "recovery/model_tables.h"

class IniFile;
struct KeptSampleResults;

// mean_rf of every library compound: the mean of its response factors over the calibration
// levels 0..9 that count (included, positive); 0 when none does. mean_rf only.
void average_response_factors();

// Reads a results file into table[slot]: areas (truncated toward zero), names and
// retention times of compounds 1..number_comps. A missing count, area or retention time
// reads as its default text and throws ConversionError. A file that lists more compounds
// than the library, or an area the area field cannot hold, is refused with a message and
// ends the command (CommandAborted); the slot is then left as it was. Always answers 0.
int read_sample_ini(RawDataSets& table, int slot, const std::string& path);
// The same from a results file already loaded (messages name its path).
int read_sample_ini(RawDataSets& table, int slot, const IniFile& ini);

// What Process keeps of a results file loaded at Add File (from `text`, under the file's
// path): the compounds read_sample_ini would put into a slot, read without a message; the
// bytes `text` instead when read_sample_ini would refuse the file or end the command.
KeptSampleResults keep_sample_results(const IniFile& ini, std::string text);

// Reads the results file at `path` into table[slot] as read_sample_ini does, from what
// was kept of it when `kept` is that file: the slot gets the same values and the same
// messages come, at this call.
void read_kept_sample(RawDataSets& table, int slot, const std::string& path, const KeptSampleResults& kept);

// The reporting limit of the first entry of the sample's reporting limits named exactly
// `name`; kNotSet when there is none.
double lookup_reporting_limit(const std::string& name, int sample);

// The smallest / largest calibration amount of compound c over the standards 0..9 whose
// level is included and whose area of c is not 0 (1.0e12 / -1.0e12 when there is none).
double lowest_calibration_level(int c);
double highest_calibration_level(int c);

// The limit a result falls below, or 0: in reporting-limit mode when concentration +
// sigmas x error is below the compound's limit; in CRQL mode when concentration increased
// by the CRQL percentage is below it. A compound without a limit (or limit 0) never falls below.
double apply_reporting_limit(int c, int sample, double concentration, double error);
double apply_crql_limit(int c, int sample, double concentration);

// "X" when the sample's area of c lies below the area the lowest used calibration level
// gives at the sample's predicted recovery of c, "E" above the highest ("EJ" in CRQL
// mode), else "". Without a predicted recovery the levels are taken at full recovery.
std::string range_qualifier(int c, int sample);

// Fills analyte_results of samples 0 .. sample_count - 1 (one row per analyte in library
// order, internal standards skipped), internal_standard_count and last_analyte_index.
// Each row's status says what its number is. A result without calibration has no range
// letter, and neither it nor one that cannot be computed (no size, or a predicted recovery
// at or below 0) goes through the reporting-limit or CRQL rule. A negative area gives a
// negative measured result: only a limit rule that ran can report a result below a limit.
// "Q" and "q" come from the flagged BP or RV line that predicted the compound's recovery.
void compute_concentrations();
