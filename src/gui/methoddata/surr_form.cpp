#include "methoddata/surr_form.h"

#include "app/not_built_yet.h"

Tsurr_Form* surr_Form = nullptr;

Tsurr_Form::Tsurr_Form() : TaskWindow("Internal Standard Data") {
    setObjectName("surr_Form");
    add_not_built_yet_notice(this);
}
