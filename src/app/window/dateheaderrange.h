#pragma once
// The date range picked on the date header `imgFixedTop` (below its top third, which
// scrolls): Ctrl-press or a drag starts it, moving extends it (the dates scroll at the
// header's ends), a double-click fixes it and then clears it; a right press opens
// `Pm_MenuFixedTop` with the range commands.

#include <QObject>
#include <utility>
#include <vector>

#include "model/date.h"

class QAction;
class QMenu;
class QWidget;

namespace mv {

class TfrmTimeTable_01;

class DateHeaderRange : public QObject {
public:
    DateHeaderRange(TfrmTimeTable_01& window, QWidget& header);
    QMenu* Menu() { return mMenu; }
    // Sets the menu's captions and enabling for the range and the pressed column.
    void RefreshMenu();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The shown date under a header x; no date beyond the columns.
    Date DateAt(int headerX) const;
    void Changed();
    void Transfer(bool copy);
    // The range's days, or the pressed date alone when no range is picked.
    std::pair<Date, Date> RangeOrPressed() const;

    TfrmTimeTable_01& mWindow;
    QWidget& mHeader;
    QMenu* mMenu;
    QAction* mFirst = nullptr;
    QAction* mFix = nullptr;
    std::vector<QAction*> mNeedsRange;
    std::vector<QAction*> mNeedsBlock;  // only while the clipboard holds frames
    QAction* mColumnClear = nullptr;
    Date mPressed;
    int mPressX = 0, mPressY = 0;
    bool mHeld = false;
    bool mScrolling = false;
};

}  // namespace mv
