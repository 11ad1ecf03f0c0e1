#pragma once
// Controls as the two continuing-calibration windows make them.
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <string>

inline QString q(const std::string& text) { return QString::fromStdString(text); }

// Every hint shows for a minute.
inline void set_hint(QWidget* widget, const char* hint) {
    widget->setToolTip(hint);
    widget->setToolTipDuration(60000);
}

inline QPushButton* make_button(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (hint) set_hint(b, hint);
    return b;
}

// A box that shows a value the analyst does not type.
inline QLineEdit* make_file_box(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    return e;
}
