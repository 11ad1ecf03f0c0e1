#include "calibration/check_calib_review_form.h"

#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>

#include "calibration/check_commands.h"
#include "calibration/check_window_parts.h"
#include "methoddata/tables.h"
#include "platform/command_guard.h"
#include "platform/ui_services.h"

Tcheck_calib_review_form* check_calib_review_form = nullptr;


Tcheck_calib_review_form::Tcheck_calib_review_form() : TaskWindow("Continuing Calibration Review") {
    setObjectName("check_calib_review_form");
    setWindowFlag(Qt::WindowStaysOnTopHint);

    Edit_recnum = new QLineEdit(this);
    Edit_recnum->setObjectName("Edit_recnum");
    Edit_cmpndname = make_file_box(this, "Edit_cmpndname");
    Edit_cmpndname->hide();
    ListBox1_chk = new QListWidget(this);
    ListBox1_chk->setObjectName("ListBox1_chk");
    Edit_calfile = make_file_box(this, "Edit_calfile");
    Edit_checkfile = make_file_box(this, "Edit_checkfile");
    calib_resp_Edit = make_file_box(this, "calib_resp_Edit");
    deviation_Edit = make_file_box(this, "deviation_Edit");
    conc_Edit = make_file_box(this, "conc_Edit");
    check_std_resp_Edit = make_file_box(this, "check_std_resp_Edit");
    diff_Edit = make_file_box(this, "diff_Edit");
    Button_previous = make_button(this, "Button_previous", "<-&Previous", "Previous Compound");
    Button_next = make_button(this, "Button_next", "&Next->", "Next Compound");
    Button_print = make_button(this, "Button_print", "Print", "Print the check calibration report");
    Button_exit = make_button(this, "Button_exit", "Exit", "Exit and return to the check calibration standard screen");
    Button_Help = make_button(this, "Button_Help", "Help", "Access Method 5847 help");
    Button1 = make_button(this, "Button1", "Select Printer", nullptr);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Calibration File", this), 0, 0);
    grid->addWidget(Edit_calfile, 0, 1, 1, 3);
    grid->addWidget(new QLabel("Check Standard", this), 1, 0);
    grid->addWidget(Edit_checkfile, 1, 1, 1, 3);
    grid->addWidget(new QLabel("Compound", this), 2, 0);
    grid->addWidget(Edit_recnum, 2, 1);
    grid->addWidget(ListBox1_chk, 3, 0, 6, 2);
    grid->addWidget(new QLabel("Calibration", this), 3, 2);
    grid->addWidget(new QLabel("Response", this), 4, 2);
    grid->addWidget(calib_resp_Edit, 4, 3);
    grid->addWidget(new QLabel("Deviation", this), 5, 2);
    grid->addWidget(deviation_Edit, 5, 3);
    grid->addWidget(new QLabel("Check Standard", this), 6, 2);
    grid->addWidget(new QLabel("Concentration", this), 7, 2);
    grid->addWidget(conc_Edit, 7, 3);
    grid->addWidget(new QLabel("Response", this), 8, 2);
    grid->addWidget(check_std_resp_Edit, 8, 3);
    grid->addWidget(new QLabel("Difference %", this), 9, 2);
    grid->addWidget(diff_Edit, 9, 3);
    grid->addWidget(Button_previous, 10, 0);
    grid->addWidget(Button_next, 10, 1);
    grid->addWidget(Button_print, 10, 2);
    grid->addWidget(Button1, 10, 3);
    grid->addWidget(Button_exit, 11, 2);
    grid->addWidget(Button_Help, 11, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    resize(640, 420);

    connect_button(Button_next, &Tcheck_calib_review_form::Button_nextClick);
    connect_button(Button_previous, &Tcheck_calib_review_form::Button_previousClick);
    connect_button(Button_print, &Tcheck_calib_review_form::Button_printClick);
    connect_button(Button_exit, &Tcheck_calib_review_form::Button_exitClick);
    close_box_runs(Button_exit);
    connect_button(Button_Help, &Tcheck_calib_review_form::Button_HelpClick);
    connect_button(Button1, &Tcheck_calib_review_form::Button1Click);
    connect(ListBox1_chk, &QListWidget::itemClicked, this, [this] { run_command([this] { ListBox1_chkClick(); }); });
    connect(Edit_recnum, &QLineEdit::editingFinished, this, [this] { run_command([this] { Edit_recnumExit(); }); });
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [] { ui().show_help(kCheckReviewHelpContext); });
}

void Tcheck_calib_review_form::showEvent(QShowEvent* event) {
    TaskWindow::showEvent(event);
    if (!placed_) {
        centre_on_screen();
        placed_ = true;
    }
}

void Tcheck_calib_review_form::connect_button(QPushButton* button, void (Tcheck_calib_review_form::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] { run_command([this, handler] { (this->*handler)(); }); });
}

void Tcheck_calib_review_form::start(const CheckLevel& level) {
    level_ = level;
    ListBox1_chk->clear();
    for (int c = 0; c < method_data.compound_count && c < kMaxCompounds; ++c) ListBox1_chk->addItem(q(method_data.library[c].name));
    if (method_data.compound_count > 0) show_check_compound(0);
}

void Tcheck_calib_review_form::show_check_compound(int c) {
    const CheckCompoundTexts t = check_compound_texts(c, level_);
    Edit_recnum->setText(q(t.number));
    Edit_cmpndname->setText(q(t.name));
    Edit_calfile->setText(q(t.calibration_file));
    Edit_checkfile->setText(q(t.check_file));
    conc_Edit->setText(q(t.amount));
    calib_resp_Edit->setText(q(t.mean_response));
    deviation_Edit->setText(q(t.deviation));
    check_std_resp_Edit->setText(q(t.check_response));
    diff_Edit->setText(q(t.difference));
    ListBox1_chk->setCurrentRow(c);
}

void Tcheck_calib_review_form::go(ReviewMove move) {
    if (auto c = check_review_target(Edit_recnum->text().toStdString(), move, method_data.compound_count)) show_check_compound(*c);
}

void Tcheck_calib_review_form::Button_nextClick() { go(ReviewMove::Next); }
void Tcheck_calib_review_form::Button_previousClick() { go(ReviewMove::Previous); }
void Tcheck_calib_review_form::Edit_recnumExit() { go(ReviewMove::Stay); }

void Tcheck_calib_review_form::ListBox1_chkClick() {
    const int row = ListBox1_chk->currentRow();
    if (row >= 0 && method_data.compound_count > 0) show_check_compound(std::min(row, method_data.compound_count - 1));
}

void Tcheck_calib_review_form::Button_printClick() {
    print_reviewed_check(level_);
}

void Tcheck_calib_review_form::Button_exitClick() { return_to_opener(); }
void Tcheck_calib_review_form::Button_HelpClick() { ui().show_help(kCheckReviewHelpButtonContext); }
void Tcheck_calib_review_form::Button1Click() { ui().choose_printer(); }  // its answer is not used
