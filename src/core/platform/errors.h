#pragma once
// Exceptions that end a command (never the program, never cross the event loop).
#include <stdexcept>
#include <string>

// A strict number conversion failed; what() is the standard message shown to the analyst.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An error whose message has already been shown; the command stops silently.
class CommandAborted : public std::runtime_error {
public:
    explicit CommandAborted(const std::string& why = "command aborted") : std::runtime_error(why) {}
};
