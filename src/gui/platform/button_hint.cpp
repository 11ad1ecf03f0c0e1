#include "platform/button_hint.h"

#include <QWidget>

void set_button_hint(QWidget* button, const QString& hint) {
    button->setToolTip(hint);
    button->setToolTipDuration(kHintHidePauseMs);
}
