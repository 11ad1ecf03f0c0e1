#pragma once
// The files of "Print to File (PDF)" in one run. The file the analyst names in the
// printer dialog starts a series: its first job goes to that file, and every later job to
// the next free file of the series (calrev.pdf, calrev-2.pdf, calrev-3.pdf ...), so that a
// job never replaces an earlier printout. The dialog proposes the next free file; taking
// the proposal continues the series (calrev-4.pdf next, never calrev-3-2.pdf). A file the
// analyst names that exists is one the dialog asked about: its first job overwrites it.
#include <string>

class PdfFileSeries {
public:
    // What the printer dialog proposes: the next free file of the series; empty before any.
    std::string proposal() const;
    // The file accepted in the dialog, and what the dialog proposed then (empty for none).
    void choose(const std::string& path, const std::string& proposed);
    // A printer chosen instead: no series.
    void clear();
    // The file of the next job. A job that is one part of a printout gets a file named
    // after its part (a file-safe name) beside the file accepted.
    std::string next_job(const std::string& part = std::string());

    const std::string& chosen() const { return chosen_; }
    bool empty() const { return chosen_.empty(); }

private:
    std::string series_;  // the file the series is numbered after
    std::string chosen_;  // the file accepted in the dialog
    bool chosen_printed_ = false;
    bool overwrite_agreed_ = false;  // the file accepted existed: the dialog asked about it
};
