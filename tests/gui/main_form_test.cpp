#include "app/main_form.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

#include "methoddata/edit_lib_form.h"
#include "methoddata/edit_mdl_form.h"
#include "methoddata/settings_file.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "windows_fixture.h"

namespace {

struct ExpectedItem {
    const char* name;
    const char* caption;
    const char* shortcut;
    const char* hint;
    bool enabled_at_start;
};

const ExpectedItem start_items[] = {
    {"CreateNewLibrary1", "Create &New Library", "", "", true},
    {"OpenLibraryMenu", "&Load Library", "Ctrl+L", "Requires a previously created library", true},
    {"UpdateLibrary1", "E&dit Library", "", "Update entries, add or delete entries", false},
    {"CreateSurrogates1", "Create &Internal Standard File", "",
     "Creates from Library using compounds labeled as Internal Standards", false},
    {"OpenSurrogateFile1", "L&oad Internal Standard File", "Ctrl+I",
     "Requires a previously created Internal Standard File", false},
    {"EditSurrogatesFile", "&Edit Internal Standard File", "", "Change entries, groupings, add or delete compounds",
     false},
    {"CopySurrogateFile", "&Copy Internal Standard File", "", "Make a copy, not active until called", false},
    {"OpenCalibrationFile1", "Lo&ad Calibration File", "Ctrl+C",
     "Call previously created calibration file.  Library and internal standard files are made inactive", true},
    {"CreateEditMDLFile2", "Create/Edit &Reporting Limits (LMT) File", "",
     "Create limits for reports using library analytes.", false},
    {"Exit1", "E&xit", "", "", true},
    {"Calibrate1", "&Calibration", "", "", false},
    {"RunCalibration", "&New", "", "", false},
    {"Review1", "&Edit", "Ctrl+R", "", false},
    {"PrintCalib", "&Print", "", "", false},
    {"CheckCalibration", "&Check Continuing Calibration", "", "", false},
    {"Quantitation1", "&Quantitation", "", "", false},
    {"Processsamplefiles1", "Process sample files", "Ctrl+Q", "", true},
    {"Delimited1", "Delimited Data Reports", "", "Electronic format.  Can be input into Spreadsheets", true},
    {"Semic1", "TRQForms format", "", "", true},
    {"HelpTopic", "Help Topics", "", "", true},
    {"About1", "About", "", "", true},
};

using MainForm = WindowsTest;

TEST_F(MainForm, StartsWithEveryItemItsCaptionShortcutHintAndState) {
    EXPECT_EQ(main_form->windowTitle(), "Quantilyzer");
    for (const ExpectedItem& s : start_items) {
        QAction* a = item(s.name);
        if (!a) continue;
        EXPECT_EQ(a->text().toStdString(), s.caption) << s.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(s.shortcut)) << s.name;
        EXPECT_EQ(a->statusTip().toStdString(), s.hint) << s.name;
        EXPECT_EQ(a->isEnabled(), s.enabled_at_start) << s.name;
    }
    EXPECT_TRUE(item("Delimited1")->isChecked());
    EXPECT_FALSE(item("Semic1")->isChecked());
}

TEST_F(MainForm, LoadLibraryOpensTheLibraryStageAndRecordsTheFile) {
    std::string file = example_file("demo_library.txt");
    ui.open_returns(file);
    item("OpenLibraryMenu")->trigger();

    EXPECT_EQ(item("UpdateLibrary1")->text(), "Edit Library... --> DEMO_LIBRARY.TXT");
    for (const char* on : {"UpdateLibrary1", "CreateSurrogates1", "OpenSurrogateFile1", "CreateEditMDLFile2"})
        EXPECT_TRUE(item(on)->isEnabled()) << on;
    for (const char* off : {"EditSurrogatesFile", "CopySurrogateFile", "Calibrate1", "Quantitation1", "Review1",
                            "PrintCalib", "CheckCalibration"})
        EXPECT_FALSE(item(off)->isEnabled()) << off;
    EXPECT_EQ(item("OpenCalibrationFile1")->text(), "Open Calibration File...");

    IniFile settings;
    ASSERT_TRUE(settings.load(install.file("5847file_standalone.ini")));
    EXPECT_EQ(settings.get_string("File", "filePath", ""), to_upper(up_to_last_dot(file)) + ".INI");
}

// The README, the demo's README and the help name the calibration file command as the
// menu shows it once a library is in: an analyst looks for the words on the menu.
TEST_F(MainForm, TheDocumentsNameTheCalibrationFileCommandAsTheMenuDoes) {
    ui.open_returns(example_file("demo_library.txt"));
    item("OpenLibraryMenu")->trigger();
    const std::string caption = item("OpenCalibrationFile1")->text().remove('&').toStdString();
    ASSERT_EQ(caption, "Open Calibration File...");
    QFile help(":/help/context_5.html");
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    const std::string page = help.readAll().toStdString();
    EXPECT_NE(page.find("File &gt; " + caption), std::string::npos);
    EXPECT_EQ(page.find("File &gt; Load Calibration File"), std::string::npos);
    for (const char* readme : {"../README.md", "README.md"}) {
        const std::string text = read_file_text(example_file(readme));
        EXPECT_NE(text.find("File > " + caption), std::string::npos) << readme;
        EXPECT_EQ(text.find("Load Calibration File"), std::string::npos) << readme;
    }
}

// The documents name the Delete button as a button: "press Delete" sends the analyst to the
// Delete key, which does nothing in the calibration window.
TEST_F(MainForm, TheDocumentsNameTheDeleteButtonNotTheKey) {
    for (const char* readme : {"../README.md", "README.md"}) {
        const std::string text = read_file_text(example_file(readme));
        EXPECT_EQ(text.find("press Delete"), std::string::npos) << readme;
    }
}

// A refused library leaves the library loaded before, and its menus, in place.
TEST_F(MainForm, FailedLoadKeepsTheLibraryStage) {
    ui.open_returns(example_file("demo_library.txt"));
    item("OpenLibraryMenu")->trigger();
    // A bad category, and an rvw with a decimal comma (read by its leading digits, 0.5).
    const std::pair<const char*, const char*> broken[] = {
        {"COMPOUND LIBRARY\nBenzene\tX\t1.0\n", "Quantilyzer: 06004"},
        {"COMPOUND LIBRARY\nBenzene\tanalyte\t0,5\n", "line 2: field 3 (rvw) '0,5' is not a number"},
    };
    for (const auto& [text, message] : broken) {
        ui.open_returns(install.write("broken.txt", text));
        ui.expect_message(message);
        item("OpenLibraryMenu")->trigger();
        EXPECT_EQ(item("UpdateLibrary1")->text(), "Edit Library... --> DEMO_LIBRARY.TXT");
        for (const char* on : {"UpdateLibrary1", "CreateSurrogates1", "OpenSurrogateFile1", "CreateEditMDLFile2"})
            EXPECT_TRUE(item(on)->isEnabled()) << on;
        EXPECT_EQ(method_data.library[0].name, "1,1-Dichloroethene");
    }
}

// Load Library resets the internal-standard records: the file they came from is in memory
// no longer, and nothing names it afterwards (the reporting-limit editor compared its files
// with it and asked). A refused library keeps the records and so their file.
TEST_F(MainForm, AfterLoadLibraryNoInternalStandardFileIsNamed) {
    ui.open_returns(example_file("demo_library.txt"));
    item("OpenLibraryMenu")->trigger();
    ui.open_returns(example_file("demo_internal_standards.ini"));
    item("OpenSurrogateFile1")->trigger();
    ASSERT_EQ(method_data.surrogate_file_loaded, 1);
    const std::string loaded = method_data.surrogate_file_path;
    ASSERT_FALSE(loaded.empty());
    ui.open_returns(install.write("broken.txt", "COMPOUND LIBRARY\nBenzene\tX\t1.0\n"));
    ui.expect_message("Quantilyzer: 06004");
    item("OpenLibraryMenu")->trigger();
    EXPECT_EQ(method_data.surrogate_file_path, loaded);

    ui.open_returns(example_file("demo_library.txt"));
    item("OpenLibraryMenu")->trigger();
    EXPECT_EQ(method_data.surrogate_file_path, "");
    EXPECT_EQ(method_data.surrogate_file_loaded, 0);
    item("CreateEditMDLFile2")->trigger();
    ASSERT_TRUE(Edit_mdl_form->isVisible());
    for (const auto& [box, text] : {std::pair{"Edit_surrfile", "other_is.ini"}, std::pair{"Edit_mdl_form_sampsize", "1000"},
                                    std::pair{"Edit_matrix", "water"}})
        Edit_mdl_form->findChild<QLineEdit*>(box)->setText(text);
    ui.save_returns(install.file("water"));
    Edit_mdl_form->findChild<QPushButton*>("Button_saveas")->click();  // no question: nothing to differ from
    EXPECT_NE(read_file_text(install.file("water.lmt")).find("\nInternal Standard File;other_is.ini\n"),
              std::string::npos);
}

TEST_F(MainForm, CancelledLoadChangesNoItem) {
    ui.open_returns(example_file("demo_library.txt"));
    item("OpenLibraryMenu")->trigger();
    std::vector<std::pair<QString, bool>> before;
    for (const ExpectedItem& s : start_items) before.emplace_back(item(s.name)->text(), item(s.name)->isEnabled());
    ui.open_returns(std::nullopt);
    item("OpenLibraryMenu")->trigger();
    for (size_t i = 0; i < std::size(start_items); ++i) {
        EXPECT_EQ(item(start_items[i].name)->text(), before[i].first);
        EXPECT_EQ(item(start_items[i].name)->isEnabled(), before[i].second) << start_items[i].name;
    }
}

TEST_F(MainForm, EditLibraryHidesTheMainWindowForTheLibraryEditorAndClosingItComesBack) {
    ui.open_returns(example_file("demo_library.txt"));
    item("OpenLibraryMenu")->trigger();
    item("UpdateLibrary1")->trigger();
    EXPECT_TRUE(EditLib_Form->isVisible());
    EXPECT_FALSE(main_form->isVisible());
    EXPECT_EQ(EditLib_Form->windowTitle().toStdString(),
              "Edit Library   (" + example_file("demo_library.txt") + ")");
    EditLib_Form->close();
    EXPECT_TRUE(main_form->isVisible());
}

TEST_F(MainForm, TaskCommandsOpenTheirWindowInPlaceOfTheMainWindow) {
    item("CreateNewLibrary1")->trigger();
    EXPECT_EQ(main_flags.NewLibraryMode, 1);
    EXPECT_TRUE(EditLib_Form->isVisible());
    EXPECT_FALSE(main_form->isVisible());
    EditLib_Form->close();

    ui.open_returns(example_file("demo_library.txt"));
    item("OpenLibraryMenu")->trigger();
    EXPECT_EQ(main_flags.NewLibraryMode, 0);
    method_data.library_saved[0].name = "stale";
    item("CreateEditMDLFile2")->trigger();
    EXPECT_TRUE(Edit_mdl_form->isVisible());
    EXPECT_FALSE(main_form->isVisible());
    EXPECT_EQ(method_data.library_saved[0].name, method_data.library[0].name);  // the editor works on a fresh copy
}

TEST_F(MainForm, DelimitedReportsToggleKeepsFlagAndCheckMarkTogether) {
    item("Delimited1")->trigger();
    EXPECT_EQ(main_flags.DelimitedReports, 0);
    EXPECT_FALSE(item("Delimited1")->isChecked());
    item("Delimited1")->trigger();
    EXPECT_EQ(main_flags.DelimitedReports, 1);
    EXPECT_TRUE(item("Delimited1")->isChecked());
    item("Semic1")->trigger();
    EXPECT_EQ(main_flags.TrqFormsFormat, 1);
    EXPECT_TRUE(item("Semic1")->isChecked());
}

TEST_F(MainForm, HelpTopicsAsksForTheMainWindowsContext) {
    item("HelpTopic")->trigger();
    EXPECT_EQ(ui.help_contexts, std::vector<int>{5});
}

TEST_F(MainForm, AnExceptionEscapingAHandlerIsShownAndGoesNoFurther) {
    struct Throwing : QObject {
        bool event(QEvent*) override { throw std::runtime_error("'12,5' is not a valid floating point value"); }
    } receiver;
    QEvent event(QEvent::User);
    QApplication::sendEvent(&receiver, &event);
    EXPECT_EQ(ui.exceptions, std::vector<std::string>{"'12,5' is not a valid floating point value"});
}

}  // namespace
