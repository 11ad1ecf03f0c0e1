#include "calibration/check_calib_std.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "calibration/check_calib_review_form.h"
#include "calibration/check_commands.h"
#include "calibration/check_report_print.h"
#include "methoddata/calibration_data.h"
#include "program/main_commands.h"
#include "methoddata/check_state.h"
#include "methoddata/tables.h"
#include "platform/command_guard.h"
#include "platform/paths.h"
#include "platform/steady_layout.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"
#include "calibration/check_window_parts.h"

Tcheck_calib_std* check_calib_std = nullptr;

Tcheck_calib_std::Tcheck_calib_std() : TaskWindow("Continuing Calibration Standard Entry") {
    setObjectName("check_calib_std");
    setWindowFlag(Qt::WindowStaysOnTopHint);

    Edit1 = make_file_box(this, "Edit1");
    Edit2 = make_file_box(this, "Edit2");
    Edit3 = make_file_box(this, "Edit3");
    Edit4 = make_file_box(this, "Edit4");
    Edit_LibFIleNameCheck = make_file_box(this, "Edit_LibFIleNameCheck");
    Edit_LibFIleNameCheck->hide();
    lblFileNameCheck = new QLabel("Library File:", this);
    lblFileNameCheck->setObjectName("lblFileNameCheck");
    lblFileNameCheck->hide();
    EditChkVarMode = make_file_box(this, "EditChkVarMode");
    EditChkVarLabel = make_file_box(this, "EditChkVarLabel");

    ConcGroupCheck = new QGroupBox(this);
    ConcGroupCheck->setObjectName("ConcGroupCheck");
    items_ = new QButtonGroup(this);
    auto* item_layout = new QVBoxLayout(ConcGroupCheck);
    for (int i = 0; i <= kDilutionItem; ++i) {
        const QString caption = i < kDilutionItem ? QString("Amount %1").arg(i + 1) : "Amount as Dilution of Amount 1";
        auto* b = new QRadioButton(caption, ConcGroupCheck);
        items_->addButton(b, i);
        item_layout->addWidget(b);
    }
    Edit_dilfactorCheck = new QLineEdit(this);
    Edit_dilfactorCheck->setObjectName("Edit_dilfactorCheck");

    Print = make_button(this, "Print", "Print", "Print the check calibration results");
    Button3 = make_button(this, "Button3", "Exit", "Exit and return to the main menu");
    close_box_runs(Button3);
    check_calib_review = make_button(this, "check_calib_review", "Review", "Review the check calibration results");
    Button_Save = make_button(this, "Button_Save", "Save File",
                              "Save the check calibration and QC results as CheckStandardFileName.check");
    Button_Help = make_button(this, "Button_Help", "Help", "Access Method 5847 help");
    Button1 = make_button(this, "Button1", "Select Printer", nullptr);
    keep_room_when_hidden(Print);  // shown once a printer is chosen
    CheckBox1 = new QCheckBox("DO NOT Print Surrogate Report", this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setChecked(true);
    set_button_hint(CheckBox1, "Check calibration report option");
    CheckBox1->hide();

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Surrogate Grouping", this), 0, 0);
    grid->addWidget(Edit2, 0, 1, 1, 2);
    grid->addWidget(new QLabel("Compound Librarry", this), 1, 0);
    grid->addWidget(Edit1, 1, 1, 1, 2);
    grid->addWidget(lblFileNameCheck, 2, 0);
    grid->addWidget(Edit_LibFIleNameCheck, 2, 1, 1, 2);
    grid->addWidget(new QLabel("Calibration File", this), 3, 0);
    grid->addWidget(Edit3, 3, 1, 1, 2);
    grid->addWidget(new QLabel("Check Standard", this), 4, 0);
    grid->addWidget(Edit4, 4, 1, 1, 2);
    grid->addWidget(EditChkVarMode, 5, 1);
    grid->addWidget(EditChkVarLabel, 5, 2);
    grid->addWidget(ConcGroupCheck, 6, 0, 4, 2);
    grid->addWidget(new QLabel("Dilution Factor", this), 6, 2);
    grid->addWidget(Edit_dilfactorCheck, 7, 2, Qt::AlignTop);
    grid->addWidget(CheckBox1, 10, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {check_calib_review, Button_Save, Print, Button1, Button3, Button_Help}) buttons->addWidget(b);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 3, 10, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    resize(700, 460);

    connect(items_, &QButtonGroup::idClicked, this, [this] { run_command([this] { ConcGroupCheckClick(); }); });
    connect(Edit_dilfactorCheck, &QLineEdit::textChanged, this,
            [this] { run_command([this] { Edit_dilfactorCheckChange(); }); });
    connect_button(check_calib_review, &Tcheck_calib_std::check_calib_reviewClick);
    connect_button(Button_Save, &Tcheck_calib_std::Button_SaveClick);
    connect_button(Print, &Tcheck_calib_std::PrintClick);
    connect_button(Button3, &Tcheck_calib_std::Button3Click);
    connect_button(Button_Help, &Tcheck_calib_std::Button_HelpClick);
    connect_button(Button1, &Tcheck_calib_std::Button1Click);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [] { ui().show_help(kCheckEntryHelpContext); });

    show_check_file_names();
}

void Tcheck_calib_std::connect_button(QPushButton* button, void (Tcheck_calib_std::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] { run_command([this, handler] { (this->*handler)(); }); });
}

int Tcheck_calib_std::item_index() const { return items_->checkedId(); }

void Tcheck_calib_std::set_item_index(int item) {
    if (item >= 0) {
        items_->button(item)->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; it lets go only while not exclusive.
    items_->setExclusive(false);
    for (QAbstractButton* b : items_->buttons()) b->setChecked(false);
    items_->setExclusive(true);
}

void Tcheck_calib_std::show_check_file_names() {
    Edit1->setText(q(method_data.library_ini_path));
    Edit2->setText(q(method_data.surrogate_file_path));
    Edit3->setText(q(to_upper(calibration_data.calibration_file_name)));
    Edit4->setText(q(check_state.check_data_file));
    Edit_LibFIleNameCheck->setText(q(folder_settings.slot[kLibraryTextFileSlot]));
    Edit_LibFIleNameCheck->show();
    lblFileNameCheck->show();
}

void Tcheck_calib_std::showEvent(QShowEvent* event) {
    TaskWindow::showEvent(event);
    if (!placed_) {
        centre_on_screen();
        placed_ = true;
    }
    FormShow();
}

void Tcheck_calib_std::FormShow() {
    Print->setVisible(main_flags.PrinterSelected != 0);
    const bool one_variable = method_data.variable_mode.one_variable_mode != 0;
    if (one_variable) {
        EditChkVarLabel->setText(q(method_data.variable_mode.single_variable_label));
        EditChkVarMode->setText(q(method_data.variable_mode.transform_text));
    }
    EditChkVarLabel->setVisible(one_variable);
    EditChkVarMode->setVisible(one_variable);
}

void Tcheck_calib_std::ConcGroupCheckClick() {
    if (item_index() >= 0 && item_index() < kDilutionItem) Edit_dilfactorCheck->clear();
}

void Tcheck_calib_std::Edit_dilfactorCheckChange() {
    if (!Edit_dilfactorCheck->text().isEmpty()) set_item_index(kDilutionItem);
}

CheckLevelEntry Tcheck_calib_std::read_entry() const {
    return CheckLevelEntry{item_index(), Edit_dilfactorCheck->text().toStdString()};
}

std::optional<CheckLevel> Tcheck_calib_std::evaluate(CheckLevelEntry& entry) {
    const bool accepted = check_level_entry(entry);
    Edit_dilfactorCheck->setText(q(entry.dilution_text));
    if (!accepted) return std::nullopt;
    const CheckLevel level = check_level_of(entry);
    if (evaluate_check_standard() == CheckEvaluation::NotRead) return std::nullopt;
    return level;
}

void Tcheck_calib_std::check_calib_reviewClick() {
    CheckLevelEntry entry = read_entry();
    const std::optional<CheckLevel> level = evaluate(entry);
    if (!level) return;
    check_calib_review_form->start(*level);
    check_calib_review_form->show_from(this);
}

bool Tcheck_calib_std::save_file() {
    CheckLevelEntry entry = read_entry();
    const std::optional<CheckLevel> level = evaluate(entry);
    // Only a report that was written counts as saved: Exit asks again otherwise.
    return level && save_check_report(*level);
}

void Tcheck_calib_std::Button_SaveClick() { save_file(); }

void Tcheck_calib_std::PrintClick() {
    CheckLevelEntry entry = read_entry();
    if (entry.item < 0) {
        show_message("Please Enter Concentration of Check Standard", "Pick a Concentration");
        return;
    }
    // The printout takes the same level checks as the review: an empty or malformed
    // dilution factor would print every amount as 0.
    const std::optional<CheckLevel> level = evaluate(entry);
    if (level) write_and_print_check_calibration(*level);
}

void Tcheck_calib_std::Button3Click() {
    if (!check_state.check_started &&
        ui().message("Save the electronic report file?", "Save Electronic report file", Buttons::YesNo,
                     Icon::Question) == Answer::Yes &&
        !save_file())
        return;  // the report could not be saved: the analyst stays to mend the entry
    return_to_opener();
    set_item_index(-1);
    Edit_dilfactorCheck->clear();
    delete_check_results_file();
}

// The close box is Exit: it asks about the unsaved report, deletes the check's results
// file and clears the level for the next check. Exit itself hides the window, or keeps it
// when the report it was asked to save could not be written.
void Tcheck_calib_std::Button_HelpClick() { ui().show_help(kCheckEntryHelpButtonContext); }

void Tcheck_calib_std::Button1Click() {
    if (!choose_printer_command()) return;
    Print->setVisible(true);
}
