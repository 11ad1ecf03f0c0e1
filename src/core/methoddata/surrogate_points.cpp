#include "methoddata/surrogate_points.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "methoddata/tables.h"
#include "platform/errors.h"
#include "platform/ui_services.h"

int points_in_use(const PointList& list) {
    int n = 0;
    while (n < kMaxSurrogates && list[n].in_use) ++n;
    return n;
}

void append_group_point(PointList& list, int& count, const SurrogatePoint& point) {
    if (count >= kMaxSurrogates) {
        show_message(
            "The internal standard groupings need more than " + std::to_string(kMaxSurrogates) +
                " group entries.\nPlease edit the surrogate file and adjust the groupings.",
            "Error");
        throw CommandAborted("group list full");
    }
    list[count++] = point;
}

namespace {

// ln rvw of a record, which must be above 0 for its logarithm to exist.
double checked_ln_rvw(const SurrogateRecord& record, int q) {
    if (!(record.rvw > 0.0)) {
        show_message("Quantilyzer: 22010 | record " + std::to_string(q + 1), "Error");
        throw CommandAborted("rvw not above 0");
    }
    return std::log(record.rvw);
}

}  // namespace

SurrogatePoint make_group_point(const SurrogateRecord& record, int q, double x, int group) {
    SurrogatePoint p = SurrogatePoint_init();
    p.name = record.name;
    p.in_use = 1;
    p.x = x;
    p.group = group;
    p.record = q;
    return p;
}

int fill_first_pass_points(PointList& list) {
    list.fill(SurrogatePoint_init());
    int count = 0;
    for (int q = 0; q < surrogate_records_in_use(); ++q) {
        const SurrogateRecord& r = method_data.surrogates[q];
        if (r.first_pass != 0)
            append_group_point(list, count, make_group_point(r, q, checked_ln_rvw(r, q), 0));
    }
    return count;
}

int fill_bp_group_points(PointList& list) {
    list.fill(SurrogatePoint_init());
    int count = 0;
    for (int q = 0; q < surrogate_records_in_use(); ++q) {
        const SurrogateRecord& r = method_data.surrogates[q];
        for (int j = 1; j <= kGroups; ++j) {
            if (r.bpgroup[j - 1] == 0) continue;
            checked_ln_rvw(r, q);  // every grouped standard must be usable by the RV side too
            append_group_point(list, count, make_group_point(r, q, r.bp, j));
        }
    }
    return count;
}

int fill_rv_group_points(PointList& list) {
    list.fill(SurrogatePoint_init());
    int count = 0;
    for (int q = 0; q < surrogate_records_in_use(); ++q) {
        const SurrogateRecord& r = method_data.surrogates[q];
        for (int j = 1; j <= kGroups; ++j)
            if (r.rvwgroup[j - 1] != 0)
                append_group_point(list, count, make_group_point(r, q, checked_ln_rvw(r, q), j));
    }
    return count;
}

void swap_points(SurrogatePoint& p, SurrogatePoint& q) {
    SurrogatePoint held = SurrogatePoint_init();
    copy_surrogate_point(held, p);
    copy_surrogate_point(p, q);
    copy_surrogate_point(q, held);
}

void sort_points_by_group(PointList& list) {
    const int n = points_in_use(list);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (list[j].group < list[i].group) swap_points(list[i], list[j]);
}

void sort_group_points(PointList& list) {
    const int n = points_in_use(list);
    for (int pass = 0; pass < n; ++pass)
        for (int j = 1; j < n; ++j)
            if (list[j].group == list[j - 1].group && !(list[j].x >= list[j - 1].x))
                swap_points(list[j - 1], list[j]);
}
