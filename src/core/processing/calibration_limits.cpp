#include "processing/calibration_limits.h"

#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/read_errors.h"
#include "platform/text_util.h"

namespace {

const std::string kMinimumBox = "Minimum Calibration average response (cts/mass)";
const std::string kDeviationBox = "Maximum calibration curve response deviation";

std::string outside(const std::string& text, const char* range) {
    return "'" + trim(text) + "' is not " + range;
}

// Why the minimum box cannot be stored, or nothing: a number above 0 and at most 1e8.
std::optional<std::string> minimum_refusal(const std::string& text) {
    const NumberField a = read_number(text);
    if (!a.ok) return a.why;
    if (!(a.value > 0.0 && a.value <= 1e8)) return outside(text, "above 0 and at most 1e8");
    return std::nullopt;
}

// Why the percentage box cannot be stored, or nothing: a whole percentage above 0 and at
// most 500 (a fraction of a percent read as its whole part would store another limit).
std::optional<std::string> deviation_refusal(const std::string& text) {
    const IntegerField p = read_integer(text);
    if (!p.ok) return p.why;
    if (p.value <= 0 || p.value > 500) return outside(text, "above 0 and at most 500");
    return std::nullopt;
}

}  // namespace

std::string min_mean_response_text(float min_mean_response) {
    return c_format("%8.4f", static_cast<double>(min_mean_response));
}

std::string max_response_deviation_text(float max_response_deviation) {
    return c_format("%3.0f", static_cast<double>(max_response_deviation) * 100.0);
}

bool min_mean_response_text_ok(const std::string& text) { return !minimum_refusal(text); }

bool max_response_deviation_text_ok(const std::string& text) { return !deviation_refusal(text); }

CalibrationLimitsCheck check_calibration_limit_texts(const std::string& minimum, const std::string& deviation) {
    CalibrationLimitsCheck check;
    const std::optional<std::string> why[] = {minimum_refusal(minimum), deviation_refusal(deviation)};
    const std::string* boxes[] = {&kMinimumBox, &kDeviationBox};
    check.minimum_ok = !why[0];
    check.deviation_ok = !why[1];
    for (int b = 0; b < 2; ++b)
        if (why[b]) check.message += (check.message.empty() ? "" : "\n") + refused_box_message(*boxes[b], *why[b], "");
    if (!check.message.empty()) check.message += "\nNeither limit was stored.";
    return check;
}

float min_mean_response_from_text(const std::string& text) {
    const NumberField a = read_number(text);
    if (!a.ok) throw ConversionError(refused_box_message(kMinimumBox, a.why, ""));
    return static_cast<float>(a.value);
}

float max_response_deviation_from_text(const std::string& text) {
    const IntegerField p = read_integer(text);
    if (!p.ok) throw ConversionError(refused_box_message(kDeviationBox, p.why, ""));
    return static_cast<float>(p.value * 0.01);
}

void store_calibration_limits(ProcessFilesData& data, const std::string& minimum, const std::string& deviation) {
    data.min_mean_response = min_mean_response_from_text(minimum);
    data.max_response_deviation = max_response_deviation_from_text(deviation);
}

void reset_calibration_limits(ProcessFilesData& data) {
    data.min_mean_response = kDefaultMinMeanResponse;
    data.max_response_deviation = kDefaultMaxResponseDeviation;
}
