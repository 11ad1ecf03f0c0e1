#pragma once
// Messages and copies shared by the BP and RV models.
#include <string>

#include "methoddata/tables.h"
#include "recovery/model_tables.h"

// Refuses a model whose groups hold more points than a point list: shows the message.
void show_too_many_points(const std::string& groups_caption);

// Copies the points of a successful model into row a of a point table: the fields listed,
// then the entries after the last point are marked not in use, so a shorter model does not
// leave the points of an earlier one behind.
void copy_model_points(const PointList& points, PointTable& table, int a, bool with_clamped_rv);
