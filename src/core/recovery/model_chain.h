#pragma once
// The recovery-model chain for one data set, in the variable mode of the loaded library:
//   two variables:          first pass, BP model, RV model, predicted recoveries;
//   one variable "Linear":  identity first pass, BP model, identity RV fits, predictions;
//   one variable "Ln":      identity BP fits, RV model, predictions.
// Every caller (calibration build and review, continuing check, sample run) runs it here.
#include "methoddata/calibration_data.h"
#include "methoddata/tables.h"
#include "recovery/model_tables.h"

enum class ModelVariables { Two, BoilingPoint, RelativeVolatility };

// The variables of the recovery model in a variable mode.
ModelVariables model_variables(const VariableMode& mode);

// Whether a variable mode has a BP model, and an RV model.
inline bool uses_bp(ModelVariables v) { return v != ModelVariables::RelativeVolatility; }
inline bool uses_rv(ModelVariables v) { return v != ModelVariables::BoilingPoint; }

// The tables one run of the chain works on: the calibration's fit tables in a calibration
// and a continuing check, the processing run's own in a sample run.
struct ModelChainTables {
    const RawDataSets& raw;
    FitTable& first_pass_fits;
    FitTable& bp_fits;
    FitTable& rv_fits;
    FirstPassPairTable& pairs;
    DataSetValues& response_scratch;
};

// The tables of a calibration and a continuing check: the calibration's raw results and
// the models' fit tables in use.
inline ModelChainTables calibration_chain_tables(const CalibrationData& cal, ModelWorkTables& work,
                                                 FirstPassPairTable& pairs, DataSetValues& response_scratch) {
    return {cal.raw_data_sets, work.first_pass_fits, work.bp_group_fits, work.rv_group_fits, pairs, response_scratch};
}

// A calibration stops at the first failing step; a continuing check and a sample run
// run the remaining steps and only note the failure.
enum class AfterFailure { Stop, RunRemainingSteps };

struct ModelChainResult {
    int result = 0;  // 1 when every step succeeded, else 0
    int bp_group_count = 0;
    int rv_group_count = 0;
};

// Runs the chain for data set a. Range limits of the variables in use that are not set
// refuse the run before any step, with a message. After an error that ends the command
// (its message shown) no further step runs and CommandAborted is thrown.
ModelChainResult run_model_chain(const ModelChainTables& tables, int a, AfterFailure after_failure);
