#pragma once
// The Help menu of the design window: its items show the help texts beside the program in
// the help viewer, which is created once with the window and lists the same items.

#include <QObject>
#include <memory>

#include "platform/qtshellopen.h"
#include "platform/texteditor.h"

class QAction;
class QMenu;

namespace mv {

class TFm_Browse;
class TfrmTimeTable_01;

class HelpActions : public QObject {
public:
    // Wires the items of `help` (objectNames Mn_Help_*); the editor and shell are the
    // system's unless given.
    // A child of the window, which owns it.
    HelpActions(TfrmTimeTable_01& window, QMenu& help, std::unique_ptr<ShellOpen> shell = {},
                std::unique_ptr<TextEditor> editor = {});
    ~HelpActions() override;
    TFm_Browse& Viewer() { return *mViewer; }

private:
    // Writes the program's description as the About text and shows it (shown directly when
    // the program's folder cannot be written).
    void ShowAbout(QAction* item);

    TfrmTimeTable_01& mWindow;
    std::unique_ptr<ShellOpen> mShell;
    std::unique_ptr<TextEditor> mEditor;
    TFm_Browse* mViewer = nullptr;  // a child window of the design window
};

}  // namespace mv
