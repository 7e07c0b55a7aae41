#include "app/window/dateheaderrange.h"

#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>

#include "app/window/blockactions.h"
#include "app/window/timetablewindow.h"
#include "edit/calendarcommands.h"
#include "edit/daterangecommands.h"
#include "model/codec.h"
#include "view/timetableview.h"

namespace mv {

DateHeaderRange::DateHeaderRange(TfrmTimeTable_01& window, QWidget& header)
    : QObject(&header), mWindow(window), mHeader(header), mMenu(new QMenu(&window)) {
    mMenu->setObjectName(QStringLiteral("Pm_MenuFixedTop"));
    auto item = [this](const char* name, const char* caption) {
        QAction* action = mMenu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    DateRange& range = window.Edit().Range();
    mColumnClear = item("Pm_DateColClear", "x. 日付列のクリアー");
    mColumnClear->setVisible(false);
    connect(mColumnClear, &QAction::triggered, this, [this] {
        if (mPressed != Date{}) ClearDate(mWindow.Edit(), mWindow.Session().DialogsRef(), mPressed);
        Changed();
    });
    mMenu->addSeparator();
    mFirst = item("Pm_DateSelMin", "1. 範囲");
    connect(mFirst, &QAction::triggered, this, [this, &range] {
        if (mPressed != Date{}) range.Start(mPressed);
        Changed();
    });
    mFix = item("Pm_DateSelMax", "2. 確定");
    connect(mFix, &QAction::triggered, this, [this, &range] {
        range.Fix();
        Changed();
    });
    QAction* clear = item("Pm_DateSelClear", "3. 解除");
    connect(clear, &QAction::triggered, this, [this, &range] {
        range.Clear();
        Changed();
    });
    mMenu->addSeparator();
    QAction* move = item("Pm_DateSelMove", "4. 移動");
    connect(move, &QAction::triggered, this, [this] { Transfer(false); });
    QAction* copy = item("Pm_DateSelCopy", "5. 複写");
    connect(copy, &QAction::triggered, this, [this] { Transfer(true); });
    QAction* remove = item("Pm_DateSelDelete", "6. 削除");
    connect(remove, &QAction::triggered, this, [this, &range] {
        if (range.First() != Date{})
            DeleteDateRange(mWindow.Edit(), mWindow.Session().DialogsRef(), range.First(), range.Last());
        Changed();
    });
    mMenu->addSeparator();
    QMenu* clip = mMenu->addMenu(QStringLiteral("7. Clipboard"));
    clip->menuAction()->setObjectName(QStringLiteral("Pm_DateClip"));
    auto subItem = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    QAction* clipGet = subItem(clip, "Pm_DateClipGet", "1. 読み込む");
    connect(clipGet, &QAction::triggered, this, [this] {
        if (mPressed != Date{}) mWindow.Blocks().ReadClipboard(mPressed);
    });
    QAction* clipClear = subItem(clip, "Pm_DateClipClear", "2. クリアーする");
    connect(clipClear, &QAction::triggered, this, [this] { mWindow.Blocks().ClearClipboard(); });
    connect(subItem(clip, "Pm_DateClipPut", "3. 書き込む"), &QAction::triggered, this, [this] {
        const auto [first, last] = RangeOrPressed();
        if (first != Date{}) mWindow.Blocks().PutDays(first, last);
    });
    mNeedsBlock = {clipGet, clipClear};
    QMenu* file = mMenu->addMenu(QStringLiteral("8. MVF.File"));
    file->menuAction()->setObjectName(QStringLiteral("Pm_DateMvf"));
    connect(subItem(file, "Pm_DateMvfGet", "1. 読み込む"), &QAction::triggered, this,
            [this] { mWindow.Blocks().ShowLoadWindow(); });
    connect(subItem(file, "Pm_DateMvfPut", "2. 保存する"), &QAction::triggered, this, [this] {
        const auto [first, last] = RangeOrPressed();
        if (first != Date{}) mWindow.Blocks().SaveDays(first, last);
    });
    mNeedsRange = {clear, move, copy};
    header.installEventFilter(this);
}

Date DateHeaderRange::DateAt(int headerX) const {
    const ViewLayout& layout = mWindow.Layout();
    const int x = headerX + mWindow.View()->ScrollBox()->horizontalScrollBar()->value();
    if (layout.Columns().empty() || x < 0 || x >= layout.GridWidth()) return {};
    return layout.Columns()[layout.ColumnAtX(x)].date;
}

void DateHeaderRange::RefreshMenu() {
    const RangeMenuState state = DateRangeMenuState(mWindow.Edit().Range());
    mFirst->setText(QStringLiteral("1. ") + QString::fromStdString(state.first));
    mFix->setText(QStringLiteral("2. ") + QString::fromStdString(state.fix));
    mFirst->setEnabled(state.firstEnabled);
    mFix->setEnabled(state.fixEnabled);
    for (QAction* action : mNeedsRange) action->setEnabled(state.rangeEnabled);
    const std::optional<int> column = mWindow.Layout().ColumnIndexOfDate(mPressed);
    mColumnClear->setEnabled(column && *column < static_cast<int>(mWindow.Boxes().size()) &&
                             !mWindow.Boxes()[*column].empty());
    const bool block = mWindow.Blocks().ClipboardHoldsBlock();
    for (QAction* action : mNeedsBlock) action->setEnabled(block);
}

std::pair<Date, Date> DateHeaderRange::RangeOrPressed() const {
    const DateRange& range = mWindow.Edit().Range();
    if (range.First() != Date{}) return {range.First(), range.Last()};
    return {mPressed, mPressed};
}

void DateHeaderRange::Changed() {
    RefreshMenu();
    mWindow.RangeChanged();
}

void DateHeaderRange::Transfer(bool copy) {
    const DateRange& range = mWindow.Edit().Range();
    if (range.First() == Date{} || mPressed == Date{}) return;
    TransferDateRange(mWindow.Edit(), mWindow.Session().DialogsRef(), mWindow.Session().Ids(), range.First(),
                      range.Last(), mPressed, copy);
    Changed();
}

bool DateHeaderRange::eventFilter(QObject* watched, QEvent* event) {
    // Only mouse events reach the window: others come also while it is being taken down.
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    if (watched != &mHeader || mWindow.IsBusy() || mWindow.Session().View().editKind == 1) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    DateRange& range = mWindow.Edit().Range();
    // The top third belongs to the date scrolling.
    if (type == QEvent::MouseButtonPress && at.y() < mHeader.height() / 3) return false;
    switch (type) {
    case QEvent::MouseButtonPress: {
        const Date date = DateAt(at.x());
        if (date == Date{}) return false;
        mPressed = date;
        mPressX = at.x();
        mPressY = at.y();
        mWindow.PressedAt(*mWindow.Layout().ColumnIndexOfDate(date), -1);
        if (mouse->button() == Qt::RightButton) {
            RefreshMenu();
            mMenu->popup(mouse->globalPosition().toPoint());
            return true;
        }
        mHeld = mouse->button() == Qt::LeftButton;
        if (range.CurrentState() == DateRange::None) {
            if (mouse->modifiers() & Qt::ControlModifier) range.Start(date);
            else range.Press(date);
        } else if (range.CurrentState() == DateRange::Selecting) {
            range.ExtendTo(date);
        }
        Changed();
        return true;
    }
    case QEvent::MouseMove: {
        if (!mHeld || !(mouse->buttons() & Qt::LeftButton)) return false;
        if (range.CurrentState() == DateRange::None &&
            (std::abs(at.x() - mPressX) * 2 > mWindow.Layout().Metrics().charWidth ||
             std::abs(at.y() - mPressY) * 2 > mWindow.Layout().Metrics().charWidth))
            range.Start(mPressed);
        if (range.CurrentState() != DateRange::Selecting) return true;
        // At the header's ends the dates scroll under the range being picked.
        const bool before = at.x() < 1, after = at.x() >= mHeader.width();
        if ((before || after) && !mScrolling) {
            mScrolling = true;
            mWindow.ScrollDates(before ? DateScroll::Back : DateScroll::Forward);
        } else if (!before && !after && mScrolling) {
            mScrolling = false;
            mWindow.ScrollDates(DateScroll::Stop);
        }
        const Date date = DateAt(std::clamp(at.x(), 0, mHeader.width() - 1));
        if (date != Date{} && date != range.Last() && date != range.First()) {
            range.ExtendTo(date);
            Changed();
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        mHeld = false;
        if (mScrolling) {
            mScrolling = false;
            mWindow.ScrollDates(DateScroll::Stop);
        }
        return false;
    case QEvent::MouseButtonDblClick:
        if (range.CurrentState() == DateRange::Selecting) range.Fix();
        else if (range.CurrentState() == DateRange::Fixed) range.Clear();
        Changed();
        return true;
    default: return false;
    }
}

}  // namespace mv
