#pragma once
// Where the program finds the files it ships with and where it writes files of its own. A
// program unpacked into a folder of its own keeps everything beside it; an installed one
// (bin/ read-only, the help texts in share/marovelantis) reads from share/ and writes into
// the per-user settings folder.

#include <filesystem>

namespace mv {

class Host;

// The folder the help texts are read from: the program's folder when it holds them, else
// the installed data folder <program folder>/../share/marovelantis (made plain, so the
// viewer's caption shows /usr/share/marovelantis rather than /usr/bin/../share/...).
std::filesystem::path HelpTextFolder(const std::filesystem::path& programFolder, bool programFolderHoldsHelp);
// The same, looking into the program's folder for the first guide text.
std::filesystem::path HelpTextFolder(const Host& host);

// The folder for files the program writes for itself (its settings, its description, the
// HTML it makes to show in a browser): the program's folder when writable, else the
// per-user settings folder.
std::filesystem::path OwnFilesFolder(const Host& host, bool programFolderWritable);
// The same, probing the program's folder; the per-user folder is created when it is chosen
// and missing, so a first write there does not fail.
std::filesystem::path OwnFilesFolder(const Host& host);

// The folder the file dialogs start in when nothing was chosen before: the program's folder
// when writable (a program unpacked into a folder of its own keeps its designs beside it),
// else the user's home folder (`home`; the settings folder when there is none), never the
// read-only bin/ of an installed program.
std::filesystem::path DocumentFolder(const Host& host, bool programFolderWritable, const std::filesystem::path& home);
// The same, probing the program's folder and taking HOME (USERPROFILE on Windows).
std::filesystem::path DocumentFolder(const Host& host);

// True when a file can be created in the folder (tried with a short-lived probe file, which
// is what counts on every platform, whatever the permission bits say).
bool IsFolderWritable(const std::filesystem::path& folder);

}  // namespace mv
