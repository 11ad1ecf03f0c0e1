// The main window's internal-standard commands on the demo library and its demo
// internal-standard file.
#include <QMenu>
#include <QWidget>
#include <cstdlib>

#include "methoddata/calibration_data.h"
#include "methoddata/surr_form.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "windows_fixture.h"

namespace {

const std::string kNotInStepWarning =
    "The internal standard file is not synchronized to the compound library.";

class SurrogateCommands : public WindowsTest {
  protected:
    void SetUp() override {
        setenv("TMPDIR", reports.path().c_str(), 1);  // the mismatch report goes here
        WindowsTest::SetUp();
        ui.open_returns(example_file("demo_library.txt"));
        item("OpenLibraryMenu")->trigger();
    }
    void TearDown() override {
        WindowsTest::TearDown();
        unsetenv("TMPDIR");
    }
    void load_surrogate_file(const std::string& path) {
        ui.open_returns(path);
        item("OpenSurrogateFile1")->trigger();
    }
    // The demo file without its last record: the library has one internal standard more.
    std::string out_of_step_file() {
        IniFile file;
        file.load(example_file("demo_internal_standards.ini"));
        file.erase_section("compound11");
        file.set_int("header", "number_comps", 10);
        const std::string path = install.file("SHORT.INI");
        file.save_as(path);
        return path;
    }

    TempFolder reports;
};

TEST_F(SurrogateCommands, LoadingTheDemoFileOpensTheCalibrationMenu) {
    const std::string path = example_file("demo_internal_standards.ini");
    load_surrogate_file(path);
    EXPECT_EQ(ui.open_requests.back().filter, "Surrogate files (*.ini)|*.ini");
    EXPECT_EQ(ui.open_requests.back().default_extension, ".INI");
    EXPECT_TRUE(item("Calibrate1")->isEnabled());
    EXPECT_TRUE(item("EditSurrogatesFile")->isEnabled());
    EXPECT_TRUE(item("CopySurrogateFile")->isEnabled());
    EXPECT_EQ(item("EditSurrogatesFile")->text(),
              "Edit Internal Standard File... --> DEMO_INTERNAL_STANDARDS.INI");
    EXPECT_EQ(method_data.surrogate_file_loaded, 1);
    EXPECT_EQ(method_data.surrogate_count, 11);

    IniFile settings;
    ASSERT_TRUE(settings.load(install.file("5847file_standalone.ini")));
    EXPECT_EQ(settings.get_string("File", "surrogatePath", ""), to_upper(folder_of(path)));

    // Opening the Calibration menu offers New.
    emit main_form->findChild<QMenu*>("Calibrate1")->aboutToShow();
    EXPECT_TRUE(item("RunCalibration")->isEnabled());
}

TEST_F(SurrogateCommands, AnOutOfStepFileIsRefusedForCalibration) {
    load_surrogate_file(example_file("demo_internal_standards.ini"));
    ASSERT_TRUE(item("Calibrate1")->isEnabled());

    ui.expect_message(kNotInStepWarning);
    ui.expect_message("The report file was written:\n" + reports.file("mismatchfile.TXT"));
    ui.expect_message("Internal standard file not in sync.");
    load_surrogate_file(out_of_step_file());
    EXPECT_EQ(ui.last_message().caption,
              "Calibration with current internal standard file not allowed");
    EXPECT_FALSE(item("Calibrate1")->isEnabled());  // also closed after an earlier good file
    EXPECT_EQ(ui.finished_jobs.size(), 1u);         // the mismatch printout
    EXPECT_TRUE(file_exists(reports.file("mismatchfile.TXT")));
}

// A refused file changes nothing: the file loaded before stays in memory and in the menus.
TEST_F(SurrogateCommands, FilesThatCannotBeReadOrHoldNoRecordsChangeNothing) {
    load_surrogate_file(example_file("demo_internal_standards.ini"));
    const QString caption = item("EditSurrogatesFile")->text();
    const std::string path = method_data.surrogate_file_path;
    method_data.user_limits_applied = 1;  // limits the analyst applied and the points of the models stay
    model_work_tables.bp_points[0][0].in_use = model_work_tables.rv_points[0][0].in_use = 1;
    const auto expect_kept = [] {
        EXPECT_EQ(method_data.user_limits_applied, 1);
        EXPECT_EQ(model_work_tables.bp_points[0][0].in_use, 1);
        EXPECT_EQ(model_work_tables.rv_points[0][0].in_use, 1);
    };
    ui.open_returns(std::nullopt);  // a cancelled dialog
    item("OpenSurrogateFile1")->trigger();
    expect_kept();
    ui.expect_message("Quantilyzer: 06001");
    ui.expect_message("Quantilyzer: 06006");
    ui.expect_message("Quantilyzer: 22006 | record 1");
    for (const std::string& file : {install.file("NOSUCH.INI"), install.write("EMPTY.INI", "[header]\nnumber_comps=0\n"),
                                    install.write("BAD.INI", "[header]\nnumber_comps=1\n[compound1]\nname=X\n")}) {
        load_surrogate_file(file);
        SCOPED_TRACE(file);
        EXPECT_EQ(item("EditSurrogatesFile")->text(), caption);
        for (const char* on : {"EditSurrogatesFile", "CopySurrogateFile", "Calibrate1"})
            EXPECT_TRUE(item(on)->isEnabled()) << on;
        EXPECT_EQ(method_data.surrogate_count, 11);
        EXPECT_EQ(method_data.surrogate_file_path, path);
        EXPECT_EQ(method_data.surrogates[10].name, "Acenaphthene-d10");
        expect_kept();
    }
}

TEST_F(SurrogateCommands, CreateWritesANewFileThatIsNotLoaded) {
    ui.open_returns(install.file("new.txt"));
    item("CreateSurrogates1")->trigger();
    EXPECT_FALSE(ui.open_requests.back().must_exist);
    IniFile created;
    ASSERT_TRUE(created.load(install.file("NEW.INI")));
    EXPECT_EQ(created.get_int("header", "number_comps", 0), 11);
    EXPECT_EQ(created.get_string("compound11", "name", ""), "Acenaphthene-d10");
    EXPECT_EQ(status_line(main_form), "File written: " + install.file("NEW.INI"));
    EXPECT_FALSE(item("EditSurrogatesFile")->isEnabled());
    // Creating is the request of that command only: the next Open asks for a file that exists.
    ui.open_returns(std::nullopt);
    item("OpenSurrogateFile1")->trigger();
    EXPECT_TRUE(ui.open_requests.back().must_exist);
}

TEST_F(SurrogateCommands, CopyMakesAByteForByteCopy) {
    load_surrogate_file(example_file("demo_internal_standards.ini"));
    ui.answer(Answer::Yes);
    ui.save_returns(install.file("copy"));
    item("CopySurrogateFile")->trigger();
    EXPECT_EQ(ui.messages.back().text, "Copy DEMO_INTERNAL_STANDARDS.INI?");
    EXPECT_EQ(read_file_text(install.file("COPY.ini")),
              read_file_text(example_file("demo_internal_standards.ini")));
    EXPECT_EQ(status_line(main_form), "File written: " + install.file("COPY.ini"));

    // A copy that cannot be made is said so, naming the files.
    ui.answer(Answer::Yes);
    ui.save_returns(install.file("no such folder/copy"));
    ui.expect_message("could not be copied to " + to_upper(install.file("no such folder/copy")) + ".ini");
    item("CopySurrogateFile")->trigger();
    EXPECT_EQ(ui.last_message().caption, "Error");
}

TEST_F(SurrogateCommands, EditOpensTheEditorOnlyForAFileInStep) {
    // A copy: the close box leaves as Exit does, which leaves a "$$$" copy beside the file.
    load_surrogate_file(install.write("DEMO.INI", read_file_text(example_file("demo_internal_standards.ini"))));
    item("EditSurrogatesFile")->trigger();
    EXPECT_TRUE(surr_Form->isVisible());
    EXPECT_FALSE(main_form->isVisible());
    EXPECT_EQ(method_data.surrogates_saved[10].name, "Acenaphthene-d10");
    surr_Form->close();

    method_data.library[6].name = "Acetone-D6";  // the library changed since the file was loaded
    ui.answer(Answer::No);           // not a rename
    ui.expect_message(kNotInStepWarning);
    ui.expect_message("The report file was written:\n" + reports.file("mismatchfile.TXT"));
    item("EditSurrogatesFile")->trigger();
    EXPECT_FALSE(surr_Form->isVisible());
    EXPECT_EQ(item("EditSurrogatesFile")->text(), "Edit Internal Standard File...");
    for (const char* off :
         {"EditSurrogatesFile", "CopySurrogateFile", "Calibrate1", "Quantitation1"})
        EXPECT_FALSE(item(off)->isEnabled()) << off;
}

}  // namespace
