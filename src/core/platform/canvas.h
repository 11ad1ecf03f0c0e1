#pragma once
// The drawing surface of a print job. Printed layouts are core code drawing on this
// interface; the program gives them a printer (or PDF) canvas, tests a recording one.
// Coordinates are whole device units of the page, origin at the top left.
#include <string>

enum class Orientation { Portrait, Landscape };

struct CanvasFont {
    std::string name = "Arial";
    int size = 8;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Orientation is set before the job begins.
    virtual void set_orientation(Orientation orientation) = 0;
    virtual bool begin_job(const std::string& title) = 0;
    virtual void end_job() = 0;
    virtual void new_page() = 0;
    virtual int page_number() const = 0;  // 1 on the first page
    virtual int page_width() const = 0;
    virtual int page_height() const = 0;

    virtual void set_font(const CanvasFont& font) = 0;
    virtual void text_out(int x, int y, const std::string& text) = 0;
    virtual int text_width(const std::string& text) = 0;
    virtual int text_height(const std::string& text) = 0;
    virtual void set_pen_width(int width) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
};
