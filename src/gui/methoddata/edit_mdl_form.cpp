#include "methoddata/edit_mdl_form.h"

#include "app/not_built_yet.h"

TEdit_mdl_form* Edit_mdl_form = nullptr;

TEdit_mdl_form::TEdit_mdl_form() : TaskWindow("Create/Edit LMT Files") {
    setObjectName("Edit_mdl_form");
    add_not_built_yet_notice(this);
}
