#pragma once
// The small recovery charts of the printed model page: the internal-standard recoveries
// of one sample against the model variable, with the fitted line of each group.
// Kinds 0 (first pass) and 2 (RV) plot against the relative volatility on a decade axis,
// kind 1 (BP) against the boiling point on a linear axis.
#include <span>
#include <vector>

#include "methoddata/records.h"
#include "samples/sample_results.h"

class Canvas;

enum class ChartKind { FirstPass = 0, BoilingPoint = 1, RelativeVolatility = 2 };

// The chart's frame in device units.
struct ChartFrame {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

struct ChartPoint {
    double x = 0.0;  // log10 rvw (decade kinds) or bp
    double y = 0.0;  // recovery in percent
    double rvw = 0.0;
    double bp = 0.0;
    int group = 0;
};

struct ChartPoints {
    std::vector<ChartPoint> points;
    double x_min = 1e9, x_max = -1e9, y_min = 1e9, y_max = -1e9;
};

// The points in use (the list ends at the first one not in use), with the rvw and bp of
// their internal standard's library row. Points whose recovery could not be computed, or
// whose rvw is not above 0 on a decade axis, are left out: they have no place on the chart.
ChartPoints collect_chart_points(ChartKind kind, std::span<const SurrogatePoint> points);

// Down to a multiple of 10 below the minimum, up to the next multiple of 10 above the maximum.
void round_x_axis_range(double& min, double& max);
void round_y_axis_range(double& min, double& max);

// Divisions of the y axis: from 5 divisions down, until a division of 2, 5, 10 or 20 is met.
struct TickStep {
    int divisions = 5;
    int size = 0;
};
TickStep choose_tick_step(double range);

// Where the axes of a chart run.
struct ChartAxes {
    double x_min = 0.0, x_max = 0.0;  // BP axis; the decade axis runs over decades
    double y_min = 0.0, y_max = 0.0;
    int y_divisions = 1;
    std::vector<double> decades;  // decade axis: 0, 1, 10, ... the rvw at each tick, the last at the right edge
};
ChartAxes chart_axes(ChartKind kind, const ChartPoints& points);

// Position of an rvw on the decade axis: on the straight line between the ticks of the
// two decade values that enclose it. A value outside every interval gives 0.
double interpolate_axis_position(double value, const std::vector<double>& decades, int count, double origin,
                                 double width);

// Draws one chart in the frame: frame, axes with ticks and labels, the points and the
// group lines (from the sample's fitted lines). Leaves the pen width at 4.
void draw_recovery_chart(Canvas& canvas, ChartKind kind, const ChartFrame& frame, const ModelFitSlots& fits,
                         std::span<const SurrogatePoint> points);
