#include "recovery/point_rows.h"

#include "platform/ui_services.h"

void show_too_many_points(const std::string& groups_caption) {
    show_message("There are more than " + std::to_string(kMaxSurrogates) +
                     " internal standard points in the " + groups_caption +
                     " groups.\nPlease revise your Internal Standard groups",
                 "Error");
}

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
