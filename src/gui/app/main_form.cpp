#include "app/main_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>

#include "calibration/calibrate_form.h"
#include "calibration/calibration_commands.h"
#include "calibration/calibration_report.h"
#include "calibration/check_calib_std.h"
#include "calibration/check_commands.h"
#include "calibration/revu_calib_form.h"
#include "methoddata/about_box.h"
#include "methoddata/change_variable_form.h"
#include "methoddata/edit_lib_form.h"
#include "methoddata/edit_mdl_form.h"
#include "methoddata/library_editor.h"
#include "methoddata/menu_follows.h"
#include "program/main_commands.h"
#include "methoddata/surr_form.h"
#include "methoddata/surrogate_commands.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"
#include "platform/command_guard.h"
#include "platform/ui_services.h"
#include "processing/process_files.h"
#include "processing/sample_list.h"

using enum MenuItem;

Tmain_form* main_form = nullptr;

Tmain_form::Tmain_form() {
    setObjectName("main_form");
    setWindowTitle("Quantilyzer");
    setStatusTip("Use this form to start processing");
    resize(560, 120);
    statusBar();  // shows the hints of the menu items
    build_menu();
    FormCreate();
}

QMenu* Tmain_form::add_menu(MenuItem item, std::initializer_list<MenuItem> items) {
    QMenu* menu = menuBar()->addMenu(QString());
    menu->setObjectName(QString::fromStdString(menu_state.item(item).name));
    actions_[static_cast<int>(item)] = menu->menuAction();
    for (MenuItem m : items) {
        if (m == Exit1) menu->addSeparator();
        QAction* a = menu->addAction(QString());
        actions_[static_cast<int>(m)] = a;
    }
    return menu;
}

void Tmain_form::build_menu() {
    add_menu(File1, {CreateNewLibrary1, OpenLibraryMenu, UpdateLibrary1, CreateSurrogates1, OpenSurrogateFile1,
                     EditSurrogatesFile, CopySurrogateFile, OpenCalibrationFile1, CreateEditMDLFile2, Exit1});
    QMenu* calibration = add_menu(Calibrate1, {RunCalibration, Review1, PrintCalib, CheckCalibration});
    add_menu(Quantitation1, {Processsamplefiles1});
    add_menu(Settings1, {Delimited1, Semic1});
    add_menu(Help1, {HelpTopic, About1});

    for (int i = 0; i < kMenuItemCount; ++i) {
        const MenuItemState& s = menu_state.item(static_cast<MenuItem>(i));
        QAction* a = actions_[i];
        a->setObjectName(QString::fromStdString(s.name));
        a->setShortcut(QKeySequence(QString::fromStdString(s.shortcut)));
        a->setStatusTip(QString::fromStdString(s.hint));
        a->setCheckable(s.checkable);
    }

    connect_command(CreateNewLibrary1, &Tmain_form::CreateNewLibrary1Click);
    connect_command(OpenLibraryMenu, &Tmain_form::OpenLibraryMenuClick);
    connect_command(UpdateLibrary1, &Tmain_form::UpdateLibrary1Click);
    connect_command(CreateSurrogates1, &Tmain_form::CreateSurrogates1Click);
    connect_command(OpenSurrogateFile1, &Tmain_form::OpenSurrogateFile1Click);
    connect_command(EditSurrogatesFile, &Tmain_form::EditSurrogatesFileClick);
    connect_command(CopySurrogateFile, &Tmain_form::CopySurrogateFileClick);
    connect_command(OpenCalibrationFile1, &Tmain_form::OpenCalibrationFile1Click);
    connect_command(CreateEditMDLFile2, &Tmain_form::CreateEditMDLFile2Click);
    connect_command(Exit1, &Tmain_form::Exit1Click);
    connect_command(RunCalibration, &Tmain_form::RunCalibrationClick);
    connect_command(Review1, &Tmain_form::Review1Click);
    connect_command(PrintCalib, &Tmain_form::PrintCalibClick);
    connect_command(CheckCalibration, &Tmain_form::CheckCalibrationClick);
    connect_command(Processsamplefiles1, &Tmain_form::Processsamplefiles1Click);
    connect_command(Delimited1, &Tmain_form::Delimited1Click);
    connect_command(Semic1, &Tmain_form::Semic1Click);
    connect_command(HelpTopic, &Tmain_form::HelpTopicClick);
    connect_command(About1, &Tmain_form::About1Click);
    connect(calibration, &QMenu::aboutToShow, this, [this] {
        run_command([this] { Calibrate1Click(); });
        show_menu_state();
    });
}

void Tmain_form::connect_command(MenuItem item, void (Tmain_form::*handler)()) {
    connect(action(item), &QAction::triggered, this, [this, handler] {
        run_command([this, handler] { (this->*handler)(); });
        show_menu_state();
    });
}

void Tmain_form::show_menu_state() {
    follow_method_data(menu_state);
    for (int i = 0; i < kMenuItemCount; ++i) {
        const MenuItemState& s = menu_state.item(static_cast<MenuItem>(i));
        QAction* a = actions_[i];
        a->setText(QString::fromStdString(s.caption));
        a->setEnabled(s.enabled);
        if (s.checkable) a->setChecked(s.checked);
    }
}

void Tmain_form::FormCreate() {
    start_main_form(menu_state);
    show_menu_state();
}

void Tmain_form::BringToFrontByCaption(const QString& caption) { BringFrontTimer.request(caption); }

void Tmain_form::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A task window (the internal-standard editor, say) may have changed the groupings or
    // saved the file in use under a new name.
    run_command([this] { follow_groupings_in_memory(menu_state); });
    show_menu_state();
}

void Tmain_form::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

// File menu.

void Tmain_form::CreateNewLibrary1Click() {
    begin_create_library_mode();
    EditLib_Form->show_from(this);
}

void Tmain_form::OpenLibraryMenuClick() { load_library_command(menu_state); }

void Tmain_form::UpdateLibrary1Click() {
    // The variable dialog's labels count as unchanged from here on.
    for (const char* name : {"Edit_var1", "Edit_var2"})
        if (auto* edit = change_variable_form->findChild<QLineEdit*>(name)) edit->setModified(false);
    if (edit_library_command()) EditLib_Form->show_from(this);
}

void Tmain_form::CreateSurrogates1Click() { create_surrogate_file_command(); }
void Tmain_form::OpenSurrogateFile1Click() { load_surrogate_file_command(menu_state); }

void Tmain_form::EditSurrogatesFileClick() {
    if (edit_surrogate_file_command(menu_state)) surr_Form->start_editing(this);
}

void Tmain_form::CopySurrogateFileClick() { copy_surrogate_file_command(); }

void Tmain_form::OpenCalibrationFile1Click() { load_calibration_command(menu_state); }

void Tmain_form::CreateEditMDLFile2Click() {
    copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    BringToFrontByCaption("Edit_mdl_form");
    read_file_paths(folder_settings);
    Edit_mdl_form->show_from(this);
    Edit_mdl_form->empty_sample_entries();
}

void Tmain_form::Exit1Click() { QApplication::quit(); }

// Calibration menu.

void Tmain_form::Calibrate1Click() { follow_groupings_in_memory(menu_state); }

void Tmain_form::RunCalibrationClick() {
    BringToFrontByCaption("Internal Standard File");
    if (!new_calibration_command()) {
        show();
        return;
    }
    Calibrate_form->clear_files();
    Calibrate_form->show_from(this);
}

void Tmain_form::Review1Click() {
    // A calibration file that cannot be read again leaves nothing sound to review.
    if (!review_calibration_command()) return;
    revu_calib_form->show_calibration_compound(0);
    revu_calib_form->show_from(this);
}

void Tmain_form::PrintCalibClick() {
    // A cancelled printer dialog prints nothing; otherwise the report goes to the printer chosen.
    if (!ui().choose_printer()) return;
    if (reload_calibration_command()) print_calibration_report_job(false, false);
}

void Tmain_form::CheckCalibrationClick() {
    if (!check_calibration_command()) return;
    check_calib_std->show_check_file_names();
    check_calib_std->show_from(this);
}

// Quantitation menu.

void Tmain_form::Processsamplefiles1Click() {
    start_sample_processing(process_files_data);
    process_files->show_from(this);
}

// Settings menu.

void Tmain_form::Delimited1Click() {
    set_delimited_reports(menu_state, !menu_state.item(Delimited1).checked);
    // The processing window's own item shows the same state.
    if (auto* other = process_files->findChild<QAction*>("DelimitedReports1"))
        other->setChecked(menu_state.item(Delimited1).checked);
}

void Tmain_form::Semic1Click() {
    set_forms_layout(menu_state, !menu_state.item(Semic1).checked);
}

// Help menu.

void Tmain_form::HelpTopicClick() { ui().show_help(kMainFormHelpContext); }
void Tmain_form::About1Click() { AboutBox->exec(); }
