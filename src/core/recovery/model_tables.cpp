#include "recovery/model_tables.h"

#include <limits>

int first_pass_pair_count = 0;
int first_pass_group_count = 0;
double first_pass_min_rvw = std::numeric_limits<double>::min();
double first_pass_max_rvw = std::numeric_limits<double>::max();

void clear_fit_points(PointList& points) {
    for (SurrogatePoint& p : points) {
        p.in_use = 0;
        p.x = p.y = p.measured = 0.0;
    }
}
