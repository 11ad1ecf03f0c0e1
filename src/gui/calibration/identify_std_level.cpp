#include "calibration/identify_std_level.h"

#include "app/not_built_yet.h"

Tidentify_std_level* identify_std_level = nullptr;

Tidentify_std_level::Tidentify_std_level() : QDialog(nullptr) {
    setObjectName("identify_std_level");
    setWindowTitle("Identify Standard Level");
    add_not_built_yet_notice(this);
}
