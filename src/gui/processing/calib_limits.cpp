#include "processing/calib_limits.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "samples/process_files_data.h"
#include "platform/command_guard.h"
#include "platform/controls.h"
#include "platform/ui_services.h"
#include "processing/calibration_limits.h"
#include "processing/process_files.h"

Tcalib_limits* calib_limits = nullptr;

Tcalib_limits::Tcalib_limits() : TaskWindow("Calibration Response Limits") {
    setObjectName("calib_limits");
    Edit1 = make_edit(this, "Edit1");
    Edit2 = make_edit(this, "Edit2");
    Button1 = make_button(this, "Button1", "Save", nullptr);
    Button2 = make_button(this, "Button2", "Restore Default", nullptr);
    Button3 = make_button(this, "Button3", "Exit", nullptr);
    close_box_runs(Button3);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Minimum Calibration average response (cts/mass)", this), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(new QLabel("Maximum calibration curve response deviation", this), 1, 0);
    grid->addWidget(Edit2, 1, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Button1, Button2, Button3}) buttons->addWidget(b);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    resize(460, 120);

    const struct {
        QPushButton* button;
        void (Tcalib_limits::*handler)();
    } handlers[] = {{Button1, &Tcalib_limits::Button1Click},
                    {Button2, &Tcalib_limits::Button2Click},
                    {Button3, &Tcalib_limits::Button3Click}};
    for (const auto& h : handlers) {
        auto handler = h.handler;
        connect(h.button, &QPushButton::clicked, this, [this, handler] { run_command([this, handler] { (this->*handler)(); }); });
    }
    FormCreate();
}

// The window has no Help button: F1 opens its help.
void Tcalib_limits::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        run_command([] { ui().show_help(kCalibLimitsHelpContext); });
        return;
    }
    TaskWindow::keyPressEvent(event);
}

void Tcalib_limits::FormCreate() { Button2Click(); }

void Tcalib_limits::show_calibration_limits() {
    Edit1->setText(QString::fromStdString(min_mean_response_text(process_files_data.min_mean_response)));
    Edit2->setText(QString::fromStdString(max_response_deviation_text(process_files_data.max_response_deviation)));
}

bool Tcalib_limits::check_calibration_limits() {
    const CalibrationLimitsCheck check =
        check_calibration_limit_texts(Edit1->text().toStdString(), Edit2->text().toStdString());
    if (!check.minimum_ok) Edit1->setText("Error");
    if (!check.deviation_ok) Edit2->setText("Error");
    if (!check.message.empty()) show_message(check.message, "Error");
    return check.message.empty();
}

// Both boxes are read whole by the check: a refused box stores neither value.
void Tcalib_limits::Button1Click() {
    if (!check_calibration_limits()) return;
    store_calibration_limits(process_files_data, Edit1->text().toStdString(), Edit2->text().toStdString());
}

void Tcalib_limits::Button2Click() {
    reset_calibration_limits(process_files_data);
    show_calibration_limits();
}

void Tcalib_limits::Button3Click() {
    hide();
    process_files->show();
}
