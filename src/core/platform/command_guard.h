#pragma once
#include <functional>

// Runs one command (a window handler). A ConversionError or any other exception is
// shown through the UI services' exception display and ends the command; values
// stored before the failure keep their new values. A CommandAborted ends it quietly
// because its message was already shown. Returns true when the command ran to its end.
bool run_command(const std::function<void()>& command);
