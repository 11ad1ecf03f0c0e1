#include "processing/calib_limits.h"

#include "app/not_built_yet.h"

Tcalib_limits* calib_limits = nullptr;

Tcalib_limits::Tcalib_limits() : TaskWindow("Calibration Response Limits") {
    setObjectName("calib_limits");
    add_not_built_yet_notice(this);
}
