// A calibration file through Load Calibration File, its printed report, and a run of the
// demo sample against it.
#include "calibration/calibration_commands.h"
#include "calibration/calibration_report.h"
#include "fuzz_roads.h"
#include "fuzz_support.h"
#include "program/main_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    use_demo_calibration();
    const std::string path = fuzz_input_file(data, size, "loaded.cal");
    const std::string sample = fuzz_example_copy("runs/SAMPLE1.TXT", "SAMPLE1.TXT");
    run_reader([&] {
        MainMenuState menu;
        start_main_form(menu);
        fuzz_open_returns(path);
        if (!load_calibration_command(menu)) return;
        print_calibration_report_job(true, true);
        process_one_sample(sample);
    });
    return 0;
}
