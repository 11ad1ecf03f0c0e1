#pragma once
// Windows and commands whose work a later step of the program builds: until then the
// window says so, and a command tells the analyst instead of doing nothing.
#include <string>

class QWidget;

void add_not_built_yet_notice(QWidget* window);
void not_built_yet(const std::string& command);
