#include "processing/process_files_data.h"

ProcessFilesData process_files_data;
