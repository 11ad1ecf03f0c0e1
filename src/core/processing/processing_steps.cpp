#include "processing/processing_run.h"

// Each step is the entry point of the part of the program that does it.
ProcessingSteps processing_steps() {
    ProcessingSteps steps;
    steps.clear_sample_results = [] { clear_sample_results(process_files_data); };
    return steps;
}
