#pragma once
// The main window: the hub of the program. It has only its menu; its commands load the
// method data, open the task windows and switch menu items on and off as the data comes
// in. The menu's state lives in `menu_state`; it follows the data in memory, and the
// window shows it again after every command.
#include <QMainWindow>
#include <array>

#include "menu/main_menu.h"
#include "platform/bring_to_front.h"

class QAction;
class QMenu;

class Tmain_form : public QMainWindow {
public:
    Tmain_form();

    MainMenuState menu_state;
    // Brings menu_state up to the data in memory and shows it on the menu (after every
    // command, and for other windows that change that data).
    void show_menu_state();
    QAction* action(MenuItem item) const { return actions_[static_cast<int>(item)]; }

    // Raises the top-level window with this caption as soon as it exists (retried every 50 ms).
    void BringToFrontByCaption(const QString& caption);
    BringToFront BringFrontTimer;

    // Command handlers, one per menu item.
    void CreateNewLibrary1Click();
    void OpenLibraryMenuClick();
    void UpdateLibrary1Click();
    void CreateSurrogates1Click();
    void OpenSurrogateFile1Click();
    void EditSurrogatesFileClick();
    void CopySurrogateFileClick();
    void OpenCalibrationFile1Click();
    void CreateEditMDLFile2Click();
    void Exit1Click();
    void Calibrate1Click();  // the Calibration menu opens
    void RunCalibrationClick();
    void Review1Click();
    void PrintCalibClick();
    void CheckCalibrationClick();
    void Processsamplefiles1Click();
    void Delimited1Click();
    void Semic1Click();
    void HelpTopicClick();
    void About1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void build_menu();
    QMenu* add_menu(MenuItem item, std::initializer_list<MenuItem> items);
    void connect_command(MenuItem item, void (Tmain_form::*handler)());

    std::array<QAction*, kMenuItemCount> actions_{};
};

extern Tmain_form* main_form;

constexpr int kMainFormHelpContext = 5;
