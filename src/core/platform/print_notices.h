#pragma once
// What the analyst is told of print jobs and of the files a command writes: every job
// either says where it went or that it failed and why, and every file written for the
// analyst is named. The printer canvas announces each job as it ends (or fails to begin);
// the jobs of one command that prints several are told in one message, with the report
// files the command wrote beside them.
#include <string>
#include <vector>

struct PrintOutcome {
    bool printed = false;
    std::string file;     // the PDF file of the job; empty for a printer
    std::string printer;  // the printer's name when the job went to one
    bool before_choice = false;  // no printer chosen yet in this run: a PDF file in the temp folder
    std::string failure;  // why the job failed
};

// The message of some finished jobs and of the report files written with them (none: an
// empty text).
std::string print_notice_text(const std::vector<PrintOutcome>& outcomes,
                              const std::vector<std::string>& files_written = {});

// Shows the outcome at once, or keeps it for the one message of the open group.
void announce_print(const PrintOutcome& outcome);

// A file a command wrote for the analyst (a calibration, a report, a library ...). While a
// group is open it joins the group's message; otherwise it is kept, and when the command
// ends the window the analyst is in names it (take_files_written, run_command).
void announce_file_written(const std::string& path);
// The files announced outside a group since the last call, in the order written.
std::vector<std::string> take_files_written();
// The line that names them in a window: "File written: <path>" ("Files written: a; b").
std::string files_written_text(const std::vector<std::string>& files);

// While one is open, announced jobs and files are kept; the outermost shows them all in
// one message when it closes (an exception that ends the command included).
class PrintNoticeGroup {
public:
    PrintNoticeGroup();
    ~PrintNoticeGroup();
    PrintNoticeGroup(const PrintNoticeGroup&) = delete;
    PrintNoticeGroup& operator=(const PrintNoticeGroup&) = delete;
};

// Why a PDF file could not be begun: its folder is gone, the file or folder may not be written.
std::string pdf_start_failure(const std::string& path);
// Why a PDF file ended incomplete; `removed`: the incomplete file was taken away.
std::string pdf_end_failure(bool removed);
// Removes the file a job left incomplete, so that no cut-short printout stays under the
// name of a whole one. Only a plain file goes: a device or a link someone set up as the
// output is left as it is. True when it went.
bool remove_incomplete_pdf(const std::string& path);
