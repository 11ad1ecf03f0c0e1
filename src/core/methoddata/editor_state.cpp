#include "methoddata/editor_state.h"

