#include "methoddata/surrogate_groupings.h"

#include "methoddata/surrogate_points.h"
#include "methoddata/tables.h"
#include "platform/ui_services.h"

namespace {

constexpr int kMinimumMembers = 3;

// Walks the runs of a group-sorted list: group g must follow group g-1.
int first_small_group(PointList& list) {
    sort_points_by_group(list);
    sort_group_points(list);
    int g = 1;
    int position = 0;
    while (position < kMaxSurrogates && list[position].in_use) {
        int run = 0;
        while (position < kMaxSurrogates && list[position].in_use && list[position].group == g) {
            ++run;
            ++position;
        }
        if (run < kMinimumMembers) return g;
        ++g;
    }
    return 0;
}

}  // namespace

int count_first_pass() {
    PointList list;
    return fill_first_pass_points(list);
}

int check_bp_groups() {
    PointList list;
    fill_bp_group_points(list);
    return first_small_group(list);
}

int check_rv_groups() {
    PointList list;
    fill_rv_group_points(list);
    return first_small_group(list);
}

GroupingFailures test_surrogate_groupings() {
    GroupingFailures f;
    const VariableMode& m = method_data.variable_mode;
    if (m.one_variable_mode == 0) f.first_pass = count_first_pass() < kMinimumMembers;
    if (bp_variable_in_use(m)) f.bp_group = check_bp_groups();
    if (rv_variable_in_use(m)) f.rv_group = check_rv_groups();
    return f;
}

std::string grouping_failure_lines(const GroupingFailures& f) {
    std::string text;
    if (f.first_pass) text += "There must be at least 3 compounds for First Pass ";
    if (f.bp_group != 0)
        text += "\nThere must be at least 3 compounds for Boiling Point Group " +
                std::to_string(f.bp_group);
    if (f.rv_group != 0)
        text += "\nThere must be at least 3 compounds for Relative Volatility Group " +
                std::to_string(f.rv_group);
    return text;
}

std::string grouping_check_text(const GroupingFailures& f) {
    std::string text = grouping_failure_lines(f);
    if (f.any()) text += "\n\n\tPlease edit the surrogate file and adjust the groupings.";
    return text;
}

std::string grouping_report_text(const GroupingFailures& f) {
    std::string text;
    if (f.first_pass) text += "There must be at least 3 first pass compounds.\n";
    if (f.bp_group != 0)
        text += "There must be at least 3 compounds for boiling point group " +
                std::to_string(f.bp_group) + ".\n";
    if (f.rv_group != 0)
        text += "There must be at least 3 compounds for relative volatility group " +
                std::to_string(f.rv_group) + ".\n";
    if (f.any()) text += "\nPlease edit your surrogate file and adjust the groupings.";
    return text;
}

int check_surrogate_groupings() {
    const GroupingFailures f = test_surrogate_groupings();
    if (f.any()) show_message(grouping_check_text(f), "Error");
    method_data.surrogate_limits_invalid = f.any() ? 1 : 0;
    return method_data.surrogate_limits_invalid;
}

int report_grouping_errors() {
    const GroupingFailures f = test_surrogate_groupings();
    if (f.any()) show_message(grouping_report_text(f), "Error");
    return f.any() ? 0 : 1;
}
