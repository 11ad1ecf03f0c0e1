#include "recovery/model_chain.h"

#include "platform/errors.h"
#include "platform/ui_services.h"
#include "recovery/bp_model.h"
#include "recovery/first_pass_fit.h"
#include "recovery/identity_fits.h"
#include "recovery/model_errors.h"
#include "recovery/predicted_recoveries.h"
#include "recovery/rv_model.h"
#include "methoddata/calibration_data.h"

namespace {

// Unset limits would be used as the value 2147483647.0 in the clamps and walks.
bool range_limits_set(ModelVariables variables) {
    const SurrogateRangeLimits& l = method_data.surrogate_range_limits;
    const bool bp_unset = uses_bp(variables) && (is_not_set(l.MinBP) || is_not_set(l.MaxBP));
    const bool rv_unset = uses_rv(variables) && (is_not_set(l.MinRVW) || is_not_set(l.MaxRVW));
    if (!bp_unset && !rv_unset) return true;
    const std::string which = bp_unset && rv_unset ? "boiling point and relative volatility"
                              : bp_unset           ? "boiling point"
                                                   : "relative volatility";
    show_message("The " + which +
                     " range limits of the internal standards are not set.\n"
                     "Please set them with Set Limits in the internal standard editor.",
                 "Error");
    return false;
}

// One variable: no first pass, so its group count is 1 and no pair describes a segment
// (every rvw then falls in segment 0, whose identity line gives 1.0).
void skip_first_pass() {
    model_work_tables.first_pass_group_count = 1;
    model_work_tables.first_pass_pair_count = 0;
}

}  // namespace

ModelVariables model_variables(const VariableMode& mode) {
    if (mode.one_variable_mode && mode.bp_variable_chosen) return ModelVariables::BoilingPoint;
    if (mode.one_variable_mode && mode.rvw_variable_chosen) return ModelVariables::RelativeVolatility;
    return ModelVariables::Two;
}

ModelChainResult run_model_chain(const ModelChainTables& t, int a, AfterFailure after_failure) {
    ModelChainResult chain;
    const ModelVariables variables = model_variables(method_data.variable_mode);
    if (!range_limits_set(variables)) throw CommandAborted("range limits not set");
    chain.result = 1;
    // Each step: note its failure; stop after any failure when the caller stops there. An
    // error that ends the command leaves the chain as ModelEnded from inside the step.
    auto step = [&](int result) {
        if (result == 0) chain.result = 0;
        return result != 0 || after_failure == AfterFailure::RunRemainingSteps;
    };
    bool go_on = true;
    switch (variables) {
        case ModelVariables::Two:
            go_on = step(first_pass_fit(t.raw, method_data.surrogates, method_data.library, t.first_pass_fits, a, t.pairs)) &&
                    step(compute_bp_model(t.raw, method_data.surrogates, method_data.library, t.bp_fits, t.first_pass_fits,
                                          a, t.pairs, chain.bp_group_count)) &&
                    step(compute_rv_model(t.raw, method_data.surrogates, method_data.library, t.rv_fits, t.bp_fits, a,
                                          chain.rv_group_count, chain.bp_group_count));
            break;
        case ModelVariables::BoilingPoint:
            skip_first_pass();
            reset_first_pass_fits(t.first_pass_fits);
            go_on = step(compute_bp_model(t.raw, method_data.surrogates, method_data.library, t.bp_fits, t.first_pass_fits,
                                          a, t.pairs, chain.bp_group_count));
            if (go_on) chain.rv_group_count = reset_rv_fits(t.rv_fits);
            break;
        case ModelVariables::RelativeVolatility:
            skip_first_pass();
            chain.bp_group_count = reset_bp_fits(t.bp_fits);
            go_on = step(compute_rv_model(t.raw, method_data.surrogates, method_data.library, t.rv_fits, t.bp_fits, a,
                                          chain.rv_group_count, chain.bp_group_count));
            break;
    }
    if (go_on)
        step(compute_predicted_recoveries(t.rv_fits, t.bp_fits, method_data.library, t.raw, a,
                                          t.response_scratch, chain.bp_group_count,
                                          chain.rv_group_count));
    return chain;
}
