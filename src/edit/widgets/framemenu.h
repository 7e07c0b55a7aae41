#pragma once
// The frame popup menu `PMenu` of the picture, and `PMenuPack` in the packed display. The
// items only call the edit controller; their enabling is worked out afresh each time the
// menu opens, from the press that opened it.

#include <QMenu>
#include <functional>

#include "edit/editcontroller.h"

namespace mv {

// What the menu's items do beyond the edit controller: the window's parts they open.
struct FrameMenuHooks {
    std::function<void()> backToEditing;   // the packed display back to the editing one
    std::function<void()> showProperties;  // the property window
    std::function<bool()> clipboardHoldsBlock;
    std::function<void()> readClipboard, clearClipboard, putOnClipboard;
    std::function<void()> showLoadWindow, saveAsFile;
    std::function<void(bool copy)> byCalendar;  // "7. カレンダで": move (false) or copy (true)
};

class FrameMenu : public QObject {
public:
    FrameMenu(QWidget* parent, EditController& controller, EditContext& context, FrameMenuHooks hooks);

    // Opens the menu for the last press, at a point of the screen.
    void Popup(const QPoint& globalPos);
    QMenu* Menu() { return mMenu; }
    QMenu* PackMenu() { return mPackMenu; }
    // Sets the items' enabling and captions for the last press, as Popup does.
    void Refresh();

private:
    QAction* Item(QMenu* menu, const char* name, const char* caption);

    EditController& mController;
    EditContext& mContext;
    QMenu* mMenu;
    QMenu* mPackMenu;
    std::vector<QAction*> mNeedsHit;  // enabled only when the press hit a frame
    QAction* mSelect = nullptr;
    QAction* mTitleDelete = nullptr;
    std::vector<QAction*> mNeedsBlock;      // enabled only while the clipboard holds frames
    std::vector<QAction*> mNeedsSelection;  // enabled only with a selected frame
    FrameMenuHooks mHooks;
};

}  // namespace mv
