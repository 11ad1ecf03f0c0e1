#pragma once
// The state of the main window's menu: which commands are on, their captions and check
// marks. The menu opens up in stages as the method data comes in (library, then
// internal-standard file, or a calibration file). The stage, the enables, the captions
// that name the files in use and the check marks all follow from the values in memory in
// one function, so that they cannot disagree with them; the main window only shows the state.
#include <array>
#include <optional>
#include <string>

// The menu items by their component names.
enum class MenuItem {
    File1,
    CreateNewLibrary1,
    OpenLibraryMenu,
    UpdateLibrary1,
    CreateSurrogates1,
    OpenSurrogateFile1,
    EditSurrogatesFile,
    CopySurrogateFile,
    OpenCalibrationFile1,
    CreateEditMDLFile2,
    Exit1,
    Calibrate1,
    RunCalibration,
    Review1,
    PrintCalib,
    CheckCalibration,
    Quantitation1,
    Processsamplefiles1,
    Settings1,
    Delimited1,
    Semic1,
    Help1,
    HelpTopic,
    About1,
};
constexpr int kMenuItemCount = static_cast<int>(MenuItem::About1) + 1;

struct MenuItemState {
    std::string name;     // component name (the item's objectName)
    std::string caption;  // "&" marks the accelerator key
    std::string shortcut;  // "Ctrl+L" or empty
    std::string hint;
    bool enabled = true;
    bool checkable = false;
    bool checked = false;

    bool operator==(const MenuItemState&) const = default;
};

// The values the menu follows, as the method data holds them now.
struct MenuSources {
    bool library_loaded = false;
    // The calibration in memory came from Load Calibration File (CalibrationFromFile): the
    // calibration stage, until a library is loaded again.
    bool calibration_from_file = false;
    bool surrogate_file_loaded = false;
    bool groupings_valid = true;
    std::string library_file;      // the library text file in use
    std::string surrogate_file;    // surrogate_file_path
    std::string calibration_file;  // calibration_file_name
    bool delimited_reports = true;
    bool forms_layout = false;

    bool operator==(const MenuSources&) const = default;
};

// What the last check of the internal-standard file in memory against the library found.
// The check shows its messages and writes its report, so its outcome is kept, not re-run.
enum class SurrogateSync {
    NotInStep,       // as Load Internal Standard File leaves a file before it is found in step
    InStep,          // found in step by the load
    EditorFoundOut,  // Edit Internal Standard File found it out of step: its commands close
};

class MainMenuState {
public:
    MainMenuState();  // the items as the window is created, before it follows any data

    const MenuItemState& item(MenuItem m) const { return items_[static_cast<int>(m)]; }
    bool enabled(MenuItem m) const { return item(m).enabled; }
    const std::string& caption(MenuItem m) const { return item(m).caption; }

    // Every enable, file-naming caption and check mark from the values in memory, however
    // they came about: a menu that needs a library, valid groupings or a loaded calibration
    // is off whenever they are not there. Run after every command.
    void follow(const MenuSources& s);

    // The outcome of a check of the internal-standard file; the next follow shows it.
    void surrogate_file_checked(SurrogateSync outcome) { surrogate_sync_ = outcome; }

    bool operator==(const MainMenuState&) const = default;

private:
    MenuItemState& edit(MenuItem m) { return items_[static_cast<int>(m)]; }
    void set(std::initializer_list<MenuItem> items, bool enabled);
    std::array<MenuItemState, kMenuItemCount> items_;
    SurrogateSync surrogate_sync_ = SurrogateSync::NotInStep;
    // The library file Edit Library named while the library was in use: after Load
    // Calibration File the item, off, still names it. Not derivable: the calibration load
    // sets the library file slot to the library's INI name, which has lost the text
    // file's extension. Empty while no library was loaded.
    std::optional<std::string> library_file_named_;
};

// "<caption> --> " and the upper-cased file name after its last separator.
std::string loaded_file_caption(const std::string& caption, const std::string& file);
