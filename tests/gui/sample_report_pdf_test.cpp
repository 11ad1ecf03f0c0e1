// The printed reports of the demo samples on a real PDF printer. Set M5847_REPORT_PDF to
// a file name to keep the PDF for a look at it.
#include <gtest/gtest.h>

#include <QPrinter>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "../core/processing/demo_processing.h"
#include "methoddata/tables.h"
#include "platform/printer_canvas.h"
#include "processing/group_limits.h"
#include "processing/sample_list.h"
#include "reports/printed_sample_report.h"
#include "run/processing_run.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace fs = std::filesystem;

namespace {

constexpr int kDemoSamples = 6;

TEST(SampleReportPdf, TheDemoSamplesPrintThreePagesEach) {
    ScriptedUi ui;
    TempFolder folder;
    fs::copy(example_file("runs"), fs::path(folder.path()) / "runs");
    ASSERT_TRUE(load_demo_calibration_for_processing(folder.path()));
    calc_limits_data = CalcLimitsData{};
    set_default_group_limits();
    calc_limits_data.group_limits_on = 1;
    method_data.library_version = program_version_text;
    ProcessFilesData& data = process_files_data;
    for (int s = 1; s <= kDemoSamples; ++s) {
        ui.open_returns(folder.file("runs/SAMPLE" + std::to_string(s) + ".TXT"));
        ASSERT_GE(add_sample_file(data), 0);
        SampleSettings& st = data.samples[s - 1].settings;
        st.size = 1.0f;
        st.units = "µg/l";
        st.matrix = "WATER";
    }
    ASSERT_EQ(run_processing(data, processing_steps(), {}), ProcessingOutcome::Done);

    const char* keep = std::getenv("M5847_REPORT_PDF");
    const std::string pdf = keep ? keep : folder.file("reports.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        PrinterCanvas canvas(printer);
        canvas.set_orientation(Orientation::Landscape);
        ASSERT_TRUE(canvas.begin_job("Sample Reports"));
        for (int j = 0; j < kDemoSamples; ++j) {
            PrintedReportOptions options;
            options.batch = true;
            options.first_in_job = j == 0;
            options.group_limits_on = true;
            print_sample_report(canvas, data, j, report_source_files(), options);
        }
        canvas.end_job();
    }
    const std::string bytes = read_file_text(pdf);
    const std::regex page(R"(/Type\s*/Page[^s])");
    EXPECT_EQ(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), std::sregex_iterator()),
              3 * kDemoSamples);
}

}  // namespace
