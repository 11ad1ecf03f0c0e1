#pragma once
// The last link of the model chain: the predicted recovery of every library compound from
// its boiling point and rvw, its propagated error and, in a calibration, the corrected
// response factor. The results go into calibration_data.recovery_tables row a.
#include "methoddata/tables.h"
#include "recovery/model_tables.h"

// response_scratch row a receives the response factors before they go into
// response_factor. Answers 1; an error that ends the command (01001, 01002) shows its
// message and throws ModelEnded.
int compute_predicted_recoveries(const FitTable& rv_fits, const FitTable& bp_fits,
                                 const LibraryTable& library, const RawDataSets& raw, int a,
                                 DataSetValues& response_scratch, int bp_group_count,
                                 int rv_group_count);
