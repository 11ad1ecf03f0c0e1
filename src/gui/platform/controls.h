#pragma once
// Controls as the task windows make them: each named by its objectName, buttons with a
// hint that stays up for a minute.
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include "platform/button_hint.h"

// A push button; hint may be null.
inline QPushButton* make_button(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (hint) set_button_hint(b, hint);
    return b;
}

// An edit box.
inline QLineEdit* make_edit(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

// A read-only box on a coloured ground ("lightgray" for files, "yellow" for the variable mode).
inline QLineEdit* make_coloured_box(QWidget* parent, const char* name, const char* colour) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setStyleSheet(QString("background-color: %1;").arg(colour));
    return e;
}
