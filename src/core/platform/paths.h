#pragma once
// Paths as the program handles them. Texts from older files may use "\" as the
// separator; both "\" and "/" are accepted wherever a path is cut. File names are
// matched without regard to case (the program upper-cases chosen names), so every
// file access goes through resolve_path().
#include <string>
#include <string_view>

constexpr char kPathSeparator = '/';

// Position of the last "/" or "\" (npos when there is none).
size_t last_separator(std::string_view path);
// Up to, not including, the last separator ("" when there is none).
std::string folder_of(std::string_view path);
// After the last separator (the whole text when there is none).
std::string file_name_of(std::string_view path);
// The path up to, not including, its last "." anywhere in the text (the whole text when none).
std::string up_to_last_dot(std::string_view path);
// Removes extensions: while the last "." comes after the last separator, cut there.
std::string strip_extensions(std::string_view path);
// The name chosen in a save dialog, with `extension` (".cal") appended unless the file
// name's last "." starts it, in any case: "run.CAL" and "run.calx" stay as chosen.
std::string with_extension(std::string_view chosen, std::string_view extension);
// The path itself when no file or folder has it, else the first free numbered one after
// it: "report.pdf", "report-2.pdf", "report-3.pdf" ... (so that a new file never
// replaces an earlier one).
std::string next_free_path(std::string_view path);
// The file of one part of a job beside the file asked for: "batch.pdf" and part "SAMPLE1"
// give "batch_SAMPLE1.pdf"; a name without extension takes `default_extension`.
std::string part_file_path(std::string_view path, std::string_view part, std::string_view default_extension);
// folder + "/" + name (no doubled separator).
std::string join_path(std::string_view folder, std::string_view name);

// The existing file or folder that the path names, matching each component exactly
// first and else without regard to case; components that do not exist are kept as given.
std::string resolve_path(std::string_view path);

// While one of these is alive (the command guard keeps one for each command), the resolver
// reads each folder it searches once and keeps the listing: a command that writes dozens
// of new files into one folder would otherwise read the whole folder for each of them.
// A kept listing is brought up to date by the resolver itself: a name it hands out for a
// file that does not exist yet joins its folder's listing (the command may create it under
// that name), and an entry that has gone from the disk makes it read the folder again.
// Files that another program makes while a command runs are seen from the next command
// on. Scopes nest; the listings go when the outermost one ends.
class FolderListingScope {
public:
    FolderListingScope();
    ~FolderListingScope();
    FolderListingScope(const FolderListingScope&) = delete;
    FolderListingScope& operator=(const FolderListingScope&) = delete;
};
bool file_exists(std::string_view path);   // a regular file (after resolution)
bool folder_exists(std::string_view path);
bool remove_file(std::string_view path);
bool make_folders(std::string_view path);  // creates missing folders, true when it exists after
// The same file on disk (after resolution); false when either does not exist.
bool same_file(std::string_view a, std::string_view b);

// Fixed places of the program on Linux.
std::string data_root();       // the user's home folder (in front of "/5847dir/...")
std::string temp_folder();     // the system temp folder
std::string executable_folder();  // folder of the running program, with a trailing "/"
std::string install_path_setting();  // InstallPath: $M5847_INSTALL_PATH, empty when unset
