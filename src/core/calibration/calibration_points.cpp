#include "calibration/calibration_points.h"

CalibrationPoints calibration_points;
