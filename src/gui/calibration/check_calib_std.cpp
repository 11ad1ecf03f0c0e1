#include "calibration/check_calib_std.h"

#include "app/not_built_yet.h"

Tcheck_calib_std* check_calib_std = nullptr;

Tcheck_calib_std::Tcheck_calib_std() : TaskWindow("Continuing Calibration Standard Entry") {
    setObjectName("check_calib_std");
    add_not_built_yet_notice(this);
}
