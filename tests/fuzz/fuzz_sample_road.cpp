// An instrument's sample file through Add File, its Sample Information entry, Process and
// every report, printed and delimited.
#include "fuzz_roads.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    use_demo_calibration();
    const std::string path = fuzz_input_file(data, size, "SAMPLE.TXT");
    run_reader([&] { process_one_sample(path); });
    return 0;
}
