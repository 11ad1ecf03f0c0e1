#include "methoddata/group_ranges.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "methoddata/surrogate_library_row.h"
#include "platform/errors.h"
#include "platform/ui_services.h"

namespace {

// Records whose name the library does not know are left out of the ranges.
bool known_in_library(int q, const SurrogateTable& surrogates, const LibraryTable& library) {
    int row = 0;
    return find_surrogate_library_row(row, q, surrogates, library);
}

void sort_members(PointList& list) {
    sort_points_by_group(list);
    sort_group_points(list);
}

}  // namespace

int list_bp_group_members(const SurrogateTable& surrogates, const LibraryTable& library,
                          PointList& list) {
    list.fill(SurrogatePoint_init());
    int count = 0;
    for (int q = 0; q < surrogate_records_in_use(); ++q) {
        const SurrogateRecord& r = surrogates[q];
        if (r.first_pass != 0 || !known_in_library(q, surrogates, library)) continue;
        for (int j = 1; j <= kGroups; ++j)
            if (r.bpgroup[j - 1] != 0)
                append_group_point(list, count, make_group_point(r, q, r.bp, j));
    }
    sort_members(list);
    return count;
}

int list_rv_group_members(const SurrogateTable& surrogates, const LibraryTable& library,
                          PointList& list) {
    list.fill(SurrogatePoint_init());
    int count = 0;
    for (int q = 0; q < surrogate_records_in_use(); ++q) {
        const SurrogateRecord& r = surrogates[q];
        if (!known_in_library(q, surrogates, library)) continue;
        for (int j = 1; j <= kGroups; ++j) {
            if (r.rvwgroup[j - 1] == 0) continue;
            if (!(r.rvw > 0.0)) {
                ui().message("Quantilyzer: 06007 | record " + std::to_string(q + 1), "Fatal Error",
                             Buttons::Ok, Icon::Error);
                throw CommandAborted("rvw not above 0");
            }
            append_group_point(list, count, make_group_point(r, q, std::log(r.rvw), j));
        }
    }
    sort_members(list);
    return count;
}

int compute_group_ranges(const PointList& list, GroupRanges& ranges) {
    int g = 1;
    int position = 0;
    // Group numbers run 1..6; the bound also ends the walk on a list of other numbers.
    while (g <= kGroups && position < kMaxSurrogates && list[position].in_use) {
        const int first = position;
        while (position < kMaxSurrogates && list[position].in_use && list[position].group == g)
            ++position;
        const int n = position - first;  // 0 when the group number g is missing

        double min = std::numeric_limits<double>::max();
        double max = std::numeric_limits<double>::lowest();
        for (int i = first; i < position; ++i) {
            min = std::min(min, list[i].x);
            max = std::max(max, list[i].x);
        }
        double low = min;
        double high = max;
        if (n > 2) {
            low = (list[first].x + list[first + 1].x) / 2.0;
            high = (list[position - 2].x + list[position - 1].x) / 2.0;
        }
        if (n <= 3) {
            low = min;
            if (g == 1) high = max;
        }
        GroupFit& slot = ranges[g];
        slot.valid = 1;
        slot.range_low = low;
        slot.min_x = min;
        slot.range_high = high;
        slot.max_x = max;
        ++g;
    }
    return g - 1;
}

int compute_bp_group_ranges(const SurrogateTable& surrogates, const LibraryTable& library,
                            GroupRanges& ranges) {
    PointList list;
    list_bp_group_members(surrogates, library, list);
    return compute_group_ranges(list, ranges);
}

int compute_rv_group_ranges(const SurrogateTable& surrogates, const LibraryTable& library,
                            GroupRanges& ranges) {
    PointList list;
    list_rv_group_members(surrogates, library, list);
    return compute_group_ranges(list, ranges);
}

double group_range_value(const GroupRanges& ranges, int g, double GroupFit::*field) {
    if (g < 1 || g > kGroups || !ranges[g].valid) return kNotSet;
    const double v = ranges[g].*field;
    if (v == std::numeric_limits<double>::max() || v == std::numeric_limits<double>::lowest())
        return kNotSet;
    return v;
}
