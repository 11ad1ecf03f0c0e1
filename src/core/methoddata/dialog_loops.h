#pragma once
// The open and save dialogs of the internal-standard commands, with their checks, and the
// question before a file is copied. Chosen names come back upper-cased: the program keeps
// and compares file names without regard to case.
#include <string>

// What an open dialog asks for: a file that exists, or the name of a new file (create mode).
// A command's own question, handed to the dialog it opens: it lasts no longer than the command.
enum class OpenRequest { ExistingFile, NewFile };

// The open dialog in start_folder. Outside create mode it takes an existing file. In create
// mode the name gets the default extension in place of its own, and a name that already
// exists is refused with a message and the dialog opens again.
// True when a name was chosen (in `chosen`); false when the dialog was cancelled.
bool open_dialog_loop(const std::string& start_folder, std::string& chosen, const std::string& filter,
                      const std::string& default_extension, OpenRequest request_type);

// The Save As dialog for a copy of current_file. The name gets the default extension in
// place of its own; the current file itself is refused; an existing file is replaced only
// on Yes (No asks for another name, Cancel gives up). True when a name was chosen.
bool save_as_dialog_loop(const std::string& current_file, std::string& chosen, const std::string& filter,
                         const std::string& default_extension);

// "Copy <file name>?" with Yes and No; true on Yes.
bool confirm_copy(const std::string& file);
