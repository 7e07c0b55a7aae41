#include "edit/dragpreview.h"

#include <algorithm>
#include <cstdlib>

#include "model/codec.h"
#include "model/timeofday.h"

namespace mv {

namespace {

int FirstTime(const ViewLayout& layout) { return layout.Rows().empty() ? 0 : layout.Rows().front().startTime; }
int LastTime(const ViewLayout& layout) { return layout.Rows().empty() ? 0 : layout.Rows().back().endTime; }

bool InsideGridX(const ViewLayout& layout, int x) { return x >= 0 && x < layout.GridWidth(); }

// The time at y with y held inside the grid (a pointer above it gives its first time),
// snapped down to the unit. The latest minute that the grid draws at or above y is taken:
// a frame's edge is drawn at its time's pixel rounded down, and reading that pixel back
// must give the same time, or a frame moved sideways would creep a unit earlier each time.
int SnappedTime(const ViewLayout& layout, int y, int minuteUnit) {
    y = std::clamp(y, 0, layout.GridHeight());
    int time = layout.TimeAtY(y, 1);
    for (int next = AddMinutes(time, 1); next % 100 != 0; next = AddMinutes(next, 1)) {
        const std::optional<int> top = layout.YOfStart(next);
        if (!top || *top > y) break;
        time = next;
    }
    const int unit = std::max(1, minuteUnit);
    return time / 100 * 100 + time % 100 / unit * unit;
}

}  // namespace

void DragPreview::Prepare(const Source& source) {
    mSource = source;
    mActive = true;
    mPhase = 0;
    mEdge = EdgeState::Ready;
    mPending.reset();
    mPicture = {};
    mPicture.frame = source.rect;
    mPicture.start = source.start;
    mPicture.end = source.end;
}

void DragPreview::Press(int x, int y, const ViewLayout& layout, int minuteUnit) {
    if (!mActive) return;
    mPressX = x;
    mPressY = y;
    mOffsetX = x - mPicture.frame.left;
    mOffsetY = y - mPicture.frame.top;
    mTargetColumn = layout.ColumnAtX(x);
    mTargetTime = SnappedTime(layout, y, minuteUnit);
    mPhase = 1;
    mEdge = EdgeState::Ready;
}

PreviewMove DragPreview::Move(int x, int y, const ViewLayout& layout, int minuteUnit, const PixelRect& visible) {
    PreviewMove result;
    if (!mActive || mPhase == 0) return result;
    if (!InsideGridX(layout, x)) {
        if (mEdge != EdgeState::Outside) result.dates = x < 0 ? DateScroll::Back : DateScroll::Forward;
        mEdge = EdgeState::Outside;
    } else if (mEdge == EdgeState::Outside) {
        mEdge = EdgeState::Inside;
        result.dates = DateScroll::Stop;
    }
    const int charWidth = layout.Metrics().charWidth;
    if (!BeyondDragThreshold(mPressX, mPressY, x, y, charWidth)) return result;
    if (InsideGridX(layout, x) && Recompute(x, y, layout, minuteUnit)) {
        mTargetColumn = layout.ColumnAtX(x);
        mTargetTime = SnappedTime(layout, y, minuteUnit);
        mPhase = 2;
        result.changed = true;
    }
    // The pointer keeps a margin of twice the font height from the visible edges.
    if (std::abs(x - mPressX) > charWidth || std::abs(y - mPressY) > charWidth) {
        const int margin = 2 * layout.Metrics().fontPixelHeight;
        if (x < visible.left + margin) result.scrollDx = x - (visible.left + margin);
        else if (x > visible.right - margin) result.scrollDx = x - (visible.right - margin);
        if (y < visible.top + margin) result.scrollDy = y - (visible.top + margin);
        else if (y > visible.bottom - margin) result.scrollDy = y - (visible.bottom - margin);
    }
    if (result.changed) PlaceLabel(visible, charWidth, layout.Metrics().charHeight);
    return result;
}

bool DragPreview::Recompute(int x, int y, const ViewLayout& layout, int minuteUnit) {
    PixelRect rect = mPicture.frame;
    int start = mPicture.start, end = mPicture.end;
    switch (mSource.grip) {
    case GripKind::Top:
    case GripKind::Bottom: {
        // Resizing follows the pointer only over the frame's own date.
        const std::optional<PixelRect> column = layout.ColumnRectOfDate(mSource.date);
        if (!column || x < column->left || x > column->right) return false;
        const int edge = std::clamp(y, 0, layout.GridHeight());
        if (mSource.grip == GripKind::Top) {
            rect.top = edge;
            start = SnappedTime(layout, y, minuteUnit);
        } else {
            rect.bottom = edge;
            end = SnappedTime(layout, y, minuteUnit);
        }
        break;
    }
    case GripKind::Left: rect.left = std::min(x, rect.right); break;
    case GripKind::Right: rect.right = std::max(x, rect.left); break;
    case GripKind::Body: {
        const int top = y - mOffsetY;
        if (top < 0 || top > layout.GridHeight()) return false;
        const int height = rect.Height(), width = rect.Width();
        rect.left = x - mOffsetX;
        rect.top = top;
        rect.right = rect.left + width;
        rect.bottom = top + height;
        // Moved sideways only (within the drag threshold up or down), it keeps its times:
        // the grid's rows may be stretched for short frames, and their pixels read back
        // would not give them again.
        if (std::abs(y - mPressY) * 2 <= layout.Metrics().charWidth) {
            rect.top = mSource.rect.top;
            rect.bottom = mSource.rect.bottom;
            start = mSource.start;
        } else {
            start = SnappedTime(layout, top, minuteUnit);
        }
        end = AddMinutes(start, MinutesBetween(mSource.start, mSource.end));
        break;
    }
    default: return false;
    }
    if (start < FirstTime(layout) || start > LastTime(layout) || end < FirstTime(layout) || end > LastTime(layout))
        return false;
    mPicture.frame = rect;
    mPicture.start = start;
    mPicture.end = end;
    return true;
}

void DragPreview::PlaceLabel(const PixelRect& visible, int charWidth, int charHeight) {
    std::string text = " ";
    switch (mSource.grip) {
    case GripKind::Top: text += FormatHHMM(mPicture.start); break;
    case GripKind::Bottom: text += FormatHHMM(mPicture.end); break;
    default: text += FormatHHMM(mPicture.start) + Sjis("～") + FormatHHMM(mPicture.end); break;
    }
    text += " ";
    mPicture.label = text;
    const PixelRect& frame = mPicture.frame;
    const int width = charWidth * static_cast<int>(text.size());
    const int height = static_cast<int>(1.2 * charHeight);
    const int centre = (frame.left + frame.right) / 2;
    int left = centre + 2 * charWidth;
    if (left + width > visible.right) left = centre - 2 * charWidth - width;
    int top = frame.top;
    if (mSource.grip == GripKind::Bottom) top = frame.bottom - height;
    else if (mSource.grip != GripKind::Top && top < visible.top) top = visible.top;
    mPicture.labelRect = {left, top, left + width, top + height};
}

PreviewRelease DragPreview::Release(int x, int y, const ViewLayout& layout, const std::vector<DayBoxes>& frames) {
    PreviewRelease result;
    if (!mActive) return result;
    if (mEdge != EdgeState::Ready) {
        mPending = PendingRelease{x, y};
        result.kind = PreviewRelease::Kind::Wait;
        return result;
    }
    if (mPhase != 2) {
        Hide();
        return result;
    }
    const GripKind grip = mSource.grip;
    FrameDrop& drop = result.drop;
    drop.date = mSource.date;
    drop.cid = mSource.cid;
    drop.grip = grip;
    drop.copy = mSource.copy && grip == GripKind::Body;
    drop.start = mPicture.start;
    drop.end = mPicture.end;
    drop.targetDate = mSource.date;
    if (grip == GripKind::Body && mTargetColumn >= 0 && mTargetColumn < static_cast<int>(layout.Columns().size()))
        drop.targetDate = layout.Columns()[mTargetColumn].date;
    // A resize let go beyond its own date is dropped.
    const std::optional<int> ownColumn = layout.ColumnIndexOfDate(mSource.date);
    if ((grip == GripKind::Top || grip == GripKind::Bottom) &&
        (!ownColumn || layout.ColumnAtX(x) != *ownColumn || !InsideGridX(layout, x))) {
        Hide();
        return result;
    }
    if (grip == GripKind::Left || grip == GripKind::Right || grip == GripKind::Body) {
        const std::optional<int> column = layout.ColumnIndexOfDate(drop.targetDate);
        if (column) {
            const PixelRect area = layout.FrameArea(*column);
            const int percent = PercentOfColumn(area, grip == GripKind::Body ? mPicture.frame.left : x);
            drop.place = DraggedPlace(grip, mSource.place, percent);
        }
        drop.sideBySide = NewSideBySideOrder(drop.targetDate, layout, frames);
    }
    result.kind = PreviewRelease::Kind::Commit;
    mActive = false;
    mPhase = 0;
    return result;
}

std::vector<std::string> DragPreview::NewSideBySideOrder(const Date& target, const ViewLayout& layout,
                                                         const std::vector<DayBoxes>& frames) const {
    const std::optional<int> column = layout.ColumnIndexOfDate(target);
    if (!column || *column >= static_cast<int>(frames.size())) return {};
    std::vector<SideBySideBox> others;
    for (const FrameBox& box : frames[*column]) {
        if (!box.frame || !box.valid) continue;
        // The frame itself moves; a copy leaves it where it was.
        if (box.frame->Cid == mSource.cid && !mSource.copy) continue;
        others.push_back({box.frame->Cid, box.rect.left, box.rect.right, {box.start, box.end}, box.laneCount > 1});
    }
    return SideBySideOrder(others, mPicture.frame.left, {mPicture.start, mPicture.end},
                           mPicture.frame.left < mSource.rect.left, layout.Metrics().charWidth);
}

std::optional<PendingRelease> DragPreview::LayoutSettled() {
    mEdge = EdgeState::Ready;
    std::optional<PendingRelease> pending = mPending;
    mPending.reset();
    return pending;
}

}  // namespace mv
