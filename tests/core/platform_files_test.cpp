// The platform helpers every file reader and writer stands on.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/command_guard.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/text_util.h"
#include "test_files.h"

namespace {

TEST(IniFileTest, SectionsAndKeysMatchWithoutRegardToCase) {
    TempFolder temp;
    std::string path = temp.write("settings.ini", "[Header]\nSurrogateCount=3\n[File]\nfilePath=/a/b.ini\n");
    IniFile ini;
    ASSERT_TRUE(ini.load(path));
    EXPECT_EQ(ini.get_int("header", "SURROGATECOUNT", 0), 3);
    EXPECT_EQ(ini.get_string("FILE", "filepath", "F"), "/a/b.ini");
    EXPECT_EQ(ini.get_string("File", "dataPath", "F"), "F");

    // Writing a key in another case replaces the value: no second key appears.
    ini.set_string("file", "FILEPATH", "/c/d.ini");
    ASSERT_TRUE(ini.save());
    IniFile again;
    ASSERT_TRUE(again.load(path));
    EXPECT_EQ(again.key_names("File").size(), 1u);
    EXPECT_EQ(again.get_string("File", "filePath", ""), "/c/d.ini");
}

TEST(IniFileTest, ValuesAreKeptByteForByte) {
    const std::string values[] = {
        R"(C:\5847dir\Calibration\)", "a,b,c", "x;y; z", R"(\\server\share;1,2)", "1.5e-07", "=start",
        "name = value", "\xC2\xB5g/L",
    };
    TempFolder temp;
    IniFile ini;
    for (size_t i = 0; i < std::size(values); ++i) ini.set_string("Values", "k" + std::to_string(i), values[i]);
    ASSERT_TRUE(ini.save_as(temp.file("v.ini")));
    IniFile back;
    ASSERT_TRUE(back.load(temp.file("v.ini")));
    for (size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(back.get_string("Values", "k" + std::to_string(i), "?"), values[i]);
}

// Hand-edited files read as the Windows profile functions read them.
TEST(IniFileTest, ReadsHandEditsAsWindowsDoes) {
    IniFile ini;
    ini.load_text(
        "\xEF\xBB\xBF; a comment\r\n"
        "orphan=before any section\r\n"
        "  [ Compound1 ]  \r\n"
        "  area = \"1234.5\" \r\n"
        "first_pass='1'\r"
        "name=\"Toluene-d8\r"
        "quoted=\"a\" and \"b\"\n"
        "empty=\n"
        "pair=\"\"\n"
        "unit=\xB5g/L \xB1 5\n"
        "Area=999\n"
        "no value line\n"
        "[other]\n"
        "k=1\n"
        "[COMPOUND1]\n"
        "area=555\n"
        "retentionTime=7.25\n");
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"compound1", "area", "1234.5"},         // quotes dropped, blanks trimmed, the first key wins
        {"compound1", "first_pass", "1"},        // single quotes too (CR line ends)
        {"compound1", "name", "\"Toluene-d8"},   // an unmatched quote stays
        {"compound1", "quoted", "a\" and \"b"},  // one pair only
        {"compound1", "empty", ""},
        {"compound1", "pair", ""},
        {"compound1", "unit", "\xC2\xB5g/L \xC2\xB1 5"},  // Latin-1 micro and plus-minus
        {"compound1", "retentionTime", "?"},     // only in the second copy of the section
        {"compound1", "no value line", "?"},
        {"other", "k", "1"},
        {"", "orphan", "?"},
    };
    for (const Case& c : cases) EXPECT_EQ(ini.get_string(c.section, c.key, "?"), c.value) << c.key;
    EXPECT_DOUBLE_EQ(ini.get_double("Compound1", "AREA", 0.0), 1234.5);
    EXPECT_EQ(ini.get_int("compound1", "first_pass", -1), 1);
    EXPECT_EQ(ini.key_names("compound1"),
              (std::vector<std::string>{"area", "first_pass", "name", "quoted", "empty", "pair", "unit"}));
}

TEST(IniFileTest, RewriteChangesTheFirstCopyAndKeepsEveryOtherLine) {
    TempFolder temp;
    const std::string original =
        "; kept\r\n[File]\r\nfilePath = \"/old\"\r\nfilePath=/second\r\n\r\n[Other]\r\nx=1\r\n"
        "[file]\r\ndataPath=/hidden\r\n";
    std::string path = temp.write("s.ini", original);
    IniFile ini;
    ASSERT_TRUE(ini.load(path));
    ini.set_string("FILE", "FILEPATH", "/new");
    ini.set_string("File", "mdlPath", "/mdl");
    ini.set_string("Added", "k", "v");
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(read_file_text(path),
              "; kept\n[File]\nfilePath=/new\nfilePath=/second\nmdlPath=/mdl\n\n[Other]\nx=1\n"
              "[file]\ndataPath=/hidden\n\n[Added]\nk=v\n");
    IniFile back;
    ASSERT_TRUE(back.load(path));
    EXPECT_EQ(back.get_string("file", "filePath", ""), "/new");
    EXPECT_EQ(back.get_string("file", "dataPath", "F"), "F");

    back.erase_section("file");  // every copy: a stale one must not come to light
    EXPECT_FALSE(back.has_section("File"));
    EXPECT_EQ(back.to_text(), "; kept\n[Other]\nx=1\n[Added]\nk=v\n");
}

// A section of many keys (a library or calibration file) follows the same rules as a
// short one: the first of duplicate keys counts, names match without regard to case, and
// a rewrite changes the first copy and adds a new key after the last one.
TEST(IniFileTest, ALongSectionKeepsTheRulesOfAShortOne) {
    std::string text = "[Big]\n";
    for (int k = 0; k < 40; ++k) text += "Key" + std::to_string(k) + "=" + std::to_string(k) + "\n";
    text += "KEY3=again\nkey35=again\n\n[Next]\nx=1\n";
    IniFile ini;
    ini.load_text(text);
    EXPECT_EQ(ini.get_string("big", "key3", "?"), "3");
    EXPECT_EQ(ini.get_string("BIG", "KEY35", "?"), "35");
    EXPECT_EQ(ini.key_names("Big").size(), 40u);
    ini.set_string("big", "KEY35", "new");
    ini.set_string("Big", "added", "a");
    IniFile back;
    back.load_text(ini.to_text());
    EXPECT_EQ(back.get_string("Big", "Key35", "?"), "new");
    EXPECT_EQ(back.get_string("Big", "added", "?"), "a");
    EXPECT_EQ(back.get_string("Next", "x", "?"), "1");
    const std::vector<std::string> names = back.key_names("Big");
    ASSERT_EQ(names.size(), 41u);
    EXPECT_EQ(names.back(), "added");
    EXPECT_NE(ini.to_text().find("key35=again\nadded=a\n\n[Next]"), std::string::npos);
}

// Values that the Windows reading would change are written so that they read back.
TEST(IniFileTest, EveryValueWrittenReadsBackAsSet) {
    const std::string values[] = {"\"quoted\"", "'single'", " lead", "trail ", "\"", "''", "a\"b"};
    IniFile ini;
    for (size_t i = 0; i < std::size(values); ++i) ini.set_string("V", "k" + std::to_string(i), values[i]);
    IniFile back;
    back.load_text(ini.to_text());
    for (size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(back.get_string("V", "k" + std::to_string(i), "?"), values[i]) << values[i];
}

TEST(IniFileTest, LoadSaysWhyAFileWasNotRead) {
    TempFolder temp;
    IniFile ini;
    EXPECT_EQ(ini.load_file(temp.file("missing.ini")), IniLoad::Missing);
    EXPECT_EQ(ini.load_file(temp.path()), IniLoad::Unreadable);
    EXPECT_EQ(ini.load_file(temp.write("bin.ini", "[File]\nfilePath=/a\n" + std::string(1, '\0'))),
              IniLoad::NotText);
    EXPECT_EQ(ini.get_string("File", "filePath", "F"), "/a");  // what could be read
}

TEST(PathsTest, UpperCasedPathResolvesToTheFileOnDisk) {
    TempFolder temp;
    std::string real = temp.write("Data/Method.v2/Lib.txt", "x");
    std::string upper = temp.path() + "/" + to_upper("Data/Method.v2/Lib.txt");
    EXPECT_EQ(resolve_path(upper), real);
    EXPECT_TRUE(file_exists(upper));
    // A backslash from an older file is a separator too.
    EXPECT_EQ(resolve_path(temp.path() + "\\DATA\\method.V2\\lib.TXT"), real);
    // A new file keeps the name it is given, inside the folder found on disk.
    EXPECT_EQ(resolve_path(temp.path() + "/DATA/New.txt"), temp.path() + "/Data/New.txt");
    // An exact match wins over a name that differs only in case.
    std::string exact = temp.write("Data/LIB.TXT", "y");
    EXPECT_EQ(resolve_path(exact), exact);
}

TEST(PathsTest, ACommandReadsAFolderOnceAndSeesTheFilesItMakesAndRemoves) {
    TempFolder temp;
    const std::string dir = temp.path() + "/Data";
    temp.write("Data/Old.txt", "x");
    auto make = [](const std::string& path) { std::ofstream(path) << "x"; };
    bool ran = run_command([&] {
        FolderListingScope nested;  // a command inside a command keeps the same listings
        // A new file keeps its name; once made, another spelling finds it.
        const std::string made = resolve_path(temp.path() + "/DATA/New.TXT");
        EXPECT_EQ(made, dir + "/New.TXT");
        make(made);
        EXPECT_EQ(resolve_path(dir + "/NEW.txt"), made);
        // A file the command removes and makes again under another spelling.
        EXPECT_EQ(resolve_path(dir + "/OLD.TXT"), dir + "/Old.txt");
        std::filesystem::remove(dir + "/Old.txt");
        make(dir + "/old.TXT");
        EXPECT_EQ(resolve_path(dir + "/OLD.TXT"), dir + "/old.TXT");
        // Another program's new file: the folder was read for this command already.
        make(dir + "/Other.txt");
        EXPECT_EQ(resolve_path(dir + "/OTHER.TXT"), dir + "/OTHER.TXT");
    });
    ASSERT_TRUE(ran);
    EXPECT_EQ(resolve_path(dir + "/OTHER.TXT"), dir + "/Other.txt");  // the next command sees it
}

TEST(TextLineReaderTest, ReadsCrlfAndLongLinesWhole) {
    TempFolder temp;
    std::string long_line(5000, 'x');
    long_line += "\tend";
    std::string path = temp.write("t.txt", "first\r\n" + long_line + "\r\n\r\nlast\xB5");
    TextLineReader reader;
    ASSERT_TRUE(reader.open(path));
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line)) lines.push_back(line);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "first");
    EXPECT_EQ(lines[1], long_line);
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "last\xC2\xB5");  // an old Latin-1 micro sign
    EXPECT_FALSE(reader.open(temp.file("missing.txt")));
    EXPECT_FALSE(reader.open(temp.path()));  // a folder is no file
}

TEST(TextLineReaderTest, SkipsAByteOrderMarkAndReadsCrLineEnds) {
    TempFolder temp;
    std::vector<std::string> lines;
    ASSERT_TRUE(read_text_lines(temp.write("b.txt", "\xEF\xBB\xBF" "DATA FILE\rA\t1\r\rB\n"), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"DATA FILE", "A\t1", "", "B"}));
    TextLineReader reader;
    ASSERT_TRUE(reader.open(temp.write("n.txt", "one\ntwo")));
    std::string line;
    ASSERT_TRUE(reader.next(line) && reader.next(line));
    EXPECT_EQ(line, "two");
    EXPECT_EQ(reader.line_number(), 2);
}

bool no_temporary_files_left(const std::string& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().front() == '.') return false;
    return true;
}

TEST(WriteFileAtomicallyTest, ReplacesTheWholeFile) {
    TempFolder temp;
    std::string path = temp.write("f.txt", "old content that is longer");
    ASSERT_TRUE(write_file_atomically(path, "new"));
    EXPECT_EQ(read_file_text(path), "new");
    EXPECT_TRUE(no_temporary_files_left(temp.path()));
}

TEST(WriteFileAtomicallyTest, FailureLeavesTheOldFile) {
    TempFolder temp;
    // A folder in the way of the target: the rename fails, nothing is left behind.
    std::filesystem::create_directories(temp.file("busy/inner"));
    std::string error;
    EXPECT_FALSE(write_file_atomically(temp.file("busy"), "new", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(temp.file("busy/inner")));
    EXPECT_TRUE(no_temporary_files_left(temp.path()));

    if (geteuid() == 0) GTEST_SKIP() << "a read-only folder does not stop root";
    std::string folder = temp.file("locked");
    std::string path = temp.write("locked/f.txt", "old");
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    EXPECT_FALSE(write_file_atomically(path, "new", &error));
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(read_file_text(path), "old");
}

mode_t mode_of(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

// Saving writes the analyst's file: through a link to its target, with its permissions.
TEST(WriteFileAtomicallyTest, WritesThroughASymlinkAndKeepsPermissions) {
    TempFolder temp;
    const std::string target = temp.write("shared/results.cal", "old");
    std::filesystem::create_directories(temp.file("work"));
    const std::string link = temp.file("work/link.cal");
    ASSERT_EQ(::symlink("../shared/results.cal", link.c_str()), 0);
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    ASSERT_TRUE(write_file_atomically(link, "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(read_file_text(target), "new");
    EXPECT_EQ(mode_of(target), 0640u);
    EXPECT_TRUE(no_temporary_files_left(temp.file("work")));
    EXPECT_TRUE(no_temporary_files_left(temp.file("shared")));

    // A new file gets what the umask gives, not the 0600 of a temporary file.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(write_file_atomically(temp.file("fresh.txt"), "x"));
    ::umask(mask);
    EXPECT_EQ(mode_of(temp.file("fresh.txt")), 0644u);
}

// A read-only file is refused, as on Windows, even where the folder would let it be
// replaced (and even for root).
TEST(WriteFileAtomicallyTest, AReadOnlyFileIsRefusedAndKept) {
    TempFolder temp;
    const std::string path = temp.write("locked.ini", "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    std::string error;
    EXPECT_FALSE(write_file_atomically(path, "new", &error));
    EXPECT_NE(error.find(path + " is read-only"), std::string::npos) << error;
    EXPECT_EQ(read_file_text(path), "old");
    EXPECT_EQ(mode_of(path), 0444u);
    EXPECT_TRUE(no_temporary_files_left(temp.path()));
}

// A full disk: the write fails, the old file stays whole, no temporary file is left.
TEST(WriteFileAtomicallyTest, AFullDiskIsReportedAndLeavesTheOldFile) {
    TempFolder temp;
    const std::string disk = temp.file("disk");
    std::filesystem::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (needs root): " << std::strerror(errno);
    const std::string path = disk + "/report.txt";
    const std::string old(4096, 'o');
    ASSERT_TRUE(write_file_atomically(path, old));
    std::string error;
    EXPECT_FALSE(write_file_atomically(path, std::string(64 * 1024, 'n'), &error));
    EXPECT_NE(error.find("cannot write " + path), std::string::npos) << error;
    EXPECT_EQ(read_file_text(path), old);
    EXPECT_TRUE(no_temporary_files_left(disk));
    ::umount2(disk.c_str(), MNT_DETACH);
}

}  // namespace
