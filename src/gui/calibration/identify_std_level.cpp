#include "calibration/identify_std_level.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "calibration/calibrate_form.h"
#include "calibration/level_label.h"
#include "platform/command_guard.h"
#include "platform/ui_services.h"

Tidentify_std_level* identify_std_level = nullptr;

Tidentify_std_level::Tidentify_std_level() : QDialog(nullptr) {
    setObjectName("identify_std_level");
    setWindowTitle("Identify Standard Level");
    setModal(true);

    Edit_stdpath = new QLineEdit(this);
    Edit_stdpath->setObjectName("Edit_stdpath");
    Edit_stdpath->setReadOnly(true);
    Edit_stdpath->setMinimumWidth(380);

    ConcGroup = new QGroupBox(this);
    ConcGroup->setObjectName("ConcGroup");
    ConcGroupButtons = new QButtonGroup(this);
    auto* items = new QVBoxLayout(ConcGroup);
    for (int i = 0; i < kLevelItems; ++i) {
        auto* item = new QRadioButton(QString::fromStdString(level_item_captions[i]), ConcGroup);
        item->setObjectName(QString("ConcGroupItem%1").arg(i));
        ConcGroupButtons->addButton(item, i);
        items->addWidget(item);
    }

    Edit_dilfactor = new QLineEdit(this);
    Edit_dilfactor->setObjectName("Edit_dilfactor");
    Edit_dilfactor->setToolTip("Enter a valid dilution factor of the first amount");
    Edit_dilfactor->installEventFilter(this);

    Button_exit = new QPushButton("Enter", this);
    Button_exit->setObjectName("Button_exit");
    Button_exit->setToolTip("Exit this screen and continue with the calibration process");
    Button_exit->setDefault(true);  // Return enters the label

    auto* form = new QFormLayout(this);
    form->addRow(new QLabel("Standard file path", this), Edit_stdpath);
    form->addRow(ConcGroup);
    form->addRow(new QLabel("Dilution Factor", this), Edit_dilfactor);
    form->addRow(Button_exit);

    connect(ConcGroupButtons, &QButtonGroup::idClicked, this,
            [this](int item) { run_command([this, item] { ConcGroupClick(item); }); });
    connect(Edit_dilfactor, &QLineEdit::textChanged, this,
            [this] { run_command([this] { Edit_dilfactorChange(); }); });
    connect(Button_exit, &QPushButton::clicked, this,
            [this] { run_command([this] { Button_exitClick(); }); });
}

void Tidentify_std_level::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        run_command([] { ui().show_help(kCalibrationHelpContext); });
        return;
    }
    QDialog::keyPressEvent(event);
}

int Tidentify_std_level::ConcGroupItemIndex() const { return ConcGroupButtons->checkedId(); }

void Tidentify_std_level::SetConcGroupItemIndex(int item) {
    if (item < 0) {
        // An exclusive group keeps one button checked; "no item" needs it off for a moment.
        ConcGroupButtons->setExclusive(false);
        for (QAbstractButton* b : ConcGroupButtons->buttons()) b->setChecked(false);
        ConcGroupButtons->setExclusive(true);
        return;
    }
    if (QAbstractButton* b = ConcGroupButtons->button(item)) b->setChecked(true);
}

void Tidentify_std_level::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    OnShow();
}

// Clicking into the dilution factor while it holds text chooses the dilution item.
bool Tidentify_std_level::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit_dilfactor && event->type() == QEvent::MouseButtonPress)
        Edit_dilfactorChange();
    return QDialog::eventFilter(watched, event);
}

void Tidentify_std_level::OnShow() {
    SetConcGroupItemIndex(kNoLevelItem);
    QListWidget* files = Calibrate_form->DirListBox;
    const QList<QListWidgetItem*> selected = Calibrate_form->ConcListBox->selectedItems();
    const int row = selected.isEmpty() ? files->count() - 1
                                       : Calibrate_form->ConcListBox->row(selected.front());
    Edit_stdpath->setText(row >= 0 && row < files->count() ? files->item(row)->text() : QString());
    Edit_dilfactor->clear();
    Edit_dilfactor->setFocus();
}

void Tidentify_std_level::ConcGroupClick(int item) {
    if (item >= 0 && item < kDilutionItem) Edit_dilfactor->clear();
}

void Tidentify_std_level::Edit_dilfactorChange() {
    if (!Edit_dilfactor->text().isEmpty()) SetConcGroupItemIndex(kDilutionItem);
}

void Tidentify_std_level::Button_exitClick() {
    const int item = ConcGroupItemIndex();
    const std::string dilution = Edit_dilfactor->text().toStdString();
    if (auto refusal = check_level_entry(item, dilution)) {
        show_message(refusal->text, refusal->caption);
        return;
    }
    Calibrate_form->store_level_label(level_label_of_entry(item, dilution));
    accept();
}
