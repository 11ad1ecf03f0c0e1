// The internal-standard file, checked and loaded as Load Internal Standard File does.
#include "fuzz_support.h"
#include "methoddata/surrogate_file.h"
#include "methoddata/tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz_input_file(data, size, "standards.ini");
    use_demo_library();
    run_reader([&] {
        int count = 0;
        if (!check_compound_file(path, count)) return;
        load_internal_standard_file(path, count);
    });
    return 0;
}
