#include "program/main_commands.h"

#include "methoddata/editor_state.h"
#include "methoddata/library_text_file.h"
#include "methoddata/menu_follows.h"
#include "methoddata/program_paths.h"
#include "methoddata/settings_file.h"
#include "methoddata/surrogate_groupings.h"
#include "methoddata/surrogate_library_row.h"
#include "methoddata/tables.h"
#include "platform/paths.h"
#include "platform/ui_services.h"

const std::string library_file_filter = "Library Text Compound files (*.txt)|*.txt";

void start_main_form(MainMenuState& menu) {
    const MenuFollowsData follows(menu);
    method_data.library_version = program_version_text;
    main_flags.PrinterSelected = 0;
    main_flags.BatchReport = 1;
    main_flags.CalibrationEditMode = 0;
    main_flags.DelimitedReports = 1;
    main_flags.TrqFormsFormat = 0;
    program_paths.data_root_folder.clear();
    ProgramPaths& paths = program_paths;
    paths.install_path = install_path_setting();
    if (paths.install_path.empty()) paths.install_path = paths.program_folder = executable_folder();
    folder_settings.slot[kInstallFolderSlot] = join_path(paths.install_path, "");
}

std::string library_start_folder() {
    read_file_paths(folder_settings);
    const std::string& file_path = folder_settings.slot[kFilePathSlot];
    folder_settings.slot[kLibraryStartFolderSlot] =
        file_path == "installPath" ? program_paths.program_folder : folder_of(file_path);
    return folder_settings.slot[kLibraryStartFolderSlot];
}

void load_library_command(MainMenuState& menu) {
    const MenuFollowsData follows(menu);
    FileDialogRequest request;
    request.title = "Open";
    request.start_folder = library_start_folder();
    request.filter = library_file_filter;
    auto chosen = ui().open_file(request);
    if (!chosen) return;  // a cancelled dialog changes nothing

    // A file refused half-way puts the method data back whole: a failed load changes nothing.
    const MethodData before = method_data;
    method_data.surrogate_range_limits = SurrogateRangeLimits{};
    reset_library_tables();
    if (!read_library_text_file(*chosen)) {
        method_data = before;  // the library, internal standards and menus stay as they were
        return;
    }
    main_flags.NewLibraryMode = 0;
    main_flags.CalibrationFromFile = 0;
    // The internal-standard records were reset with the library: no file is loaded now,
    // and no later message or file may name the one they came from.
    method_data.surrogate_file_path.clear();
    method_data.surrogate_file_loaded = 0;
    use_library_file(*chosen);
    folder_settings.slot[kFilePathSlot] = method_data.library_ini_path;
    method_data.library_loaded = 1;
    copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    write_file_setting("filePath", method_data.library_ini_path);
}

bool edit_library_command() {
    editor_state.variables_changed = 0;
    // The editor edits the library, even after Create New Library typed a new one.
    main_flags.NewLibraryMode = 0;
    if (!read_library_text_file(folder_settings.slot[kLibraryTextFileSlot])) return false;
    copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    derive_standard_properties(method_data.surrogates, method_data.library);  // the file may differ from memory
    editor_state.current_record = 0;
    return true;
}

bool choose_printer_command() {
    if (!ui().choose_printer()) return false;
    main_flags.PrinterSelected = 1;
    return true;
}

void set_delimited_reports(MainMenuState& menu, bool on) {
    main_flags.DelimitedReports = on ? 1 : 0;
    follow_method_data(menu);
}

void set_forms_layout(MainMenuState& menu, bool on) {
    main_flags.TrqFormsFormat = on ? 1 : 0;
    follow_method_data(menu);
}

void set_batch_report(bool batch) { main_flags.BatchReport = batch ? 1 : 0; }
