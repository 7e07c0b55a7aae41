#pragma once
// The design window's HTML commands: "3. HTML 形式で保存する" writes the shown dates as an
// HTML page under a name the user chooses, "4. HTML 形式で起動する" writes it beside the
// program and opens it in the default browser, the window disabled meanwhile.

#include <filesystem>

#include "platform/qtshellopen.h"

namespace mv {

class TfrmTimeTable_01;

class HtmlActions {
public:
    explicit HtmlActions(TfrmTimeTable_01& window) : mWindow(window) {}

    // Tests answer the shell's "open" themselves.
    void SetOpener(ShellOpen& opener) { mOpener = &opener; }

    void Mn_HtmlSaveClick();
    void Mn_HtmlExecClick();

    // Builds the page of the view and writes it; opens it when asked. False when it could
    // not be written (the user was told).
    bool ConvertToHtml(const std::filesystem::path& path, bool open);

private:
    TfrmTimeTable_01& mWindow;
    QtShellOpen mShellOpen;
    ShellOpen* mOpener = &mShellOpen;
};

}  // namespace mv
