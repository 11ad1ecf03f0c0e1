#pragma once
// Controls as the two continuing-calibration windows make them, on the shared helpers.
#include <QLineEdit>
#include <QString>
#include <string>

#include "platform/button_hint.h"
#include "platform/controls.h"

inline QString q(const std::string& text) { return QString::fromStdString(text); }

// A box that shows a value the analyst does not type.
inline QLineEdit* make_file_box(QWidget* parent, const char* name) { return make_edit(parent, name, true); }
