#pragma once
// A canvas that records what is drawn, for tests of printed layouts. The page is
// 3300 x 2550 units (11 x 8.5 in at 300 units per inch, landscape) or 2550 x 3300
// (portrait); a character is 20 units wide and a line 40 units high.
#include <string>
#include <vector>

#include "platform/canvas.h"

struct CanvasOp {
    enum Kind { Text, Line, Ellipse, Rectangle, Font, PenWidth, NewPage } kind = Text;
    int page = 1;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text;
    CanvasFont font;
};

class RecordingCanvas : public Canvas {
    CanvasOp op(CanvasOp::Kind kind, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0) const {
        CanvasOp o;
        o.kind = kind;
        o.page = page;
        o.x1 = x1, o.y1 = y1, o.x2 = x2, o.y2 = y2;
        o.font = font;
        return o;
    }

public:
    std::string report_name;
    std::string part_name;
    std::string job_title;
    Orientation orientation = Orientation::Portrait;
    bool job_begun = false;
    bool job_ended = false;
    int page = 1;
    CanvasFont font;
    std::vector<CanvasOp> ops;

    void set_orientation(Orientation o) override { orientation = o; }
    bool begin_job(const std::string& title) override {
        job_title = title;
        job_begun = true;
        return true;
    }
    void end_job() override { job_ended = true; }
    void new_page() override {
        ++page;
        ops.push_back(op(CanvasOp::NewPage));
    }
    int page_number() const override { return page; }
    int page_width() const override { return orientation == Orientation::Landscape ? 3300 : 2550; }
    int page_height() const override { return orientation == Orientation::Landscape ? 2550 : 3300; }
    void set_font(const CanvasFont& f) override {
        font = f;
        ops.push_back(op(CanvasOp::Font));
    }
    void text_out(int x, int y, const std::string& text) override {
        CanvasOp o = op(CanvasOp::Text, x, y);
        o.text = text;
        ops.push_back(o);
    }
    int text_width(const std::string& text) override { return 20 * static_cast<int>(text.size()); }
    int text_height(const std::string&) override { return 40; }
    void set_pen_width(int w) override { ops.push_back(op(CanvasOp::PenWidth, w)); }
    void line(int x1, int y1, int x2, int y2) override { ops.push_back(op(CanvasOp::Line, x1, y1, x2, y2)); }
    void ellipse(int x1, int y1, int x2, int y2) override {
        ops.push_back(op(CanvasOp::Ellipse, x1, y1, x2, y2));
    }
    void rectangle(int x1, int y1, int x2, int y2) override {
        ops.push_back(op(CanvasOp::Rectangle, x1, y1, x2, y2));
    }

    // The texts drawn, in order (optionally only those of one page).
    std::vector<std::string> texts(int only_page = 0) const {
        std::vector<std::string> out;
        for (const auto& o : ops)
            if (o.kind == CanvasOp::Text && (only_page == 0 || o.page == only_page)) out.push_back(o.text);
        return out;
    }
    const CanvasOp* find_text(const std::string& text) const {
        for (const auto& o : ops)
            if (o.kind == CanvasOp::Text && o.text == text) return &o;
        return nullptr;
    }
};
