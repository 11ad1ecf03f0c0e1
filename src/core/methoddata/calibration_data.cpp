#include "methoddata/calibration_data.h"

#include <memory>

void reset_calibration_data() {
    // The default values are built on the heap: the tables are too large for the stack.
    calibration_data = *std::make_unique<CalibrationData>();
    model_work_tables = *std::make_unique<ModelWorkTables>();
}
