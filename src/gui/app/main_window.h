#pragma once
// What the task windows ask of the main window, without its class: windows meet only in
// app/, so a window that leaves for the main window, or changes a menu item it shares
// with it, goes through here.
class MainMenuState;
class QWidget;

// The main window, or null while it is not made (tests that make only some windows).
QWidget* main_window();
// The main menu's state, or null while there is no main window.
MainMenuState* main_menu_state();
// Shows the main menu's state on its menu again after a change.
void show_main_menu_state();
