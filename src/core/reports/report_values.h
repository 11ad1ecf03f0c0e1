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
// precision. A value that is not available (a marker) is no recovery and is left out;
// `count` says how many were averaged (0: no average to show).
struct GroupAverage {
    double mean = 0.0;
    float deviation = 0.0f;
    int count = 0;
};
GroupAverage group_average(const std::vector<double>& values);
