#include "app/main_window.h"

#include "app/main_form.h"

QWidget* main_window() { return main_form; }

MainMenuState* main_menu_state() { return main_form ? &main_form->menu_state : nullptr; }

void show_main_menu_state() {
    if (main_form) main_form->show_menu_state();
}
