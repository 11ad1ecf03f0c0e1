#include "processing/calc_limits.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "platform/command_guard.h"
#include "platform/paths.h"
#include "platform/ui_services.h"
#include "processing/process_files.h"

Tcalc_limits* calc_limits = nullptr;

namespace {

constexpr int kTop = 64;          // first group row, below the menu and the headers
constexpr int kGroupHeight = 84;  // three rows of an edit and a gap
constexpr int kRowHeight = 25;
constexpr int kHalfWidth = 420;

QLabel* add_label(QWidget* parent, const QString& text, int x, int y, int width = 100) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, width, 20);
    return label;
}

// Edit numbers of group g (1..6) of the BP half: slope lower, intercept lower, difference,
// slope upper, intercept upper. The RV half's numbers are 30 higher.
std::array<int, 5> edit_numbers(int g) { return {3 * g - 2, 3 * g - 1, 3 * g, 17 + 2 * g, 18 + 2 * g}; }

}  // namespace

Tcalc_limits::Tcalc_limits() : TaskWindow("Limits for Calculations") {
    setObjectName("calc_limits");
    setFixedSize(2 * kHalfWidth, kTop + kGroups * kGroupHeight + 56);

    auto* menu_bar = new QMenuBar(this);
    menu_bar->setGeometry(0, 0, width(), 24);
    QMenu* files = menu_bar->addMenu("Files");
    files->setObjectName("Files1");
    LoadFile1 = files->addAction("Load File");
    LoadFile1->setObjectName("LoadFile1");
    SaveFile1 = files->addAction("Save File");
    SaveFile1->setObjectName("SaveFile1");
    Exit1 = menu_bar->addAction("Exit");
    Exit1->setObjectName("Exit1");
    close_box_runs(Exit1);

    const char* titles[] = {"Boiling Points", "Relative Volatility"};
    const char* lower_captions[] = {"Lower  Limit", "Lower Limit"};
    for (int half = 0; half < 2; ++half) {
        const int x = half * kHalfWidth;
        QLabel* title = add_label(this, titles[half], x + 16, 28, 200);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        add_label(this, lower_captions[half], x + 180, 44);
        add_label(this, "Upper Limit", x + 290, 44);
        for (int g = 1; g <= kGroups; ++g) build_group(half, g, kTop + (g - 1) * kGroupHeight);
    }

    const int buttons_top = kTop + kGroups * kGroupHeight + 12;
    const struct {
        QPushButton*& button;
        const char* name;
        const char* caption;
        void (Tcalc_limits::*handler)();
    } buttons[] = {
        {Button1, "Button1", "Display", &Tcalc_limits::Button1Click},
        {Apply, "Apply", "Apply", &Tcalc_limits::ApplyClick},
        {Button4, "Button4", "Implement Limits", &Tcalc_limits::Button4Click},
    };
    int left = 2 * kHalfWidth / 2 - 3 * 130 / 2;
    for (const auto& b : buttons) {
        b.button = new QPushButton(b.caption, this);
        b.button->setObjectName(b.name);
        b.button->setGeometry(left, buttons_top, 120, 30);
        auto handler = b.handler;
        connect(b.button, &QPushButton::clicked, this, [this, handler] { run_command([this, handler] { (this->*handler)(); }); });
        left += 130;
    }
    const std::pair<QAction*, void (Tcalc_limits::*)()> actions[] = {
        {LoadFile1, &Tcalc_limits::LoadFile1Click},
        {SaveFile1, &Tcalc_limits::SaveFile1Click},
        {Exit1, &Tcalc_limits::Exit1Click},
    };
    for (const auto& [action, handler] : actions) {
        auto h = handler;
        connect(action, &QAction::triggered, this, [this, h] { run_command([this, h] { (this->*h)(); }); });
    }
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [] { run_command([] { ui().show_help(kCalcLimitsHelpContext); }); });

    run_command([this] { FormCreate(); });
}

void Tcalc_limits::build_group(int half, int g, int top) {
    const int x = half * kHalfWidth;
    add_label(this, QString("Group %1").arg(g), x + 16, top, 60);
    const char* rows[] = {"Slope", "Intercept", "Diff at upper"};
    for (int r = 0; r < 3; ++r) add_label(this, rows[r], x + 84, top + r * kRowHeight, 90);
    const std::array<int, 5> numbers = edit_numbers(g);
    // Field f sits in row f % 3 of the group: lower column for 0..2, upper column for 3..4.
    for (int f = 0; f < 5; ++f) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString("Edit%1").arg(numbers[f] + 30 * half));
        edit->setGeometry(x + (f < 3 ? 180 : 290), top + (f % 3) * kRowHeight, 100, 22);
        edits_[half * kGroups + g - 1][f] = edit;
    }
}

AllGroupEntryTexts Tcalc_limits::entries() const {
    AllGroupEntryTexts texts;
    for (size_t i = 0; i < edits_.size(); ++i)
        for (int f = 0; f < 5; ++f) texts[i][f] = edits_[i][f]->text().toStdString();
    return texts;
}

// A refused entry keeps what the analyst typed and shows on a red ground until it is mended.
void Tcalc_limits::show_entries(const AllGroupEntryTexts& texts, const AllGroupEntryMarks& refused) {
    for (size_t i = 0; i < edits_.size(); ++i)
        for (int f = 0; f < 5; ++f) {
            QLineEdit* edit = edits_[i][f];
            edit->setText(QString::fromStdString(texts[i][f]));
            edit->setProperty("refused", refused[i][f]);
            edit->setStyleSheet(refused[i][f] ? "QLineEdit { background-color: #ffb3b3; }" : "");
            edit->setToolTip(refused[i][f] ? "Error" : "");
        }
}

void Tcalc_limits::FormCreate() {
    init_group_limits(executable_folder());
    Button4->setText("Implement Limits");
    show_group_limits();
}

void Tcalc_limits::show_group_limits() { show_entries(group_limit_texts()); }

void Tcalc_limits::ApplyClick() {
    AllGroupEntryTexts texts = entries();
    AllGroupEntryMarks refused{};
    apply_group_limits_with_message(texts, refused);
    show_entries(texts, refused);
}

void Tcalc_limits::Button1Click() { show_group_limits(); }

void Tcalc_limits::Button4Click() {
    const bool on = toggle_group_limits() == 1;
    if (process_files)
        if (auto* label = process_files->findChild<QLabel*>("Label5"))
            label->setText(on ? "Group Limits are on" : "Group Limits are off");
    Button4->setText(on ? "Cancel Limits" : "Implement Limits");
}

void Tcalc_limits::LoadFile1Click() {
    FileDialogRequest request;
    request.title = "Open";
    request.start_folder = executable_folder();
    request.filter = "test files|*.txt";
    std::optional<std::string> path = ui().open_file(request);
    if (!path) return;
    load_group_limits(*path);
    show_group_limits();
}

void Tcalc_limits::SaveFile1Click() {
    AllGroupEntryTexts texts = entries();
    AllGroupEntryMarks refused{};
    const bool valid = apply_group_limits_for_save(texts, refused);
    show_entries(texts, refused);
    if (!valid) return;
    FileDialogRequest request;
    request.title = "Save As";
    request.start_folder = executable_folder();
    request.filter = "text file |*.txt";
    request.default_extension = "txt";
    request.must_exist = false;
    if (std::optional<std::string> path = ui().save_file(request)) save_group_limits(*path);
}

void Tcalc_limits::Exit1Click() { return_to_opener(); }
