#include "reports/report_values.h"

#include <algorithm>
#include <cmath>

std::string sample_size_unit(const std::string& units) {
    if (units == "ng/mL" || units == "ng/l" || units == "µg/l") return "mL";
    return "g";
}

GroupAverage group_average(const std::vector<double>& values) {
    GroupAverage a;
    if (values.empty()) return a;
    const int n = static_cast<int>(values.size());
    float sum = 0.0f;
    double squares = 0.0;
    for (double v : values) {
        sum += static_cast<float>(v);
        squares += v * v;
    }
    a.mean = static_cast<double>(sum) / n;
    if (n == 1) return a;
    const double variance = (squares - a.mean * a.mean * n) / (n - 1);
    // Equal values can leave a tiny negative variance by rounding: their deviation is 0.
    a.deviation = static_cast<float>(std::sqrt(std::max(variance, 0.0)));
    return a;
}
