#pragma once
// Messages and copies shared by the BP and RV models.
#include <functional>
#include <string>

#include "methoddata/tables.h"
#include "recovery/model_tables.h"

// The warning for an internal standard whose area is zero, on which a model stops;
// `where` names the data set ("sample\n" and its file, ...).
void show_zero_area(const std::string& name, const std::string& where);

// The data set a zero-area warning names: "sample\n" and `sample` in a sample run,
// "standard file\n" and its results file in a calibration build, else the check standard.
std::string zero_area_place(int a, const std::string& sample);

// Refuses a model whose groups hold more points than a point list: shows the message.
void show_too_many_points(const std::string& groups_caption);

// The common end of the BP and RV models, for the n points made (kNotFound: stopped after
// its message): fewer than two points or a group left without two recoveries show
// too_few_points; otherwise the points are sorted by group and x (after_sort then runs),
// fitted per group into row a, copied into row a of table, and the number of groups goes
// to group_count. 1 on success, else 0.
int fit_model_points(PointList& points, int n, FitTable& fits, int a, const std::string& too_few_points,
                     PointTable& table, bool with_clamped_rv, int& group_count,
                     const std::function<void(PointList&)>& after_sort = {});
