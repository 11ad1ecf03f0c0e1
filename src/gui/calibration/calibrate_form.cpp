#include "calibration/calibrate_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/main_window.h"
#include "calibration/calibration_build.h"
#include "calibration/calibration_commands.h"
#include "calibration/calibration_file.h"
#include "calibration/calibration_log.h"
#include "calibration/identify_std_level.h"
#include "calibration/results_file.h"
#include "calibration/revu_calib_form.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/settings_file.h"
#include "program/main_commands.h"
#include "methoddata/tables.h"
#include "platform/command_guard.h"
#include "platform/controls.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"
#include "processing/sample_list.h"

TCalibrate_form* Calibrate_form = nullptr;

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TCalibrate_form::TCalibrate_form() : TaskWindow("Create Calibration File") {
    setObjectName("Calibrate_form");

    EditCmpndLib = make_coloured_box(this, "EditCmpndLib", "lightgray");
    EditSurrLib = make_coloured_box(this, "EditSurrLib", "lightgray");
    DirListBox = new QListWidget(this);
    DirListBox->setObjectName("DirListBox");
    ConcListBox = new QListWidget(this);
    ConcListBox->setObjectName("ConcListBox");
    EditSurrRef = make_coloured_box(this, "EditSurrRef", "white");
    EditSurrRef->installEventFilter(this);
    EditVarMode = make_coloured_box(this, "EditVarMode", "yellow");
    EditVarLabel = make_coloured_box(this, "EditVarLabel", "yellow");

    Add = make_button(this, "Add", "Add Standard", "Select a standard data file to calibrate");
    add_reference_button = make_button(this, "add_reference_button", "Add  Reference File",
                                       "Select the surrogate reference data file");
    Delete = make_button(this, "Delete", "Delete",
                         "Delete the selected data file in the Data Directory box");
    SaveCalib = make_button(this, "SaveCalib", "Save",
                            "Save the calibration results, once data files have been selected.");
    ReviewCalib = make_button(this, "ReviewCalib", "Review",
                              "Review the calibration results. You will not be returned to this "
                              "screen after the Review.");
    PrintCalib = make_button(
        this, "PrintCalib", "Print",
        "Print the calibration results and the corresponding Internal standard reports, once "
        "data files have been selected");
    Button1 = make_button(this, "Button1", "Select Printer", nullptr);
    ExitClick = make_button(this, "ExitClick", "Exit", "Exit and return to the main menu");
    close_box_runs(ExitClick);
    Button_Help = make_button(this, "Button_Help", "Help", "Access Method 5847 help");
    calib_surr_report_check = new QCheckBox("DO NOT print Surrogate report", this);
    calib_surr_report_check->setObjectName("calib_surr_report_check");
    set_button_hint(calib_surr_report_check,
                    "Click the check box, if you wish to print only the calibration results");
    calib_surr_report_check->hide();

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Library", this), 0, 0);
    grid->addWidget(EditCmpndLib, 0, 1, 1, 3);
    grid->addWidget(new QLabel("Internal Standard File", this), 1, 0);
    grid->addWidget(EditSurrLib, 1, 1, 1, 3);
    grid->addWidget(EditVarMode, 2, 1);
    grid->addWidget(EditVarLabel, 2, 2);
    grid->addWidget(new QLabel("Data Directory", this), 3, 0, 1, 2);
    grid->addWidget(new QLabel("Concentration", this), 3, 2);
    grid->addWidget(DirListBox, 4, 0, 1, 2);
    grid->addWidget(ConcListBox, 4, 2);
    grid->addWidget(new QLabel("Reference File:", this), 5, 0);
    grid->addWidget(EditSurrRef, 5, 1, 1, 2);
    grid->addWidget(Add, 0, 4);
    grid->addWidget(add_reference_button, 1, 4);
    grid->addWidget(Delete, 2, 4);
    grid->addWidget(SaveCalib, 3, 4);
    grid->addWidget(ReviewCalib, 4, 4, Qt::AlignTop);
    grid->addWidget(PrintCalib, 5, 4);
    grid->addWidget(Button1, 6, 4);
    grid->addWidget(ExitClick, 7, 4);
    grid->addWidget(Button_Help, 8, 4);
    grid->addWidget(calib_surr_report_check, 6, 0, 1, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 1);
    resize(760, 420);

    connect_button(Add, &TCalibrate_form::AddClick);
    connect_button(add_reference_button, &TCalibrate_form::EditSurrRefClick);
    connect_button(Delete, &TCalibrate_form::DeleteClick);
    connect_button(ExitClick, &TCalibrate_form::ExitClickClick);
    connect_button(Button1, &TCalibrate_form::Button1Click);
    connect_button(Button_Help, &TCalibrate_form::Button_HelpClick);
    // Save, Review and Print start through the same preparation.
    for (const auto& button :
         {std::pair{SaveCalib, PendingButton::Save}, std::pair{ReviewCalib, PendingButton::Review},
          std::pair{PrintCalib, PendingButton::Print}}) {
        const PendingButton pending = button.second;  // a plain variable: lambdas capture it everywhere
        connect(button.first, &QPushButton::clicked, this,
                [this, pending] { run_command([this, pending] { PrepareResults(pending); }); });
    }
    connect(DirListBox, &QListWidget::itemClicked, this, [this] { DirListBoxClick(); });
    connect(ConcListBox, &QListWidget::itemClicked, this, [this] { ConcListBoxClick(); });
    FormCreate();
}

void TCalibrate_form::connect_button(QPushButton* button, void (TCalibrate_form::*handler)()) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { run_command([this, handler] { (this->*handler)(); }); });
}

void TCalibrate_form::FormCreate() {
    clear_first_pass_points();
    start_standard_list();
    pending_ = PendingButton::None;
}

std::vector<std::string> TCalibrate_form::listed_files() const {
    std::vector<std::string> out;
    for (int i = 0; i < DirListBox->count(); ++i)
        out.push_back(DirListBox->item(i)->text().toStdString());
    return out;
}

std::vector<std::string> TCalibrate_form::listed_labels() const {
    std::vector<std::string> out;
    for (int i = 0; i < ConcListBox->count(); ++i)
        out.push_back(ConcListBox->item(i)->text().toStdString());
    return out;
}

void TCalibrate_form::clear_files() {
    DirListBox->clear();
    ConcListBox->clear();
    EditSurrRef->clear();
}

// Clicking the reference box chooses the reference file, as its button does.
bool TCalibrate_form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EditSurrRef && event->type() == QEvent::MouseButtonRelease)
        run_command([this] { EditSurrRefClick(); });
    return TaskWindow::eventFilter(watched, event);
}

std::optional<std::string> TCalibrate_form::choose_data_file() {
    FileDialogRequest request;
    request.title = "Open";
    request.filter = sample_file_filter;
    request.default_extension = "*.*";
    request.start_folder = folder_settings.slot[kDataPathSlot];
    return ui().open_file(request);
}

bool TCalibrate_form::convert_data_file(const std::string& path, const std::string& results) {
    if (!convert_quant_file(path, results)) return false;
    made_results_files_.add(results);
    return true;
}

// The level dialog over this window; false when it was closed without a label.
bool TCalibrate_form::ask_level_label() { return identify_std_level->exec() == QDialog::Accepted; }

void TCalibrate_form::AddClick() {
    if (calibration_data.standard_count >= kMaxStandards) {
        Refusal r = standard_limit_refusal();
        show_message(r.text, r.caption);
        return;
    }
    auto path = choose_data_file();
    if (!path) return;
    const std::vector<std::string> listed = listed_and_reference_files();
    if (auto refusal = shared_results_file_refusal(*path, listed)) {
        show_message(refusal->text, refusal->caption);
        return;
    }
    const std::string folder = folder_of(*path);
    const std::string results = listed_results_ini(*path);
    // The results file of a file listed already belongs to that standard: it is never
    // deleted here, and a refused conversion leaves it as it was.
    const bool listed_before = results_file_listed(*path, listed);
    if (!listed_before && file_exists(results)) remove_file(results);
    if (!convert_data_file(*path, results)) return;
    remember_data_folder(folder);

    DirListBox->addItem(q(*path));
    ConcListBox->clearSelection();
    // A standard is listed only with its label: without one it could never be saved,
    // and the labels of the files after it would slide onto the wrong files.
    if (!ask_level_label()) {
        delete DirListBox->takeItem(DirListBox->count() - 1);
        if (!listed_before) remove_file(results);
        return;
    }
    count_added_standard();
}

std::vector<std::string> TCalibrate_form::listed_and_reference_files() const {
    std::vector<std::string> files = listed_files();
    const std::string reference = trim(EditSurrRef->text().toStdString());
    if (!reference.empty()) files.push_back(reference);
    return files;
}

void TCalibrate_form::EditSurrRefClick() {
    DirListBox->clearSelection();
    ConcListBox->clearSelection();
    auto path = choose_data_file();
    if (!path) return;
    if (auto refusal = shared_results_file_refusal(*path, listed_files())) {
        show_message(refusal->text, refusal->caption);
        return;
    }
    if (!convert_data_file(*path, listed_results_ini(*path))) return;
    write_file_setting("dataPath", folder_settings.slot[kDataPathSlot]);
    EditSurrRef->setText(q(*path));
    choose_reference_file(*path);
}

void TCalibrate_form::DirListBoxClick() { ConcListBox->clearSelection(); }
void TCalibrate_form::ConcListBoxClick() { DirListBox->clearSelection(); }

void TCalibrate_form::DeleteClick() {
    const std::vector<std::string> labels = listed_labels();
    const QList<QListWidgetItem*> files = DirListBox->selectedItems();
    if (!files.isEmpty()) {
        const int i = DirListBox->row(files.front());
        remove_calibration_standard(i, labels);
        delete DirListBox->takeItem(i);
        if (i < ConcListBox->count()) delete ConcListBox->takeItem(i);
    }
    if (!ConcListBox->selectedItems().isEmpty()) {
        hide();
        ask_level_label();
        show();
    }
}

void TCalibrate_form::store_level_label(const std::string& label) {
    const QList<QListWidgetItem*> selected = ConcListBox->selectedItems();
    if (selected.isEmpty()) {
        ConcListBox->addItem(q(label));
        return;
    }
    selected.front()->setText(q(label));
}

void TCalibrate_form::PrepareResults(PendingButton button) {
    pending_ = PendingButton::None;
    start_calibration_build(DirListBox->count());
    revu_calib_form->lay_out_level_columns(calibration_data.standard_count);
    if (calibration_data.standard_count == 0) return;
    pending_ = button;
    ResultsFile();
}

// Runs the command of the pressed button. Every standard's results file was made when
// the standard was added, so none has to be waited for.
void TCalibrate_form::ResultsFile() {
    const PendingButton button = pending_;
    pending_ = PendingButton::None;
    switch (button) {
        case PendingButton::Review:
            ReviewCalibClick();
            break;
        case PendingButton::Print:
            PrintCalibClick();
            break;
        default:
            SaveCalibClick();
            break;
    }
}

// The first steps that Save, Review and Print share: an empty log, and the files the
// build needs. False when the command stops.
bool TCalibrate_form::check_files() {
    clear_calibration_log();
    if (auto refusal = check_calibration_files(listed_files(), listed_labels(),
                                               EditSurrRef->text().toStdString())) {
        show_message(refusal->text, refusal->caption);
        return false;
    }
    return true;
}

// The rest: fill the tables, build, and announce a log of suspicious values. False when
// the command stops.
bool TCalibrate_form::build(bool review) {
    prepare_standard_tables(listed_files(), listed_labels(), review);
    bool built = false;
    {
        BusyCursor busy;  // the hourglass while the models run, not over the dialogs
        built = build_calibration(calibration_data.standard_results_ini, calibration_data.standard_count,
                                  EditSurrRef->text().toStdString());
    }
    if (!built) {
        main_window()->show();
        hide();
        return false;
    }
    if (calibration_log.log_flag) {
        write_calibration_log();
        if (ui().message(proceed_question(), "Warning", Buttons::YesNo, Icon::Warning) !=
            Answer::Yes)
            return false;
    }
    return true;
}

void TCalibrate_form::SaveCalibClick() {
    if (!check_files()) return;
    // Refused before the analyst names a file the calibration could never be read from.
    if (auto refusal = calibration_path_refusal(listed_files())) {
        show_message(refusal->text, refusal->caption);
        return;
    }
    auto path = choose_calibration_save_path();
    if (!path || !build(false)) return;
    save_new_calibration(*path);
}

void TCalibrate_form::ReviewCalibClick() {
    if (!check_files() || !build(true)) return;
    hide();
    revu_calib_form->show_calibration_compound(0);
    revu_calib_form->show_from(main_window());  // the review returns to the main window
}

void TCalibrate_form::PrintCalibClick() {
    revu_calib_form->reset_calibration_review();
    if (!check_files() || !build(false)) return;
    print_new_calibration();
}

void TCalibrate_form::ExitClickClick() {
    exit_calibration_window(made_results_files_);
    hide();
    main_window()->show();
}

void TCalibrate_form::Button1Click() {
    if (!choose_printer_command()) return;
    PrintCalib->setVisible(true);
}

void TCalibrate_form::Button_HelpClick() { ui().show_help(kCalibrationHelpContext); }

void TCalibrate_form::showEvent(QShowEvent* event) {
    TaskWindow::showEvent(event);
    OnShow();
}

void TCalibrate_form::OnShow() {
    PrintCalib->setVisible(main_flags.PrinterSelected == 1);
    EditCmpndLib->setText(q(to_upper(folder_settings.slot[kLibraryTextFileSlot])));
    tidy_surrogate_file_path();
    EditSurrLib->setText(q(method_data.surrogate_file_path));
    EditVarLabel->setText(q(method_data.variable_mode.single_variable_label));
    EditVarMode->setText(q(method_data.variable_mode.transform_text));
    EditVarLabel->setVisible(method_data.variable_mode.one_variable_mode != 0);
    EditVarMode->setVisible(method_data.variable_mode.one_variable_mode != 0);
    clear_first_pass_points();
}
