#include "processing/calc_limits.h"

#include "app/not_built_yet.h"

Tcalc_limits* calc_limits = nullptr;

Tcalc_limits::Tcalc_limits() : TaskWindow("Limits for Calculations") {
    setObjectName("calc_limits");
    add_not_built_yet_notice(this);
}
