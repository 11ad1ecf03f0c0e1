#include "platform/pdf_file_series.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace {

// Each job's file as the job leaves it.
std::string printed(PdfFileSeries& series, const TempFolder& folder, const std::string& part = std::string()) {
    const std::string path = series.next_job(part);
    folder.write(path.substr(folder.path().size() + 1), "%PDF");
    return path;
}

TEST(PdfFileSeries, TheProposalContinuesTheSeriesTheAnalystStarted) {
    TempFolder folder;
    PdfFileSeries series;
    EXPECT_EQ(series.proposal(), "");
    series.choose(folder.file("calrev.pdf"), "");
    EXPECT_EQ(printed(series, folder), folder.file("calrev.pdf"));
    EXPECT_EQ(printed(series, folder), folder.file("calrev-2.pdf"));
    const std::string proposal = series.proposal();
    EXPECT_EQ(proposal, folder.file("calrev-3.pdf"));
    series.choose(proposal, proposal);
    EXPECT_EQ(printed(series, folder), folder.file("calrev-3.pdf"));
    EXPECT_EQ(printed(series, folder), folder.file("calrev-4.pdf"));  // never calrev-3-2
    EXPECT_EQ(series.proposal(), folder.file("calrev-5.pdf"));

    // A part of a printout is named after it, beside the file accepted.
    EXPECT_EQ(printed(series, folder, "MW_3"), folder.file("calrev-3_MW_3.pdf"));
    EXPECT_EQ(printed(series, folder, "MW_3"), folder.file("calrev-3_MW_3-2.pdf"));

    series.clear();  // a printer chosen instead
    EXPECT_TRUE(series.empty());
    EXPECT_EQ(series.proposal(), "");
}

// A file the analyst names that exists is one the dialog asked about: its first job
// overwrites it. One that appears after the choice is not replaced unasked.
TEST(PdfFileSeries, AFileTheAnalystNamesIsOverwrittenOnlyWhenItWasThereToAskAbout) {
    TempFolder folder;
    PdfFileSeries series;
    series.choose(folder.file("calrev.pdf"), "");
    printed(series, folder);
    const std::string own = folder.write("check.pdf", "an earlier printout");
    series.choose(own, series.proposal());
    EXPECT_EQ(printed(series, folder), own);
    EXPECT_EQ(printed(series, folder), folder.file("check-2.pdf"));

    series.choose(folder.file("late.pdf"), series.proposal());
    folder.write("late.pdf", "made by another program since");
    EXPECT_EQ(series.next_job(), folder.file("late-2.pdf"));
    EXPECT_EQ(read_file_text(folder.file("late.pdf")), "made by another program since");
}

}  // namespace
