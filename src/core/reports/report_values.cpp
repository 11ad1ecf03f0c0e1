#include "reports/report_values.h"

#include <algorithm>
#include <cmath>

#include "methoddata/marker_text.h"

std::string sample_size_unit(const std::string& units) {
    if (units == "ng/mL" || units == "ng/l" || units == "µg/l") return "mL";
    return "g";
}

GroupAverage group_average(const std::vector<double>& values) {
    GroupAverage a;
    float sum = 0.0f;
    double squares = 0.0;
    for (double v : values) {
        if (is_value_marker(v)) continue;
        ++a.count;
        sum += static_cast<float>(v);
        squares += v * v;
    }
    const int n = a.count;
    if (n == 0) return a;
    a.mean = static_cast<double>(sum) / n;
    if (n == 1) return a;
    const double variance = (squares - a.mean * a.mean * n) / (n - 1);
    // Equal values can leave a tiny negative variance by rounding: their deviation is 0.
    a.deviation = static_cast<float>(std::sqrt(std::max(variance, 0.0)));
    return a;
}
