#pragma once
// The page grid every printout shares, derived from the printer's page so that a report
// keeps its proportions on any paper and resolution. All values are whole device units.
#include "platform/canvas.h"

struct PageGrid {
    int u;  // column unit: a page width / 11
    int b;  // band: a page height * 2 / 17
    int h;  // line step of the 8-point font: b * 8 / 72 * 1.15

    explicit PageGrid(const Canvas& c)
        : u(c.page_width() / 11),
          b(c.page_height() * 2 / 17),
          h(static_cast<int>(b * 8.0 / 72.0 * 1.15)) {}

    // A position of `units` column units, truncated to a whole device unit.
    int at(double units) const { return static_cast<int>(units * u); }
    // x advanced by `units` column units, truncated.
    int step(int x, double units) const { return static_cast<int>(x + units * u); }
};
