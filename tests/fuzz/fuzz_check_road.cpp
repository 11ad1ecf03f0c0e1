// A check standard's instrument file through Check Continuing Calibration: its level,
// the evaluation against the demo calibration, the check report file and its printout.
#include "calibration/check_commands.h"
#include "calibration/check_report_print.h"
#include "calibration/continuing_check.h"
#include "fuzz_roads.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    use_demo_calibration();
    const std::string path = fuzz_input_file(data, size, "CCV.TXT");
    run_reader([&] {
        fuzz_open_returns(path);
        if (!check_calibration_command()) return;
        CheckLevelEntry entry{2, ""};  // Amount3, the demo check standard's level
        if (check_level_entry(entry) && evaluate_check_standard() == CheckEvaluation::Done)
            write_and_print_check_calibration(check_level_of(entry));
        delete_check_results_file();
    });
    return 0;
}
