#pragma once
// The processing window's sentence on the reports that a run will produce.
#include <string>

// Sentence 1 on the delimited files, then sentence 2 on printing.
std::string report_summary(bool delimited_reports, bool trq_forms_format, bool printed_reports);
