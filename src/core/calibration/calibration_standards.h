#pragma once
// The standards of a calibration being built: the rules of the calibration window that
// are about its files and labels rather than its controls.
#include <optional>
#include <string>
#include <vector>

#include "calibration/level_label.h"

// "Only 10 standards are currently allowed." (caption "Maximum Number of Standards").
Refusal standard_limit_refusal();

// The name a calibration is saved under: ".cal" is appended unless the file name's last
// "." starts ".cal" in any case (so "x.CAL" and "x.calx" stay as chosen).
std::string calibration_save_name(const std::string& chosen);

// The Save As dialog of a calibration (the calibration window's Save and the review's
// Save As): starts in calibrationPath; an existing file is replaced only on Yes ("Overwrite
// file: %s?"), No asks again, Cancel gives up. The path to write, or nothing.
std::optional<std::string> choose_calibration_save_path();

// The results file that Add Standard converts a data file into: same folder, same base
// name, ".ini".
std::string listed_results_ini(const std::string& data_file);

// A data file whose results file another listed file (standard or reference) already
// converts into: both would read the same areas. The refusal names both files; the same
// file listed again is no refusal.
std::optional<Refusal> shared_results_file_refusal(const std::string& data_file,
                                                   const std::vector<std::string>& listed);

// Whether a listed file (standard or reference) converts into data_file's results file:
// that file then belongs to it and must outlive a cancelled add.
bool results_file_listed(const std::string& data_file, const std::vector<std::string>& listed);

// Save, Review and Print need standards, a reference file and a label for every standard.
std::optional<Refusal> check_calibration_files(const std::vector<std::string>& files,
                                               const std::vector<std::string>& labels,
                                               const std::string& reference);

// Fills calibration_data.level_names (9 characters of each label),
// calibration_data.standard_results_ini and calibration_data.standard_data_files for the
// listed standards and empties the label rows after them; includes every compound at every
// listed level (Review also excludes the levels after).
void prepare_standard_tables(const std::vector<std::string>& files,
                             const std::vector<std::string>& labels, bool review);

// Deletes standard i of n: its label and results-file rows move up from below, the last row is
// emptied and excluded, and calibration_data.standard_count drops by one. The labels are the
// list as shown, which becomes calibration_data.level_names first.
void remove_calibration_standard(int i, const std::vector<std::string>& labels);

// The first-pass points that the sample report's charts draw start empty for every
// standard when the calibration window opens: names of 22 blanks, values 0.
void clear_first_pass_points();

// The calibration window's commands on the state it builds from, each named after what the
// analyst did there: the window writes its boxes, the core owns what they stand for.

// The window made: no standard is listed yet.
void start_standard_list();

// A standard added with its label: only then is it counted, so that a cancelled label
// leaves the count with the files that can be saved.
void count_added_standard();

// A standard's data file added: its folder becomes dataPath (in memory with a trailing
// separator, and in the settings file), so that the next Add starts there.
void remember_data_folder(const std::string& folder);

// The reference file chosen: the build reads the surrogates' reference from it.
void choose_reference_file(const std::string& path);

// Save, Review or Print pressed: the standards' first pass runs unsmoothed and every
// compound starts included at each of the listed files' levels (listed_files of them, at
// most kMaxLevels); the analyst's exclusions come later, in the review.
void start_calibration_build(int listed_files);

// The window shown: the internal-standard file's path without the blanks a settings
// file may carry around it, as the window shows it and the build uses it.
void tidy_surrogate_file_path();

// The question after a build that logged suspicious values (caption "Warning", Yes/No).
std::string proceed_question();

// The results files one calibration window made, so that leaving it deletes those and
// no other file of the same name.
class MadeResultsFiles {
  public:
    void add(const std::string& path);
    void delete_all();
    const std::vector<std::string>& paths() const { return paths_; }

  private:
    std::vector<std::string> paths_;
};
