#include "methoddata/edit_mdl_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>

#include "app/main_window.h"
#include "samples/lmt_printout.h"
#include "samples/process_files_data.h"
#include "samples/reporting_limits_reader.h"
#include "methoddata/reporting_limit_files.h"
#include "methoddata/tables.h"
#include "platform/button_hint.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/command_guard.h"
#include "platform/controls.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/steady_layout.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

TEdit_mdl_form* Edit_mdl_form = nullptr;

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }
std::string s(const QString& text) { return text.toStdString(); }

}  // namespace

TEdit_mdl_form::TEdit_mdl_form() : TaskWindow("Create/Edit LMT Files") {
    setObjectName("Edit_mdl_form");
    build_layout();
    connect_handlers();
    // FormCreate: the grid's columns and header cells.
    StringGrid1->setColumnWidth(0, 230);
    StringGrid1->setColumnWidth(1, 60);
    StringGrid1->setHorizontalHeaderLabels({"Compound", "Limit"});
}

void TEdit_mdl_form::build_layout() {
    Edit_libfile = make_edit(this, "Edit_libfile");
    Edit_libfile->setReadOnly(true);
    Edit_surrfile = make_edit(this, "Edit_surrfile");
    Button_surr_file = make_button(this, "Button_surr_file", "Browse For Internal Standard File Name",
                                   "Browse for an existing internal standard file name - Information only");
    Edit_mdl_form_sampsize = make_edit(this, "Edit_mdl_form_sampsize");
    Edit_matrix = make_edit(this, "Edit_matrix");
    Edit_mdl_comments = make_edit(this, "Edit_mdl_comments");
    Units_ComboBox = new QComboBox(this);
    Units_ComboBox->setObjectName("Units_ComboBox");
    Label_creation_date = new QLabel("Creation Date", this);
    Label_creation_date->setObjectName("Label_creation_date");
    Edit_date = make_edit(this, "Edit_date");
    Edit_date->setEnabled(false);
    // The creation date shows only once a file was saved or imported (Clear Limits would
    // otherwise slide under the place where Select Printer was).
    keep_room_when_hidden(Label_creation_date);
    keep_room_when_hidden(Edit_date);
    Button_open_mdl_file =
        make_button(this, "Button_open_mdl_file", "Import *.LMT File", "Import an existing *.LMT file");
    Edit_imported_mdl = make_edit(this, "Edit_imported_mdl");
    Edit_imported_mdl->setReadOnly(true);

    StringGrid1 = new QTableWidget(0, 2, this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(22);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    set_button_hint(StringGrid1, "Type reporting limit values");

    Edit_mdl_cnum = make_edit(this, "Edit_mdl_cnum");
    Button_previous = make_button(this, "Button_previous", "<-&Previous", "Previous compound");
    Button_next = make_button(this, "Button_next", "&Next->", "Next compound");
    Button_saveas = make_button(this, "Button_saveas", "&Save As", "Save reporting limit data to an LMT file");
    Button_print_mdl = make_button(this, "Button_print_mdl", "Print Limits",
                                   "Print compound names and respective reporting limits");
    Button_Reset_def_mdl =
        make_button(this, "Button_Reset_def_mdl", "Clear Limits", "Reset all limit values to zero");
    Button1 = make_button(this, "Button1", "Select Printer", nullptr);
    Button_exit = make_button(this, "Button_exit", "Exit", "Exit and return to the main menu");
    close_box_runs(Button_exit);
    Button_Help = make_button(this, "Button_Help", "Help", nullptr);
    EditVarMode = make_coloured_box(this, "EditVarMode", "yellow");
    EditVarLabel = make_coloured_box(this, "EditVarLabel", "yellow");

    auto* group = new QGroupBox("MDL File Group", this);
    auto* g = new QGridLayout(group);
    g->addWidget(new QLabel("Internal Standard File", group), 0, 0);
    g->addWidget(Edit_surrfile, 0, 1, 1, 2);
    g->addWidget(Button_surr_file, 1, 1, 1, 2);
    g->addWidget(new QLabel("Sample Size", group), 2, 0);
    g->addWidget(Edit_mdl_form_sampsize, 2, 1);
    g->addWidget(new QLabel("Matrix", group), 3, 0);
    g->addWidget(Edit_matrix, 3, 1);
    g->addWidget(new QLabel("Other", group), 4, 0);
    g->addWidget(Edit_mdl_comments, 4, 1, 1, 2);
    g->addWidget(new QLabel("Reporting Units", group), 5, 0);
    g->addWidget(Units_ComboBox, 5, 1);
    g->addWidget(Label_creation_date, 6, 0);
    g->addWidget(Edit_date, 6, 1);
    g->addWidget(Button_open_mdl_file, 7, 0);
    g->addWidget(Edit_imported_mdl, 7, 1, 1, 2);

    auto* nav = new QGridLayout;
    nav->addWidget(new QLabel("Compound", this), 0, 0);
    nav->addWidget(Edit_mdl_cnum, 0, 1);
    nav->addWidget(Button_previous, 1, 0);
    nav->addWidget(Button_next, 1, 1);
    int row = 2;
    for (QPushButton* b : {Button_saveas, Button_print_mdl, Button_Reset_def_mdl, Button1, Button_exit, Button_Help})
        nav->addWidget(b, row++, 0, 1, 2);
    nav->addWidget(EditVarMode, row, 0);
    nav->addWidget(EditVarLabel, row, 1);
    nav->setRowStretch(row + 1, 1);

    auto* top = new QGridLayout(this);
    top->addWidget(new QLabel("Library File: ", this), 0, 0);
    top->addWidget(Edit_libfile, 0, 1, 1, 2);
    top->addWidget(group, 1, 0, 1, 3);
    top->addWidget(StringGrid1, 2, 0, 1, 2);
    top->addLayout(nav, 2, 2);
    top->setColumnStretch(1, 1);
    top->setRowStretch(2, 1);
    resize(640, 720);
}

void TEdit_mdl_form::connect_handlers() {
    const struct {
        QPushButton* button;
        void (TEdit_mdl_form::*handler)();
    } buttons[] = {
        {Button_surr_file, &TEdit_mdl_form::Button_surr_fileClick},
        {Button_open_mdl_file, &TEdit_mdl_form::Button_open_mdl_fileClick},
        {Button_previous, &TEdit_mdl_form::Button_previousClick},
        {Button_next, &TEdit_mdl_form::Button_nextClick},
        {Button_saveas, &TEdit_mdl_form::Button_saveasClick},
        {Button_print_mdl, &TEdit_mdl_form::Button_print_mdlClick},
        {Button_Reset_def_mdl, &TEdit_mdl_form::Button_Reset_def_mdlClick},
        {Button1, &TEdit_mdl_form::Button1Click},
        {Button_exit, &TEdit_mdl_form::Button_exitClick},
        {Button_Help, &TEdit_mdl_form::Button_HelpClick},
    };
    for (const auto& b : buttons) {
        auto handler = b.handler;
        connect(b.button, &QPushButton::clicked, this, [this, handler] { run_command([this, handler] { (this->*handler)(); }); });
    }
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (row >= 0) run_command([this, row] { StringGrid1SelectCell(row); });
    });
    connect(StringGrid1, &QTableWidget::itemChanged, this, [this] {
        if (!filling_grid_) grid_modified_ = true;  // OnEditCell: the analyst typed a limit
    });
    connect(Edit_mdl_cnum, &QLineEdit::editingFinished, this, [this] { run_command([this] { Edit_mdl_cnumExit(); }); });
}

ReportingLimitSlot& TEdit_mdl_form::slot() const {
    return process_files_data.samples[lmt_editor_slot()].reporting_limits;
}

void TEdit_mdl_form::showEvent(QShowEvent* event) {
    TaskWindow::showEvent(event);
    if (!event->spontaneous()) run_command([this] { FormShow(); });
}

void TEdit_mdl_form::FormShow() {
    EditVarLabel->setText(q(method_data.variable_mode.single_variable_label));
    EditVarMode->setText(q(method_data.variable_mode.transform_text));
    EditVarLabel->setVisible(method_data.variable_mode.one_variable_mode != 0);
    EditVarMode->setVisible(method_data.variable_mode.one_variable_mode != 0);
    Edit_libfile->setText(q(to_upper(folder_settings.slot[kLibraryTextFileSlot])));
    Edit_surrfile->clear();
    fill_slot_from_library(slot());

    const std::vector<std::string> names = lmt_grid_names();
    lmt_row_count = static_cast<int>(names.size());
    filling_grid_ = true;
    StringGrid1->clearContents();
    StringGrid1->setRowCount(lmt_row_count);
    for (int r = 0; r < lmt_row_count; ++r) {
        auto* name = new QTableWidgetItem(q(names[r]));
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        StringGrid1->setItem(r, 0, name);
        StringGrid1->setItem(r, 1, new QTableWidgetItem("0"));
    }
    filling_grid_ = false;
    select_first_limit();

    Units_ComboBox->clear();
    for (const std::string& unit : reporting_units) Units_ComboBox->addItem(q(unit));
    Units_ComboBox->setCurrentIndex(0);
    Edit_mdl_cnum->setText("1");
    Edit_date->hide();
    Label_creation_date->hide();
    clear_modified();
}

void TEdit_mdl_form::empty_sample_entries() {
    Edit_mdl_form_sampsize->clear();
    Edit_matrix->clear();
    Edit_imported_mdl->clear();
}

void TEdit_mdl_form::select_first_limit() {
    lmt_current_row = 0;  // also when the grid's current cell does not change
    if (lmt_row_count > 0) StringGrid1->setCurrentCell(0, 1);
    StringGrid1->setFocus();
}

void TEdit_mdl_form::set_limit_cells(const std::vector<std::string>& texts) {
    filling_grid_ = true;
    for (int r = 0; r < lmt_row_count; ++r)
        StringGrid1->item(r, 1)->setText(r < static_cast<int>(texts.size()) ? q(texts[r]) : QString());
    filling_grid_ = false;
}

std::vector<LmtGridRow> TEdit_mdl_form::grid_rows() const {
    std::vector<LmtGridRow> rows;
    for (int r = 0; r < lmt_row_count; ++r)
        rows.push_back({s(StringGrid1->item(r, 0)->text()), s(StringGrid1->item(r, 1)->text())});
    return rows;
}

bool TEdit_mdl_form::any_modified() const {
    return grid_modified_ || Edit_surrfile->isModified() || Edit_matrix->isModified() ||
           Edit_mdl_form_sampsize->isModified() || Edit_mdl_comments->isModified();
}

void TEdit_mdl_form::clear_modified() {
    grid_modified_ = false;
    for (QLineEdit* e : {Edit_surrfile, Edit_matrix, Edit_mdl_form_sampsize, Edit_mdl_comments}) e->setModified(false);
}

// Navigation.

// Only the "Limit" cells are editable, so selecting a name cell switches typing off.
void TEdit_mdl_form::StringGrid1SelectCell(int row) {
    lmt_current_row = row;
    Edit_mdl_cnum->setText(QString::number(row + 1));
}

void TEdit_mdl_form::Button_nextClick() {
    if (lmt_current_row < lmt_row_count - 1) StringGrid1->setCurrentCell(lmt_current_row + 1, StringGrid1->currentColumn());
    Edit_mdl_cnum->setText(QString::number(lmt_current_row + 1));
}

void TEdit_mdl_form::Button_previousClick() {
    if (lmt_current_row > 0) StringGrid1->setCurrentCell(lmt_current_row - 1, StringGrid1->currentColumn());
    Edit_mdl_cnum->setText(QString::number(lmt_current_row + 1));
}

void TEdit_mdl_form::Edit_mdl_cnumExit() {
    std::optional<int> row = lmt_row_from_number_text(s(Edit_mdl_cnum->text()), lmt_current_row, lmt_row_count);
    if (!row) return;  // the message is shown
    lmt_current_row = *row;
    if (lmt_row_count > 0) StringGrid1->setCurrentCell(lmt_current_row, 1);
    StringGrid1->setFocus();
    Edit_mdl_cnum->setText(QString::number(lmt_current_row + 1));
}

// Files.

void TEdit_mdl_form::Button_saveasClick() {
    LmtEntryCheck check = check_lmt_entries(s(Edit_surrfile->text()), s(Edit_mdl_form_sampsize->text()),
                                            s(Edit_matrix->text()));
    if (!check.ok) {
        if (check.focus == LmtEntryBox::InternalStandardFile) Edit_surrfile->setFocus();
        if (check.focus == LmtEntryBox::SampleSize) Edit_mdl_form_sampsize->setFocus();
        if (check.focus == LmtEntryBox::Matrix) Edit_matrix->setFocus();
        return;
    }
    // A limit that is not a number refuses the save before anything (the file name box,
    // the date, the limits) changes.
    if (!check_grid_limits(grid_rows(), false)) return;
    std::optional<std::string> path = choose_lmt_save_path();
    if (!path) return;
    if (!store_grid_limits(grid_rows(), slot(), false)) return;
    // The file name box, the path and the date name the file written: a save refused at
    // the internal-standard question or by the write leaves them naming the file before.
    if (!confirm_lmt_internal_standard_file(s(Edit_surrfile->text()))) return;
    if (!write_lmt_file(*path)) return;
    Edit_date->show();
    Label_creation_date->show();
    Edit_date->setText(q(format_short_date_long_time(clock_source().now())));
    set_lmt_file_in_use(*path);
    Edit_imported_mdl->setText(q(*path));
    clear_modified();
}

bool TEdit_mdl_form::write_lmt_file(const std::string& path) {
    LmtHeader header;
    header.creation_date = format_date_time(clock_source().now());
    header.internal_standard_file = s(Edit_surrfile->text());
    header.size = lmt_sample_size(s(Edit_mdl_form_sampsize->text()));
    header.matrix = s(Edit_matrix->text());
    header.unit = s(Units_ComboBox->currentText());
    header.comment = s(Edit_mdl_comments->text());
    return ::write_lmt_file(path, header, folder_settings.slot[kLibraryTextFileSlot], slot());
}

void TEdit_mdl_form::Button_open_mdl_fileClick() {
    FileDialogRequest request;
    request.title = "Open";
    request.start_folder = folder_settings.slot[kMdlPathSlot];
    request.filter = lmt_file_filter;
    std::optional<std::string> chosen = ui().open_file(request);
    if (!chosen) return;
    // A file the reader refuses is not the file of the limits shown: the path and the box
    // keep naming the one they came from.
    const int answer = read_reporting_limits_file(*chosen, lmt_editor_slot());
    if (answer == 0) return;  // the reader has said why
    if (answer >= 2) {
        show_lmt_mismatch(answer);
        return;
    }
    set_lmt_file_in_use(*chosen);
    Edit_imported_mdl->setText(q(*chosen));
    set_limit_cells(lmt_grid_limit_texts(slot()));
    select_first_limit();
    const LmtHeader& header = reporting_limit_files.lmt_header;
    const int unit = lmt_file_unit_index(header.unit);
    if (unit < 0) return;  // the message is shown
    Units_ComboBox->setCurrentIndex(unit);
    // A file without a size gives none: its marker is no size.
    Edit_mdl_form_sampsize->setText(is_not_set(header.size) ? QString() : q(sample_size_text(header.size)));
    Edit_matrix->setText(q(header.matrix));
    Edit_surrfile->setText(q(without_line_end(header.internal_standard_file)));
    Edit_date->setText(q(without_line_end(header.creation_date)));
    Edit_date->show();
    Label_creation_date->show();
    Edit_mdl_comments->setText(q(without_line_end(header.comment)));
    remember_lmt_folder(*chosen);
}

void TEdit_mdl_form::Button_surr_fileClick() {
    FileDialogRequest request;
    request.title = "Open";
    request.start_folder = folder_settings.slot[kSurrogatePathSlot];
    request.filter = "Internal standard files (*.ini)|*.ini";
    if (std::optional<std::string> chosen = ui().open_file(request)) Edit_surrfile->setText(q(*chosen));
}

// Limits.

void TEdit_mdl_form::Button_Reset_def_mdlClick() {
    set_limit_cells(std::vector<std::string>(lmt_row_count, "0"));
    select_first_limit();
    Edit_mdl_cnum->setText("1");
    clear_all_reporting_limits();
}

void TEdit_mdl_form::Button_print_mdlClick() {
    if (!store_grid_limits(grid_rows(), slot(), true)) return;
    fill_slot_from_library(slot());
    std::unique_ptr<Canvas> canvas = ui().current_printer("Reporting Limit Report");
    if (!canvas) return;
    const LmtPrintFields fields{s(Edit_imported_mdl->text()), folder_settings.slot[kLibraryTextFileSlot],
                                s(Edit_surrfile->text()),     s(Edit_mdl_form_sampsize->text()),
                                s(Edit_matrix->text()),       s(Edit_mdl_comments->text()),
                                s(Units_ComboBox->currentText())};
    print_limits(*canvas, fields, slot());
}

// Leaving.

void TEdit_mdl_form::Button_exitClick() {
    if (any_modified()) {
        if (ui().message("Would you like to save any changes?", "Warning", Buttons::YesNo, Icon::Question) ==
            Answer::Yes)
            return;
        clear_modified();
    }
    hide();
    main_window()->show();
}

void TEdit_mdl_form::Button1Click() { ui().choose_printer(); }

void TEdit_mdl_form::Button_HelpClick() { ui().show_help(kLmtEditorHelpContext); }
