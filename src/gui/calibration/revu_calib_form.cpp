#include "calibration/revu_calib_form.h"

#include "app/not_built_yet.h"

Trevu_calib_form* revu_calib_form = nullptr;

Trevu_calib_form::Trevu_calib_form() : TaskWindow("Edit Calibration") {
    setObjectName("revu_calib_form");
    add_not_built_yet_notice(this);
}
