#include "processing/processing_run.h"

// Each step is the entry point of the part of the program that does it.
ProcessingSteps processing_steps() {
    ProcessingSteps steps;
    return steps;
}
