#pragma once
// The numbered errors of the models after which the running command must end (03007,
// 03008, 02002, 14002, 14003, 01001, 01002): what follows would work on a half-made model.
// The message is shown and ModelEnded, a CommandAborted, leaves the model and the model
// chain, so that no further step runs and the command ends quietly. The exception carries
// the end itself: no flag kept beside it has to be cleared per run.
#include <string>

#include "platform/errors.h"

// Thrown inside a model after its message was shown.
class ModelEnded : public CommandAborted {
public:
    ModelEnded() : CommandAborted("recovery model ended the command") {}
};

// Shows the message (OK button) and throws ModelEnded.
[[noreturn]] void end_model(const std::string& text, const std::string& caption);
