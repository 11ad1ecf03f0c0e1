#include "methoddata/edit_lib_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>

#include "methoddata/change_variable_form.h"
#include "methoddata/editor_state.h"
#include "methoddata/surr_form.h"
#include "methoddata/library_printout.h"
#include "methoddata/library_text_file.h"
#include "platform/canvas.h"
#include "platform/button_hint.h"
#include "platform/command_guard.h"
#include "platform/number_text.h"
#include "platform/read_errors.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

TEditLib_Form* EditLib_Form = nullptr;

namespace {

constexpr int kEditHelpContext = 115;
constexpr int kCreateHelpContext = 105;
constexpr int kFirstAmountFlag = 2;  // entry_flags: rvw, bp, then amounts 1..10

// Rows of the property column; the bp row moves up to the rvw row with one BP variable.
constexpr int kLabelLeft = 16;
constexpr int kEditLeft = 176;
constexpr int kRvwTop = 176;
constexpr int kBpTop = 240;

QString qt(const std::string& s) { return QString::fromStdString(s); }
std::string text_of(const QLineEdit* e) { return e->text().toStdString(); }

// An entry still to be typed is yellow; an entered one has the window's colour.
void mark_to_enter(QWidget* w, bool yellow) { w->setStyleSheet(yellow ? "background-color: yellow;" : ""); }

QLabel* add_label(QWidget* parent, const QString& caption, int left, int top, const char* name = nullptr) {
    auto* label = new QLabel(caption, parent);
    if (name) label->setObjectName(name);
    label->setGeometry(left, top + 3, kEditLeft - kLabelLeft - 4, 17);
    return label;
}

QLineEdit* add_edit(QWidget* parent, const char* name, int left, int top, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(left, top, width, 24);
    return edit;
}

}  // namespace

TEditLib_Form::TEditLib_Form() : TaskWindow("Edit Library") {
    setObjectName("EditLib_Form");
    setFixedSize(801, 504);

    lbl_libname = add_label(this, "Library", kLabelLeft, 16, "lbl_libname");
    Edit_libname = add_edit(this, "Edit_libname", kEditLeft, 16, 400);
    Edit_libname->setReadOnly(true);
    add_label(this, "Compound #", kLabelLeft, 48);
    Edit_Counter = add_edit(this, "Edit_Counter", kEditLeft, 48, 60);
    add_label(this, "Compound Name", kLabelLeft, 80);
    Edit_CmpndName = add_edit(this, "Edit_CmpndName", kEditLeft, 80, 220);
    add_label(this, "CAS Registry No.", kLabelLeft, 112);
    Edit_casnumber = add_edit(this, "Edit_casnumber", kEditLeft, 112, 120);
    Edit_casnumber->setText("N/A");
    EditVarMode = add_edit(this, "EditVarMode", kLabelLeft, 144, 100);
    EditVarLabel = add_edit(this, "EditVarLabel", kEditLeft, 144, 120);
    for (QLineEdit* e : {EditVarMode, EditVarLabel}) {
        e->setReadOnly(true);
        mark_to_enter(e, true);
        e->hide();
    }
    Label8 = add_label(this, "relative volatility-water", kLabelLeft, kRvwTop, "Label8");
    Edit_rvw = add_edit(this, "Edit_rvw", kEditLeft, kRvwTop, 100);
    Label9 = add_label(this, "relative volatility-organic", kLabelLeft, 208, "Label9");
    Edit_rvo = add_edit(this, "Edit_rvo", kEditLeft, 208, 100);
    Label4 = add_label(this, "Boiling Point", kLabelLeft, kBpTop, "Label4");
    Edit_bp = add_edit(this, "Edit_bp", kEditLeft, kBpTop, 100);
    Label10 = add_label(this, "octano-water partition coefficient", kLabelLeft, 272, "Label10");
    Edit_partcoef = add_edit(this, "Edit_partcoef", kEditLeft, 272, 100);
    for (QWidget* w : {static_cast<QWidget*>(Label9), static_cast<QWidget*>(Edit_rvo), static_cast<QWidget*>(Label10),
                       static_cast<QWidget*>(Edit_partcoef)})
        w->hide();
    add_label(this, "compound category", kLabelLeft, 304);
    ListBox_cmpndType = new QListWidget(this);
    ListBox_cmpndType->setObjectName("ListBox_cmpndType");
    ListBox_cmpndType->addItems({qt(kAnalyteType), qt(kInternalStandardType)});
    ListBox_cmpndType->setGeometry(kEditLeft, 304, 140, 40);

    for (int k = 0; k < kMaxLevels; ++k) {
        const int top = 48 + 28 * k;
        con_labels[k] = add_label(this, QString("amount %1").arg(k + 1), 416, top);
        Edit_con[k] = add_edit(this, QString("Edit_con%1").arg(k + 1).toUtf8().constData(), 496, top, 90);
    }

    LibListBox = new QListWidget(this);
    LibListBox->setObjectName("LibListBox");
    LibListBox->setGeometry(604, 16, 181, 336);

    struct ButtonSpec {
        QPushButton*& button;
        const char* name;
        const char* caption;
        const char* hint;
        void (TEditLib_Form::*handler)();
        int column, row;
        int width = 120;
    };
    const ButtonSpec buttons[] = {
        {Previous, "Previous", "<-&Previous", "Previous compound", &TEditLib_Form::previousClick, 0, 0},
        {Next, "Next", "&Next->", "Next compound", &TEditLib_Form::NextClick, 1, 0},
        {btn_delete_compound, "btn_delete_compound", "Delete Compound", "Delete the current compound",
         &TEditLib_Form::btn_delete_compoundClick, 2, 0},
        {btn_add_compound, "btn_add_compound", "Add Compound (follows)",
         "Add a compound following the current compound", &TEditLib_Form::btn_add_compoundClick, 3, 0, 184},
        {Button_ChangeVariables, "Button_ChangeVariables", "Change Variables",
         "Choose one or two variables and their labels", &TEditLib_Form::Button_ChangeVariablesClick, 3, 1},
        {Cancel, "Cancel", "Cancel Changes", "Cancel changes to the current compound", &TEditLib_Form::CancelClick,
         5, 0},
        {print_library, "print_library", "Print", "Print the library", &TEditLib_Form::print_libraryClick, 0, 1},
        {Button1, "Button1", "Select Printer", "", &TEditLib_Form::Button1Click, 1, 1},
        {Button_SaveAs, "Button_SaveAs", "Save As", "Save all changes to a file", &TEditLib_Form::Button_SaveAsClick,
         2, 1},
        {Button_Help, "Button_Help", "Help", "Access Method 5847 help", &TEditLib_Form::Button_HelpClick, 4, 1},
        {exit, "exit", "Exit", "Exit and return to the main menu", &TEditLib_Form::exitClick, 5, 1},
    };
    for (const ButtonSpec& b : buttons) {
        b.button = new QPushButton(b.caption, this);
        b.button->setObjectName(b.name);
        b.button->setGeometry(16 + 128 * b.column, 380 + 48 * b.row, b.width, 32);
        if (*b.hint) set_button_hint(b.button, b.hint);
        auto handler = b.handler;
        connect(b.button, &QPushButton::clicked, this, [this, handler] { command([this, handler] { (this->*handler)(); }); });
    }
    close_box_runs(exit);

    // Programmatic selections block these signals: only the analyst's choice runs a handler.
    connect(LibListBox, &QListWidget::currentRowChanged, this, [this] { command([this] { LibListBoxClick(); }); });
    connect(ListBox_cmpndType, &QListWidget::currentRowChanged, this,
            [this] { command([this] { ListBox_cmpndTypeClick(); }); });
    // Leaving an edit runs its exit handler.
    for (QLineEdit* e : {Edit_Counter, Edit_CmpndName, Edit_rvw, Edit_bp}) e->installEventFilter(this);
    for (QLineEdit* e : Edit_con) e->installEventFilter(this);

    set_edit_layout();
}

bool TEditLib_Form::create_mode() const { return main_flags.NewLibraryMode != 0; }

QLineEdit* TEditLib_Form::created_number_edit(int flag) const {
    if (flag == 0) return Edit_rvw;
    if (flag == 1) return Edit_bp;
    return Edit_con[flag - kFirstAmountFlag];
}

bool TEditLib_Form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched == Edit_CmpndName)
        command([this] { Edit_CmpndNameClick(); });
    if (event->type() != QEvent::FocusOut) return false;
    // Switching to another window (a message box too) is not leaving the control.
    auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || !isVisible()) return false;
    if (watched == Edit_Counter) {
        command([this] { Edit_CounterExit(); });
    } else if (watched == Edit_CmpndName) {
        command([this] { Edit_CmpndNameExit(); });
    } else {
        for (int flag = 0; flag < static_cast<int>(entry_flags.size()); ++flag)
            if (watched == created_number_edit(flag)) command([this, flag] { created_number_exit(flag); });
    }
    return false;
}

void TEditLib_Form::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        // Centred when first opened; then where the analyst puts it.
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen && !placed_) move(screen->availableGeometry().center() - rect().center());
        placed_ = true;
        command([this] { FormCreate(); });
    }
    TaskWindow::showEvent(event);
}

// Every command of the editor runs here. Whatever it changed in the library, and however it
// ended, the internal-standard records then take their bp, rvw and row from the library:
// the models fit the records' values. Create mode puts the loaded library back untouched,
// the command that leaves it included.
void TEditLib_Form::command(const std::function<void()>& handler) {
    const bool creating = create_mode();
    run_command(handler);
    if (creating) return;
    if (standards_follow_library()) show_surrogate_record(editor_state.current_surrogate_record);
}

// Layout and showing.

void TEditLib_Form::FormCreate() {
    if (create_mode()) {
        for (QWidget* w : {Next, Previous, Cancel, btn_delete_compound, print_library}) w->hide();
        start_create_library();
        LibListBox->clear();
        Edit_CmpndName->clear();
        return;
    }
    set_edit_layout();
    begin_library_editing();
    refill_list();
    show_library_compound(editor_state.current_record);
    show_library_file();
    Button_SaveAs->show();
    Edit_CmpndName->setReadOnly(false);
    mark_to_enter(Edit_CmpndName, false);
}

void TEditLib_Form::show_library_file() {
    setWindowTitle("Edit Library   (" + qt(folder_settings.slot[kLibraryTextFileSlot]) + ")");
    Edit_libname->setText(qt(to_upper(folder_settings.slot[kLibraryTextFileSlot])));
}

void TEditLib_Form::set_edit_layout() {
    help_context_ = kEditHelpContext;
    lbl_libname->show();
    Edit_libname->show();
    for (QLineEdit* e : {Edit_rvw, Edit_bp, Edit_con[0]}) mark_to_enter(e, false);
    for (QWidget* w : {Next, Previous, Cancel, print_library, btn_delete_compound, btn_add_compound}) w->show();
    btn_add_compound->setText("Add Compound(Follows)");
    apply_variable_layout();
}

void TEditLib_Form::apply_variable_layout() {
    const bool one = method_data.variable_mode.one_variable_mode != 0;
    EditVarMode->setVisible(one);
    EditVarLabel->setVisible(one);
    EditVarMode->setText(qt(method_data.variable_mode.transform_text));
    EditVarLabel->setText(qt(method_data.variable_mode.single_variable_label));
    const bool bp_only = one && method_data.variable_mode.bp_variable_chosen;
    const bool rv_only = one && !bp_only && method_data.variable_mode.rvw_variable_chosen;
    // With the BP variable alone its row takes the place of the rvw row.
    const int bp_top = bp_only ? kRvwTop : kBpTop;
    Label4->move(kLabelLeft, bp_top + 3);
    Edit_bp->move(kEditLeft, bp_top);
    Label8->setVisible(!bp_only);
    Edit_rvw->setVisible(!bp_only);
    Label4->setVisible(!rv_only);
    Edit_bp->setVisible(!rv_only);
    Label8->setText(qt(rv_only ? method_data.variable_mode.single_variable_label : method_data.variable_mode.variable1_label));
    Label4->setText(qt(bp_only ? method_data.variable_mode.single_variable_label : method_data.variable_mode.variable2_label));
}

void TEditLib_Form::ShowConc(bool show) {
    for (int k = 1; k < kMaxLevels; ++k) {
        Edit_con[k]->setVisible(show);
        con_labels[k]->setVisible(show);
    }
}

void TEditLib_Form::show_library_compound(int index) {
    const CompoundEntry e = library_compound_entry(method_data.library.at(index));
    Edit_Counter->setText(QString::number(index + 1));
    Edit_CmpndName->setText(qt(e.name));
    Edit_bp->setText(qt(e.bp));
    Edit_rvw->setText(qt(e.rvw));
    Edit_rvo->setText(qt(e.rvo));
    Edit_partcoef->setText(qt(e.partcoef));
    Edit_casnumber->setText(qt(e.cas));
    {
        QSignalBlocker block(ListBox_cmpndType);
        ListBox_cmpndType->setCurrentRow(e.internal_standard ? 1 : 0);
    }
    ShowConc(!e.internal_standard);
    for (int k = 0; k < kMaxLevels; ++k) Edit_con[k]->setText(qt(e.amounts[k]));
    Edit_libname->setText(qt(to_upper(folder_settings.slot[kLibraryTextFileSlot])));
    select_in_list(index);
    if (QListWidgetItem* item = LibListBox->item(index)) item->setText(Edit_CmpndName->text());
}

void TEditLib_Form::select_in_list(int index) {
    QSignalBlocker block(LibListBox);
    LibListBox->setCurrentRow(index);
}

void TEditLib_Form::refill_list() {
    QSignalBlocker block(LibListBox);
    LibListBox->clear();
    for (int i = 0; i < method_data.compound_count; ++i) LibListBox->addItem(qt(method_data.library[i].name));
}

CompoundEntry TEditLib_Form::entry() const {
    CompoundEntry e;
    e.name = text_of(Edit_CmpndName);
    e.cas = text_of(Edit_casnumber);
    e.rvw = text_of(Edit_rvw);
    e.rvo = text_of(Edit_rvo);
    e.bp = text_of(Edit_bp);
    e.partcoef = text_of(Edit_partcoef);
    e.internal_standard = ListBox_cmpndType->currentRow() == 1;
    for (int k = 0; k < kMaxLevels; ++k) e.amounts[k] = text_of(Edit_con[k]);
    e.created = create_mode();
    return e;
}

// Checks and storing.

bool TEditLib_Form::InputsOK() {
    int amount = 0;
    return focus_refused_box(check_compound_entry(entry(), &amount), amount);
}

bool TEditLib_Form::NumbersOK() {
    int amount = 0;
    return focus_refused_box(check_compound_numbers(entry(), &amount), amount);
}

bool TEditLib_Form::focus_refused_box(EntryProblem problem, int amount) {
    QLineEdit* box = nullptr;
    switch (problem) {
        case EntryProblem::None: return true;
        case EntryProblem::NoName: box = Edit_CmpndName; break;
        case EntryProblem::BadRvw: box = Edit_rvw; break;
        case EntryProblem::BadBp: box = Edit_bp; break;
        case EntryProblem::BadRvo: box = Edit_rvo; break;
        case EntryProblem::BadPartcoef: box = Edit_partcoef; break;
        case EntryProblem::BadAmount: box = Edit_con[std::clamp(amount, 0, kMaxLevels - 1)]; break;
    }
    box->setFocus();
    return false;
}

int TEditLib_Form::SaveOrExit() {
    if (invalid_entry_code(entry()) == 0) return 6;
    if (!ask_delete_invalid_compound()) return 7;
    // Going on with the invalid compound still there would write a library that cannot
    // be read again: only its deletion lets the command go on.
    return delete_compound() ? 6 : 7;
}

// The internal-standard records follow the stored values after the command (see command()).
void TEditLib_Form::SaveRecordChanges() { get_library_compound_from_form(entry()); }

bool TEditLib_Form::FormModified() {
    if (Edit_CmpndName->isModified()) mark_names_edited();
    bool modified = Edit_casnumber->isModified() || editor_state.variables_changed != 0 ||
                    change_variable_form->Edit_var1->isModified() || change_variable_form->Edit_var2->isModified() ||
                    method_data.library[editor_state.current_record].is_internal_standard != method_data.library_saved[editor_state.current_record].is_internal_standard;
    for (QLineEdit* e : {Edit_CmpndName, Edit_bp, Edit_rvw, Edit_rvo, Edit_partcoef}) modified |= e->isModified();
    for (QLineEdit* e : Edit_con) modified |= e->isModified();
    return modified;
}

// Navigation (edit mode).

void TEditLib_Form::NextClick() {
    if (!InputsOK()) return;
    SaveRecordChanges();
    move_to_next_compound();
    show_library_compound(editor_state.current_record);
}

void TEditLib_Form::previousClick() {
    if (!InputsOK()) return;
    SaveRecordChanges();
    move_to_previous_compound();
    show_library_compound(editor_state.current_record);
}

void TEditLib_Form::LibListBoxClick() {
    const int clicked = LibListBox->currentRow();
    if (create_mode() || clicked < 0) return;
    if (!InputsOK()) {
        select_in_list(editor_state.current_record);
        return;
    }
    SaveRecordChanges();
    move_to_listed_compound(clicked);
    show_library_compound(editor_state.current_record);
}

void TEditLib_Form::Edit_CounterExit() {
    if (create_mode()) return;
    if (!InputsOK()) {
        Edit_Counter->setText(QString::number(editor_state.current_record + 1));
        return;
    }
    if (QApplication::focusWidget() == Cancel) return;
    const IntegerField field = read_integer(text_of(Edit_Counter));
    if (!field.ok) {
        Edit_Counter->setText(QString::number(editor_state.current_record + 1));
        ui().message(refused_box_message("Compound #", field.why, "The compound shown stays shown."), "Warning",
                     Buttons::Ok, Icon::Warning);
        return;
    }
    const int typed = field.value;
    if (typed != editor_state.current_record + 1) {
        SaveRecordChanges();
        move_to_compound_number(typed);
        show_library_compound(editor_state.current_record);
    }
    select_in_list(editor_state.current_record);
}

void TEditLib_Form::ListBox_cmpndTypeClick() {
    const bool standard = ListBox_cmpndType->currentRow() == 1;
    choose_compound_type(standard);
    ShowConc(!standard);
}

void TEditLib_Form::CancelClick() {
    if (create_mode()) return;
    cancel_compound_changes();
    show_library_compound(editor_state.current_record);
}

void TEditLib_Form::Edit_CmpndNameExit() {
    if (create_mode()) {
        mark_to_enter(Edit_CmpndName, false);
        return;
    }
    const IntegerField shown = read_integer(text_of(Edit_Counter));
    if (shown.ok) name_box_left(shown.value);
    if (QListWidgetItem* item = LibListBox->item(editor_state.current_record)) item->setText(Edit_CmpndName->text());
}

void TEditLib_Form::Edit_CmpndNameClick() {
    if (create_mode()) mark_to_enter(Edit_CmpndName, false);
}

// Deleting and adding (edit mode); Enter (create mode).

bool TEditLib_Form::delete_compound() {
    if (!ask_delete_compound()) return false;
    if (!delete_compound_at(LibListBox->currentRow())) return false;
    refill_list();
    show_library_compound(editor_state.current_record);
    return true;
}

void TEditLib_Form::btn_delete_compoundClick() { delete_compound(); }

void TEditLib_Form::btn_add_compoundClick() {
    if (create_mode()) {
        enter_created_compound();
        return;
    }
    if (!InputsOK()) return;
    SaveRecordChanges();
    const int at = LibListBox->currentRow() + 1;
    if (!add_compound_at(at)) return;
    refill_list();
    show_library_compound(editor_state.current_record);
    Edit_CmpndName->setFocus();
}

void TEditLib_Form::start_create_library() {
    before_create_ = take_library_snapshot();
    btn_add_compound->setText("Enter");
    // A new library starts without the CAS number of the compound edited last.
    Edit_casnumber->setText(qt(kNoCasNumber));
    {
        QSignalBlocker block(ListBox_cmpndType);
        ListBox_cmpndType->setCurrentRow(1);
    }
    take_default_variable_labels(method_data.variable_mode);
    EditVarMode->setVisible(method_data.variable_mode.one_variable_mode != 0);
    EditVarLabel->setVisible(method_data.variable_mode.one_variable_mode != 0);
    Label8->setText(qt(method_data.variable_mode.variable1_label));
    Label4->setText(qt(method_data.variable_mode.variable2_label));
    Label4->move(kLabelLeft, kBpTop + 3);
    Edit_bp->move(kEditLeft, kBpTop);
    for (QWidget* w : {Label8, Label4}) w->show();
    for (QWidget* w : {Edit_rvw, Edit_bp}) w->show();
    lbl_libname->hide();
    Edit_libname->hide();
    help_context_ = kCreateHelpContext;
    start_created_library();
    setWindowTitle("Create Library");
    begin_next_created_compound();
    for (size_t k = kFirstAmountFlag + 1; k < entry_flags.size(); ++k) entry_flags[k] = 1;
}

void TEditLib_Form::begin_next_created_compound() {
    Edit_Counter->setText(QString::number(editor_state.current_record + 2));
    for (QLineEdit* e : {Edit_rvw, Edit_bp, Edit_con[0]}) {
        e->clear();
        mark_to_enter(e, true);
    }
    mark_to_enter(Edit_CmpndName, true);
    for (int flag = 0; flag <= kFirstAmountFlag; ++flag) entry_flags[flag] = 0;
    // The amounts shown follow the type that the list keeps from the entry before, so
    // that an analyte's amounts 2..10 are always in sight.
    const bool standard = ListBox_cmpndType->currentRow() == 1;
    open_created_compound(standard);
    for (int k = 1; k < kMaxLevels; ++k) Edit_con[k]->setText("99");
    ShowConc(!standard);
    Edit_CmpndName->clear();
}

void TEditLib_Form::created_number_exit(int flag) {
    if (!create_mode()) return;
    QLineEdit* edit = created_number_edit(flag);
    const CreatedBox box = flag == 0 ? CreatedBox::Rvw : flag == 1 ? CreatedBox::Bp : CreatedBox::Amount;
    const CreatedValue value = created_value_entered(box, flag - kFirstAmountFlag, text_of(edit));
    entry_flags[flag] = value.entered ? 1 : 0;
    if (value.entered)
        mark_to_enter(edit, false);
    else
        edit->setText(qt(kEnterValueText));
    if (!value.refusal.empty()) ui().message(value.refusal, "Warning", Buttons::Ok, Icon::Warning);
}

void TEditLib_Form::enter_created_compound() {
    for (int flag = 0; flag <= kFirstAmountFlag; ++flag)
        if (!entry_flags[flag]) return;
    // A compound without a name would make a library line that cannot be read again.
    if (!InputsOK()) return;
    if (!room_for_created_compound()) return;
    store_created_compound(entry());
    LibListBox->addItem(qt(method_data.library[editor_state.current_record].name));
    begin_next_created_compound();
}

void TEditLib_Form::leave_create_mode() {
    restore_library_snapshot(before_create_);
    return_to_opener();
    end_create_library_mode();
}

// Saving, printing, leaving.

void TEditLib_Form::library_saved_now(const std::string& file) {
    library_edits_saved(file);
    show_library_file();
    for (QLineEdit* e : findChildren<QLineEdit*>()) e->setModified(false);
    for (QLineEdit* e : {change_variable_form->Edit_var1, change_variable_form->Edit_var2}) e->setModified(false);
}

// Stores the shown compound and writes the library; a save that did not happen leaves
// save_as_cancelled set and changes nothing else.
void TEditLib_Form::save_library() {
    take_counter_record(text_of(Edit_Counter));
    get_library_compound_from_form(entry());
    if (library_names_changed()) mark_names_edited();
    std::string written;
    if (write_library_text_file(method_data.compound_count, method_data.library, &written)) library_saved_now(written);
}

void TEditLib_Form::Button_SaveAsClick() {
    if (create_mode()) {
        for (size_t k = kFirstAmountFlag + 1; k < entry_flags.size(); ++k)
            if (!entry_flags[k]) return;
        if (!save_created_library()) return;
        entry_flags.fill(1);
        leave_create_mode();
        return;
    }
    if (SaveOrExit() != 6) return;
    if (!NumbersOK()) return;
    save_library();
}

void TEditLib_Form::exitClick() {
    if (create_mode()) {
        leave_create_mode();
        return;
    }
    if (!InputsOK() || SaveOrExit() == 7) return;
    take_counter_record(text_of(Edit_Counter));
    const bool changed = library_differs_from_saved();
    const bool ask = changed || FormModified();
    Answer answer = Answer::Yes;  // no question counts as not No
    if (ask) {
        answer = ask_save_library_changes();
        if (answer == Answer::Cancel) return;
        if (answer == Answer::Yes) {
            save_library();
            if (editor_state.save_as_cancelled) return;  // not saved: the changes stay in the window
        }
    }
    if (!ask || answer == Answer::No) discard_library_edits();
    return_to_opener();
    if (answer != Answer::No && !editor_state.save_as_cancelled && (changed || editor_state.names_edited)) {
        show_rename_warning();
    }
}

void TEditLib_Form::print_libraryClick() {
    if (!InputsOK()) return;
    SaveRecordChanges();
    // The printout shows the library as edited; it is not the saved library.
    if (auto canvas = ui().current_printer("Compound Library"))
        ::print_library(*canvas, method_data.compound_count, method_data.library, folder_settings.slot[kLibraryTextFileSlot]);
}

void TEditLib_Form::Button1Click() { ui().choose_printer(); }

void TEditLib_Form::Button_HelpClick() { ui().show_help(help_context_); }

void TEditLib_Form::Button_ChangeVariablesClick() {
    connect(
        change_variable_form, &QDialog::finished, this,
        [this](int result) {
            if (result == QDialog::Accepted) command([this] { after_variable_dialog(); });
        },
        Qt::SingleShotConnection);
    change_variable_form->open();
}

void TEditLib_Form::after_variable_dialog() {
    if (!create_mode()) {
        apply_variable_layout();
        return;
    }
    if (method_data.variable_mode.one_variable_mode) return;
    Label8->setText(qt(method_data.variable_mode.variable1_label));
    Label4->setText(qt(method_data.variable_mode.variable2_label));
}
