#include "methoddata/surrogate_limits_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "methoddata/surrogate_range_limits.h"
#include "methoddata/tables.h"
#include "platform/command_guard.h"
#include "platform/controls.h"
#include "platform/ui_services.h"

Tsurrogate_limits_form* surrogate_limits_form = nullptr;

namespace {

QLabel* add_label(QWidget* parent, const char* name, const char* caption, int x, int y, int w, int h = 22) {
    return placed(make_named_label(parent, name, caption), x, y, w, h);
}

QLineEdit* add_edit(QWidget* parent, const char* name, int x, int y) {
    return placed(make_edit(parent, name), x, y, 100, 22);
}

QPushButton* add_button(QWidget* parent, const char* name, const char* caption, int x, const char* hint = nullptr) {
    return placed(make_button(parent, name, caption, hint), x, 196, 80, 28);
}

void place_at(QWidget* w, const QWidget* anchor, int dy) { w->move(anchor->x(), anchor->y() + dy); }

QString qt(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

Tsurrogate_limits_form::Tsurrogate_limits_form() : TaskWindow("Internal Standard Limits") {
    setObjectName("surrogate_limits_form");
    setFixedSize(312, 240);

    // The boiling-point controls never move; the relative-volatility controls are placed
    // beside or in place of them by the variable mode when the window shows.
    Label4 = add_label(this, "Label4", "Boiling Point Limits:", 16, 16, 280);
    Label5 = add_label(this, "Label5", "Minimum:", 32, 44, 84);
    Edit_bpmin = add_edit(this, "Edit_bpmin", 120, 44);
    Label6 = add_label(this, "Label6", "Maximum:", 32, 72, 84);
    Edit_bpmax = add_edit(this, "Edit_bpmax", 120, 72);
    Label1 = add_label(this, "Label1", "Relative volatility Limits:", 16, 96, 280);
    Label2 = add_label(this, "Label2", "Minimum:", 32, 108, 84, 38);
    Edit_rvmin = add_edit(this, "Edit_rvmin", 120, 124);
    Label3 = add_label(this, "Label3", "Maximum:", 32, 152, 84);
    Edit_rvmax = add_edit(this, "Edit_rvmax", 120, 152);

    Button_accept_limits = add_button(this, "Button_accept_limits", "Apply", 16);
    Button_Help = add_button(this, "Button_Help", "Help", 116, "Access Method 5847 help");
    Button1 = add_button(this, "Button1", "Exit", 216);

    const auto on_click = [this](QPushButton* button, void (Tsurrogate_limits_form::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { run_command([this, handler] { (this->*handler)(); }); });
    };
    on_click(Button_accept_limits, &Tsurrogate_limits_form::Button_accept_limitsClick);
    on_click(Button_Help, &Tsurrogate_limits_form::Button_HelpClick);
    on_click(Button1, &Tsurrogate_limits_form::Button1Click);
    close_box_runs(Button1);
}

bool Tsurrogate_limits_form::limit_edits_modified() const {
    return Edit_bpmin->isModified() || Edit_bpmax->isModified() || Edit_rvmin->isModified() ||
           Edit_rvmax->isModified();
}

void Tsurrogate_limits_form::clear_limit_edit_marks() {
    for (QLineEdit* edit : {Edit_bpmin, Edit_bpmax, Edit_rvmin, Edit_rvmax}) edit->setModified(false);
}

QLineEdit* Tsurrogate_limits_form::edit_of(int limit_edit) const {
    switch (limit_edit) {
        case kEditBpMin: return Edit_bpmin;
        case kEditBpMax: return Edit_bpmax;
        case kEditRvMin: return Edit_rvmin;
        default: return Edit_rvmax;
    }
}

// An exact value can be longer than the edit: its leading digits are the ones to read.
void Tsurrogate_limits_form::show_limit_text(int limit_edit, const std::string& text) {
    QLineEdit* edit = edit_of(limit_edit);
    edit->setText(qt(text));
    edit->setCursorPosition(0);
}

void Tsurrogate_limits_form::showEvent(QShowEvent* event) {
    TaskWindow::showEvent(event);
    if (!placed_) {
        centre_on_screen();
        placed_ = true;
    }
    run_command([this] { FormShow(); });
}

void Tsurrogate_limits_form::place_controls() {
    QWidget* rv[] = {Label1, Label2, Edit_rvmin, Label3, Edit_rvmax};
    QWidget* bp[] = {Label4, Label5, Edit_bpmin, Label6, Edit_bpmax};
    const bool one_variable = method_data.variable_mode.one_variable_mode != 0;
    const bool bp_only = one_variable && method_data.variable_mode.bp_variable_chosen != 0;
    const bool rv_only = one_variable && method_data.variable_mode.rvw_variable_chosen != 0;
    for (QWidget* w : rv) w->setVisible(!bp_only);
    for (QWidget* w : bp) w->setVisible(!rv_only);
    if (bp_only) {
        Label4->setText(qt(method_data.variable_mode.single_variable_label) + " limits");
    } else if (rv_only) {
        Label1->setText(qt(method_data.variable_mode.single_variable_label) + " limits");
        for (int i = 0; i < 5; ++i) place_at(rv[i], bp[i], 0);
    } else if (!one_variable) {
        Label1->setText(qt(method_data.variable_mode.variable1_label) + " limits");
        Label4->setText(qt(method_data.variable_mode.variable2_label) + " limits");
        place_at(Label1, Label4, 80);
        place_at(Label2, Label5, 64);
        for (int i = 2; i < 5; ++i) place_at(rv[i], bp[i], 80);
    }
}

void Tsurrogate_limits_form::FormShow() {
    place_controls();
    const LimitTexts texts = shown_limit_texts();
    for (int e = kEditBpMin; e <= kEditRvMax; ++e) show_limit_text(e, texts[e]);
}

void Tsurrogate_limits_form::Button_accept_limitsClick() {
    const LimitTexts texts{Edit_bpmin->text().toStdString(), Edit_bpmax->text().toStdString(),
                           Edit_rvmin->text().toStdString(), Edit_rvmax->text().toStdString()};
    if (const auto reset = apply_range_limits(texts)) {
        show_limit_text(reset->edit, reset->text);
        return;
    }
    return_to_opener();
}

void Tsurrogate_limits_form::Button1Click() { return_to_opener(); }

void Tsurrogate_limits_form::Button_HelpClick() { ui().show_help(kSurrogateLimitsHelpContext); }
