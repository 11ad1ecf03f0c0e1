#include "processing/process_input.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "samples/process_files_data.h"
#include "methoddata/reporting_limit_file.h"
#include "methoddata/tables.h"
#include "platform/button_hint.h"
#include "platform/command_guard.h"
#include "platform/controls.h"
#include "platform/ui_services.h"

Tprocess_input* process_input = nullptr;

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }
std::string s(const QString& text) { return text.toStdString(); }

const QString kAnalysedDateMask = QStringLiteral("99/99/9999 99:99;_");

// The mask puts a text's digits into its own places: a time of another form would be
// rearranged, so such a time is shown, and stored, as the instrument wrote it.
void show_analysed_date(QLineEdit* box, const std::string& text) {
    box->setInputMask(text.empty() || fits_analysed_date_layout(text) ? kAnalysedDateMask : QString());
    box->setText(q(text));
}


// A radio group: a titled box of exclusive buttons named <group>Item<i>.
QGroupBox* make_radio_group(QWidget* parent, const char* name, const char* title, const QStringList& items,
                            QButtonGroup*& group) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    auto* column = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], box);
        b->setObjectName(QString("%1Item%2").arg(name).arg(i));
        group->addButton(b, i);
        column->addWidget(b);
    }
    return box;
}

void check_item(QButtonGroup* group, int id) {
    if (id >= 0) {
        group->button(id)->setChecked(true);
        return;
    }
    // No item chosen yet.
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons()) b->setChecked(false);
    group->setExclusive(true);
}

}  // namespace

Tprocess_input::Tprocess_input()
    : TaskWindow("Sample Information") {
    setObjectName("process_input");

    Edit_sampfile = make_edit(this, "Edit_sampfile");
    Edit_sampfile->setReadOnly(true);
    EditAnalyzedDate = make_edit(this, "EditAnalyzedDate");
    EditAnalyzedDate->setInputMask(kAnalysedDateMask);
    EditAQRId = make_edit(this, "EditAQRId");
    set_button_hint(EditAQRId, "For TRQ this is AQR#");
    Label7 = new QLabel("    Sample ID", this);
    Label7->setObjectName("Label7");
    EditSampleId = make_edit(this, "EditSampleId");
    EditInstrumentId = make_edit(this, "EditInstrumentId");
    EditLabFileid = make_edit(this, "EditLabFileid");
    EditLabFileid->installEventFilter(this);

    RadioGroup_mdl = make_radio_group(this, "RadioGroup_mdl", "Limits", {"Reporting Limit", "CRQL", "None"},
                                      limits_modes_);
    auto* limits_box = new QGroupBox("Reporting Limits", this);
    ComboBox_sigma = new QComboBox(this);
    ComboBox_sigma->setObjectName("ComboBox_sigma");
    ComboBox_sigma->addItems({"0", "1", "2", "3"});
    Label_rep_accuracy = new QLabel("Reporting Limits (Number of Standard Deviations)", this);
    Label_rep_accuracy->setObjectName("Label_rep_accuracy");
    set_button_hint(Label_rep_accuracy, "Select the number of stadndard deviations used for reporting");
    Edit_CRQL_Factor = make_edit(this, "Edit_CRQL_Factor");
    Edit_CRQL_Factor->setText("0");
    Label_CRQL = new QLabel("CRQL %", this);
    Label_CRQL->setObjectName("Label_CRQL");
    Button_mdl_Browse = new QPushButton("Browse for Reporting Limits File", this);
    Button_mdl_Browse->setObjectName("Button_mdl_Browse");
    Edit_mdlfile = make_edit(this, "Edit_mdlfile");
    Edit_mdlfile->setReadOnly(true);
    auto* limits_grid = new QGridLayout(limits_box);
    limits_grid->addWidget(RadioGroup_mdl, 0, 0, 3, 1);
    limits_grid->addWidget(Label_rep_accuracy, 0, 1);
    limits_grid->addWidget(ComboBox_sigma, 0, 2);
    limits_grid->addWidget(Label_CRQL, 1, 1);
    limits_grid->addWidget(Edit_CRQL_Factor, 1, 2);
    limits_grid->addWidget(Button_mdl_Browse, 2, 1);
    limits_grid->addWidget(Edit_mdlfile, 3, 0, 1, 3);

    RadioGroupIncludeError = make_radio_group(this, "RadioGroupIncludeError", "Calibration Error",
                                              {"Include Calibration Error", "None"}, error_choices_);
    file_process_units_box = new QComboBox(this);
    file_process_units_box->setObjectName("file_process_units_box");
    Edit_size = make_edit(this, "Edit_size");
    set_button_hint(Edit_size, "A sample size must be entered to proceed");
    Edit_matrix = make_edit(this, "Edit_matrix");
    Edit_other_comm = make_edit(this, "Edit_other_comm");
    Edit_other_comm->hide();  // holds the limits file's Other comment; never shown
    Edit_comm1 = make_edit(this, "Edit_comm1");
    Edit_comm1->setMaxLength(80);

    Enter = new QPushButton("Enter", this);
    Enter->setObjectName("Enter");
    Enter->setDefault(true);
    set_button_hint(Enter, "Return to the sample processing screen");
    Button_Help = new QPushButton("Help", this);
    Button_Help->setObjectName("Button_Help");
    Button_Help->setCursor(Qt::WhatsThisCursor);
    set_button_hint(Button_Help, "Access Method 5847 help");
    Button1 = new QPushButton("Smooth First Pass Off", this);
    Button1->setObjectName("Button1");

    auto* grid = new QGridLayout(this);
    int row = 0;
    auto add_row = [&](const char* label, QWidget* field, int span = 3) {
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(field, row++, 1, 1, span);
    };
    add_row("Current Sample File:", Edit_sampfile);
    add_row("Analyzed Date", EditAnalyzedDate, 1);
    grid->addWidget(Label7, row, 0);
    grid->addWidget(EditAQRId, row++, 1);
    add_row("Lab Sample ID", EditSampleId, 1);
    add_row("Instrument ID", EditInstrumentId, 1);
    add_row("Lab File ID", EditLabFileid, 1);
    grid->addWidget(limits_box, row++, 0, 1, 4);
    grid->addWidget(RadioGroupIncludeError, row++, 0, 1, 2);
    add_row("Reporting Units", file_process_units_box, 1);
    add_row("Sample Size", Edit_size, 1);
    add_row("Matrix", Edit_matrix, 1);
    add_row("Comment 1:", Edit_comm1);
    grid->addWidget(Button1, row, 0);
    grid->addWidget(Button_Help, row, 2);
    grid->addWidget(Enter, row, 3);
    resize(620, 640);

    connect_button(Enter, &Tprocess_input::EnterClick);
    // No close box: leaving without Enter would leave the listed sample without its
    // settings and both windows hidden.
    without_close_box(Enter);
    connect_button(Button_mdl_Browse, &Tprocess_input::Button_mdl_BrowseClick);
    connect_button(Button1, &Tprocess_input::Button1Click);
    connect_button(Button_Help, &Tprocess_input::Button_HelpClick);
    connect(limits_modes_, &QButtonGroup::idClicked, this,
            [this](int id) { run_command([this, id] { RadioGroup_mdlClick(static_cast<EntryMode>(id)); }); });
    show_layout(EntryMode::Unset);
}

void Tprocess_input::connect_button(QPushButton* button, void (Tprocess_input::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] { run_command([this, handler] { (this->*handler)(); }); });
}

SampleEntryBoxes Tprocess_input::read_boxes() const {
    SampleEntryBoxes b;
    b.sample_file = s(Edit_sampfile->text());
    b.analysed_date = s(EditAnalyzedDate->text());
    b.agency_sample_id = s(EditAQRId->text());
    b.lab_sample_id = s(EditSampleId->text());
    b.instrument_id = s(EditInstrumentId->text());
    b.lab_file_id = s(EditLabFileid->text());
    b.mode = static_cast<EntryMode>(limits_modes_->checkedId());
    b.sigma_index = ComboBox_sigma->currentIndex();
    b.crql_percent = s(Edit_CRQL_Factor->text());
    b.include_calibration_error = error_choices_->checkedId() == 0;
    b.limits_file = s(Edit_mdlfile->text());
    b.units_index = file_process_units_box->currentIndex();
    b.size = s(Edit_size->text());
    b.matrix = s(Edit_matrix->text());
    b.other_comment = s(Edit_other_comm->text());
    b.comment = s(Edit_comm1->text());
    b.browse_caption = s(Button_mdl_Browse->text());
    return b;
}

void Tprocess_input::show_boxes(const SampleEntryBoxes& b) {
    Edit_sampfile->setText(q(b.sample_file));
    show_analysed_date(EditAnalyzedDate, b.analysed_date);
    EditAQRId->setText(q(b.agency_sample_id));
    EditSampleId->setText(q(b.lab_sample_id));
    EditInstrumentId->setText(q(b.instrument_id));
    EditLabFileid->setText(q(b.lab_file_id));
    check_item(limits_modes_, static_cast<int>(b.mode));
    ComboBox_sigma->setCurrentIndex(b.sigma_index);
    Edit_CRQL_Factor->setText(q(b.crql_percent));
    check_item(error_choices_, b.include_calibration_error ? 0 : 1);
    Edit_mdlfile->setText(q(b.limits_file));
    file_process_units_box->setCurrentIndex(b.units_index);
    Edit_size->setText(q(b.size));
    Edit_matrix->setText(q(b.matrix));
    Edit_other_comm->setText(q(b.other_comment));
    Edit_comm1->setText(q(b.comment));
    Button_mdl_Browse->setText(q(b.browse_caption));
    show_layout(b.mode);
}

void Tprocess_input::show_layout(EntryMode mode) {
    const EntryLayout l = entry_layout(mode);
    Label_rep_accuracy->setVisible(l.sigma_visible);
    ComboBox_sigma->setVisible(l.sigma_visible);
    Label_CRQL->setVisible(l.crql_visible);
    Edit_CRQL_Factor->setVisible(l.crql_visible);
    Edit_mdlfile->setVisible(l.limits_file_visible);
    Button_mdl_Browse->setVisible(l.browse_visible);
    const SampleInputCarry& carry = process_files_data.sample_input_carry;
    set_button_hint(Button_mdl_Browse, carry.last_mode_lmt   ? "Import an existing *.LMT file"
                                : carry.last_mode_crql ? "Import an existing CRQL file"
                                                       : "");
    Label7->setText(q(agency_id_label()));
    Button1->setText(q(smooth_first_pass_caption()));
    // The forms layout may have been switched off: the main window's item follows.
    show_main_menu_state();
}

void Tprocess_input::open_for_sample(int slot, QWidget* processing_window) {
    file_process_units_box->clear();
    for (const std::string& unit : reporting_units) file_process_units_box->addItem(q(unit));
    // The boxes as the entry of the sample listed before this one left them, not as the
    // window holds them: the last entry may have been of a sample deleted since.
    SampleEntryBoxes boxes = start_sample_entry(process_files_data, slot);
    open_sample_entry(boxes, process_files_data, slot);
    show_boxes(boxes);
    show_from(processing_window);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Edit_size->setFocus();  // in every layout the size box is the first to fill
}

void Tprocess_input::EnterClick() {
    SampleEntryBoxes boxes = read_boxes();
    EntryOutcome outcome;
    try {
        outcome = enter_sample_entry(boxes, process_files_data);
    } catch (...) {
        show_boxes(boxes);  // boxes blanked before the failure show as stored
        throw;
    }
    show_boxes(boxes);
    if (outcome.focus == EntryFocus::Size) Edit_size->setFocus();
    if (outcome.focus == EntryFocus::LimitsFile) Edit_mdlfile->setFocus();
    if (outcome.stored) return_to_opener();
}

void Tprocess_input::Button_mdl_BrowseClick() {
    SampleEntryBoxes boxes = read_boxes();
    browse_limits_file(boxes);
    show_boxes(boxes);
}

void Tprocess_input::RadioGroup_mdlClick(EntryMode mode) {
    SampleEntryBoxes boxes = read_boxes();
    select_entry_mode(boxes, mode);
    show_boxes(boxes);
    if (mode == EntryMode::Crql) Edit_CRQL_Factor->setFocus();
}

void Tprocess_input::Button1Click() {
    toggle_smooth_first_pass();
    Button1->setText(q(smooth_first_pass_caption()));
}

void Tprocess_input::EditLabFileidClick() { EditLabFileid->setText(q(choose_lab_file_id(s(EditLabFileid->text())))); }

void Tprocess_input::Button_HelpClick() { ui().show_help(kProcessInputHelpContext); }

bool Tprocess_input::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EditLabFileid && event->type() == QEvent::MouseButtonRelease)
        run_command([this] { EditLabFileidClick(); });
    return TaskWindow::eventFilter(watched, event);
}
