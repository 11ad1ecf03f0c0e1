#include "app/not_built_yet.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/ui_services.h"

void add_not_built_yet_notice(QWidget* window) {
    auto* layout = new QVBoxLayout(window);
    auto* label = new QLabel("This window is not available yet.", window);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    window->resize(480, 240);
}

void not_built_yet(const std::string& command) {
    ui().message(command + " is not available yet.", "Quantilyzer", Buttons::Ok, Icon::Information);
}
