#pragma once
// A control's hint: the text shown when the mouse rests on it, kept up for a minute
// (the program's hints are long and the analyst reads them at leisure).
class QWidget;
class QString;

void set_hint(QWidget* control, const QString& text);
