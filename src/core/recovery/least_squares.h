#pragma once
// The straight-line least-squares fit shared by the first pass and the group models.

// The sums of one group of points. A y that could not be computed (the marker
// 2147483647.0) is never a number in a fit: add() leaves such a point out.
struct LineSums {
    int n = 0;
    double sx = 0.0, sy = 0.0, sxx = 0.0, syy = 0.0, sxy = 0.0;

    // Adds the point; false (and nothing added) when its y is the marker.
    bool add(double x, double y);
    // n·Σx² − (Σx)²: the denominator of slope and intercept.
    double spread() const { return n * sxx - sx * sx; }
};

struct LineFit {
    double slope = 0.0;
    double intercept = 0.0;
    double std_error = 0.0;
    bool has_r_squared = false;  // with two points, or a negative variance, none is given
    double r_squared = 0.0;
};

// True when the points do not determine a line: fewer than two distinct x. The test is on
// the denominator itself, relative to n·Σx², so rounding in a group of equal x is caught
// while groups whose x merely sum to zero (ln 0.5 + ln 2) are fitted.
bool is_degenerate(const LineSums& sums);

// Slope, intercept, standard error and R squared of a group that is not degenerate.
// A variance that comes out negative gives the standard error negative_variance_error
// (the first pass and the group models use different values) and no R squared.
LineFit fit_line(const LineSums& sums, double negative_variance_error);

// The squared correlation coefficient; 0.0 when either variable has no spread.
double r_squared(int n, double sum_x, double sum_y, double sum_xx, double sum_yy, double sum_xy);
