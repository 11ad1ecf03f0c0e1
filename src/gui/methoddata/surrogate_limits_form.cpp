#include "methoddata/surrogate_limits_form.h"

#include "app/not_built_yet.h"

Tsurrogate_limits_form* surrogate_limits_form = nullptr;

Tsurrogate_limits_form::Tsurrogate_limits_form() : TaskWindow("Internal Standard Limits") {
    setObjectName("surrogate_limits_form");
    add_not_built_yet_notice(this);
}
