// The calibration file.
#include "calibration/calibration_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz_input_file(data, size, "calibration.cal");
    use_demo_library();
    run_reader([&] {
        int standards = 0;
        load_calibration(path, standards);
    });
    return 0;
}
