#pragma once
// Controls that show and hide with the window's state keep their room in the layout, so
// the buttons around them never move under the analyst's mouse.
#include <QSizePolicy>
#include <QWidget>

inline void keep_room_when_hidden(QWidget* control) {
    QSizePolicy policy = control->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    control->setSizePolicy(policy);
}
