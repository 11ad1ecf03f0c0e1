#pragma once
// The state of the main window's menu: which commands are on, their captions and check
// marks. The menu opens up in stages as the method data comes in (library, then
// internal-standard file, or a calibration file); every stage change is one function
// here, and the main window only shows the state.
#include <array>
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
};

class MainMenuState {
public:
    MainMenuState();  // the items as the window is created, before its start stage

    const MenuItemState& item(MenuItem m) const { return items_[static_cast<int>(m)]; }
    MenuItemState& item(MenuItem m) { return items_[static_cast<int>(m)]; }
    bool enabled(MenuItem m) const { return item(m).enabled; }
    const std::string& caption(MenuItem m) const { return item(m).caption; }

    // The stages.
    void at_start();
    void after_library_loaded(const std::string& library_file);
    void after_surrogate_file_loaded(const std::string& surrogate_file);
    void after_surrogate_file_in_step(bool limits_invalid);
    void after_surrogate_file_out_of_step();  // found by Edit Internal Standard File
    void after_calibration_loaded(const std::string& calibration_file, const std::string& surrogate_file);
    void after_calibration_failed();
    // The calibration in use was saved under a new name (the review's Save As): while the
    // calibration commands are open, Load Calibration File names the file now in use.
    void after_calibration_renamed(const std::string& calibration_file);
    // The files in use, however they came to be (a load, an editor's save under a new name):
    // Edit Library and Edit Internal Standard File, while they are on, name them.
    void follow_files_in_use(const std::string& library_file, const std::string& surrogate_file);
    // Opening the Calibration menu: New is on once a library and an internal-standard file are
    // in, and only while their groupings are valid.
    void on_calibration_menu_opened(bool library_is_loaded, bool surrogate_file_is_loaded);
    // The groupings in memory, however they came to be (a load, the editor): invalid ones
    // close the Calibration menu of an internal-standard file and its New; valid ones open
    // the menu again for a file that was found in step with the library.
    void follow_groupings(bool groupings_valid);

private:
    void set(std::initializer_list<MenuItem> items, bool enabled);
    std::array<MenuItemState, kMenuItemCount> items_;
    bool surrogates_in_step_ = false;  // the Calibration menu stands on an internal-standard file
    bool groupings_valid_ = true;
};

// "<caption> --> " and the upper-cased file name after its last separator.
std::string loaded_file_caption(const std::string& caption, const std::string& file);
