#include "methoddata/change_variable_form.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "methoddata/editor_state.h"
#include "methoddata/tables.h"
#include "methoddata/variable_mode.h"
#include "platform/button_hint.h"
#include "platform/command_guard.h"
#include "platform/ui_services.h"

Tchange_variable_form* change_variable_form = nullptr;

namespace {

QLineEdit* add_label_edit(QWidget* parent, const char* name, const char* caption, int top) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(24, top, 200, 17);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(24, top + 18, 200, 24);
    return edit;
}

}  // namespace

Tchange_variable_form::Tchange_variable_form()
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint) {
    setObjectName("change_variable_form");
    setWindowTitle("Change Variable Form");
    setFixedSize(360, 200);
    setModal(true);

    Edit_var1 = add_label_edit(this, "Edit_var1", "Variable 1 (Ln)", 16);
    Edit_var2 = add_label_edit(this, "Edit_var2", "Variable 2 (Linear)", 72);

    auto* count_label = new QLabel("Number of Variables", this);
    count_label->setGeometry(24, 128, 200, 17);
    ComboBox_varNum = new QComboBox(this);
    ComboBox_varNum->setObjectName("ComboBox_varNum");
    ComboBox_varNum->setEditable(true);  // a typed number is checked by Ok
    ComboBox_varNum->addItems({"1", "2"});
    ComboBox_varNum->setGeometry(24, 146, 80, 24);

    Button_Ok = new QPushButton("Ok", this);
    Button_cancel = new QPushButton("Cancel", this);
    Button_help = new QPushButton("Help", this);
    const struct {
        QPushButton* button;
        const char* name;
        const char* hint;
        void (Tchange_variable_form::*handler)();
    } buttons[] = {
        {Button_Ok, "Button_Ok", "Close dialog and return to Update Library", &Tchange_variable_form::Button_OkClick},
        {Button_cancel, "Button_cancel", "Return to Update Library without any changes",
         &Tchange_variable_form::Button_cancelClick},
        {Button_help, "Button_help", "Access Method 5847 help", &Tchange_variable_form::Button_helpClick},
    };
    int top = 24;
    for (const auto& b : buttons) {
        b.button->setObjectName(b.name);
        b.button->setGeometry(256, top, 80, 28);
        set_button_hint(b.button, b.hint);
        auto handler = b.handler;
        connect(b.button, &QPushButton::clicked, this, [this, handler] { run_command([this, handler] { (this->*handler)(); }); });
        top += 40;
    }
    Button_Ok->setDefault(true);

    // Only the analyst's own changes count, not the filling of the box.
    connect(ComboBox_varNum, &QComboBox::activated, this, [this] { ComboBox_varNumChange(); });
    connect(ComboBox_varNum->lineEdit(), &QLineEdit::textEdited, this, [this] { ComboBox_varNumChange(); });
}

void Tchange_variable_form::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        run_command([this] { FormShow(); });
    }
    QDialog::showEvent(event);
}

void Tchange_variable_form::FormShow() {
    VariableDialogEntry entry = variable_dialog_entry(method_data.variable_mode);
    // Filling an edit does not mark it modified: only the analyst's typing does.
    Edit_var1->setText(QString::fromStdString(entry.var1));
    Edit_var2->setText(QString::fromStdString(entry.var2));
    ComboBox_varNum->setCurrentIndex(entry.count_text == "1" ? 0 : 1);
}

void Tchange_variable_form::Button_OkClick() {
    VariableDialogEntry entry{Edit_var1->text().toStdString(), Edit_var2->text().toStdString(),
                              ComboBox_varNum->currentText().toStdString()};
    if (apply_variable_dialog_entry(entry, Edit_var1->isModified() || Edit_var2->isModified())) accept();
}

void Tchange_variable_form::Button_cancelClick() { reject(); }

void Tchange_variable_form::Button_helpClick() { ui().show_help_topic(variable_help_file(), kVariableHelpTopic); }

void Tchange_variable_form::ComboBox_varNumChange() { variable_count_typed(); }
