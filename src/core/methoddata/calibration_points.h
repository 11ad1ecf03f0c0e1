#pragma once
// Data of the calibration window that the recovery models write: per standard, the
// points of its first pass. The window holds this struct; the models run without it.
#include <array>

#include "methoddata/records.h"

constexpr int kFirstPassPointRows = 25;     // standards
constexpr int kFirstPassPointsPerRow = 50;  // paired first-pass entries of one standard

struct CalibrationPoints {
    std::array<std::array<SurrogatePoint, kFirstPassPointsPerRow>, kFirstPassPointRows>
        standard_first_pass_points{};
};
extern CalibrationPoints calibration_points;
