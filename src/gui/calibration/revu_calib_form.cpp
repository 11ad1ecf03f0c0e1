#include "calibration/revu_calib_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "calibration/calibration_commands.h"
#include "calibration/calibration_report.h"
#include "calibration/calibration_review.h"
#include "methoddata/tables.h"
#include "methoddata/calibration_data.h"
#include "platform/command_guard.h"
#include "platform/controls.h"
#include "platform/paths.h"
#include "platform/ui_services.h"

Trevu_calib_form* revu_calib_form = nullptr;

namespace {

constexpr int kCellWidth = 84;

QString q(const std::string& text) { return QString::fromStdString(text); }

QLineEdit* make_cell(QWidget* parent, const QString& name, int width = kCellWidth) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    if (width > 0) e->setFixedWidth(width);
    return e;
}

// A narrow box shows the file's own name, not the front of its folder; the whole path is
// its tip.
void show_file_name(QLineEdit* box, const std::string& path) {
    box->setText(q(file_name_of(path)));
    box->setCursorPosition(box->text().size());
    box->setToolTip(q(path));
}

QString numbered(const char* stem, int level) { return QString("%1%2").arg(stem).arg(level); }

}  // namespace

Trevu_calib_form::Trevu_calib_form() : TaskWindow("Edit Calibration") {
    setObjectName("revu_calib_form");
    build_controls();
    connect_controls();
    FormCreate();
}

void Trevu_calib_form::build_controls() {
    Edit_recnum = new QLineEdit(this);
    Edit_recnum->setObjectName("Edit_recnum");
    Edit_recnum->setFixedWidth(60);
    Edit_cmpndname = make_cell(this, "Edit_cmpndname", 260);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setMinimumWidth(200);
    Button_previous = make_button(this, "Button_previous", "<-&Previous", "Previous compound");
    Button_next = make_button(this, "Button_next", "&Next->", "Next compound");
    EditVarMode = make_coloured_box(this, "EditVarMode", "yellow");
    EditVarLabel = make_coloured_box(this, "EditVarLabel", "yellow");
    for (QLineEdit* e : {EditVarMode, EditVarLabel}) e->setFixedWidth(70);
    lblLibFileName = new QLabel("Library File:", this);
    lblLibFileName->setObjectName("lblLibFileName");
    Edit_LibFileName = make_cell(this, "Edit_LibFileName", 0);
    Edit_surrfile = make_cell(this, "Edit_surrfile", 0);
    Edit_ref_file = make_cell(this, "Edit_ref_file", 0);
    Edit_calfile = make_cell(this, "Edit_calfile", 0);

    auto* top = new QGridLayout;
    top->addWidget(new QLabel("Compound Number:", this), 0, 0);
    top->addWidget(Edit_recnum, 0, 1, Qt::AlignLeft);
    top->addWidget(Button_previous, 0, 2);
    top->addWidget(Button_next, 0, 3);
    top->addWidget(EditVarMode, 0, 4);
    top->addWidget(EditVarLabel, 0, 5);
    top->addWidget(new QLabel("Compound:", this), 1, 0);
    top->addWidget(Edit_cmpndname, 1, 1, 1, 5, Qt::AlignLeft);
    top->addWidget(lblLibFileName, 2, 0);
    top->addWidget(Edit_LibFileName, 2, 1, 1, 5);
    top->addWidget(new QLabel("Surrogate File:", this), 3, 0);
    top->addWidget(Edit_surrfile, 3, 1, 1, 5);
    top->addWidget(new QLabel("Reference file", this), 4, 0);
    top->addWidget(Edit_ref_file, 4, 1, 1, 5);
    top->addWidget(new QLabel("Calibration File:", this), 5, 0);
    top->addWidget(Edit_calfile, 5, 1, 1, 5);
    top->setColumnStretch(6, 1);

    auto* levels = new QGridLayout;
    const char* rows[] = {"Standard File Name", "Amount", "Recoveries (%)", "Recovery (Dev.)", "Area",
                          "Response Factors", "Response Factor(Dev.)", "Standard Included"};
    for (int r = 0; r < 8; ++r) levels->addWidget(new QLabel(rows[r], this), r + 1, 0);
    for (int k = 0; k < kMaxLevels; ++k) {
        const int level = k + 1, col = k + 1;
        Std[k] = new QLabel(numbered("Std", level), this);
        Std[k]->setObjectName(numbered("Std", level));
        Edit_f[k] = make_cell(this, numbered("Edit_f", level));
        Edit_conc_std[k] = make_cell(this, numbered("Edit_conc_std", level));
        Edit_rec_std[k] = make_cell(this, numbered("Edit_rec_std", level));
        Edit_dev_std[k] = make_cell(this, numbered("Edit_dev_std", level));
        Edit_area_std[k] = make_cell(this, numbered("Edit_area_std", level));
        Edit_rspf_std[k] = make_cell(this, numbered("Edit_rspf_std", level));
        Edit_respfdev_std[k] = make_cell(this, numbered("Edit_respfdev_std", level));
        Check_std[k] = new QCheckBox(this);
        Check_std[k]->setObjectName(numbered("Check_std", level));
        levels->addWidget(Std[k], 0, col, Qt::AlignHCenter);
        int r = 1;
        for (QWidget* w : {static_cast<QWidget*>(Edit_f[k]), static_cast<QWidget*>(Edit_conc_std[k]),
                           static_cast<QWidget*>(Edit_rec_std[k]), static_cast<QWidget*>(Edit_dev_std[k]),
                           static_cast<QWidget*>(Edit_area_std[k]), static_cast<QWidget*>(Edit_rspf_std[k]),
                           static_cast<QWidget*>(Edit_respfdev_std[k])})
            levels->addWidget(w, r++, col);
        levels->addWidget(Check_std[k], r, col, Qt::AlignHCenter);
    }

    Edit_std_levels = make_cell(this, "Edit_std_levels", 0);
    Edit_avg = make_cell(this, "Edit_avg");
    Edit_deviation = make_cell(this, "Edit_deviation");
    Edit_pcnt_dev = make_cell(this, "Edit_pcnt_dev");
    auto* curve = new QGridLayout;
    curve->addWidget(new QLabel("Curve response factors", this), 1, 0);
    const std::pair<const char*, QLineEdit*> statistics[] = {
        {"Standard Levels", Edit_std_levels}, {"Average", Edit_avg}, {"Deviation", Edit_deviation},
        {"% Deviation", Edit_pcnt_dev}};
    int col = 1;
    for (const auto& [caption, edit] : statistics) {
        curve->addWidget(new QLabel(caption, this), 0, col);
        curve->addWidget(edit, 1, col++);
    }
    curve->setColumnStretch(1, 1);

    Button_print = make_button(this, "Button_print", "Print", "Print the calibration results");
    Button1 = make_button(this, "Button1", "Select Printer", nullptr);
    Button_save_as = make_button(this, "Button_save_as", "Save As/Exit",
                                 "Save the calibration with these standard selections under a new name and return to "
                                 "the main menu");
    Button_exit = make_button(this, "Button_exit", "Exit/don't save changes", "Exit and return to the main menu");
    Button_Help = make_button(this, "Button_Help", "Help", "Access Method 5847 help");
    IncludeSurr_check = new QCheckBox("DO NOT Include Surrogate information on Calibration report", this);
    IncludeSurr_check->setObjectName("IncludeSurr_check");
    set_button_hint(IncludeSurr_check, "Calibration report option");
    IncludeSurr_check->setVisible(false);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Button_print, Button1, Button_save_as, Button_exit, Button_Help}) buttons->addWidget(b);
    buttons->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addSpacing(8);
    left->addLayout(levels);
    left->addSpacing(8);
    left->addLayout(curve);
    left->addSpacing(8);
    left->addLayout(buttons);
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left);
    whole->addWidget(ListBox1);
    whole->setSizeConstraint(QLayout::SetFixedSize);  // the window sizes itself to its visible controls
}

void Trevu_calib_form::connect_controls() {
    auto guarded = [this](auto handler) { return [this, handler] { run_command([this, handler] { (this->*handler)(); }); }; };
    connect(Edit_recnum, &QLineEdit::textEdited, this, guarded(&Trevu_calib_form::Button_get_recnumClick));
    connect(Edit_recnum, &QLineEdit::editingFinished, this, guarded(&Trevu_calib_form::Edit_recnumExit));
    connect(ListBox1, &QListWidget::itemClicked, this, guarded(&Trevu_calib_form::ListBox1Click));
    connect(Button_next, &QPushButton::clicked, this, guarded(&Trevu_calib_form::Button_nextClick));
    connect(Button_previous, &QPushButton::clicked, this, guarded(&Trevu_calib_form::Button_previousClick));
    connect(Button_print, &QPushButton::clicked, this, guarded(&Trevu_calib_form::Button_printClick));
    connect(Button1, &QPushButton::clicked, this, guarded(&Trevu_calib_form::Button1Click));
    connect(Button_save_as, &QPushButton::clicked, this, guarded(&Trevu_calib_form::Button_save_asClick));
    connect(Button_exit, &QPushButton::clicked, this, guarded(&Trevu_calib_form::Button_exitClick));
    // Unsaved inclusion changes must not reach the samples and the check, whose reports
    // name the file: the close box leaves as "Exit/don't save changes" does.
    close_box_runs(Button_exit);
    connect(Button_Help, &QPushButton::clicked, this, guarded(&Trevu_calib_form::Button_HelpClick));
    for (int k = 0; k < kMaxLevels; ++k)
        connect(Check_std[k], &QCheckBox::clicked, this, [this, k] { run_command([this, k] { Check_stdClick(k + 1); }); });
}

void Trevu_calib_form::FormCreate() {
    reset_calibration_review();
    select_compound(0);
    clear_level_inclusion();
}

void Trevu_calib_form::reset_calibration_review() {
    ListBox1->clear();
    ::reset_calibration_review();
    Edit_recnum->clear();
    for (int k = 0; k < kMaxLevels; ++k) {
        for (QLineEdit* e : {Edit_conc_std[k], Edit_rec_std[k], Edit_dev_std[k], Edit_area_std[k], Edit_rspf_std[k],
                             Edit_respfdev_std[k]})
            e->clear();
        Check_std[k]->setChecked(false);
        Check_std[k]->setText(QString());
    }
    for (QLineEdit* e : {Edit_std_levels, Edit_avg, Edit_deviation, Edit_pcnt_dev}) e->clear();
}

void Trevu_calib_form::showEvent(QShowEvent* event) {
    TaskWindow::showEvent(event);
    FormShow();
}

void Trevu_calib_form::FormShow() {
    EditVarLabel->setText(q(method_data.variable_mode.single_variable_label));
    EditVarMode->setText(q(method_data.variable_mode.transform_text));
    EditVarLabel->setVisible(method_data.variable_mode.one_variable_mode != 0);
    EditVarMode->setVisible(method_data.variable_mode.one_variable_mode != 0);
}

// The list holds the library's names; it is filled again only when they changed, so a
// click in it never empties the list it came from.
void Trevu_calib_form::fill_compound_list() {
    const int count = std::clamp(method_data.compound_count, 0, kMaxCompounds);
    bool same = ListBox1->count() == count;
    for (int c = 0; same && c < count; ++c) same = ListBox1->item(c)->text() == q(method_data.library[c].name);
    if (same) return;
    ListBox1->clear();
    for (int c = 0; c < count; ++c) ListBox1->addItem(q(method_data.library[c].name));
}

void Trevu_calib_form::select_compound(int c) {
    if (c >= 0 && c < ListBox1->count()) ListBox1->setCurrentRow(c);
}

int Trevu_calib_form::show_calibration_compound(int c) {
    fill_compound_list();
    const CompoundReview r = review_compound(c);
    if (Edit_recnum->text() != q(r.number)) Edit_recnum->setText(q(r.number));
    Edit_cmpndname->setText(q(r.name));
    show_file_name(Edit_calfile, r.calibration_file);
    show_file_name(Edit_surrfile, r.surrogate_file);
    lblLibFileName->setVisible(true);
    Edit_LibFileName->setVisible(true);
    Edit_LibFileName->setText(q(r.library_file));
    if (main_flags.CalibrationEditMode == 1) {
        lay_out_level_columns(r.standards);
        review_level_columns_laid_out();
    }
    show_file_name(Edit_ref_file, r.reference_file);
    for (int k = 0; k < kMaxLevels; ++k) {
        const ReviewLevel& level = r.levels[k];
        show_file_name(Edit_f[k], level.file);
        Edit_conc_std[k]->setText(q(level.amount));
        Edit_rec_std[k]->setText(q(level.recovery));
        Edit_dev_std[k]->setText(q(level.recovery_dev));
        Edit_area_std[k]->setText(q(level.area));
        Edit_rspf_std[k]->setText(q(level.response_factor));
        Edit_respfdev_std[k]->setText(q(level.response_factor_dev));
        Check_std[k]->setChecked(level.checked);
        Check_std[k]->setEnabled(level.enabled);
        Check_std[k]->setText(q(level.why_excluded));
    }
    refresh_curve_statistics(c);
    select_compound(c);
    return 1;
}

void Trevu_calib_form::refresh_curve_statistics(int c) {
    const CurveStatisticsText s = ::refresh_curve_statistics(c);
    Edit_std_levels->setText(q(s.levels));
    Edit_avg->setText(q(s.average));
    Edit_deviation->setText(q(s.deviation));
    Edit_pcnt_dev->setText(q(s.percent));
}

void Trevu_calib_form::lay_out_level_columns(int standards) {
    for (int level = kMaxLevels; level >= 7; --level) set_level_column_visible(level, level <= standards);
}

void Trevu_calib_form::set_level_column_visible(int level, bool visible) {
    if (level < 1 || level > kMaxLevels) return;
    const int k = level - 1;
    for (QWidget* w : {static_cast<QWidget*>(Std[k]), static_cast<QWidget*>(Edit_f[k]),
                       static_cast<QWidget*>(Edit_conc_std[k]), static_cast<QWidget*>(Edit_rec_std[k]),
                       static_cast<QWidget*>(Edit_dev_std[k]), static_cast<QWidget*>(Edit_area_std[k]),
                       static_cast<QWidget*>(Edit_rspf_std[k]), static_cast<QWidget*>(Edit_respfdev_std[k]),
                       static_cast<QWidget*>(Check_std[k])})
        w->setVisible(visible);
}

void Trevu_calib_form::Button_get_recnumClick() {
    const auto number = typed_compound_number(Edit_recnum->text().toStdString());
    if (!number) return;
    show_calibration_compound(*number - 1);
}

void Trevu_calib_form::Edit_recnumExit() { Button_get_recnumClick(); }

void Trevu_calib_form::ListBox1Click() {
    const int row = ListBox1->currentRow();
    if (row >= 0) show_calibration_compound(row);
}

void Trevu_calib_form::Button_nextClick() {
    const auto n = typed_compound_number(Edit_recnum->text().toStdString());
    if (n && *n < method_data.compound_count) show_calibration_compound(*n);
}

void Trevu_calib_form::Button_previousClick() {
    const auto n = typed_compound_number(Edit_recnum->text().toStdString());
    if (n && *n > 1) show_calibration_compound(*n - 2);
}

void Trevu_calib_form::Check_stdClick(int level) {
    const int k = level - 1;
    QCheckBox* box = Check_std[k];
    const bool checked = box->isChecked();
    // The box shows the stored flag: back to it first, so that a refused click leaves it so.
    box->setChecked(!checked);
    const int c = compound_of_number_text(Edit_recnum->text().toStdString());
    box->setChecked(set_level_inclusion(c, k, checked, !Edit_f[k]->text().isEmpty()));
    refresh_curve_statistics(c);
}

void Trevu_calib_form::Button_printClick() {
    const bool with_details = !IncludeSurr_check->isChecked();
    print_calibration_report_job(with_details, with_details);
}

void Trevu_calib_form::Button1Click() { ui().choose_printer(); }

void Trevu_calib_form::Button_save_asClick() {
    if (!save_reviewed_calibration()) return;
    // From here on the calibration in use is the new file; the main menu names it.
    show_main_menu_state();
    return_to_main_window();
}

void Trevu_calib_form::Button_exitClick() {
    restore_level_inclusion();
    delete_standard_ini_files();
    return_to_main_window();
}

void Trevu_calib_form::Button_HelpClick() { ui().show_help(kReviewHelpContext); }

void Trevu_calib_form::return_to_main_window() {
    hide();
    if (QWidget* main = main_window()) main->show();
}
