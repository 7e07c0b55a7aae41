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
    // One must end before the other starts: frames that already touch have nothing to stretch.
    if (dragged.end < neighbour.start) return TimeSpan{dragged.start, neighbour.start};
    if (neighbour.end < dragged.start) return TimeSpan{neighbour.end, dragged.end};
    return std::nullopt;
}

FieldPlace ClampFieldPlace(FieldPlace wanted, int frameWidth, int frameHeight, int fieldWidth, int textHeight) {
    wanted.x = std::max(0, std::min(wanted.x, frameWidth - fieldWidth));
    wanted.y = std::max(0, std::min(wanted.y, frameHeight - textHeight));
    return wanted;
}

}  // namespace mv

namespace mv {

int PercentOfColumn(const PixelRect& area, int x) {
    if (area.Width() <= 0) return 0;
    return (x - area.left) * 100 / area.Width();
}

HorizontalPlace DraggedPlace(GripKind grip, HorizontalPlace old, int percent) {
    HorizontalPlace place = old;
    switch (grip) {
    case GripKind::Left:
        place.position = percent;
        place.length = old.position + old.length - percent;
        if (place.length < 0) place = old;
        break;
    case GripKind::Right: place.length = percent - old.position; break;
    case GripKind::Body: place.position = percent; break;
    case GripKind::Place: place = {0, 100}; break;
    default: break;
    }
    place.position = std::clamp(place.position, 0, 100);
    place.length = std::clamp(place.length, 1, 100);
    return place;
}

std::vector<std::string> SideBySideOrder(const std::vector<SideBySideBox>& others, int droppedLeft, TimeSpan droppedSpan,
                                         bool movedLeft, int charWidth) {
    const double inset = 0.66 * charWidth;
    int droppedKey = droppedLeft;
    for (const SideBySideBox& box : others) {
        const bool overlaps = box.span.start < droppedSpan.end && droppedSpan.start < box.span.end;
        if (!overlaps || !box.besideOthers) continue;
        if (droppedLeft > box.left + inset && droppedLeft < box.right - inset) {
            droppedKey = movedLeft ? box.left - 1 : box.left + 1;
            break;
        }
    }
    std::vector<std::pair<int, std::string>> keyed;
    for (const SideBySideBox& box : others) keyed.emplace_back(box.left, box.cid);
    keyed.emplace_back(droppedKey, std::string());
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> order;
    for (auto& entry : keyed) order.push_back(std::move(entry.second));
    return order;
}

}  // namespace mv
