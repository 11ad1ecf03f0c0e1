// The instrument's data file, converted into a results file and read back.
#include "calibration/results_file.h"
#include "fuzz_support.h"
#include "methoddata/tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz_input_file(data, size, "RUN.TXT");
    const std::string results = fuzz_folder() + "/RUN.ini";
    use_demo_library();
    run_reader([&] {
        if (convert_quant_file(path, results)) read_results_ini(0, results);
    });
    return 0;
}
