#pragma once
// The frame popup menu `PMenu` of the picture, and `PMenuPack` in the packed display. The
// items only call the edit controller; their enabling is worked out afresh each time the
// menu opens, from the press that opened it.

#include <QMenu>
#include <functional>

#include "edit/editcontroller.h"

namespace mv {

class FrameMenu : public QObject {
public:
    // `backToEditing` switches the packed display back to the editing one; `showProperties`
    // opens the property window.
    FrameMenu(QWidget* parent, EditController& controller, EditContext& context, std::function<void()> backToEditing,
              std::function<void()> showProperties);

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
};

}  // namespace mv
