// The settings file of folders: read, then one folder written into it.
#include "fuzz_support.h"
#include "methoddata/program_paths.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    program_paths.install_path = fuzz_folder() + "/";
    const std::string path = fuzz_input_file(data, size, settings_file_name);
    run_reader([&] {
        PathSettings settings;
        read_file_paths(settings);
        write_file_setting("dataPath", "/home/analyst/5847dir/runs");
    });
    return 0;
}
