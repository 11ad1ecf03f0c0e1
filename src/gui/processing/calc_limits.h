#pragma once
// The group solution limits: shows, checks and applies them, switches them on and off for
// the processing run, and loads and saves them in a limits file.
#include <array>

#include "platform/task_window.h"
#include "processing/group_limit_entries.h"

class QLineEdit;
class QPushButton;
class QAction;

constexpr int kCalcLimitsHelpContext = 977;

class Tcalc_limits : public TaskWindow {
public:
    Tcalc_limits();

    void FormCreate();
    void show_group_limits();
    void ApplyClick();
    void Button1Click();
    void Button4Click();
    void LoadFile1Click();
    void SaveFile1Click();
    void Exit1Click();

    QPushButton* Button1 = nullptr;
    QPushButton* Apply = nullptr;
    QPushButton* Button4 = nullptr;
    QAction* LoadFile1 = nullptr;
    QAction* SaveFile1 = nullptr;
    QAction* Exit1 = nullptr;

private:
    void build_group(int half, int g, int top);
    AllGroupEntryTexts entries() const;
    // The texts, each edit marked when its entry was refused (no marks: none refused).
    void show_entries(const AllGroupEntryTexts& texts, const AllGroupEntryMarks& refused = {});

    // edits_[i][f]: group i in limits-file order (BP 1..6, RV 1..6), field f in entry order.
    std::array<std::array<QLineEdit*, 5>, 2 * kGroups> edits_{};
};

extern Tcalc_limits* calc_limits;
