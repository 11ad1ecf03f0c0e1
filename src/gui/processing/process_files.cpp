#include "processing/process_files.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

#include "app/main_window.h"
#include "methoddata/calibration_data.h"
#include "program/main_commands.h"
#include "menu/main_menu.h"
#include "samples/process_files_data.h"
#include "methoddata/tables.h"
#include "platform/command_guard.h"
#include "platform/controls.h"
#include "platform/number_text.h"
#include "platform/steady_layout.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"
#include "processing/calc_limits.h"
#include "processing/calib_limits.h"
#include "processing/group_limits.h"
#include "processing/process_input.h"
#include "processing/report_summary.h"
#include "processing/sample_list.h"
#include "run/processing_run.h"

Tprocess_files* process_files = nullptr;

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

QAction* make_action(QWidget* parent, const char* name, const char* caption, bool checkable) {
    auto* a = new QAction(caption, parent);
    a->setObjectName(name);
    a->setCheckable(checkable);
    return a;
}

}  // namespace

Tprocess_files::Tprocess_files() : TaskWindow("Process Files") {
    setObjectName("process_files");

    DirListBox = new QListWidget(this);
    DirListBox->setObjectName("DirListBox");
    add_samp_file = make_button(this, "add_samp_file", "Add File",
                                "Select a data file to quantitate\nAdd up to 24 data files for processing");
    delete_sample_file_Button = make_button(this, "delete_sample_file_Button", "Delete File",
                                            "Delete the selected data file in the Data Directory box");
    process_samp = make_button(
        this, "process_samp", "Process",
        "Process and print the quantitation results"
        "\nAn electronic surrogate file named SampleName_CalibrationFileName.txt and"
        "\na Quantitation file SampleName_CalibrationFileNameQC.txt is generated as default"
        "\nSee main menu->Settings for reporting options");
    Button2 = make_button(this, "Button2", "Clear", "Removes all files from list");
    process_exit = make_button(this, "process_exit", "Exit", "Exit and return to the main menu");
    close_box_runs(process_exit);
    Edit_samp_calfile = make_coloured_box(this, "Edit_samp_calfile", "lightgray");
    EditVarMode = make_coloured_box(this, "EditVarMode", "yellow");
    EditVarLabel = make_coloured_box(this, "EditVarLabel", "yellow");
    RadioButton1 = new QRadioButton("single reports", this);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton2 = new QRadioButton("batch report", this);
    RadioButton2->setObjectName("RadioButton2");
    RadioButton2->setChecked(true);
    // The single/batch choice shows only while printing is on (Clear sits right below Process).
    keep_room_when_hidden(RadioButton1);
    keep_room_when_hidden(RadioButton2);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label4 = new QLabel(this);
    Label4->setObjectName("Label4");
    Label5 = new QLabel("Group limits are off", this);
    Label5->setObjectName("Label5");

    auto* menu_bar = new QMenuBar(this);
    build_menu(menu_bar);

    auto* grid = new QGridLayout(this);
    grid->setMenuBar(menu_bar);
    grid->addWidget(new QLabel("Calibration File:", this), 0, 0, 1, 2);
    grid->addWidget(Edit_samp_calfile, 1, 0, 1, 2);
    grid->addWidget(EditVarMode, 2, 0);
    grid->addWidget(EditVarLabel, 2, 1);
    grid->addWidget(new QLabel("Data Directory", this), 3, 0, 1, 2);
    grid->addWidget(DirListBox, 4, 0, 6, 2);
    grid->addWidget(add_samp_file, 4, 2);
    grid->addWidget(delete_sample_file_Button, 5, 2);
    grid->addWidget(process_samp, 6, 2);
    grid->addWidget(Button2, 7, 2);
    grid->addWidget(process_exit, 8, 2);
    grid->addWidget(RadioButton1, 10, 0);
    grid->addWidget(RadioButton2, 10, 1);
    grid->addWidget(Label1, 11, 0, 1, 3);
    grid->addWidget(Label4, 12, 0, 1, 3);
    grid->addWidget(Label5, 13, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    resize(640, 460);

    connect_button(add_samp_file, &Tprocess_files::add_samp_fileClick);
    connect_button(delete_sample_file_Button, &Tprocess_files::delete_sample_file_ButtonClick);
    connect_button(process_samp, &Tprocess_files::process_sampClick);
    connect_button(Button2, &Tprocess_files::Button2Click);
    connect_button(process_exit, &Tprocess_files::process_exitClick);
    connect(DirListBox, &QListWidget::itemClicked, this, [this] { run_command([this] { DirListBoxClick(); }); });
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { run_command([this] { RadioButton1Click(); }); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { run_command([this] { RadioButton2Click(); }); });
    FormCreate();
}

void Tprocess_files::build_menu(QMenuBar* bar) {
    Printer1 = make_action(this, "Printer1", "Printer", false);
    TRQ1 = make_action(this, "TRQ1", "TRQForms Compatible", true);
    Printedpdf1 = make_action(this, "Printedpdf1", "Printed (pdf or paper)", true);
    DelimitedReports1 = make_action(this, "DelimitedReports1", "Delimited Reports", true);
    GroupSolutionLimits1 = make_action(this, "GroupSolutionLimits1", "Group Solution Limits", false);
    Calibration1 = make_action(this, "Calibration1", "Calibration", false);
    Help1 = make_action(this, "Help1", "Help", false);

    bar->addAction(Printer1);
    QMenu* reports = bar->addMenu("Reports");
    reports->addActions({TRQ1, Printedpdf1, DelimitedReports1});
    QMenu* limits = bar->addMenu("Limits");
    limits->addActions({GroupSolutionLimits1, Calibration1});
    bar->addAction(Help1);

    connect_action(Printer1, &Tprocess_files::Printer1Click);
    connect_action(TRQ1, &Tprocess_files::TRQ1Click);
    connect_action(Printedpdf1, &Tprocess_files::Printedpdf1Click);
    connect_action(DelimitedReports1, &Tprocess_files::DelimitedReports1Click);
    connect_action(GroupSolutionLimits1, &Tprocess_files::GroupSolutionLimits1Click);
    connect_action(Calibration1, &Tprocess_files::Calibration1Click);
    connect_action(Help1, &Tprocess_files::Help1Click);
}

void Tprocess_files::connect_button(QPushButton* button, void (Tprocess_files::*handler)()) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { run_command([this, handler] { (this->*handler)(); }); });
}

// The report items keep the check state their handlers give them, not the toggle of a click.
void Tprocess_files::connect_action(QAction* action, void (Tprocess_files::*handler)()) {
    connect(action, &QAction::triggered, this, [this, action, handler] {
        if (action->isCheckable()) action->setChecked(!action->isChecked());
        run_command([this, handler] { (this->*handler)(); });
    });
}

void Tprocess_files::FormCreate() {
    Printedpdf1->setChecked(false);
}

void Tprocess_files::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        // Centred when first opened; then where the analyst puts it, also when it shows
        // again after Sample Information or a limits window.
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen && !placed_) move(screen->availableGeometry().center() - rect().center());
        placed_ = true;
        run_command([this] { FormShow(); });
    }
    TaskWindow::showEvent(event);
}

void Tprocess_files::FormShow() {
    // The calibration the samples are processed against, named as the calibration holds it.
    Edit_samp_calfile->setText(q(to_upper(calibration_data.calibration_file_name)));
    show_sample_list();
    if (process_files_data.sample_info_index >= 1 &&
        process_files_data.sample_info_index <= DirListBox->count())
        DirListBox->setCurrentRow(process_files_data.sample_info_index - 1);
    const bool one_variable = method_data.variable_mode.one_variable_mode != 0;
    EditVarLabel->setText(q(method_data.variable_mode.single_variable_label));
    EditVarMode->setText(q(method_data.variable_mode.transform_text));
    EditVarLabel->setVisible(one_variable);
    EditVarMode->setVisible(one_variable);
    show_report_choices();
    const bool limits_on = calc_limits_data.group_limits_on == 1;
    Label4->setText(limits_on ? "Warning for internal standard limits is on" : "");
    Label4->setVisible(limits_on);
    if (MainMenuState* menu = main_menu_state()) {
        DelimitedReports1->setChecked(menu->item(MenuItem::Delimited1).checked);
        TRQ1->setChecked(menu->item(MenuItem::Semic1).checked);
    }
}

// The list leaves no sample chosen. Its rows are put in anew only when the list changed,
// and then in one step: the box lays every row out again after a change, and it is
// shown again after each Sample Information entry.
void Tprocess_files::show_sample_list() {
    QStringList paths;
    for (const std::string& path : listed_sample_files(process_files_data)) paths.append(q(path));
    bool same = DirListBox->count() == paths.size();
    for (int i = 0; same && i < paths.size(); ++i) same = DirListBox->item(i)->text() == paths[i];
    if (same) {
        DirListBox->selectionModel()->clear();  // as clear() leaves it
        return;
    }
    DirListBox->clear();
    DirListBox->addItems(paths);
}

// The single/batch choice shows only while printing is chosen, and shows the batch switch.
void Tprocess_files::show_report_choices() {
    const bool printing = Printedpdf1->isChecked();
    RadioButton1->setVisible(printing);
    RadioButton2->setVisible(printing);
    (main_flags.BatchReport == 1 ? RadioButton2 : RadioButton1)->setChecked(true);
    update_report_summary();
}

void Tprocess_files::update_report_summary() {
    Label1->setText(q(report_summary(main_flags.DelimitedReports == 1, main_flags.TrqFormsFormat == 1,
                                     Printedpdf1->isChecked())));
}

void Tprocess_files::add_samp_fileClick() {
    const int slot = add_sample_file(process_files_data);
    if (slot < 0) return;
    show_sample_list();
    process_input->open_for_sample(slot, this);
}

void Tprocess_files::delete_sample_file_ButtonClick() {
    const int i = DirListBox->currentRow();
    if (i < 0 || !DirListBox->currentItem()->isSelected()) return;
    delete_sample_file(process_files_data, i);
    show_sample_list();
}

void Tprocess_files::Button2Click() {
    clear_sample_list(process_files_data);
    show_sample_list();
}

void Tprocess_files::process_exitClick() {
    clear_sample_list(process_files_data);
    show_sample_list();
    return_to_opener();
    if (QWidget* main = main_window()) main->show();
}

void Tprocess_files::process_sampClick() {
    ProcessingOptions options;
    options.printed_reports = Printedpdf1->isChecked();
    options.batch_report = main_flags.BatchReport == 1;
    options.delimited_reports = main_flags.DelimitedReports == 1;
    try {
        run_processing(process_files_data, processing_steps(), options);
    } catch (...) {
        show_sample_list();
        throw;
    }
    show_sample_list();  // a model failure empties the list
}

void Tprocess_files::DirListBoxClick() {
    const int i = DirListBox->currentRow();
    if (i < 0 || i >= kSampleSlots) return;
    set_button_hint(DirListBox, q("sample Size = " +
                                  format_general(process_files_data.samples[i].settings.size)));
}

void Tprocess_files::RadioButton1Click() {
    set_batch_report(false);
    show_report_choices();
}

void Tprocess_files::RadioButton2Click() {
    set_batch_report(true);
    show_report_choices();
}

void Tprocess_files::Printer1Click() {
    choose_printer_command();
}

void Tprocess_files::Printedpdf1Click() {
    if (main_flags.PrinterSelected == 0) {
        show_message("Please select a printer and retry", "Error");
        return;
    }
    Printedpdf1->setChecked(!Printedpdf1->isChecked());
    set_batch_report(Printedpdf1->isChecked());
    show_report_choices();
}

void Tprocess_files::TRQ1Click() {
    MainMenuState& menu = *main_menu_state();
    set_forms_layout(menu, !menu.item(MenuItem::Semic1).checked);
    TRQ1->setChecked(menu.item(MenuItem::Semic1).checked);
    show_main_menu_state();
    update_report_summary();
}

void Tprocess_files::DelimitedReports1Click() {
    const bool checked = !DelimitedReports1->isChecked();
    set_delimited_reports(*main_menu_state(), checked);
    show_main_menu_state();
    DelimitedReports1->setChecked(checked);
    update_report_summary();
}

void Tprocess_files::GroupSolutionLimits1Click() { calc_limits->show_from(this); }

void Tprocess_files::Calibration1Click() { calib_limits->show_from(this); }

void Tprocess_files::Help1Click() { ui().show_help(kProcessFilesHelpContext); }
