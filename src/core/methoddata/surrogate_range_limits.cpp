#include "methoddata/surrogate_range_limits.h"

#include <cmath>
#include <functional>

#include "methoddata/group_ranges.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/read_errors.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

namespace {

// A minimum RVW may sit this far outside its band in ln rvw: the default shown in the
// edit is rounded to two decimals and must be accepted when applied unchanged.
constexpr double kLnTolerance = 1e-9;

// The group-range values a limit is checked against (x values; kNotSet where unmeasured).
struct Bounds {
    double first_min = kNotSet;   // minimum x of group 1
    double first_high = kNotSet;  // range high of group 1
    double last_max = kNotSet;    // maximum x of the last group
    double last_low = kNotSet;    // range low of the last group
    double last_high = kNotSet;   // range high of the last group
};

Bounds bounds_of(const GroupRanges& ranges, int last) {
    return Bounds{group_range_value(ranges, 1, &GroupFit::min_x),
                  group_range_value(ranges, 1, &GroupFit::range_high),
                  group_range_value(ranges, last, &GroupFit::max_x),
                  group_range_value(ranges, last, &GroupFit::range_low),
                  group_range_value(ranges, last, &GroupFit::range_high)};
}

Bounds bp_bounds() {
    GroupRanges ranges{};
    const int last = compute_bp_group_ranges(method_data.surrogates, method_data.library, ranges);
    return bounds_of(ranges, last);
}

Bounds rv_bounds() {
    GroupRanges ranges{};
    const int last = compute_rv_group_ranges(method_data.surrogates, method_data.library, ranges);
    return bounds_of(ranges, last);
}

bool measured(double v) { return !is_not_set(v); }
double exp_of(double x) { return measured(x) ? std::exp(x) : kNotSet; }

// A refused limit: its edit, the value suggested in its place, and its message, given the
// text V that the edit shows for that value (so the message names what the analyst sees;
// two decimals may not be it). A default D that a message names is fixed in it.
struct Refusal {
    LimitEdit edit;
    double reset;
    std::function<std::string(const std::string& v)> message;
};

std::optional<Refusal> refuse(LimitEdit edit, double reset, std::function<std::string(const std::string&)> message) {
    return Refusal{edit, reset, std::move(message)};
}

std::optional<Refusal> check_bp_limits(const SurrogateRangeLimits& l, const Bounds& b) {
    const double min_bp = l.MinBP;
    const double max_bp = l.MaxBP;
    if (measured(min_bp) && measured(b.first_min) && min_bp < b.first_min)
        return refuse(kEditBpMin, b.first_min, [](const std::string& v) {
            return "Quantilyzer: 18001 - Your specified minimum boiling point is lower than the "
                   "first surrogate group's\n minimum boiling point of " + v;
        });
    if (measured(min_bp) && measured(b.first_high) && min_bp > b.first_high)
        return refuse(kEditBpMin, b.first_high, [](const std::string& v) {
            return "Quantilyzer: 18002 - Your specified minimum boiling point is higher than the "
                   "first group's\n maximum boiling point of " + v;
        });
    if (measured(max_bp) && measured(b.last_max) && max_bp > b.last_max)
        return refuse(kEditBpMax, b.last_max, [d = format_fixed(b.last_high, 2)](const std::string& v) {
            return "Quantilyzer: 18003 - Your specified maximum boiling point is greater than the "
                   "last surrogate group's\n maximum boiling point of " + v +
                   "\n The original default boiling point limit is: " + d;
        });
    if (measured(max_bp) && measured(b.last_low) && max_bp < b.last_low)
        return refuse(kEditBpMax, b.last_low, [](const std::string& v) {
            return "Quantilyzer: 18004 - Your specified maximum boiling point is less than the "
                   "last surrogate group's\n minimum boiling point of " + v +
                   "\n This value will be reset to the minimum boiling point limit of: " + v;
        });
    return std::nullopt;
}

// An rvw limit of 0 or below has no logarithm, so no band can hold it; it is refused
// with its default as the suggested value.
std::optional<Refusal> check_rv_positive(const SurrogateRangeLimits& l, const Bounds& b) {
    const double min_rvw = l.MinRVW;
    const double max_rvw = l.MaxRVW;
    if (measured(min_rvw) && !(min_rvw > 0.0))
        return refuse(kEditRvMin, exp_of(b.first_min), [](const std::string& v) {
            return "Your specified minimum relative volatility must be greater than 0.\n "
                   "It is reset to the default of " + v;
        });
    if (measured(max_rvw) && !(max_rvw > 0.0))
        return refuse(kEditRvMax, exp_of(b.last_high), [](const std::string& v) {
            return "Your specified maximum relative volatility must be greater than 0.\n "
                   "It is reset to the default of " + v;
        });
    return std::nullopt;
}

std::optional<Refusal> check_rv_limits(const SurrogateRangeLimits& l, const Bounds& b) {
    if (auto refused = check_rv_positive(l, b)) return refused;
    const double min_rvw = l.MinRVW;
    const double max_rvw = l.MaxRVW;
    if (measured(min_rvw) && measured(b.first_min) &&
        std::log(min_rvw) < b.first_min - kLnTolerance)
        return refuse(kEditRvMin, std::exp(b.first_min), [](const std::string& v) {
            return "Quantilyzer: 18005 - Your specified minimum relative volatility is less than "
                   "the first surrogate group's\n minimum relative volatility of " + v;
        });
    if (measured(min_rvw) && measured(b.first_high) &&
        std::log(min_rvw) > b.first_high + kLnTolerance)
        return refuse(kEditRvMin, std::exp(b.first_high), [](const std::string& v) {
            return "Quantilyzer: 18006 - Your specified minimum relative volatility is greater "
                   "than the first surrogate group's\n maximum relative volatility of " + v;
        });
    if (measured(max_rvw) && measured(b.last_max) && std::log(max_rvw) > b.last_max)
        return refuse(kEditRvMax, std::exp(b.last_max),
                      [d = format_fixed(std::exp(b.last_high), 2)](const std::string& v) {
                          return "Quantilyzer: 18007 - Your specified maximum relative volatility is greater "
                                 "than the last surrogate group's\n maximum relative volatility of " + v +
                                 "\n The original default relative volatility is: " + d;
                      });
    if (measured(max_rvw) && measured(b.last_low) && std::log(max_rvw) < b.last_low)
        return refuse(kEditRvMax, std::exp(b.last_low), [](const std::string& v) {
            return "Quantilyzer: 18008 - Your specified maximum relative volatility is less than "
                   "the last surrogate group's\n minimum relative volatility of " + v +
                   "\n This value will be reset to the minimum relative volatility of: " + v;
        });
    return std::nullopt;
}

// Whether a value in the given edit lies inside its band, whatever the variable mode (an
// edit of the variable not modelled is stored by Apply all the same).
bool inside_band(LimitEdit edit, double value, const Bounds& bp, const Bounds& rv) {
    SurrogateRangeLimits alone;  // the other three not set: not checked
    double SurrogateRangeLimits::*const fields[] = {&SurrogateRangeLimits::MinBP, &SurrogateRangeLimits::MaxBP,
                                                    &SurrogateRangeLimits::MinRVW, &SurrogateRangeLimits::MaxRVW};
    alone.*fields[edit] = value;
    return !check_bp_limits(alone, bp) && !check_rv_limits(alone, rv);
}

// A worked-out value (a default, a reset value) as an edit shows it: the shortest of two
// decimals (when asked for), the general form and the exact text that Apply accepts as it
// stands. Two decimals would show a default of 0.004 as 0.00, which can never be applied.
std::string suggested_text(LimitEdit edit, double value, bool two_decimals, const Bounds& bp, const Bounds& rv) {
    if (!measured(value)) return std::string();
    for (const std::string& text : {two_decimals ? format_fixed(value, 2) : std::string(), format_general(value)}) {
        double shown = 0.0;
        if (try_to_double(text, shown) && inside_band(edit, shown, bp, rv)) return text;
    }
    return exact_general(value);
}

// The edits as a refusal names them: the window's group label and the edit's own.
const char* const kLimitBoxes[] = {"Boiling Point Limits, Minimum", "Boiling Point Limits, Maximum",
                                   "Relative volatility Limits, Minimum", "Relative volatility Limits, Maximum"};

// An edit's text as a limit. Empty stands for "not set" only where there is no default
// to show in its place; otherwise the text must be wholly a number, and a refusal names
// the edit: four edits take numbers, and the text alone does not say which one was wrong.
double limit_of(LimitEdit edit, const std::string& text, double default_value) {
    if (trim(text).empty() && !measured(default_value)) return kNotSet;
    const NumberField limit = read_number(text);
    if (!limit.ok) throw ConversionError(refused_box_message(kLimitBoxes[edit], limit.why, "No limit was changed."));
    return limit.value;
}

}  // namespace

LimitPair default_bp_limits() {
    const Bounds b = bp_bounds();
    return LimitPair{b.first_min, b.last_high};
}

LimitPair default_rv_limits() {
    const Bounds b = rv_bounds();
    return LimitPair{exp_of(b.first_min), exp_of(b.last_high)};
}

LimitTexts shown_limit_texts() {
    const SurrogateRangeLimits& l = method_data.surrogate_range_limits;
    const Bounds bp = bp_bounds();
    const Bounds rv = rv_bounds();
    // A limit that is set shows as it is stored: Apply must store it again unchanged.
    const auto shown = [&](LimitEdit edit, double limit, double default_value, bool two_decimals) {
        return measured(limit) ? exact_fixed(limit, 2) : suggested_text(edit, default_value, two_decimals, bp, rv);
    };
    return LimitTexts{shown(kEditBpMin, l.MinBP, bp.first_min, false), shown(kEditBpMax, l.MaxBP, bp.last_high, true),
                      shown(kEditRvMin, l.MinRVW, exp_of(rv.first_min), true),
                      shown(kEditRvMax, l.MaxRVW, exp_of(rv.last_high), true)};
}

std::optional<LimitReset> apply_range_limits(const LimitTexts& texts) {
    const Bounds bp = bp_bounds();
    const Bounds rv = rv_bounds();
    // The entries are checked before any is stored: a refused entry changes nothing, or
    // Save As would write a limit the models were never meant to run with.
    SurrogateRangeLimits l = method_data.surrogate_range_limits;
    l.MinBP = limit_of(kEditBpMin, texts[kEditBpMin], bp.first_min);
    l.MaxBP = limit_of(kEditBpMax, texts[kEditBpMax], bp.last_high);
    l.MinRVW = limit_of(kEditRvMin, texts[kEditRvMin], rv.first_min);
    l.MaxRVW = limit_of(kEditRvMax, texts[kEditRvMax], rv.last_high);
    std::optional<Refusal> refused;
    if (bp_variable_in_use(method_data.variable_mode)) refused = check_bp_limits(l, bp);
    if (!refused && rv_variable_in_use(method_data.variable_mode)) refused = check_rv_limits(l, rv);
    if (refused) {
        const std::string shown = suggested_text(refused->edit, refused->reset, true, bp, rv);
        show_message(refused->message(shown), "Invalid limits");
        return LimitReset{refused->edit, shown};
    }
    method_data.surrogate_range_limits = l;
    method_data.user_limits_applied = 1;
    return std::nullopt;
}

void limits_measured_on_records() {
    limits_measured_on_records(LimitVariable::BP);
    limits_measured_on_records(LimitVariable::RV);
}

void limits_measured_on_records(LimitVariable variable) {
    (variable == LimitVariable::BP ? method_data.limits_basis.bp : method_data.limits_basis.rv) = method_data.surrogates;
}

bool records_moved_since_limits_measured(LimitVariable variable) {
    const bool bp = variable == LimitVariable::BP;
    const SurrogateTable& basis = bp ? method_data.limits_basis.bp : method_data.limits_basis.rv;
    for (int i = 0; i < surrogate_records_in_use(); ++i) {
        const SurrogateRecord& now = method_data.surrogates[i];
        const SurrogateRecord& then = basis[i];
        if (now.first_pass != then.first_pass) return true;
        if (bp ? now.bpgroup != then.bpgroup || now.bp != then.bp : now.rvwgroup != then.rvwgroup || now.rvw != then.rvw)
            return true;
    }
    return false;
}
