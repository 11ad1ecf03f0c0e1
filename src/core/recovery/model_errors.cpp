#include "recovery/model_errors.h"

#include "platform/ui_services.h"

void end_model(const std::string& text, const std::string& caption) {
    show_message(text, caption);
    throw ModelEnded();
}
