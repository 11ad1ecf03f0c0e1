#include "methoddata/surr_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "methoddata/check_surrogate_catagories_form.h"
#include "methoddata/editor_state.h"
#include "methoddata/surrogate_editor.h"
#include "methoddata/surrogate_file.h"
#include "methoddata/surrogate_limits_form.h"
#include "platform/command_guard.h"
#include "platform/controls.h"
#include "platform/number_text.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

Tsurr_Form* surr_Form = nullptr;

namespace {

QString qt(const std::string& s) { return QString::fromStdString(s); }

constexpr int kRowHeight = 22;

QLabel* add_label(QWidget* parent, const char* name, const char* caption, int x, int y, int w = 240) {
    return placed(make_named_label(parent, name, caption), x, y, w, 16);
}

QLineEdit* add_edit(QWidget* parent, const char* name, int x, int y, int w, bool read_only) {
    return placed(make_edit(parent, name, read_only), x, y, w, kRowHeight);
}

QListWidget* add_yes_no_list(QWidget* parent, const char* name, int x, int y) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->addItems({"Yes", "No"});
    list->setGeometry(x, y, 90, 44);
    return list;
}

QPushButton* add_button(QWidget* parent, const char* name, const char* caption, int x, const char* hint = nullptr) {
    return placed(make_button(parent, name, caption, hint), x, 340, 84, 28);
}

void show_flag(QListWidget* list, int flag) { list->setCurrentRow(flag == 1 ? 0 : 1); }

// "Yes" is the first item; nothing selected counts as "No".
bool yes_selected(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() && list->row(item) == 0;
}

}  // namespace

Tsurr_Form::Tsurr_Form() : TaskWindow("Internal Standard Data") {
    setObjectName("surr_Form");
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFixedSize(640, 384);
    build_controls();
    connect_handlers();
}

void Tsurr_Form::build_controls() {
    add_label(this, nullptr, "Surrogate Library", 16, 10);
    Edit_surfilename = add_edit(this, "Edit_surfilename", 16, 28, 608, true);
    lbl_LibraryName = add_label(this, "lbl_LibraryName", "Compound Libraray", 16, 56);
    Edit_LibrayFileName = add_edit(this, "Edit_LibrayFileName", 16, 74, 608, true);
    lbl_LibraryName->hide();
    Edit_LibrayFileName->hide();

    add_label(this, nullptr, "Internal Standard number", 16, 106, 156);
    Edit_Counter = add_edit(this, "Edit_Counter", 16, 124, 60, false);
    add_label(this, nullptr, "Compound Name", 176, 106);
    Edit_CmpndName = add_edit(this, "Edit_CmpndName", 176, 124, 300, true);
    add_label(this, nullptr, "Library compound #", 492, 106, 132);
    EditCmpndNum = add_edit(this, "EditCmpndNum", 492, 124, 80, true);

    Label3 = add_label(this, "Label3", "Relative volatility-water", 16, 156, 270);
    Edit_rvw = add_edit(this, "Edit_rvw", 16, 174, 140, true);
    Label4 = add_label(this, "Label4", "Boiling point", 336, 156, 270);
    Edit_bp = add_edit(this, "Edit_bp", 336, 174, 140, true);

    Label5 = add_label(this, "Label5", "Relative Volatility Group", 16, 208, 270);
    Label6 = add_label(this, "Label6", "Boiling Point Group", 336, 208, 270);
    for (int j = 0; j < kGroups; ++j) {
        const QString number = QString::number(j + 1);
        CBox_rvwg[j] = new QCheckBox(number, this);
        CBox_rvwg[j]->setObjectName("CBox_rvwg" + number);
        CBox_rvwg[j]->setGeometry(16 + 44 * j, 226, 40, 20);
        CBox_bpg[j] = new QCheckBox(number, this);
        CBox_bpg[j]->setObjectName("CBox_bpg" + number);
        CBox_bpg[j]->setGeometry(336 + 44 * j, 226, 40, 20);
    }

    Label8 = add_label(this, "Label8", "First Pass?", 16, 258);
    ListBox_fpass = add_yes_no_list(this, "ListBox_fpass", 16, 276);
    Label9 = add_label(this, "Label9", "Surrogate?", 176, 258);
    ListBox_checked = add_yes_no_list(this, "ListBox_checked", 176, 276);

    previous = add_button(this, "previous", "<-&Previous", 16, "Previous compound");
    Next = add_button(this, "Next", "&Next->", 104, "Next compound");
    Button_save_as = add_button(this, "Button_save_as", "Save As", 192, "Save the surrogate file");
    Set_Limits_Button = add_button(this, "Set_Limits_Button", "Set Limits", 280,
                                   "Specify minimum and maximum values for physical properties in calculations");
    btnCheckSurrCat = add_button(this, "btnCheckSurrCat", "Class Ranges", 368);
    Button1 = add_button(this, "Button1", "Help", 456, "Access Method 5847 help");
    exit = add_button(this, "exit", "Exit", 544, "Exit and return to the main menu");
}

void Tsurr_Form::connect_handlers() {
    const auto on_click = [this](QPushButton* button, void (Tsurr_Form::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { run_command([this, handler] { (this->*handler)(); }); });
    };
    on_click(previous, &Tsurr_Form::previousClick);
    on_click(Next, &Tsurr_Form::NextClick);
    on_click(Button_save_as, &Tsurr_Form::Button_save_asClick);
    on_click(Set_Limits_Button, &Tsurr_Form::Set_Limits_ButtonClick);
    on_click(btnCheckSurrCat, &Tsurr_Form::btnCheckSurrCatClick);
    on_click(Button1, &Tsurr_Form::Button1Click);
    on_click(exit, &Tsurr_Form::exitClick);
    close_box_runs(exit);

    connect(Edit_Counter, &QLineEdit::editingFinished, this, [this] { run_command([this] { Edit_CounterChange(); }); });
    for (int j = 0; j < kGroups; ++j) {
        connect(CBox_rvwg[j], &QCheckBox::clicked, this, [this, j] { run_command([this, j] { group_box_click(j); }); });
        connect(CBox_bpg[j], &QCheckBox::clicked, this,
                [this, j] { run_command([this, j] { group_box_click(kGroups + j); }); });
    }
    connect(ListBox_fpass, &QListWidget::itemSelectionChanged, this, [this] {
        if (!showing_record_) run_command([this] { ListBox_fpassClick(); });
    });
    connect(ListBox_checked, &QListWidget::itemSelectionChanged, this, [this] {
        if (!showing_record_) run_command([this] { ListBox_checkedClick(); });
    });
}

// The close box leaves as Exit does, with its question: groupings not saved must not stay
// in memory as if the file held them. Exit hides the window when it leaves.
void Tsurr_Form::showEvent(QShowEvent* event) {
    TaskWindow::showEvent(event);
    if (!placed_) {
        centre_on_screen();
        placed_ = true;
    }
    run_command([this] { FormShow(); });
}

// Showing.

void Tsurr_Form::start_editing(QWidget* opener) {
    begin_surrogate_editing();
    surrogate_limits_form->clear_limit_edit_marks();
    show_surrogate_record(editor_state.current_surrogate_record);
    show_from(opener);
}

void Tsurr_Form::show_surrogate_record(int i) {
    if (i < 0 || i >= kMaxSurrogates) return;
    const SurrogateRecord& r = method_data.surrogates[i];
    showing_record_ = true;
    Edit_Counter->setText(QString::number(i + 1));
    lbl_LibraryName->show();
    Edit_LibrayFileName->show();
    Edit_LibrayFileName->setText(qt(to_upper(folder_settings.slot[kLibraryTextFileSlot])));
    Edit_surfilename->setText(qt(method_data.surrogate_file_path));
    Edit_CmpndName->setText(qt(r.name));
    EditCmpndNum->setText(QString::number(r.LibCmpndNum));
    Edit_rvw->setText(qt(format_general(r.rvw)));
    Edit_bp->setText(qt(format_general(r.bp)));
    for (int j = 0; j < kGroups; ++j) {
        CBox_rvwg[j]->setChecked(r.rvwgroup[j] == 1);
        CBox_bpg[j]->setChecked(r.bpgroup[j] == 1);
    }
    show_flag(ListBox_fpass, r.first_pass);
    show_flag(ListBox_checked, r.checked_surrogate);
    showing_record_ = false;
}

void Tsurr_Form::FormShow() {
    surrogate_editor_shown();
    for (QWidget* w : {static_cast<QWidget*>(Label8), static_cast<QWidget*>(ListBox_fpass),
                       static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label6),
                       static_cast<QWidget*>(btnCheckSurrCat)})
        w->setVisible(true);
    for (int j = 0; j < kGroups; ++j) {
        CBox_rvwg[j]->setVisible(true);
        CBox_bpg[j]->setVisible(true);
    }
    const auto show_rv = [this](bool visible) {
        Label5->setVisible(visible);
        for (QCheckBox* box : CBox_rvwg) box->setVisible(visible);
        Label3->setVisible(visible);
        Edit_rvw->setVisible(visible);
    };
    const auto show_bp = [this](bool visible) {
        Label6->setVisible(visible);
        for (QCheckBox* box : CBox_bpg) box->setVisible(visible);
        Label4->setVisible(visible);
        Edit_bp->setVisible(visible);
    };
    if (method_data.variable_mode.one_variable_mode != 0) {
        Label8->hide();
        ListBox_fpass->hide();
        btnCheckSurrCat->hide();
        const QString single = qt(method_data.variable_mode.single_variable_label);
        if (method_data.variable_mode.bp_variable_chosen != 0) {
            show_rv(false);
            show_bp(true);
            Label4->setText(single);
            Label6->setText(single + " Group ");
        } else if (method_data.variable_mode.rvw_variable_chosen != 0) {
            show_bp(false);
            show_rv(true);
            Label3->setText(single);
            Label5->setText(single + " Group ");
        }
    } else {
        show_rv(true);
        show_bp(true);
        Label3->setText(qt(method_data.variable_mode.variable1_label));
        Label4->setText(qt(method_data.variable_mode.variable2_label));
        Label5->setText(qt(method_data.variable_mode.variable1_label) + " Group");
        Label6->setText(qt(method_data.variable_mode.variable2_label) + " Group");
    }
}

// The controls and the records.

void Tsurr_Form::get_surrogate_record_from_form(int k, SurrogateTable& table) {
    SurrogateFormState state;
    for (int j = 0; j < kGroups; ++j) {
        state.rvw_group[j] = CBox_rvwg[j]->isChecked();
        state.bp_group[j] = CBox_bpg[j]->isChecked();
    }
    state.first_pass_yes = yes_selected(ListBox_fpass);
    state.checked_yes = yes_selected(ListBox_checked);
    apply_surrogate_form_state(k, state, table);
}

int Tsurr_Form::save_surrogate_record(int k, IniFile& file, SurrogateTable& table) {
    get_surrogate_record_from_form(k, table);
    return save_surrogate_record_flags(k, file, table);
}

void Tsurr_Form::group_box_click(int box) {
    const int k = record_of_counter(Edit_Counter->text().toStdString());
    if (k < 0) return;
    SurrogateRecord& r = method_data.surrogates[k];
    int& flag = box < kGroups ? r.rvwgroup[box] : r.bpgroup[box - kGroups];
    const QCheckBox* source = box < kGroups ? CBox_rvwg[box] : CBox_bpg[box - kGroups];
    flag = source->isChecked() ? 1 : 0;
}

void Tsurr_Form::store_flag(QListWidget* list, int SurrogateRecord::*flag) {
    const int k = record_of_counter(Edit_Counter->text().toStdString());
    if (k < 0) return;
    method_data.surrogates[k].*flag = yes_selected(list) ? 1 : 0;
}

void Tsurr_Form::ListBox_fpassClick() { store_flag(ListBox_fpass, &SurrogateRecord::first_pass); }
void Tsurr_Form::ListBox_checkedClick() { store_flag(ListBox_checked, &SurrogateRecord::checked_surrogate); }

// Navigation.

void Tsurr_Form::NextClick() {
    show_surrogate_record(next_surrogate_record());
}

void Tsurr_Form::previousClick() {
    show_surrogate_record(previous_surrogate_record());
}

// Leaving the counter for Exit leaves the editor; the number typed does not matter then.
void Tsurr_Form::Edit_CounterChange() {
    if (QApplication::focusWidget() == exit) return;
    const int target = counter_target(Edit_Counter->text().toStdString(), editor_state.current_surrogate_record);
    if (target < 0) return;
    go_to_surrogate_record(target);
    show_surrogate_record(target);
}

// Commands.

void Tsurr_Form::Button_save_asClick() {
    if (!save_as_surrogate_command()) return;
    surrogate_limits_form->clear_limit_edit_marks();
    Edit_surfilename->setText(qt(method_data.surrogate_file_path));  // the file written is the one in use
}

void Tsurr_Form::Set_Limits_ButtonClick() {
    if (set_limits_command()) surrogate_limits_form->show_from(this);
}

void Tsurr_Form::btnCheckSurrCatClick() { check_surrogate_catagories_form->show_from(this); }

void Tsurr_Form::Button1Click() { ui().show_help(kSurrFormHelpContext); }

void Tsurr_Form::exitClick() {
    if (!exit_surrogate_editor_command(surrogate_limits_form->limit_edits_modified())) return;
    surrogate_limits_form->clear_limit_edit_marks();  // the session's limits are settled
    return_to_opener();
}

void show_surrogate_record(int i) {
    if (surr_Form) surr_Form->show_surrogate_record(i);
}
