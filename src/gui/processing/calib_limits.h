#pragma once
// The calibration response limits: shows, checks and sets the minimum mean response factor
// and the maximum response-factor deviation below which a compound counts as calibrated.
// The values live in the processing window's data; this window replaces the processing
// window while it is open.
#include "platform/task_window.h"

class QKeyEvent;
class QLineEdit;
class QPushButton;

constexpr int kCalibLimitsHelpContext = 980;

class Tcalib_limits : public TaskWindow {
public:
    Tcalib_limits();

    QLineEdit* Edit1;  // minimum mean response (counts per mass unit)
    QLineEdit* Edit2;  // maximum response deviation, a percentage
    QPushButton* Button1;  // Save
    QPushButton* Button2;  // Restore Default
    QPushButton* Button3;  // Exit

    void FormCreate();
    void show_calibration_limits();
    // Checks both boxes; each bad one shows "Error". True when both are good.
    bool check_calibration_limits();
    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

extern Tcalib_limits* calib_limits;
