#pragma once
// The numbered errors of the models after which the running command must end (03007,
// 03008, 02002, 14002, 14003, 01001, 01002). The message is shown, the model answers 0,
// and the model chain ends the command instead of running further steps: what follows
// would work on a half-made model.
#include <string>

#include "platform/errors.h"

// Thrown inside a model after its message was shown; the model catches it and answers 0.
class ModelEnded : public CommandAborted {
public:
    ModelEnded() : CommandAborted("recovery model ended the command") {}
};

// Shows the message (OK button) and throws ModelEnded.
[[noreturn]] void end_model(const std::string& text, const std::string& caption);

// Set when a model met such an error since the last clear; the chain clears it per run.
bool model_ended_command();
void clear_model_ended();

// Runs one model body: its answer, or 0 after an error that ends the command.
template <typename Body>
int run_model(Body&& body) {
    try {
        return body();
    } catch (const ModelEnded&) {
        return 0;
    }
}
