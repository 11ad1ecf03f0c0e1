#pragma once
// A button's hint: the text shown while the mouse rests on it, kept up for a minute so
// that a long hint can be read.
#include <QString>

class QWidget;

constexpr int kHintHidePauseMs = 60000;

void set_button_hint(QWidget* button, const QString& hint);
