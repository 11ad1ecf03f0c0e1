#pragma once
// The main menu follows the data in memory: one function reads the values its enables,
// captions and check marks come from, and every command that takes the menu ends with it.
#include "menu/main_menu.h"

// The values the main menu follows, read from the method data, the calibration, the report
// flags and the library file in use.
MenuSources menu_sources();

// The menu as the values in memory now have it (MainMenuState::follow).
void follow_method_data(MainMenuState& menu);

// Held through a command that takes the menu: however the command ends, the menu follows
// what it left in memory.
class MenuFollowsData {
public:
    explicit MenuFollowsData(MainMenuState& menu) : menu_(menu) {}
    ~MenuFollowsData() { follow_method_data(menu_); }
    MenuFollowsData(const MenuFollowsData&) = delete;
    MenuFollowsData& operator=(const MenuFollowsData&) = delete;

private:
    MainMenuState& menu_;
};
