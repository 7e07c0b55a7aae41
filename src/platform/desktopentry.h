#pragma once
// Reading a desktop entry (the .desktop files through which Linux desktops name the program
// that opens a kind of file): its command line, and that command line made into a program
// and its arguments for one file. Plain text in, no widgets.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mv {

// The Exec value of the entry's [Desktop Entry] group (the other groups are actions);
// nothing when there is none.
std::optional<std::string> DesktopEntryExec(std::string_view entryText);

// The Exec value split into the program and its arguments: double-quoted words with their
// backslash escapes, "%f" "%F" "%u" "%U" replaced by the file (dropped with no file), "%%"
// a percent sign, the other field codes dropped. Nothing for an unclosed quote or an empty
// command.
std::optional<std::vector<std::string>> DesktopExecArguments(std::string_view exec,
                                                             const std::optional<std::string>& file);

}  // namespace mv
