#pragma once
// The program's 17 windows. They are created once, in a fixed order (the main window
// first), each reachable through its global instance pointer, and kept for the whole run.

void create_windows();
// Destroys them and sets every instance pointer back to null (program end; tests).
void destroy_windows();
