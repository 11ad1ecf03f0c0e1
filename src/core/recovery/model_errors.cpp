#include "recovery/model_errors.h"

#include "platform/ui_services.h"

namespace {
bool ended = false;
}

void end_model(const std::string& text, const std::string& caption) {
    ended = true;
    show_message(text, caption);
    throw ModelEnded();
}

bool model_ended_command() { return ended; }
void clear_model_ended() { ended = false; }
