#include "methoddata/surrogate_commands.h"

#include <algorithm>

#include "methoddata/dialog_loops.h"
#include "methoddata/library_sync.h"
#include "methoddata/menu_follows.h"
#include "methoddata/settings_file.h"
#include "methoddata/surrogate_file.h"
#include "methoddata/surrogate_groupings.h"
#include "methoddata/tables.h"
#include "methoddata/calibration_data.h"
#include "platform/errors.h"
#include "platform/file_copy.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/print_notices.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

const std::string surrogate_file_filter = "Surrogate files (*.ini)|*.ini";

namespace {

// Points of an earlier internal-standard file must not feed the models of this one.
void clear_model_points() {
    for (PointTable* table : {&model_work_tables.bp_points, &model_work_tables.rv_points})
        for (auto& set : *table)
            for (SurrogatePoint& p : set) p.in_use = 0;
}

// The default limits were worked out by the load, before the sync's renames: a renamed
// record is left out of the group ranges until its name is the library's, so they are
// worked out again over the settled records (limits the file holds stay as read).
void settle_default_limits(const std::string& file) {
    IniFile ini;
    if (!ini.load(file)) return;
    try {
        read_surrogate_limits(ini);
    } catch (const CommandAborted&) {
        // an rvw not above 0, already reported; the limits of the load stay
    }
}

void remember_surrogate_folder(const std::string& file) {
    folder_settings.slot[kSurrogatePathSlot] = to_upper(folder_of(file));
    write_file_setting("surrogatePath", folder_settings.slot[kSurrogatePathSlot]);
}

}  // namespace

void create_surrogate_file_command() {
    std::string chosen;
    if (open_dialog_loop(folder_settings.slot[kSurrogatePathSlot], chosen, surrogate_file_filter,
                         ".INI", OpenRequest::NewFile))
        create_surrogate_file(chosen, method_data.library);
}

bool load_surrogate_file_command(MainMenuState& menu) {
    const MenuFollowsData follows(menu);
    read_file_paths(folder_settings);
    std::string chosen;
    if (!open_dialog_loop(folder_settings.slot[kSurrogatePathSlot], chosen, surrogate_file_filter,
                          ".INI", OpenRequest::ExistingFile))
        return false;

    // A refused file leaves the records already loaded, and so the menus, as they are.
    int count = 0;
    if (!check_compound_file(chosen, count)) {
        show_message(count != 0 ? "Quantilyzer: 06001" : "Quantilyzer: 06006", "Error");
        return false;
    }
    if (!load_internal_standard_file(chosen, count)) return false;
    // Only a file that was loaded replaces the limits the analyst applied and the points of
    // the file before it: a cancelled or refused load changes nothing.
    method_data.user_limits_applied = 0;
    clear_model_points();
    remember_surrogate_folder(chosen);
    method_data.surrogate_file_loaded = 1;
    method_data.surrogate_file_selected = 1;

    // A Calibration menu opened by an earlier file closes until this one proves usable.
    menu.surrogate_file_checked(SurrogateSync::NotInStep);
    if (!check_library_sync(method_data.library, method_data.surrogates)) {
        show_message("Internal standard file not in sync.",
                     "Calibration with current internal standard file not allowed");
        return false;
    }
    settle_default_limits(chosen);
    check_surrogate_groupings();
    // In step: Calibration opens while the groupings are valid.
    menu.surrogate_file_checked(SurrogateSync::InStep);
    return true;
}

bool edit_surrogate_file_command(MainMenuState& menu) {
    const MenuFollowsData follows(menu);
    const int records = surrogate_records_in_use();
    std::copy_n(method_data.surrogates.begin(), records, method_data.surrogates_saved.begin());
    report_grouping_errors();
    if (check_library_sync(method_data.library, method_data.surrogates)) return true;
    menu.surrogate_file_checked(SurrogateSync::EditorFoundOut);
    return false;
}

void follow_groupings_in_memory(MainMenuState& menu) {
    const bool valid = !test_surrogate_groupings().any();
    if (method_data.surrogate_file_loaded) method_data.surrogate_limits_invalid = valid ? 0 : 1;
    follow_method_data(menu);
}

void copy_surrogate_file_command() {
    if (!confirm_copy(method_data.surrogate_file_path)) return;
    std::string chosen;
    if (!save_as_dialog_loop(method_data.surrogate_file_path, chosen, surrogate_file_filter, ".ini")) return;
    std::string why;
    // Identical files are refused with their own warning and leave `why` empty.
    if (copy_file(method_data.surrogate_file_path, chosen, &why))
        announce_file_written(chosen);
    else if (!why.empty())
        show_message("The internal standard file " + method_data.surrogate_file_path + " could not be copied to " + chosen +
                         ":\n" + why,
                     "Error");
}
