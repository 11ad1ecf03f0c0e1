// A value that is not available reaches no report as a number: every writer of a sample's
// results says "N/A" where the run left a marker, and leaves it out of the group averages.
#include <gtest/gtest.h>

#include <functional>

#include "methoddata/marker_text.h"
#include "recording_canvas.h"
#include "report_fixture.h"
#include "reports/delimited_reports.h"
#include "reports/printed_sample_report.h"
#include "scripted_ui.h"

namespace {

const std::string kDate = "04/05/2024 09:30";

// The fixture's sample with the markers a run leaves: Styrene's predicted recovery is 0, so
// it has no deviation (the marker, held in single precision); Chlorobenzene-d5 has no mean
// response, so no measured and no corrected recovery; Naphthalene-d8 no prediction, so
// nothing corrected.
class ReportMarkers : public ::testing::Test {
  protected:
    void SetUp() override {
        f.data->samples[0].analyte_results[3].predicted_recovery_dev = static_cast<float>(kNotSet);
        SurrogateResult& no_mean = f.data->samples[0].surrogate_results[1];
        no_mean.measured_recovery = no_mean.corrected_recovery = no_mean.corrected_recovery_dev = kNotSet;
        SurrogateResult& no_prediction = f.data->samples[0].surrogate_results[2];
        no_prediction.predicted_recovery = 0.0;
        no_prediction.predicted_recovery_dev = kNotSet;
        no_prediction.corrected_recovery = no_prediction.corrected_recovery_dev = kNotSet;
    }
    std::string printed() {
        RecordingCanvas canvas;
        print_sample_report(canvas, *f.data, 0, f.files, PrintedReportOptions{});
        std::string texts;
        for (const CanvasOp& op : canvas.ops)
            if (op.kind == CanvasOp::Text) texts += op.text + "\n";
        return texts;
    }

    ScriptedUi ui;  // fixes the clock
    ReportFixture f;
};

TEST_F(ReportMarkers, EveryWriterSaysNotAvailable) {
    struct Writer {
        const char* name;
        std::function<std::string()> text;
        std::vector<std::string> cells;  // each found in the text as written
    };
    const Writer writers[] = {
        {"general layout",
         [&] { return quantitation_report_text(*f.data, 0, f.files, kDate, QuantitationLayout::General); },
         {"\nStyrene;N/A;N/A; ;0.00;N/A;7000;8.00\n", "\nChlorobenzene-d5;N/A;N/A;87.0;5.0;4000;5.00;\n",
          "\nNaphthalene-d8;N/A;N/A;0.0;N/A;6000;7.00;\n"}},
        {"forms layout",
         [&] { return quantitation_report_text(*f.data, 0, f.files, kDate, QuantitationLayout::Forms); },
         {"\n7;Styrene;N/A;±;N/A; ;0.00;±;N/A;7000;8.00;100-42-5\n",
          "\n4;Chlorobenzene-d5;N/A;±;N/A;87.0;±;5.0;4000;5.00;3114-55-4\n",
          "\n6;Naphthalene-d8;N/A;±;N/A;0.0;±;N/A;6000;7.00;1146-65-2\n"}},
        {"internal-standard report",
         [&] { return qc_report_text(*f.data, 0, f.files, kDate); },
         {"\nChlorobenzene-d5;131.0;7.50;N/A;91.5;3.4;95.2;2.5;87.0;5.0;N/A;N/A\n",
          "\nNaphthalene-d8;218.0;0.90;70.0;91.5;3.4;95.2;2.5;0.0;N/A;N/A;N/A\n",
          // the volatile average is Toluene-d8's alone; the semi-volatiles have none
          "Group Averages;92.0;0.0\n\nNon-Purgeable"}},
        {"printed report", [&] { return printed(); },
         {"\n        N/A\n     N/A\n\n   0.00\n     N/A\n", "\nChlorobenzene-d5\n131.0\n  7.5\nN/A\n",
          "\n87.00\n± 5.00\nN/A\nN/A\n", "\n0.00\nN/A\nN/A\nN/A\n    Group Averages\nN/A\nN/A\n",
          "    Group Averages\n92.00\n± 0.00\n"}},
    };
    for (const Writer& w : writers) {
        const std::string text = w.text();
        EXPECT_EQ(text.find("2147483"), std::string::npos) << w.name << ":\n" << text;
        EXPECT_EQ(text.find("214748"), std::string::npos) << w.name;
        for (const std::string& cell : w.cells) EXPECT_NE(text.find(cell), std::string::npos) << w.name << ": " << cell << "\n" << text;
    }
}

TEST(MarkerText, AMarkerIsNoNumberInAnyPrecision) {
    EXPECT_EQ(fixed_or_na(kNotSet, 2, 100.0), "N/A");
    EXPECT_EQ(fixed_or_na(static_cast<float>(kNotSet), 1), "N/A");  // held in single precision
    EXPECT_EQ(fixed_or_na(0.0, 2), "0.00");
    EXPECT_EQ(fixed_or_na(0.05, 2, 100.0), "5.00");
    EXPECT_EQ(fixed_or_na(-2147483647.0, 1), "-2147483647.0");  // a number, however unlikely
}

}  // namespace
