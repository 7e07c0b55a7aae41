#pragma once
// Test doubles for the seams: a host with a settable clock and name that never sleeps, a
// dialogs fake that records every message and answers from a queue, and a temporary folder
// per test.

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/filechooser.h"
#include "platform/host.h"

namespace mv::test {

class FakeHost : public Host {
public:
    ClockTime now{2003, 7, 1, 14, 3, 59};
    std::string name = "PC01";
    std::filesystem::path programFolder;
    std::filesystem::path settingsFolder;
    int waitedMs = 0;

    ClockTime Now() const override { return now; }
    std::string ComputerName() const override { return name; }
    std::filesystem::path ProgramFolder() const override { return programFolder; }
    std::filesystem::path SettingsFolder() const override { return settingsFolder; }
    void Wait(int milliseconds) override { waitedMs += milliseconds; }
};

struct RecordedMessage {
    MessageKind kind;
    std::string caption;
    std::string text;
    Buttons buttons;
    Answer defaultAnswer;
};

class FakeDialogs : public Dialogs {
public:
    std::vector<RecordedMessage> shown;
    std::deque<Answer> answers;  // taken in order; the default answer when empty

    Answer Show(MessageKind kind, const std::string& caption, const std::string& text, Buttons buttons,
                Answer defaultAnswer) override;
};

// A fresh empty folder, removed with its contents at the end of the scope.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return mPath; }
    std::filesystem::path operator/(const std::string& name) const { return mPath / name; }

private:
    std::filesystem::path mPath;
};

// Open and save dialogs answered with `answer` (nothing: cancelled); the requests are kept.
class FakeFileChooser : public FileChooser {
public:
    std::optional<std::string> answer;
    std::vector<FileDialogRequest> requests;
    std::optional<std::string> ChooseOpen(const FileDialogRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::optional<std::string> ChooseSave(const FileDialogRequest& request) override {
        requests.push_back(request);
        return answer;
    }
};

// Whole-file helpers for byte-exact comparisons.
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace mv::test
