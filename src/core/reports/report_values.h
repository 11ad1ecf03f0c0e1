#pragma once
// Values the delimited and printed sample reports share.
#include <string>
#include <vector>

// "mL" for the volume units "ng/mL", "ng/l" and "µg/l", else "g".
std::string sample_size_unit(const std::string& units);

// Mean and standard deviation of the corrected recoveries of one category of internal
// standards. The values are summed in single precision, the squares in double precision;
// the mean is that sum divided by the count, not rounded to single precision (that could
// change its printed digit); the deviation is 0 for a single value and is held in single
// precision.
struct GroupAverage {
    double mean = 0.0;
    float deviation = 0.0f;
};
GroupAverage group_average(const std::vector<double>& values);
