#include "platform/single_instance.h"

#include <unistd.h>

#include "platform/paths.h"
#include "platform/ui_services.h"

SingleInstanceLock::SingleInstanceLock(const std::string& lock_file) : lock_(QString::fromStdString(lock_file)) {
    // Staleness by the owner's process only: a long-running program keeps its lock however old.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::acquire() { return lock_.tryLock(0); }

// One lock per user, as a desktop session has one program: another user of the same
// machine is not stopped by it.
std::string program_lock_file() {
    return join_path(temp_folder(), "Quantilyzer-" + std::to_string(getuid()) + ".lock");
}

bool claim_single_instance(SingleInstanceLock& lock) {
    if (lock.acquire()) return true;
    ui().message("Quantilyzer is already running.\nThe new instance will be aborted.", "Warning", Buttons::Ok,
                 Icon::Warning);
    return false;
}
