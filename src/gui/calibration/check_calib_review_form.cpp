#include "calibration/check_calib_review_form.h"

#include "app/not_built_yet.h"

Tcheck_calib_review_form* check_calib_review_form = nullptr;

Tcheck_calib_review_form::Tcheck_calib_review_form() : TaskWindow("Continuing Calibration Review") {
    setObjectName("check_calib_review_form");
    add_not_built_yet_notice(this);
}
