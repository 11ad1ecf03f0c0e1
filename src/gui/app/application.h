#pragma once
// The program's entry: single-instance rule, the windows, the event loop.
int run_application(int argc, char** argv);
