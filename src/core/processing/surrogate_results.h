#pragma once
// What the reports show about the internal standards of each sample after a processing
// run: one row per internal standard in use with its class, measured, predicted and
// corrected recoveries, and the point texts of the first-pass, BP and RV model tables.
// Recoveries here are held in double precision.

// Fills surrogate_results of samples 0 .. sample_count - 1 and category_present (the
// categories met in sample 0). An internal standard not in use, or whose class cannot be
// told (BP below the volatile bound and rvw exactly at the non-purgeable bound), gets no
// row, and the rows of the others close up.
void build_surrogate_results();

// Fills the sample's model_table_texts from its first-pass points (each pair in the cell of
// its segment) and the BP and RV points of its data set, a row per point (with one
// variable, only from the points of that variable's model); sets
// the sample's default_rv_marker when a BP row shows the largest first-pass rvw in place
// of its own larger one.
void build_is_report_rows(int sample);
