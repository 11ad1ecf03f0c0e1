#include "recovery/point_rows.h"

#include "methoddata/calibration_tables.h"
#include "platform/ui_services.h"
#include "recovery/group_lines.h"

void show_zero_area(const std::string& name, const std::string& where) {
    show_message("The area count for the compound " + name + " is ZERO for " + where +
                     ".\nPlease reintegrate or revise your Internal Standard groups",
                 "Warning");
}

std::string zero_area_place(int a, const std::string& sample) {
    if (main_flags.CalibrationFromFile && !main_flags.CheckCalibrationMode) return "sample\n" + sample;
    if (!main_flags.CalibrationFromFile && !main_flags.CheckCalibrationMode) {
        const bool listed = a >= 0 && a < kStandardFileSlots;
        return "standard file\n" + (listed ? calibration_data.standard_results_ini[a] : std::string());
    }
    return "the calibration check standard";
}

void show_too_many_points(const std::string& groups_caption) {
    show_message("There are more than " + std::to_string(kMaxSurrogates) +
                     " internal standard points in the " + groups_caption +
                     " groups.\nPlease revise your Internal Standard groups",
                 "Error");
}

namespace {

// The fields a point table keeps; the entries after the last point are marked not in use,
// so a shorter model does not leave the points of an earlier one behind.
void copy_model_points(const PointList& points, PointTable& table, int a, bool with_clamped_rv) {
    // The list is sorted by group, so walking it group by group copies it in order.
    auto& row = table[a];
    int i = 0;
    for (; i < kMaxSurrogates && points[i].in_use; ++i) {
        row[i].name = points[i].name;
        row[i].in_use = points[i].in_use;
        row[i].y = points[i].y;
        row[i].measured = points[i].measured;
        row[i].group = points[i].group;
        row[i].record = points[i].record;
        if (with_clamped_rv) row[i].clamped_rv = points[i].clamped_rv;
    }
    for (; i < kMaxSurrogates; ++i) row[i].in_use = 0;
}

}  // namespace

int fit_model_points(PointList& points, int n, FitTable& fits, int a, const std::string& too_few_points,
                     PointTable& table, bool with_clamped_rv, int& group_count,
                     const std::function<void(PointList&)>& after_sort) {
    if (n == kNotFound) return 0;
    if (n >= 2) {
        sort_points_by_group(points);
        sort_group_points(points);
        if (after_sort) after_sort(points);
        if (const int groups = fit_group_lines(points, fits, a); groups != 0) {
            group_count = groups;
            copy_model_points(points, table, a, with_clamped_rv);
            return 1;
        }
    }
    show_message(too_few_points, "Error");
    return 0;
}
