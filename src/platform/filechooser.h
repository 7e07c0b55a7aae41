#pragma once
// The open and save dialogs, behind an interface so tests can answer them.

#include <optional>
#include <string>

namespace mv {

struct FileDialogRequest {
    std::string title;        // UTF-8
    std::string filter;       // "(*.MVF)|*.MVF|(*.*)|*.*": description and pattern pairs
    std::string initialFile;  // UTF-8 path; its folder is where the dialog opens
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen existing file, or nothing when cancelled.
    virtual std::optional<std::string> ChooseOpen(const FileDialogRequest& request) = 0;
    // The chosen name (the dialog asks before overwriting), or nothing when cancelled.
    virtual std::optional<std::string> ChooseSave(const FileDialogRequest& request) = 0;
};

}  // namespace mv
