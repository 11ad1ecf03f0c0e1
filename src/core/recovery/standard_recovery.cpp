#include "recovery/standard_recovery.h"

#include "methoddata/calibration_tables.h"
#include "methoddata/check_state.h"
#include "methoddata/level_lookup.h"
#include "samples/process_files_data.h"
#include "methoddata/tables.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

namespace {
// A measured recovery above 500 % is noted for the calibration log.
constexpr double kLoggedRecovery = 5.0;

// An internal standard's amount is its Amount 1 at every level.
int data_set_level(int a) { return level_of_label(calibration_data.level_names[a]) - 1; }

}  // namespace

bool check_or_sample_mode() {
    return check_state.check_standard_mode != 0 || process_files_data.sample_count != 0;
}

bool warn_missing_from_reference(const StandardSignal& s, const std::string& name) {
    if (check_or_sample_mode() || s.ref_area != 0.0) return false;
    show_message("The area count for the compound " + name + " is ZERO in the reference file\n" +
                     trim(method_data.surrogate_reference_path) +
                     ".\nPlease reintegrate or revise your Internal Standard groups",
                 "Warning");
    return true;
}

void show_recovery_not_computed(const std::string& name, double divisor) {
    const std::string cause = divisor == 0.0 ? "the model it is divided by predicts 0 for it"
                                             : "its amount or its mean response factor is 0";
    show_message("The recovery of the internal standard " + name + " cannot be computed: " + cause +
                     ".\nPlease revise the library or your Internal Standard groups",
                 "Error");
}

StandardSignal read_standard_signal(const RawDataSets& raw, const std::string& name,
                                    int library_row, int a) {
    StandardSignal s;
    s.area = lookup_area_conc(raw, name, a, s.amount, data_set_level(a));
    s.amount1 = method_data.library[library_row].conc[0];
    if (check_or_sample_mode()) {
        s.mean_rf = calibration_data.curve_statistics.mean_rf[library_row];
    } else {
        s.ref_area = lookup_area_conc(raw, name, calibration_data.standard_count, s.ref_amount,
                                      data_set_level(calibration_data.standard_count));
    }
    return s;
}

StandardRecovery standard_recovery(const StandardSignal& s, double v, int a,
                                   const std::string& name) {
    StandardRecovery r;
    if (check_or_sample_mode()) {
        r.y = (s.mean_rf != 0.0 && s.amount != 0.0 && v != 0.0) ? s.area / s.mean_rf / s.amount / v
                                                                 : kNotSet;
        return r;
    }
    if (v == 0.0) return r;  // the other model predicts nothing: the point keeps y 0.0
    // Without a peak in the reference there is no recovery to measure, not a recovery 0.
    if (s.ref_area == 0.0 || s.amount == 0.0 || s.ref_amount == 0.0) {
        r.y = kNotSet;
        return r;
    }
    r.measured = (s.area / s.amount) / (s.ref_area / s.ref_amount);
    r.y = r.measured / v;
    if (r.measured > kLoggedRecovery) high_recoveries.push_back({a, name});
    return r;
}
