#include "platform/print_notices.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/command_guard.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace {

PrintOutcome to_file(const std::string& file, bool before_choice = false) {
    PrintOutcome o;
    o.printed = true;
    o.file = file;
    o.before_choice = before_choice;
    return o;
}
PrintOutcome to_printer(const std::string& printer, const std::string& failure = "") {
    PrintOutcome o;
    o.printed = failure.empty();
    o.printer = printer;
    o.failure = failure;
    return o;
}
PrintOutcome failed(const std::string& file, const std::string& why) {
    PrintOutcome o;
    o.file = file;
    o.failure = why;
    return o;
}

TEST(PrintNotices, EachJobSaysWhereItWentOrWhyItFailed) {
    const std::pair<std::vector<PrintOutcome>, std::string> cases[] = {
        {{to_file("/p/a.pdf")}, "The report was printed to the file\n/p/a.pdf"},
        {{to_file("/tmp/a.pdf", true)}, "No printer has been chosen yet, so the report was printed to the file\n/tmp/a.pdf"},
        {{to_file("/p/a.pdf"), to_file("/p/b.pdf")}, "The reports were printed to the files\n/p/a.pdf\n/p/b.pdf"},
        {{to_printer("Laser")}, "The report was sent to the printer\nLaser"},
        {{to_printer("Laser"), to_printer("Laser")},
         "2 reports were sent to the printer\nLaser"},
        {{to_printer("Laser", "The printer did not accept the job.")},
         "The report could not be printed:\nthe printer Laser\n    The printer did not accept the job."},
        {{to_file("/p/a.pdf"), failed("/p/b.pdf", "full"), failed("/p/c.pdf", "gone")},
         "These reports could not be printed:\n/p/b.pdf\n    full\n/p/c.pdf\n    gone\n\n"
         "The report was printed to the file\n/p/a.pdf"},
        {{}, ""},
    };
    for (const auto& [outcomes, text] : cases) EXPECT_EQ(print_notice_text(outcomes), text);
}

TEST(PrintNotices, AGroupHoldsItsJobsForOneMessageAndAnEmptyOneSaysNothing) {
    ScriptedUi ui;
    { PrintNoticeGroup nothing; }
    EXPECT_TRUE(ui.messages.empty());
    {
        PrintNoticeGroup outer;
        announce_print(to_file("/p/a.pdf"));
        {
            PrintNoticeGroup inner;
            announce_print(failed("/p/b.pdf", "full"));
        }
        EXPECT_TRUE(ui.messages.empty());
        ui.expect_message("The report could not be printed:\n/p/b.pdf\n    full\n\nThe report was printed to the file\n/p/a.pdf");
    }
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.last_message().icon, Icon::Error);
    EXPECT_EQ(ui.last_message().caption, "Print");
    ui.expect_message("The report was printed to the file\n/p/c.pdf");
    announce_print(to_file("/p/c.pdf"));  // no group: at once
    EXPECT_EQ(ui.last_message().icon, Icon::Information);
}

// Why a PDF file could not be begun, from what the file system shows.
TEST(PrintNotices, APdfThatCannotBeginNamesItsCause) {
    TempFolder folder;
    EXPECT_EQ(pdf_start_failure(folder.file("gone/a.pdf")), "The folder " + folder.file("gone") + " does not exist.");
    EXPECT_EQ(pdf_start_failure(folder.file("a.pdf")), "The file could not be opened for writing.");
}

// A job cut short leaves no printout under the name of a whole one; what someone set up
// as the output (a link, a device) is not the job's to remove.
TEST(PrintNotices, AnIncompletePdfIsRemovedWhenItIsAPlainFile) {
    TempFolder folder;
    const std::string cut_short = folder.write("calrev.pdf", "%PDF-1.4 cut short");
    const std::string target = folder.write("target.pdf", "%PDF-1.4 cut short");
    std::filesystem::create_symlink(target, folder.file("link.pdf"));
    EXPECT_TRUE(remove_incomplete_pdf(cut_short));
    EXPECT_FALSE(std::filesystem::exists(cut_short));
    EXPECT_FALSE(remove_incomplete_pdf(folder.file("link.pdf")));
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_FALSE(remove_incomplete_pdf(folder.file("gone.pdf")));
    EXPECT_FALSE(remove_incomplete_pdf("/dev/full"));
    EXPECT_EQ(pdf_end_failure(true),
              "The file was not written whole: the disk may be full. The incomplete file was removed.");
    EXPECT_EQ(pdf_end_failure(false), "The file was not written whole: the disk may be full.");
}

// A file a command writes is named: with the printouts of its group in their one message,
// else in the window the analyst is in when the command ends (the display), once.
TEST(PrintNotices, EveryFileACommandWritesIsNamed) {
    ScriptedUi ui;
    std::vector<std::string> shown;
    set_files_written_display([&](const std::string& text) { shown.push_back(text); });
    run_command([] {
        announce_file_written("/p/mycal.cal");
        run_command([] { announce_file_written("/p/mycal.log"); });  // named by the outer command
    });
    run_command([] {});  // writes nothing: names nothing
    ASSERT_EQ(shown, (std::vector<std::string>{"Files written: /p/mycal.cal; /p/mycal.log"}));
    run_command([] {
        announce_file_written("/p/a.txt");
        announce_file_written("/p/b.txt");
        throw std::runtime_error("ended by a failure");  // the files are on disk all the same
    });
    EXPECT_EQ(shown.back(), "Files written: /p/a.txt; /p/b.txt");
    EXPECT_EQ(ui.exceptions.size(), 1u);

    ui.expect_message("The report was printed to the file\n/p/a.pdf\n\nThe report files were written:\n/p/a.txt\n/p/aQC.txt");
    run_command([] {
        PrintNoticeGroup notices;
        announce_print(to_file("/p/a.pdf"));
        announce_file_written("/p/a.txt");
        announce_file_written("/p/aQC.txt");
    });
    EXPECT_EQ(ui.last_message().caption, "Print");
    ui.expect_message("The report file was written:\n/p/a.check");
    { PrintNoticeGroup notices; announce_file_written("/p/a.check"); }
    EXPECT_EQ(ui.last_message().caption, "Reports");
    EXPECT_EQ(shown.size(), 2u);
    set_files_written_display(nullptr);
}

}  // namespace
