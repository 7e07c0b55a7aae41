#include "edit/grip.h"

#include <algorithm>
#include <cstdlib>

namespace mv {

namespace {
constexpr int kBodyGripHeight = 10;     // the top strip of a frame that takes it by the body
constexpr int kMinBodyGripFrame = 25;   // frames lower than this only move in MoveCopy
}  // namespace

int EdgeBand(int frameHeight) {
    if (frameHeight <= 13) return 2;
    if (frameHeight <= 20) return 3;
    return 4;
}

GripKind GripAt(const PixelRect& frame, int x, int y, bool freePlacement, EditMode mode, GripSource source) {
    if (x < frame.left || x > frame.right) return GripKind::None;
    const int band = EdgeBand(frame.Height());
    if (y >= frame.top && y <= frame.top + band) return GripKind::Top;
    if (y >= frame.bottom - band && y <= frame.bottom) return GripKind::Bottom;
    if (freePlacement) {
        if (x <= frame.left + band) return GripKind::Left;
        if (x >= frame.right - band) return GripKind::Right;
    }
    if (y < frame.top || y > frame.bottom) return GripKind::None;
    if (mode == EditMode::MoveCopy || source == GripSource::Preview) return GripKind::Body;
    if (frame.Height() >= kMinBodyGripFrame && y <= frame.top + kBodyGripHeight) return GripKind::Body;
    return GripKind::None;
}

GripCursor CursorOf(GripKind grip) {
    switch (grip) {
    case GripKind::Top:
    case GripKind::Bottom: return GripCursor::SizeVertical;
    case GripKind::Left:
    case GripKind::Right: return GripCursor::SizeHorizontal;
    case GripKind::Body: return GripCursor::PointingHand;
    default: return GripCursor::Default;
    }
}

EditMode NextModeOnDoubleClick(EditMode mode) {
    switch (mode) {
    case EditMode::Normal: return EditMode::MoveCopy;
    case EditMode::MoveCopy: return EditMode::FieldEdit;
    default: return EditMode::Normal;
    }
}

bool BeyondDragThreshold(int pressX, int pressY, int x, int y, int charWidth) {
    const double threshold = charWidth / 2.0;
    return std::abs(x - pressX) > threshold || std::abs(y - pressY) > threshold;
}

std::optional<TimeSpan> ExtendOnto(const TimeSpan& dragged, const TimeSpan& neighbour) {
    // Frames that only touch (one ends where the other starts) do not overlap.
    if (dragged.end <= neighbour.start) return TimeSpan{dragged.start, neighbour.start};
    if (neighbour.end <= dragged.start) return TimeSpan{neighbour.end, dragged.end};
    return std::nullopt;
}

FieldPlace ClampFieldPlace(FieldPlace wanted, int frameWidth, int frameHeight, int fieldWidth, int textHeight) {
    wanted.x = std::max(0, std::min(wanted.x, frameWidth - fieldWidth));
    wanted.y = std::max(0, std::min(wanted.y, frameHeight - textHeight));
    return wanted;
}

}  // namespace mv
