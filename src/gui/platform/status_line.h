#pragma once
// The line at the foot of a window that names the files the last command that wrote any
// wrote while the analyst was in it. A window
// gives it room once (at creation), so nothing moves when it first shows a text; it is
// emptied when the window is left, so it never names what an earlier visit wrote.
#include <string>

class QLabel;
class QWidget;

// Adds the line: the status bar of a main window, the last row of a window's layout, or a
// line below the controls of a window of fixed places (the window that much taller).
QLabel* add_status_line(QWidget* window);

// Shows the text in the status line of the window the analyst is in: of the shown windows
// that have one, the one shown last. With none shown, a message says it.
void show_in_status_line(const std::string& text);
