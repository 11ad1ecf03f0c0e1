// The compound library text file.
#include "fuzz_support.h"
#include "methoddata/library_text_file.h"
#include "methoddata/tables.h"
#include "program/program_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz_input_file(data, size, "library.txt");
    construct_method_data();
    run_reader([&] { read_library_text_file(path); });
    return 0;
}
