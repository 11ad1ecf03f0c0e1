#pragma once
// Controls as the task windows make them: each named by its objectName, buttons with a
// hint that stays up for a minute.
#include <QLabel>
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
inline QLineEdit* make_edit(QWidget* parent, const char* name, bool read_only = false) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(read_only);
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

// A label; name may be null for a caption no code refers to.
inline QLabel* make_named_label(QWidget* parent, const char* name, const char* caption) {
    auto* l = new QLabel(caption, parent);
    if (name) l->setObjectName(name);
    return l;
}

// A control at a fixed place of its window.
template <typename Control>
Control* placed(Control* control, int x, int y, int width, int height) {
    control->setGeometry(x, y, width, height);
    return control;
}
