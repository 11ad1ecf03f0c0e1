// The reporting-limit file of a sample.
#include "fuzz_support.h"
#include "samples/reporting_limits_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz_input_file(data, size, "limits.lmt");
    use_demo_library();
    run_reader([&] { read_reporting_limits_file(path, 0); });
    return 0;
}
