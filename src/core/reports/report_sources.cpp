#include "reports/report_sources.h"

#include "methoddata/calibration_data.h"
#include "methoddata/tables.h"
#include "platform/text_util.h"

ReportSourceFiles report_source_files() {
    return {to_upper(calibration_data.calibration_file_name), method_data.library_ini_path, method_data.surrogate_file_path};
}
