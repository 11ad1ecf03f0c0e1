#pragma once
#include <string>

// Copies a file byte for byte; an existing target is replaced. When source and target
// are the same file on disk (whatever the spelling of the paths) nothing is copied and
// the "Files are identical" warning is shown. False when nothing was copied; `error` then
// says why a copy failed (it stays empty for identical files).
bool copy_file(const std::string& source, const std::string& target, std::string* error = nullptr);
