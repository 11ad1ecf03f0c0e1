#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "methoddata/records.h"
#include "recovery/least_squares.h"

namespace {
LineSums sums_of(const std::vector<double>& xs, const std::vector<double>& ys) {
    LineSums s;
    for (size_t i = 0; i < xs.size(); ++i) s.add(xs[i], ys[i]);
    return s;
}
}  // namespace

TEST(LeastSquares, ThreePointsGiveSlopeErrorAndRSquared) {
    // x 1,2,3 / y 1,2,2: slope 0.5, intercept 2/3, s² = (2 - 9/6)/3, R² = 9/12.
    const LineFit fit = fit_line(sums_of({1, 2, 3}, {1, 2, 2}), kNotSet);
    EXPECT_DOUBLE_EQ(fit.slope, 0.5);
    EXPECT_DOUBLE_EQ(fit.intercept, 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(fit.std_error, std::sqrt(0.5 / 3.0));
    EXPECT_TRUE(fit.has_r_squared);
    EXPECT_DOUBLE_EQ(fit.r_squared, 0.75);
}

TEST(LeastSquares, TwoPointsRunThroughBothWithoutRSquared) {
    const LineFit fit = fit_line(sums_of({0.5, 1.0}, {0.8, 0.9}), kNotSet);
    EXPECT_NEAR(fit.slope, 0.2, 1e-12);
    EXPECT_NEAR(fit.intercept, 0.7, 1e-12);
    EXPECT_EQ(fit.std_error, 0.0);
    EXPECT_FALSE(fit.has_r_squared);
}

TEST(LeastSquares, RSquaredIsZeroWithoutSpread) {
    EXPECT_EQ(r_squared(3, 6, 3, 14, 3, 6), 0.0);  // y all 1.0
    EXPECT_EQ(r_squared(2, 2, 3, 2, 5, 3), 0.0);   // x all 1.0
}

TEST(LeastSquares, DegenerateOnlyWhenTheXDoNotDetermineALine) {
    struct Case {
        std::vector<double> xs;
        bool degenerate;
    } cases[] = {
        {{std::log(0.5), std::log(2.0)}, false},  // Σx = 0 is a valid pair
        {{0.0, 1.0}, false},                      // Σx² of one point is 0
        {{-1.0, 1.0}, false},
        {{std::log(3.0), std::log(3.0), std::log(3.0)}, true},  // equal x, with rounding
        {{150.0, 150.0}, true},
        {{2.0}, true},
        {{}, true},
    };
    for (const Case& c : cases) {
        const std::vector<double> ys(c.xs.size(), 1.0);
        EXPECT_EQ(is_degenerate(sums_of(c.xs, ys)), c.degenerate) << c.xs.size() << " points";
    }
}

TEST(LeastSquares, TheMarkerIsNeverSummed) {
    LineSums s;
    EXPECT_TRUE(s.add(1.0, 0.5));
    EXPECT_FALSE(s.add(2.0, kNotSet));
    EXPECT_EQ(s.n, 1);
    EXPECT_EQ(s.sy, 0.5);
}
