#pragma once
// The identity fits that stand in for a model in one-variable mode: every slot of every
// data set predicts a recovery of 1.0 with a standard error of 0.0.
#include "methoddata/tables.h"
#include "recovery/model_tables.h"

// Also opens the first-pass rvw interval to every positive double (no clamping). Answers 1.
int reset_first_pass_fits(FitTable& fits);
// Also opens every slot's range to every positive double, so each BP falls in group 1.
// Answers 1, the BP group count.
int reset_bp_fits(FitTable& fits);
// Ranges untouched. Answers 1, the RV group count.
int reset_rv_fits(FitTable& fits);
// Every entry (smallest positive double, group 1): every rvw falls in segment 0.
void reset_first_pass_pairs(FirstPassPairTable& pairs);
