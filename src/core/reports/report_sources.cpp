#include "reports/report_sources.h"

#include "methoddata/tables.h"
#include "platform/text_util.h"

ReportSourceFiles report_source_files() {
    return {to_upper(calibration_file_name), library_ini_path, surrogate_file_path};
}
