#include "methoddata/category_threshold_edits.h"

#include "methoddata/tables.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/read_errors.h"
#include "platform/ui_services.h"
#include "platform/text_util.h"

namespace {

struct Threshold {
    double CategoryThresholds::*value;
    double blank_default;
    const char* box;  // the row's label and the column, as a refusal names the edit
};

// Edit order, with the value a blank edit stands for.
constexpr std::array<Threshold, 6> kThresholds{{
    {&CategoryThresholds::vcs, 159.0, "Volatile compound class, linear column"},
    {&CategoryThresholds::vcsLn, 100.0, "Volatile compound class, log column"},
    {&CategoryThresholds::n_pvcs, 159.0, "Non-Purgeable volatile compound class, linear column"},
    {&CategoryThresholds::n_pvcsLn, 100.0, "Non-Purgeable volatile compound class, log column"},
    {&CategoryThresholds::svc, 159.0, "Semi-Volatile compound class, linear column"},
    {&CategoryThresholds::svcLn, 0.0, "Semi-Volatile compound class, log column"},
}};

constexpr size_t kSvc = 4;

}  // namespace

ThresholdTexts shown_threshold_texts() {
    ThresholdTexts texts;
    for (size_t i = 0; i < kThresholds.size(); ++i)
        texts[i] = exact_general(method_data.category_thresholds.*kThresholds[i].value);
    texts[kSvc] = exact_general(method_data.category_thresholds.vcs);
    return texts;
}

std::string mirrored_svc_text(const std::string& vcs_text) {
    const NumberField vcs = read_number(vcs_text);
    if (!vcs.ok) throw ConversionError(refused_box_message(kThresholds[0].box, vcs.why, ""));
    return exact_general(vcs.value);
}

bool apply_threshold_texts(const ThresholdTexts& texts) {
    // Every edit is read before any threshold is stored: a refused edit changes none.
    std::array<double, kThresholds.size()> values{};
    for (size_t i = 0; i < kThresholds.size(); ++i) {
        const Threshold& t = kThresholds[i];
        if (trim(texts[i]).empty()) {
            values[i] = t.blank_default;
            continue;
        }
        const NumberField field = read_number(texts[i]);
        if (!field.ok) {
            show_message(refused_box_message(t.box, field.why, "No threshold was stored."), "Error");
            return false;
        }
        values[i] = field.value;
    }
    for (size_t i = 0; i < kThresholds.size(); ++i) method_data.category_thresholds.*kThresholds[i].value = values[i];
    return true;
}
