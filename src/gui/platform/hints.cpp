#include "platform/hints.h"

#include <QString>
#include <QWidget>

namespace {
constexpr int kHintHidePauseMs = 60000;
}

void set_hint(QWidget* control, const QString& text) {
    control->setToolTip(text);
    control->setToolTipDuration(kHintHidePauseMs);
}
