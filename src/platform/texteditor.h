#pragma once
// The text editor the platform opens text files with, behind an interface so the help
// viewer's tests can stand in for it. On Linux it is the desktop's default application for
// text/plain (xdg-mime and its desktop entry); on Windows the program associated with
// ".txt".

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mv {

// The editor's program (UTF-8), or, when none was found, what was tried, for the message.
struct EditorProgram {
    std::string path;
    bool found = false;
};

class TextEditor {
public:
    virtual ~TextEditor() = default;
    virtual EditorProgram Program() = 0;
    // Starts the editor on the file, or with no file; false when it did not start.
    virtual bool Start(const std::optional<std::string>& utf8File) = 0;
};

class SystemTextEditor : public TextEditor {
public:
    // The editor starts in the program's folder.
    explicit SystemTextEditor(std::filesystem::path programFolder) : mFolder(std::move(programFolder)) {}
    EditorProgram Program() override;
    bool Start(const std::optional<std::string>& utf8File) override;

private:
    // The program and its arguments for the file; nothing when no editor is associated,
    // with what was tried in `tried`.
    std::optional<std::vector<std::string>> CommandFor(const std::optional<std::string>& utf8File, std::string& tried);

    std::filesystem::path mFolder;
};

}  // namespace mv
