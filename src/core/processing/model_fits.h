#pragma once
// Recording a sample's fitted recovery lines in its ModelFit slots, as the processing run
// does after each model step.
#include <array>
#include <string>

#include "methoddata/records.h"
#include "samples/sample_results.h"
#include "processing/group_limits.h"

// "%.6f" slope, ";%.4f" intercept, ";%.2f" standard error x 100 (";N/A" for a line whose
// standard error could not be worked out).
std::string fit_line_text(const GroupFit& line);

// First-pass lines 0..6 (one per segment) into the first-pass fields of slots 0..6.
void record_first_pass_lines(ModelFitSlots& fits, const std::array<GroupFit, kFitSlots>& lines);

// BP or RV lines of groups 1..6 into slots 1..6; their limit flags are cleared and, when
// the group limits are on, set by the group-limit check.
void record_group_lines(ModelFitSlots& fits, const std::array<GroupFit, kFitSlots>& lines,
                        GroupLine kind);
