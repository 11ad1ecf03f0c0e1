#include "menu/main_menu.h"

#include "platform/paths.h"
#include "platform/text_util.h"

using enum MenuItem;

namespace {

struct ItemText {
    MenuItem item;
    const char* name;
    const char* caption;
    const char* shortcut;
    const char* hint;
};

// Every menu of the bar has its own Alt letter, and no two items of one menu share a
// letter: with two, the letter only moves between them and opens neither.
const ItemText item_texts[] = {
    {File1, "File1", "&File", "", ""},
    {CreateNewLibrary1, "CreateNewLibrary1", "Create &New Library", "", ""},
    {OpenLibraryMenu, "OpenLibraryMenu", "&Load Library", "Ctrl+L", "Requires a previously created library"},
    {UpdateLibrary1, "UpdateLibrary1", "E&dit Library", "", "Update entries, add or delete entries"},
    {CreateSurrogates1, "CreateSurrogates1", "Create &Internal Standard File", "",
     "Creates from Library using compounds labeled as Internal Standards"},
    {OpenSurrogateFile1, "OpenSurrogateFile1", "L&oad Internal Standard File", "Ctrl+I",
     "Requires a previously created Internal Standard File"},
    {EditSurrogatesFile, "EditSurrogatesFile", "&Edit Internal Standard File", "",
     "Change entries, groupings, add or delete compounds"},
    {CopySurrogateFile, "CopySurrogateFile", "&Copy Internal Standard File", "", "Make a copy, not active until called"},
    {OpenCalibrationFile1, "OpenCalibrationFile1", "Lo&ad Calibration File", "Ctrl+C",
     "Call previously created calibration file.  Library and internal standard files are made inactive"},
    {CreateEditMDLFile2, "CreateEditMDLFile2", "Create/Edit &Reporting Limits (LMT) File", "",
     "Create limits for reports using library analytes."},
    {Exit1, "Exit1", "E&xit", "", ""},
    {Calibrate1, "Calibrate1", "&Calibration", "", ""},
    {RunCalibration, "RunCalibration", "&New", "", ""},
    {Review1, "Review1", "&Edit", "Ctrl+R", ""},
    {PrintCalib, "PrintCalib", "&Print", "", ""},
    {CheckCalibration, "CheckCalibration", "&Check Continuing Calibration", "", ""},
    {Quantitation1, "Quantitation1", "&Quantitation", "", ""},
    {Processsamplefiles1, "Processsamplefiles1", "Process sample files", "Ctrl+Q", ""},
    {Settings1, "Settings1", "&Settings", "", ""},
    {Delimited1, "Delimited1", "Delimited Data Reports", "", "Electronic format.  Can be input into Spreadsheets"},
    {Semic1, "Semic1", "TRQForms format", "", ""},
    {Help1, "Help1", "&Help", "", ""},
    {HelpTopic, "HelpTopic", "Help Topics", "", ""},
    {About1, "About1", "About", "", ""},
};

// A file name in a caption shows as it is: "&" would otherwise mark an accelerator.
std::string escape_accelerators(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += '&';
        out += c;
    }
    return out;
}

}  // namespace

std::string loaded_file_caption(const std::string& caption, const std::string& file) {
    return caption + " --> " + escape_accelerators(to_upper(file_name_of(file)));
}

MainMenuState::MainMenuState() {
    for (const auto& t : item_texts) {
        MenuItemState& s = item(t.item);
        s.name = t.name;
        s.caption = t.caption;
        s.shortcut = t.shortcut;
        s.hint = t.hint;
    }
    item(Delimited1).checkable = item(Semic1).checkable = true;
    item(Delimited1).checked = true;
}

void MainMenuState::set(std::initializer_list<MenuItem> items, bool enabled) {
    for (MenuItem m : items) item(m).enabled = enabled;
}

void MainMenuState::at_start() {
    set({UpdateLibrary1, CreateSurrogates1, OpenSurrogateFile1, EditSurrogatesFile, CopySurrogateFile,
         CreateEditMDLFile2, Calibrate1, Review1, PrintCalib, CheckCalibration, Quantitation1, RunCalibration},
        false);
    item(Delimited1).checked = true;
}

void MainMenuState::after_library_loaded(const std::string& library_file) {
    item(UpdateLibrary1).caption = loaded_file_caption("Edit Library...", library_file);
    set({UpdateLibrary1, CreateSurrogates1, OpenSurrogateFile1, CreateEditMDLFile2}, true);
    set({Calibrate1, Quantitation1, Review1, PrintCalib, CheckCalibration}, false);
    item(OpenCalibrationFile1).caption = "Open Calibration File...";
    item(EditSurrogatesFile).caption = "Edit Internal Standard File...";
    set({EditSurrogatesFile, CopySurrogateFile}, false);
    surrogates_in_step_ = false;
}

void MainMenuState::after_surrogate_file_loaded(const std::string& surrogate_file) {
    item(EditSurrogatesFile).caption = loaded_file_caption("Edit Internal Standard File...", surrogate_file);
    set({EditSurrogatesFile, CopySurrogateFile}, true);
    surrogates_in_step_ = false;
}

void MainMenuState::after_surrogate_file_in_step(bool limits_invalid) {
    surrogates_in_step_ = true;
    groupings_valid_ = !limits_invalid;
    if (!limits_invalid) item(Calibrate1).enabled = true;
}

void MainMenuState::after_surrogate_file_out_of_step() {
    surrogates_in_step_ = false;
    item(EditSurrogatesFile).caption = "Edit Internal Standard File...";
    set({EditSurrogatesFile, CopySurrogateFile, Calibrate1, Quantitation1}, false);
}

void MainMenuState::after_calibration_loaded(const std::string& calibration_file,
                                             const std::string& surrogate_file) {
    surrogates_in_step_ = false;
    set({Calibrate1, Quantitation1, Review1, PrintCalib, CheckCalibration}, true);
    set({RunCalibration, UpdateLibrary1, CreateSurrogates1, OpenSurrogateFile1, EditSurrogatesFile,
         CopySurrogateFile, CreateEditMDLFile2},
        false);
    item(OpenCalibrationFile1).caption = loaded_file_caption("Open Calibration File...", calibration_file);
    item(EditSurrogatesFile).caption = loaded_file_caption("Edit Internal Standard File...", surrogate_file);
}

void MainMenuState::after_calibration_failed() {
    surrogates_in_step_ = false;
    item(OpenCalibrationFile1).caption = "&Open Calibration File...";
    item(EditSurrogatesFile).caption = "&Edit Internal Standard File...";
    item(UpdateLibrary1).caption = "E&dit Library...";
    set({UpdateLibrary1, CreateSurrogates1, OpenSurrogateFile1, EditSurrogatesFile, CopySurrogateFile, Calibrate1,
         Quantitation1, CreateEditMDLFile2},
        false);
}

void MainMenuState::after_calibration_renamed(const std::string& calibration_file) {
    if (item(Review1).enabled)
        item(OpenCalibrationFile1).caption = loaded_file_caption("Open Calibration File...", calibration_file);
}

void MainMenuState::follow_files_in_use(const std::string& library_file, const std::string& surrogate_file) {
    if (item(UpdateLibrary1).enabled) item(UpdateLibrary1).caption = loaded_file_caption("Edit Library...", library_file);
    if (item(EditSurrogatesFile).enabled)
        item(EditSurrogatesFile).caption = loaded_file_caption("Edit Internal Standard File...", surrogate_file);
}

void MainMenuState::on_calibration_menu_opened(bool library_is_loaded, bool surrogate_file_is_loaded) {
    if (library_is_loaded && surrogate_file_is_loaded && groupings_valid_) item(RunCalibration).enabled = true;
}

void MainMenuState::follow_groupings(bool groupings_valid) {
    groupings_valid_ = groupings_valid;
    if (!groupings_valid) item(RunCalibration).enabled = false;
    if (surrogates_in_step_) item(Calibrate1).enabled = groupings_valid;
}
