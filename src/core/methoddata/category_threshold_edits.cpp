#include "methoddata/category_threshold_edits.h"

#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "platform/text_util.h"

namespace {

struct Threshold {
    double CategoryThresholds::*value;
    double blank_default;
};

// Edit order, with the value a blank edit stands for.
constexpr std::array<Threshold, 6> kThresholds{{
    {&CategoryThresholds::vcs, 159.0},
    {&CategoryThresholds::vcsLn, 100.0},
    {&CategoryThresholds::n_pvcs, 159.0},
    {&CategoryThresholds::n_pvcsLn, 100.0},
    {&CategoryThresholds::svc, 159.0},
    {&CategoryThresholds::svcLn, 0.0},
}};

constexpr size_t kSvc = 4;

}  // namespace

ThresholdTexts shown_threshold_texts() {
    ThresholdTexts texts;
    for (size_t i = 0; i < kThresholds.size(); ++i)
        texts[i] = exact_general(category_thresholds.*kThresholds[i].value);
    texts[kSvc] = exact_general(category_thresholds.vcs);
    return texts;
}

std::string mirrored_svc_text(const std::string& vcs_text) {
    return exact_general(to_double_strict(vcs_text));
}

void apply_threshold_texts(const ThresholdTexts& texts) {
    for (size_t i = 0; i < kThresholds.size(); ++i) {
        const Threshold& t = kThresholds[i];
        category_thresholds.*t.value =
            trim(texts[i]).empty() ? t.blank_default : to_double_strict(texts[i]);
    }
}
