#include "methoddata/check_surrogate_catagories_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "methoddata/category_threshold_edits.h"
#include "methoddata/tables.h"
#include "platform/command_guard.h"
#include "platform/controls.h"
#include "platform/ui_services.h"

Tcheck_surrogate_catagories_form* check_surrogate_catagories_form = nullptr;

namespace {

QLabel* add_label(QWidget* parent, const char* name, const char* caption, int x, int y, int w) {
    return placed(make_named_label(parent, name, caption), x, y, w, 22);
}

QLineEdit* add_edit(QWidget* parent, const char* name, int x, int y, bool visible = true) {
    QLineEdit* edit = placed(make_edit(parent, name), x, y, 90, 22);
    edit->setVisible(visible);
    return edit;
}

QPushButton* add_button(QWidget* parent, const char* name, const char* caption, int x, const char* hint = nullptr) {
    return placed(make_button(parent, name, caption, hint), x, 148, 80, 28);
}

QString qt(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

Tcheck_surrogate_catagories_form::Tcheck_surrogate_catagories_form() : TaskWindow("Class Ranges") {
    setObjectName("check_surrogate_catagories_form");
    setFixedSize(600, 196);

    // Rows: the three classes; columns: the linear (BP) and the logarithmic (RV) variable.
    const int linear_x = 380;
    const int log_x = 490;
    lblLinear = add_label(this, "lblLinear", "", linear_x, 12, 100);
    lblLog = add_label(this, "lblLog", "", log_x, 12, 100);
    lblvcs = add_label(this, "lblvcs", "Volatile compound class               < ", 16, 40, 356);
    lbln_pvcs = add_label(this, "lbln_pvcs", "Non-Purgeable volatile compound class                   > ",
                          16, 72, 356);
    lblsvcs = add_label(this, "lblsvcs", "Semi-Volatile compound clas       >=", 16, 104, 356);
    Editvcs = add_edit(this, "Editvcs", linear_x, 40);
    EditvcsLn = add_edit(this, "EditvcsLn", log_x, 40, false);
    Editn_pvcs = add_edit(this, "Editn_pvcs", linear_x, 72, false);
    Editn_pvcsLn = add_edit(this, "Editn_pvcsLn", log_x, 72);
    Editsvc = add_edit(this, "Editsvc", linear_x, 104);
    EditsvcLn = add_edit(this, "EditsvcLn", log_x, 104, false);
    Editsvc->setReadOnly(true);  // it follows the volatile threshold
    QPalette grey = Editsvc->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    Editsvc->setPalette(grey);

    Button_ok = add_button(this, "Button_ok", "Apply", 16);
    Button_help = add_button(this, "Button_help", "Help", 112, "Access Method 5847 help");
    Button1 = add_button(this, "Button1", "Exit", 208);

    const auto on_click = [this](QPushButton* button, void (Tcheck_surrogate_catagories_form::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { run_command([this, handler] { (this->*handler)(); }); });
    };
    on_click(Button_ok, &Tcheck_surrogate_catagories_form::Button_okClick);
    on_click(Button_help, &Tcheck_surrogate_catagories_form::Button_helpClick);
    on_click(Button1, &Tcheck_surrogate_catagories_form::Button1Click);
    close_box_runs(Button1);
    connect(Editvcs, &QLineEdit::textEdited, this, [this] { run_command([this] { EditvcsChange(); }); });
}

std::array<QLineEdit*, 6> Tcheck_surrogate_catagories_form::edits() const {
    return {Editvcs, EditvcsLn, Editn_pvcs, Editn_pvcsLn, Editsvc, EditsvcLn};
}

void Tcheck_surrogate_catagories_form::showEvent(QShowEvent* event) {
    TaskWindow::showEvent(event);
    if (!placed_) {
        centre_on_screen();
        placed_ = true;
    }
    run_command([this] { FormShow(); });
}

void Tcheck_surrogate_catagories_form::FormShow() {
    const ThresholdTexts texts = shown_threshold_texts();
    const auto all = edits();
    for (size_t i = 0; i < all.size(); ++i) all[i]->setText(qt(texts[i]));
    lblLinear->setText(qt(method_data.variable_mode.variable2_label));
    lblLog->setText(qt(method_data.variable_mode.variable1_label));
}

void Tcheck_surrogate_catagories_form::EditvcsChange() {
    Editsvc->setText(qt(mirrored_svc_text(Editvcs->text().toStdString())));
}

void Tcheck_surrogate_catagories_form::Button_okClick() {
    ThresholdTexts texts;
    const auto all = edits();
    for (size_t i = 0; i < all.size(); ++i) texts[i] = all[i]->text().toStdString();
    if (!apply_threshold_texts(texts)) return;  // the refused edit is named; the window stays
    return_to_opener();
}

void Tcheck_surrogate_catagories_form::Button1Click() { return_to_opener(); }

void Tcheck_surrogate_catagories_form::Button_helpClick() { ui().show_help(kClassRangesHelpContext); }
