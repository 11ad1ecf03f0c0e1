// A results file (settings format) read into a data set.
#include "calibration/results_file.h"
#include "fuzz_support.h"
#include "methoddata/tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz_input_file(data, size, "results.ini");
    use_demo_library();
    run_reader([&] { read_results_ini(1, path); });
    return 0;
}
