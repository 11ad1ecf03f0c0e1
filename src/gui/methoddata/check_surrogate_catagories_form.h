#pragma once
// The class thresholds that sort the internal standards into volatile, non-purgeable
// volatile and semi-volatile classes for the internal-standard report rows.
#include <array>

#include "platform/task_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

class Tcheck_surrogate_catagories_form : public TaskWindow {
public:
    Tcheck_surrogate_catagories_form();

    // Handlers.
    void FormShow();
    void EditvcsChange();
    void Button_okClick();
    void Button1Click();
    void Button_helpClick();

    QLabel* lblLinear;
    QLabel* lblLog;
    QLabel* lblvcs;
    QLabel* lbln_pvcs;
    QLabel* lblsvcs;
    QLineEdit* Editvcs;
    QLineEdit* EditvcsLn;
    QLineEdit* Editn_pvcs;
    QLineEdit* Editn_pvcsLn;
    QLineEdit* Editsvc;
    QLineEdit* EditsvcLn;
    QPushButton* Button_ok;
    QPushButton* Button_help;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The six edits in the order vcs, vcsLn, n_pvcs, n_pvcsLn, svc, svcLn.
    std::array<QLineEdit*, 6> edits() const;

    bool placed_ = false;
};

extern Tcheck_surrogate_catagories_form* check_surrogate_catagories_form;

constexpr int kClassRangesHelpContext = 150;
