#include "platform/command_guard.h"

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/ui_services.h"

bool run_command(const std::function<void()>& command) {
    FolderListingScope listings;  // each folder is read once per command
    try {
        command();
        return true;
    } catch (const CommandAborted&) {
        return false;
    } catch (const std::exception& e) {
        ui().show_exception(e.what());
        return false;
    } catch (...) {
        ui().show_exception("Unknown error");
        return false;
    }
}
