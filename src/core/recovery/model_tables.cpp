#include "recovery/model_tables.h"

void clear_fit_points(PointList& points) {
    for (SurrogatePoint& p : points) {
        p.in_use = 0;
        p.x = p.y = p.measured = 0.0;
    }
}
