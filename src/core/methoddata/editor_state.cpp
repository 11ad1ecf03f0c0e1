#include "methoddata/editor_state.h"

EditorState editor_state;
