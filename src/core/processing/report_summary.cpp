#include "processing/report_summary.h"

std::string report_summary(bool delimited_reports, bool trq_forms_format, bool printed_reports) {
    std::string text;
    if (delimited_reports && trq_forms_format)
        text = "Semicolon delimited (*.txt) and Electronic Format (*.prn) for TRQ reports will be generated.";
    else if (trq_forms_format)
        text = "Electronic Format (*.prn) for TRQForms reporting will be generated.";
    else if (delimited_reports)
        text = "Semicolon delimited (*.txt) reports will be generated.";
    else
        text = "No delimited electronic reports will be generated.  ";
    return text + (printed_reports ? "Reports will be printed." : "No printing reports will be generated.");
}
