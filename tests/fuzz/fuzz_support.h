#pragma once
// What every fuzz target shares: UI services that answer every dialog and message, the
// input written to a file for the reader, and the rule that a reader may refuse a file
// only the way a command does (a conversion message or an aborted command); any other
// exception escaping a reader is a finding.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Installs the answering UI services (once) and answers the path of the input file,
// which holds the bytes given.
std::string fuzz_input_file(const uint8_t* data, size_t size, const std::string& name = "input");

// A folder of the process for files the readers write (results files, settings).
const std::string& fuzz_folder();

// Runs a reader as the command guard would; aborts on an exception of another kind.
void run_reader(const std::function<void()>& reader);

// The demo library of examples/ loaded into the tables (read once, restored each time),
// for the readers that compare a file with the library.
void use_demo_library();

// The next open dialogs answer these paths, in order; then they are cancelled.
void fuzz_open_returns(const std::string& path);
void forget_open_answers();
