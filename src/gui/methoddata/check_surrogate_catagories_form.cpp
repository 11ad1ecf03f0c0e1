#include "methoddata/check_surrogate_catagories_form.h"

#include "app/not_built_yet.h"

Tcheck_surrogate_catagories_form* check_surrogate_catagories_form = nullptr;

Tcheck_surrogate_catagories_form::Tcheck_surrogate_catagories_form() : TaskWindow("Class Ranges") {
    setObjectName("check_surrogate_catagories_form");
    add_not_built_yet_notice(this);
}
