// The group-limits file of Calculation Limits > Load File.
#include "fuzz_support.h"
#include "processing/group_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz_input_file(data, size, "limits.txt");
    set_default_group_limits();
    run_reader([&] { load_group_limits(path); });
    return 0;
}
