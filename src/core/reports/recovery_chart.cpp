#include "reports/recovery_chart.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "methoddata/surrogate_library_row.h"
#include "methoddata/tables.h"
#include "platform/canvas.h"
#include "platform/number_text.h"

namespace {

constexpr int kFramePen = 4;
constexpr int kPointPen = 12;
constexpr int kMaxTickSearches = 500;
constexpr int kBpDivisions = 5;
constexpr int kMaxDivisions = 8;

bool decade_axis(ChartKind kind) { return kind != ChartKind::BoilingPoint; }

// A multiple of 10 at or below the value (a negative value rounds away from zero, so
// that it stays on the chart).
double ten_below(double v) { return std::floor(v / 10.0) * 10.0; }
double ten_above(double v) { return (std::trunc(v / 10.0) + 1.0) * 10.0; }

std::string whole(double v) { return c_format("%.0f", v); }

// The largest value of the BP axis: from the rounded maximum up in steps of 10 until a
// fifth of the span is a multiple of 10; a span much wider than the data is cut to a
// fifth, so that the five divisions stay near the points.
double bp_axis_top(double x_min, double x_max) {
    double top = x_max;
    for (int i = 0; i < kMaxTickSearches && static_cast<long long>(std::trunc((top - x_min) / 5.0)) % 10 != 0; ++i)
        top += 10.0;
    double r = std::trunc((top - x_min) / 5.0);
    if (x_max <= x_min + r) {
        r = r / 5.0;
        top = x_min + 5.0 * r;
    }
    return top;
}

struct ChartGeometry {
    ChartKind kind;
    ChartFrame frame;
    ChartAxes axes;

    double x_of(double bp, double rvw) const {
        if (!decade_axis(kind))
            return frame.left + (bp - axes.x_min) / (axes.x_max - axes.x_min) * frame.width;
        return interpolate_axis_position(rvw, axes.decades, static_cast<int>(axes.decades.size()) - 1, frame.left,
                                         frame.width);
    }
    double y_of(double y) const {
        return frame.bottom() - (y - axes.y_min) / (axes.y_max - axes.y_min) * frame.height;
    }
};

// A tick below the x axis and its label centred under it.
void draw_x_tick_label(Canvas& canvas, const ChartFrame& f, int x, const std::string& text) {
    const int tick = f.height / 16;
    canvas.line(x, f.bottom(), x, f.bottom() + static_cast<int>(0.7 * tick));
    canvas.text_out(x - canvas.text_width(text) / 2, f.bottom() + tick, text);
}

// A tick left of the y axis and its label, centred on the tick's height.
void draw_y_tick_label(Canvas& canvas, const ChartFrame& f, int y, const std::string& text) {
    canvas.line(f.left - f.height / 16, y, f.left, y);
    canvas.text_out(f.left - f.width / 4, y - canvas.text_height(text) / 2, text);
}

void draw_x_axis_ticks(Canvas& canvas, const ChartGeometry& g) {
    const ChartFrame& f = g.frame;
    if (!decade_axis(g.kind)) {
        const int step = f.width / kBpDivisions;
        for (int k = 1; k < kBpDivisions; ++k)
            draw_x_tick_label(canvas, f, f.left + k * step,
                              whole(g.axes.x_min + (g.axes.x_max - g.axes.x_min) * k * step / f.width));
        return;
    }
    // The inner ticks only: the edges carry their own labels, and a last step that falls
    // short of the edge by the rounding of the step would label the edge twice.
    const int count = static_cast<int>(g.axes.decades.size()) - 1;
    const int step = f.width / count;
    for (int k = 1; k < count; ++k) draw_x_tick_label(canvas, f, f.left + k * step, whole(g.axes.decades[k]));
}

// Lines across the frame at each division, labelled with their recovery.
void draw_y_axis_ticks(Canvas& canvas, const ChartGeometry& g) {
    const ChartFrame& f = g.frame;
    const int step = f.height / g.axes.y_divisions;
    for (int k = 1; k < g.axes.y_divisions; ++k) {
        const int offset = k * step;
        const int y = f.bottom() - offset;
        canvas.line(f.left - f.width / 16, y, f.right(), y);
        canvas.text_out(f.left - f.width / 4, y - canvas.text_height("0") / 2,
                        whole(g.axes.y_min + (g.axes.y_max - g.axes.y_min) * offset / f.height));
    }
}

void draw_chart_axes(Canvas& canvas, const ChartGeometry& g) {
    const ChartFrame& f = g.frame;
    const ChartAxes& a = g.axes;
    const bool decades = decade_axis(g.kind);
    draw_x_tick_label(canvas, f, f.left, whole(decades ? a.decades.front() : a.x_min));
    draw_x_tick_label(canvas, f, f.right(), whole(decades ? a.decades.back() : a.x_max));
    draw_y_tick_label(canvas, f, f.bottom(), whole(a.y_min));
    draw_y_tick_label(canvas, f, f.top, whole(a.y_max));
    const int title_y = f.bottom() + f.height * 3 / 16;
    if (decades)
        canvas.text_out(f.left + f.width * 2 / 16, title_y, "Relative Volatility(log scale)");
    else
        canvas.text_out(f.left + f.width * 3 / 16, title_y, "Boiling Point");
    draw_x_axis_ticks(canvas, g);
    draw_y_axis_ticks(canvas, g);
}

// The part of a line inside the frame (Liang-Barsky); false when none is.
bool clip_to_frame(const ChartFrame& f, double& x1, double& y1, double& x2, double& y2) {
    double t0 = 0.0, t1 = 1.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - f.left, f.right() - x1, y1 - f.top, f.bottom() - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
    const double ox = x1, oy = y1;
    x1 = ox + t0 * dx, y1 = oy + t0 * dy;
    x2 = ox + t1 * dx, y2 = oy + t1 * dy;
    return true;
}

// The fitted line of a group at one of its points, in percent. Every first-pass segment
// joins exactly its two points: the first two are drawn from their lines, the later ones
// through the points themselves, which lie on their lines.
double line_value(ChartKind kind, const ModelFit& fit, int group, const ChartPoint& p) {
    const double ln_rvw = std::log(p.rvw > 0.0 ? p.rvw : 1.0);
    switch (kind) {
        case ChartKind::FirstPass:
            return group < 2 ? (fit.fp_slope * ln_rvw + fit.fp_intercept) * 100.0 : p.y;
        case ChartKind::BoilingPoint: return (fit.bp_slope * p.bp + fit.bp_intercept) * 100.0;
        case ChartKind::RelativeVolatility: return (fit.rv_slope * ln_rvw + fit.rv_intercept) * 100.0;
    }
    return p.y;
}

void plot_chart_points(Canvas& canvas, const ChartGeometry& g, const ChartPoints& points, const ModelFitSlots& fits) {
    const int d = static_cast<int>(0.4 * (g.frame.width / 16));
    std::map<int, std::pair<ChartPoint, ChartPoint>> group_ends;  // first and last point of each group
    for (const ChartPoint& p : points.points) {
        const int px = static_cast<int>(g.x_of(p.bp, p.rvw));
        const int py = static_cast<int>(g.y_of(p.y));
        canvas.ellipse(px - d / 2, py - d / 2, px - d / 2 + d, py - d / 2 + d);
        auto [it, first] = group_ends.try_emplace(p.group, p, p);
        if (!first) it->second.second = p;
    }
    for (const auto& [group, ends] : group_ends) {
        if (group < 0 || group >= kFitSlots) continue;
        const ModelFit& fit = fits[group];
        double x1 = g.x_of(ends.first.bp, ends.first.rvw), x2 = g.x_of(ends.second.bp, ends.second.rvw);
        double y1 = g.y_of(line_value(g.kind, fit, group, ends.first));
        double y2 = g.y_of(line_value(g.kind, fit, group, ends.second));
        if (clip_to_frame(g.frame, x1, y1, x2, y2))
            canvas.line(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2), static_cast<int>(y2));
    }
}

}  // namespace

ChartPoints collect_chart_points(ChartKind kind, std::span<const SurrogatePoint> points) {
    ChartPoints out;
    for (const SurrogatePoint& p : points) {
        if (!p.in_use) break;
        int row = 0;
        if (is_not_set(p.y) || !find_surrogate_library_row(row, p.record, method_data.surrogates, method_data.library)) continue;
        ChartPoint c;
        c.rvw = method_data.library[row].rvw;
        c.bp = method_data.library[row].bp;
        if (decade_axis(kind) && c.rvw <= 0.0) continue;
        c.x = decade_axis(kind) ? std::log10(c.rvw) : c.bp;
        c.y = p.y * 100.0;
        c.group = p.group;
        out.x_min = std::min(out.x_min, c.x);
        out.x_max = std::max(out.x_max, c.x);
        out.y_min = std::min(out.y_min, c.y);
        out.y_max = std::max(out.y_max, c.y);
        out.points.push_back(c);
    }
    return out;
}

void round_x_axis_range(double& min, double& max) {
    min = ten_below(min);
    max = ten_above(max);
}

void round_y_axis_range(double& min, double& max) { round_x_axis_range(min, max); }

TickStep choose_tick_step(double range) {
    TickStep s;
    s.size = static_cast<int>(std::trunc(range / s.divisions));
    auto fits = [](int n) { return n == 2 || n == 5 || n == 10 || n == 20; };
    for (int tries = 0; !fits(s.size) && tries < kMaxTickSearches; ++tries) {
        s.divisions = s.divisions == 1 ? 2 : s.divisions - 1;
        s.size = static_cast<int>(std::trunc(range / s.divisions));
    }
    if (fits(s.size)) return s;
    // No count of 2 to 5 divisions gives such a step (a range of 70, or above 100): the
    // axis then takes the first step of 10, 20, 50, 100, 200 ... that divides it into at
    // most 8 divisions, its top raised to the last of them, rather than one division.
    for (long long decade = 10;; decade *= 10)
        for (int multiple : {1, 2, 5}) {
            const long long size = multiple * decade;
            const long long divisions = static_cast<long long>(std::ceil(range / static_cast<double>(size)));
            if (divisions <= kMaxDivisions)
                return {static_cast<int>(std::max(divisions, 1LL)), static_cast<int>(size)};
        }
}

ChartAxes chart_axes(ChartKind kind, const ChartPoints& points) {
    ChartAxes a;
    a.y_min = points.y_min;
    a.y_max = points.y_max;
    round_y_axis_range(a.y_min, a.y_max);
    const TickStep step = choose_tick_step(a.y_max - a.y_min);
    a.y_divisions = step.divisions;
    a.y_max = a.y_min + static_cast<double>(step.size) * step.divisions;
    if (!decade_axis(kind)) {
        a.x_min = points.x_min;
        a.x_max = points.x_max;
        round_x_axis_range(a.x_min, a.x_max);
        // The points are placed on the axis as it is labelled, up to its top value.
        a.x_max = bp_axis_top(a.x_min, a.x_max);
        return a;
    }
    // Decades from rvw 1 up to the first whole decade above the largest rvw; the first
    // interval runs from 0 to 1.
    const double top_exponent = std::max(0.0, std::trunc(points.x_max + 1.0));
    const int count = static_cast<int>(top_exponent) + 1;
    a.decades.push_back(0.0);
    for (int k = 1; k <= count; ++k) a.decades.push_back(std::pow(10.0, k - 1));
    a.x_min = a.decades.front();
    a.x_max = a.decades.back();
    return a;
}

double interpolate_axis_position(double value, const std::vector<double>& decades, int count, double origin,
                                 double width) {
    for (int i = 0; i < count && i + 1 < static_cast<int>(decades.size()); ++i) {
        // A value on a decade tick belongs to the interval it closes.
        if (decades[i] < value && value <= decades[i + 1]) {
            const double p0 = origin + width * i / count, p1 = origin + width * (i + 1) / count;
            return p1 - (p1 - p0) * (decades[i + 1] - value) / (decades[i + 1] - decades[i]);
        }
    }
    return 0.0;
}

void draw_recovery_chart(Canvas& canvas, ChartKind kind, const ChartFrame& frame, const ModelFitSlots& fits,
                         std::span<const SurrogatePoint> points) {
    canvas.set_pen_width(kFramePen);
    const int l = frame.left, t = frame.top, r = frame.right(), b = frame.bottom();
    canvas.line(l, b, l, t);
    canvas.line(l, t, r, t);
    canvas.line(r, t, r, b);
    canvas.line(r, b, l, b);
    const ChartPoints collected = collect_chart_points(kind, points);
    if (collected.points.empty()) return;  // nothing to scale the axes by
    const ChartGeometry g{kind, frame, chart_axes(kind, collected)};
    draw_chart_axes(canvas, g);
    canvas.set_pen_width(kPointPen);
    plot_chart_points(canvas, g, collected, fits);
    canvas.set_pen_width(kFramePen);
}
