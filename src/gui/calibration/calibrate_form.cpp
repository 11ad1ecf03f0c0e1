#include "calibration/calibrate_form.h"

#include "app/not_built_yet.h"

TCalibrate_form* Calibrate_form = nullptr;

TCalibrate_form::TCalibrate_form() : TaskWindow("Create Calibration File") {
    setObjectName("Calibrate_form");
    add_not_built_yet_notice(this);
}
