#include "methoddata/settings_file.h"

#include <gtest/gtest.h>

#include "methoddata/program_paths.h"
#include "methoddata/settings_file_warnings.h"
#include "methoddata/tables.h"
#include "platform/ini_file.h"
#include "scripted_ui.h"
#include "test_files.h"
#include "program/program_state.h"

#include <sys/stat.h>

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        program_paths.install_path = folder.path() + "/";  // as the program sets it: the folder with its separator
    }
    std::string settings() const { return read_file_text(folder.file("5847file_standalone.ini")); }

    TempFolder folder;
};

TEST_F(SettingsFile, LivesInTheInstallFolderWithOneSeparator) {
    EXPECT_EQ(settings_file_path(), folder.path() + "/5847file_standalone.ini");
}

TEST_F(SettingsFile, MissingKeysReadAsUnconfigured) {
    PathSettings s;
    EXPECT_FALSE(read_file_paths(s));
    for (int slot : {kFilePathSlot, kDataPathSlot, kCalibrationPathSlot, kSurrogatePathSlot, kMdlPathSlot})
        EXPECT_EQ(s.slot[slot], "F") << "slot " << slot;
}

TEST_F(SettingsFile, ReadsEachKeyIntoItsSlotWhateverTheCaseOfItsName) {
    folder.write("5847file_standalone.ini",
                 "[FILE]\nFILEPATH=/A/LIB.INI\ndatapath=/DATA/\ncalibrationPath=/CAL\n"
                 "surrogatePath=/SURR\nmdlPath=/MDL\n");
    PathSettings s;
    EXPECT_TRUE(read_file_paths(s));
    EXPECT_EQ(s.slot[kFilePathSlot], "/A/LIB.INI");
    EXPECT_EQ(s.slot[kDataPathSlot], "/DATA/");
    EXPECT_EQ(s.slot[kCalibrationPathSlot], "/CAL");
    EXPECT_EQ(s.slot[kSurrogatePathSlot], "/SURR");
    EXPECT_EQ(s.slot[kMdlPathSlot], "/MDL");
}

TEST_F(SettingsFile, OneUnconfiguredKeyMakesTheAnswerFalseButTheOthersAreRead) {
    folder.write("5847file_standalone.ini", "[File]\nfilePath=/A/LIB.INI\ndataPath=/D/\ncalibrationPath=/C\n"
                                            "surrogatePath=/S\n");
    PathSettings s;
    EXPECT_FALSE(read_file_paths(s));
    EXPECT_EQ(s.slot[kFilePathSlot], "/A/LIB.INI");
    EXPECT_EQ(s.slot[kMdlPathSlot], "F");
}

TEST_F(SettingsFile, WritesOneKeyUpperCasedAndKeepsTheOthers) {
    folder.write("5847file_standalone.ini", "[File]\ndataPath=/data/run1/\n");
    ASSERT_TRUE(write_file_setting("filePath", "/home/ana/5847dir/Lib;v2,a\\b.ini"));
    IniFile ini;
    ASSERT_TRUE(ini.load(settings_file_path()));
    EXPECT_EQ(ini.get_string("File", "filePath", ""), "/HOME/ANA/5847DIR/LIB;V2,A\\B.INI");
    EXPECT_EQ(ini.get_string("File", "dataPath", ""), "/data/run1/");
    EXPECT_NE(settings().find("filePath="), std::string::npos) << settings();
}

ino_t inode_of(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Every Add File wrote the same folder again; a file is replaced only for a new value.
TEST_F(SettingsFile, IsWrittenOnlyWhenAValueChanges) {
    ASSERT_TRUE(write_file_setting("dataPath", "/data/run1"));
    const ino_t first = inode_of(settings_file_path());
    ASSERT_TRUE(write_file_setting("DATAPATH", "/DATA/run1"));
    EXPECT_EQ(inode_of(settings_file_path()), first);
    ASSERT_TRUE(write_file_setting("dataPath", "/data/run2"));
    EXPECT_NE(inode_of(settings_file_path()), first);
    EXPECT_EQ(settings(), "[File]\ndataPath=/DATA/RUN2\n");
}

// A damaged settings file is never replaced by one that holds only the newest folder.
TEST_F(SettingsFile, AFileThatCannotBeReadIsKeptAndReportedOnce) {
    ScriptedUi ui;
    settings_file_warnings.settings_file_warning_shown = false;
    const std::string damaged = "[File]\nfilePath=/A/LIB.INI\n" + std::string(2, '\0') + "junk\n";
    folder.write("5847file_standalone.ini", damaged);
    PathSettings s;
    s.slot[kDataPathSlot] = "/CHOSEN/IN/THIS/RUN";
    ui.expect_message("The settings file " + settings_file_path() + " could not be read");
    read_file_paths(s);
    EXPECT_EQ(ui.last_message().caption, "Warning");
    EXPECT_EQ(s.slot[kFilePathSlot], "/A/LIB.INI");            // what could be read
    EXPECT_EQ(s.slot[kDataPathSlot], "/CHOSEN/IN/THIS/RUN");   // kept
    EXPECT_FALSE(write_file_setting("mdlPath", "/mdl"));       // no second message
    EXPECT_EQ(settings(), damaged);
    EXPECT_EQ(ui.messages.size(), 1u);
    settings_file_warnings.settings_file_warning_shown = false;
}

// An install folder the program may not write to: the analyst hears of it once, not at
// every folder chosen, and the run goes on with the folders in memory.
TEST_F(SettingsFile, AFileThatCannotBeWrittenIsReportedOnce) {
    ScriptedUi ui;
    settings_file_warnings.settings_file_write_warning_shown = false;
    program_paths.install_path = folder.path() + "/not_there/";
    ui.expect_message("The settings file " + settings_file_path() + " could not be written:");
    EXPECT_FALSE(write_file_setting("dataPath", "/data/run1"));
    EXPECT_EQ(ui.last_message().caption, "Warning");
    EXPECT_NE(ui.last_message().text.find("remembered for this run only"), std::string::npos);
    EXPECT_FALSE(write_file_setting("calibrationPath", "/cal"));  // no second message
    EXPECT_EQ(ui.messages.size(), 1u);
    settings_file_warnings.settings_file_write_warning_shown = false;
}

TEST_F(SettingsFile, SavePathSettingWritesOnlyTheMdlKind) {
    folder_settings.slot[kMdlPathSlot] = "/home/ana/5847dir/Mdl";
    SavePathSetting("lib");
    EXPECT_EQ(settings(), "");
    SavePathSetting("mdl");
    IniFile ini;
    ini.load(settings_file_path());
    EXPECT_EQ(ini.get_string("File", "mdlPath", ""), "/HOME/ANA/5847DIR/MDL");
}

}  // namespace
