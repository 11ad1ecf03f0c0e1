#pragma once
#include <functional>
#include <string>

// Runs one command (a window handler). A ConversionError or any other exception is
// shown through the UI services' exception display and ends the command; values
// stored before the failure keep their new values. A CommandAborted ends it quietly
// because its message was already shown. Returns true when the command ran to its end.
bool run_command(const std::function<void()>& command);

// Where the files a command wrote are named when it ends (print_notices.h): the window
// the analyst is in. Without one (no windows), they are not named.
void set_files_written_display(std::function<void(const std::string& text)> display);
