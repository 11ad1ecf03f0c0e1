#include "platform/pdf_file_series.h"

#include "platform/paths.h"

std::string PdfFileSeries::proposal() const { return series_.empty() ? std::string() : next_free_path(series_); }

void PdfFileSeries::choose(const std::string& path, const std::string& proposed) {
    if (path.empty()) return clear();
    // A file named in the dialog starts a series of its own; the proposal continues the one before.
    if (series_.empty() || path != proposed) series_ = path;
    chosen_ = path;
    chosen_printed_ = false;
    overwrite_agreed_ = file_exists(path);
}

void PdfFileSeries::clear() { *this = PdfFileSeries(); }

std::string PdfFileSeries::next_job(const std::string& part) {
    if (!part.empty()) return next_free_path(part_file_path(chosen_, part, ".pdf"));
    // The file accepted is printed once; one that appeared since it was accepted is not
    // replaced without the question.
    const bool first = !chosen_printed_;
    chosen_printed_ = true;
    if (first && (overwrite_agreed_ || !file_exists(chosen_))) return chosen_;
    return next_free_path(series_);
}
