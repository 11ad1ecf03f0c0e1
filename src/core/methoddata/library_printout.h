#pragma once
// The printed library: a page header with the column titles, then three lines per
// compound (name, type and properties; amounts 1..5; amounts 6..10).
#include <string>

#include "methoddata/tables.h"

class Canvas;

// Prints the first `count` compounds of the table; library_file is shown upper-cased.
void print_library(Canvas& canvas, int count, const LibraryTable& table, const std::string& library_file);

// The page header at (x, y): page number, library, date and the column titles. u is the
// column unit, h the line height; answers the y of the first compound line.
double print_library_header(Canvas& canvas, int x, double y, double u, double h, const std::string& library_file);

// The titles of the two property columns: "Ln" and "Linear" with one variable, else the
// two labels cut to three characters and "~".
std::string property_title(const std::string& label);
