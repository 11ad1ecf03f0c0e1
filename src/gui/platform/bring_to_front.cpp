#include "platform/bring_to_front.h"

#include <QApplication>
#include <QWidget>

BringToFront::BringToFront(QObject* parent) : QObject(parent) {
    timer_.setObjectName("BringFrontTimer");
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

void BringToFront::request(const QString& caption) {
    caption_ = caption;
    timer_.start();
}

void BringToFront::tick() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() != caption_) continue;
        w->raise();
        if (w->isVisible()) w->activateWindow();
        timer_.stop();
        caption_ = "0";
        return;
    }
}
