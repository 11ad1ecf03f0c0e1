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

std::string caption_at_creation(MenuItem m) {
    for (const auto& t : item_texts)
        if (t.item == m) return t.caption;
    return {};
}

}  // namespace

std::string loaded_file_caption(const std::string& caption, const std::string& file) {
    return caption + " --> " + escape_accelerators(to_upper(file_name_of(file)));
}

MainMenuState::MainMenuState() {
    for (const auto& t : item_texts) {
        MenuItemState& s = edit(t.item);
        s.name = t.name;
        s.caption = t.caption;
        s.shortcut = t.shortcut;
        s.hint = t.hint;
    }
    edit(Delimited1).checkable = edit(Semic1).checkable = true;
    edit(Delimited1).checked = true;
}

void MainMenuState::set(std::initializer_list<MenuItem> items, bool enabled) {
    for (MenuItem m : items) edit(m).enabled = enabled;
}

void MainMenuState::follow(const MenuSources& s) {
    // The stage: a calibration loaded from its file, else a library loaded, else the start.
    // Load Library ends the calibration stage; nothing ends the library stage but a
    // calibration loaded.
    const bool calibration = s.calibration_from_file;
    const bool library = !calibration && s.library_loaded;
    if (library) library_file_named_ = s.library_file;

    // The internal-standard commands stand on a file loaded over this library, until the
    // editor finds it out of step; Calibration on one found in step with valid groupings.
    const bool surrogates_open =
        library && s.surrogate_file_loaded && surrogate_sync_ != SurrogateSync::EditorFoundOut;
    const bool calibrate_new =
        surrogates_open && surrogate_sync_ == SurrogateSync::InStep && s.groupings_valid;

    set({UpdateLibrary1, CreateSurrogates1, OpenSurrogateFile1, CreateEditMDLFile2}, library);
    set({EditSurrogatesFile, CopySurrogateFile}, surrogates_open);
    set({RunCalibration}, calibrate_new);
    set({Calibrate1}, calibrate_new || calibration);
    set({Review1, PrintCalib, CheckCalibration, Quantitation1}, calibration);

    // Before any library or calibration the items keep the captions they were created with.
    const bool started = library || calibration;
    edit(UpdateLibrary1).caption = library_file_named_
                                       ? loaded_file_caption("Edit Library...", *library_file_named_)
                                       : caption_at_creation(UpdateLibrary1);
    edit(EditSurrogatesFile).caption =
        !started                           ? caption_at_creation(EditSurrogatesFile)
        : (surrogates_open || calibration) ? loaded_file_caption("Edit Internal Standard File...", s.surrogate_file)
                                           : "Edit Internal Standard File...";
    edit(OpenCalibrationFile1).caption = calibration ? loaded_file_caption("Open Calibration File...", s.calibration_file)
                                         : library   ? "Open Calibration File..."
                                                     : caption_at_creation(OpenCalibrationFile1);

    edit(Delimited1).checked = s.delimited_reports;
    edit(Semic1).checked = s.forms_layout;
}
