#pragma once
// The continuing-calibration check: a check standard measured after the calibration is
// run through the recovery models against the loaded calibration, and each compound's
// check response factor is compared with the calibration's mean response factor.
#include <optional>
#include <string>

#include "calibration/level_label.h"  // kDilutionItem, the item "Amount as Dilution of Amount 1"
#include "methoddata/records.h"

// The data set the check standard is read into and modelled in. It is a row of its own,
// never one of the calibration's standards (0..9) or its reference: the calibration in
// memory keeps its areas and predictions, which a sample run reads afterwards. It lies
// below the sample slots, the rows the predicted recoveries may fill.
constexpr int kCheckDataSet = kSampleSlots - 1;

// The level the analyst named: 0..9 for Amount 1..10, or kDilutionItem with its factor.
struct CheckLevel {
    int level = 0;
    double factor = 0.0;
};

// What the entry window holds: the chosen item (-1: none) and the dilution-factor text.
struct CheckLevelEntry {
    int item = -1;
    std::string dilution_text;
};

// The level checks of Review, Save File and Print, each refusal with its message; the
// dilution text is emptied when an amount item is chosen. A dilution factor must be wholly
// a number above 0, and the calibration must hold an amount of some analyte at the level
// (a check at a level without any would compare nothing). Sets check_standard_mode and,
// on success, check_level_name.
bool check_level_entry(CheckLevelEntry& entry);

// The level of an entry: a dilution text makes it a dilution of Amount 1 by that number
// (converted strictly: a text that is no number throws the standard conversion message).
CheckLevel check_level_of(const CheckLevelEntry& entry);

// Amount of compound c in the check standard: the level's amount of the saved library;
// an internal standard's own Amount 1.
double check_amount(int c, const CheckLevel& level);

// area / predicted recovery / amount in the check data set; kNotSet when the amount or
// the predicted recovery is 0.
double check_response_factor(int c, const CheckLevel& level);

// (check response factor - mean_rf) / mean_rf x 100; kNotSet when mean_rf is 0 or the
// check response factor is not available.
double percent_difference(int c, const CheckLevel& level);

// Number of calibration levels included for compound c.
int included_levels(int c);

enum class CheckEvaluation {
    NotRead,      // the check standard's results file could not be read (message shown)
    ModelFailed,  // a model step failed (its message shown); the tables hold what it left
    Done,
};

// Reads the check standard's results file (check_ini_path) into kCheckDataSet, computes
// the curve statistics and runs the model chain there in check mode. The row's fits,
// points and predictions are cleared first, so a failing step never leaves an earlier
// check's values behind. An error that ends the command throws CommandAborted.
CheckEvaluation evaluate_check_standard();

// The review window's texts for compound c.
struct CheckCompoundTexts {
    std::string number;  // 1-based
    std::string name;
    std::string calibration_file;
    std::string check_file;
    std::string amount;            // conc_Edit
    std::string mean_response;     // calib_resp_Edit
    std::string deviation;         // deviation_Edit
    std::string check_response;    // check_std_resp_Edit: empty when not available
    std::string difference;        // diff_Edit: empty when not available
};
CheckCompoundTexts check_compound_texts(int c, const CheckLevel& level);

// The compound (0-based) that the review's navigation shows, from the 1-based number
// in its compound box; nothing when the box holds no number or the move leaves the list.
enum class ReviewMove { Next, Previous, Stay };
std::optional<int> check_review_target(const std::string& number_text, ReviewMove move, int count);
