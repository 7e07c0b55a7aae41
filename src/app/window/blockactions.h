#pragma once
// The design window's clipboard and partial-file commands, as its menus and keys call them:
// the clipboard, the file dialogs and the load window wired to the edit layer's commands.

#include <memory>
#include <optional>
#include <string>

#include "model/date.h"
#include "platform/clipboard.h"

namespace mv {

class TfrmTimeTable_01;
class TfrmMvfFileGet;
struct BlockSeams;

class BlockActions {
public:
    // `clipboard` is the system's in the program; tests give their own.
    BlockActions(TfrmTimeTable_01& window, std::unique_ptr<Clipboard> clipboard);
    ~BlockActions();

    bool ClipboardHoldsBlock() const;
    // At the pressed column's date (nothing happens without one).
    void ReadClipboard(std::optional<Date> target);
    void ClearClipboard();
    void PutChosen();
    void PutDays(const Date& first, const Date& last);
    void SaveChosen();
    void SaveDays(const Date& first, const Date& last);
    void ShowLoadWindow();
    TfrmMvfFileGet& LoadWindow() { return *mLoadWindow; }
    Clipboard& SystemClipboard() { return *mClipboard; }

private:
    BlockSeams Seams();
    // Where the file dialogs start: the last partial file, else the program's folder.
    std::string DialogStart();
    void Load(const std::string& path, bool atFileDates);

    TfrmTimeTable_01& mWindow;
    std::unique_ptr<Clipboard> mClipboard;
    TfrmMvfFileGet* mLoadWindow;
};

}  // namespace mv
