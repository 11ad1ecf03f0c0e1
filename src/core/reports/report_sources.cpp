#include "reports/report_sources.h"

#include "methoddata/process_files_data.h"
#include "methoddata/tables.h"
#include "platform/text_util.h"

ReportSourceFiles report_source_files(const ProcessFilesData& data) {
    return {to_upper(calibration_file_name), data.library_file_text, data.surrogate_file_text};
}
