#include "program/program_state.h"
#include "reports/recovery_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "../surrogate_fixtures.h"
#include "methoddata/tables.h"
#include "recording_canvas.h"

namespace {

struct Pt {
    const char* name;
    double bp;
    double rvw;
    double recovery;  // fraction
    int group;
};

// Internal standards in the library and their points, in table order.
class ChartTest : public ::testing::Test {
protected:
    void SetUp() override { construct_method_data(); }

    std::vector<SurrogatePoint> points(const std::vector<Pt>& pts) {
        std::vector<SurrogatePoint> out(pts.size() + 1);
        for (size_t i = 0; i < pts.size(); ++i) {
            const int record = add_record(pts[i].name, pts[i].bp, pts[i].rvw);
            add_library_row(pts[i].name, true, pts[i].bp, pts[i].rvw);
            out[i].name = pts[i].name;
            out[i].in_use = 1;
            out[i].record = record;
            out[i].y = pts[i].recovery;
            out[i].group = pts[i].group;
        }
        return out;
    }

    // Sizes that the divisions do not divide: the edge labels must still come once.
    const ChartFrame frame{450, 1875, 451, 452};
    ModelFitSlots fits{};
};

std::vector<const CanvasOp*> ops_of(const RecordingCanvas& c, CanvasOp::Kind kind) {
    std::vector<const CanvasOp*> out;
    for (const auto& o : c.ops)
        if (o.kind == kind) out.push_back(&o);
    return out;
}

TEST(RecoveryChartAxes, RangesRoundToTens) {
    double lo = 150.0, hi = 287.0;
    round_x_axis_range(lo, hi);
    EXPECT_EQ(lo, 150.0);
    EXPECT_EQ(hi, 290.0);
    // A boiling point below 0 keeps its point on the chart.
    lo = -13.4, hi = 80.0;
    round_x_axis_range(lo, hi);
    EXPECT_EQ(lo, -20.0);
    EXPECT_EQ(hi, 90.0);
}

TEST(RecoveryChartAxes, TickStepSearch) {
    struct Case {
        double range;
        int divisions;
        int size;
    };
    // Ranges no count of 2 to 5 divisions suits get round steps, not a single division.
    for (const Case c : {Case{60, 3, 20}, Case{10, 5, 2}, Case{20, 4, 5}, Case{40, 4, 10}, Case{100, 5, 20},
                         Case{70, 7, 10}, Case{90, 5, 20}, Case{120, 6, 20}, Case{1230, 7, 200}}) {
        const TickStep s = choose_tick_step(c.range);
        EXPECT_EQ(s.divisions, c.divisions) << c.range;
        EXPECT_EQ(s.size, c.size) << c.range;
    }
    // Whatever step is chosen, the axis still reaches the highest point, in a few divisions.
    for (int range = 10; range <= 30000; range += 10) {
        const TickStep s = choose_tick_step(range);
        EXPECT_GE(s.size * s.divisions, range) << range;
        EXPECT_LE(s.divisions, 8) << range;
    }
}

TEST_F(ChartTest, BoilingPointChartPlacesPointsOnItsLabelledAxis) {
    const auto pts = points({{"A", 150, 1, 0.42, 1}, {"B", 200, 1, 0.96, 1}, {"C", 270, 1, 0.7, 2}, {"D", 287, 1, 0.8, 2}});
    const ChartPoints collected = collect_chart_points(ChartKind::BoilingPoint, pts);
    const ChartAxes axes = chart_axes(ChartKind::BoilingPoint, collected);
    EXPECT_EQ(axes.y_min, 40.0);
    EXPECT_EQ(axes.y_max, 100.0);
    EXPECT_EQ(axes.y_divisions, 3);
    EXPECT_EQ(axes.x_min, 150.0);
    EXPECT_EQ(axes.x_max, 300.0);  // 290 rounded up to five divisions of 30

    fits[1].bp_slope = 0.0108;  // 0.42 at 150 to 0.96 at 200
    fits[1].bp_intercept = -1.2;
    fits[2].bp_slope = 0.01;    // a line above the frame at its right end: cut at the frame
    fits[2].bp_intercept = -2.0;
    RecordingCanvas c;
    draw_recovery_chart(c, ChartKind::BoilingPoint, frame, fits, pts);

    const auto texts = c.texts();
    for (const char* label : {"150", "180", "210", "240", "270", "300", "40", "60", "80", "100", "Boiling Point"})
        EXPECT_EQ(std::count(texts.begin(), texts.end(), label), 1) << label;
    // The circle of the point at bp 270 is centred under the tick labelled 270.
    const auto circles = ops_of(c, CanvasOp::Ellipse);
    ASSERT_EQ(circles.size(), 4u);
    const CanvasOp* label = c.find_text("270");
    const int label_centre = label->x1 + c.text_width("270") / 2;
    EXPECT_NEAR((circles[2]->x1 + circles[2]->x2) / 2.0, label_centre, 2);
    // Lines drawn with the point pen: one per group, inside the frame.
    int pen = 0;
    std::vector<CanvasOp> group_lines;
    for (const auto& o : c.ops) {
        if (o.kind == CanvasOp::PenWidth) pen = o.x1;
        if (o.kind == CanvasOp::Line && pen == 12) group_lines.push_back(o);
    }
    ASSERT_EQ(group_lines.size(), 2u);
    EXPECT_NEAR(group_lines[0].y1, frame.bottom() - (42.0 - 40.0) / 60.0 * frame.height, 1);
    for (const auto& l : group_lines)
        for (int y : {l.y1, l.y2}) {
            EXPECT_GE(y, frame.top);
            EXPECT_LE(y, frame.bottom());
        }
    EXPECT_EQ(pen, 4);
}

TEST_F(ChartTest, DecadeAxisRunsFromZeroThroughWholeDecades) {
    const auto pts = points({{"A", 50, 0.05, 0.32, 1}, {"B", 90, 10.0, 0.45, 1}, {"C", 110, 56.5, 0.58, 1}});
    const ChartAxes axes = chart_axes(ChartKind::RelativeVolatility, collect_chart_points(ChartKind::RelativeVolatility, pts));
    EXPECT_EQ(axes.decades, (std::vector<double>{0, 1, 10, 100}));
    // Ticks at a third of the width each; an rvw on a decade sits on its tick.
    EXPECT_DOUBLE_EQ(interpolate_axis_position(10.0, axes.decades, 3, 0.0, 300.0), 200.0);
    EXPECT_DOUBLE_EQ(interpolate_axis_position(55.0, axes.decades, 3, 0.0, 300.0), 250.0);
    EXPECT_DOUBLE_EQ(interpolate_axis_position(0.5, axes.decades, 3, 0.0, 300.0), 50.0);
    EXPECT_DOUBLE_EQ(interpolate_axis_position(500.0, axes.decades, 3, 0.0, 300.0), 0.0);

    RecordingCanvas c;
    draw_recovery_chart(c, ChartKind::RelativeVolatility, frame, fits, pts);
    const auto texts = c.texts();
    for (const char* label : {"0", "1", "10", "100", "Relative Volatility(log scale)"})
        EXPECT_EQ(std::count(texts.begin(), texts.end(), label), 1) << label;
    const auto circles = ops_of(c, CanvasOp::Ellipse);
    ASSERT_EQ(circles.size(), 3u);
    EXPECT_NEAR((circles[1]->x1 + circles[1]->x2) / 2.0, frame.left + frame.width * 2 / 3, 2);  // rvw 10 on the tick "10"
}

TEST_F(ChartTest, FirstPassSegmentsEachDrawOneLine) {
    // Paired first-pass entries: (P0,0) (P1,0) (P1,1) (P2,1) (P2,2) (P3,2).
    auto pts = points({{"A", 50, 0.1, 0.8, 0}, {"B", 80, 1.0, 0.9, 0}});
    auto more = points({{"C", 110, 10.0, 1.3, 0}, {"D", 150, 50.0, 1.0, 0}});
    std::vector<SurrogatePoint> paired = {pts[0], pts[1], pts[1], more[0], more[0], more[1], {}};
    paired[2].group = paired[3].group = 1;
    paired[4].group = paired[5].group = 2;
    fits[0].fp_slope = 0.1 / std::log(10.0);
    fits[0].fp_intercept = 0.9f;
    fits[1].fp_slope = 0.4 / std::log(10.0);
    fits[1].fp_intercept = 0.9f;
    RecordingCanvas c;
    draw_recovery_chart(c, ChartKind::FirstPass, frame, fits, paired);
    int pen = 0;
    std::vector<CanvasOp> lines;
    for (const auto& o : c.ops) {
        if (o.kind == CanvasOp::PenWidth) pen = o.x1;
        if (o.kind == CanvasOp::Line && pen == 12) lines.push_back(o);
    }
    ASSERT_EQ(lines.size(), 3u);
    // The third segment, whose line the sample's fits do not keep, joins its two points.
    const auto circles = ops_of(c, CanvasOp::Ellipse);
    EXPECT_NEAR(lines[2].y1, (circles[4]->y1 + circles[4]->y2) / 2.0, 2);
    EXPECT_NEAR(lines[2].y2, (circles[5]->y1 + circles[5]->y2) / 2.0, 2);
}

TEST_F(ChartTest, PointsWithoutARecoveryOrAnyPointsAtAll) {
    auto pts = points({{"A", 100, 1, 0.8, 1}, {"B", 120, 1, 0.9, 1}});
    pts[1].y = kNotSet;
    const ChartPoints collected = collect_chart_points(ChartKind::BoilingPoint, pts);
    ASSERT_EQ(collected.points.size(), 1u);
    EXPECT_EQ(collected.y_max, 80.0);

    RecordingCanvas c;
    draw_recovery_chart(c, ChartKind::BoilingPoint, frame, fits, std::span<const SurrogatePoint>{});
    EXPECT_EQ(ops_of(c, CanvasOp::Line).size(), 4u);  // the frame alone
    EXPECT_TRUE(c.texts().empty());
}

}  // namespace
