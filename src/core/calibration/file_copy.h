#pragma once
#include <string>

// Copies a file byte for byte; an existing target is replaced. When source and target
// are the same file on disk (whatever the spelling of the paths) nothing is copied and
// the "Files are identical" warning is shown. False when nothing was copied.
bool copy_file(const std::string& source, const std::string& target);
