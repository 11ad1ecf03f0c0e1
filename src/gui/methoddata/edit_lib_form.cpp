#include "methoddata/edit_lib_form.h"

#include "app/not_built_yet.h"

TEditLib_Form* EditLib_Form = nullptr;

TEditLib_Form::TEditLib_Form() : TaskWindow("Edit Library") {
    setObjectName("EditLib_Form");
    add_not_built_yet_notice(this);
}
