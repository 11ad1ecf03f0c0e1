#include "methoddata/calibration_points.h"

CalibrationPoints calibration_points;
