#include "edit/framerules.h"

#include <algorithm>

#include "model/timeofday.h"

namespace mv {

TimeSpan NewFrameTimes(const std::vector<GapNeighbour>& column, int y, int rowStart, int rowEnd, bool automatic,
                       int firstTime, int lastTime) {
    std::optional<int> above, below;
    for (const GapNeighbour& frame : column) {
        if (automatic && !frame.coversX) continue;
        if (frame.bottom <= y) above = frame.span.end;  // the last one in the column's order
        if (frame.top >= y && !below) below = frame.span.start;
    }
    TimeSpan times{above.value_or(rowStart), below.value_or(rowEnd)};
    times.start = std::max(times.start, AddMinutes(rowStart, -60));
    times.end = std::min(times.end, AddMinutes(rowEnd, 60));
    times.start = std::clamp(times.start, firstTime, lastTime);
    times.end = std::clamp(times.end, firstTime, lastTime);
    return times;
}

std::optional<TimeSpan> ConnectedTimes(const TimeSpan& frame, const std::vector<TimeSpan>& candidates, ConnectWay way) {
    const bool up = way == ConnectWay::Up || way == ConnectWay::UpMove;
    std::optional<TimeSpan> target;
    for (const TimeSpan& other : candidates) {
        if (up) {
            if (other.end == frame.start) return std::nullopt;  // already touching
            if (other.end < frame.start && (!target || other.end > target->end)) target = other;
        } else {
            if (other.start == frame.end) return std::nullopt;
            if (other.start > frame.end && (!target || other.start < target->start)) target = other;
        }
    }
    if (!target) return std::nullopt;
    const int length = MinutesBetween(frame.start, frame.end);
    TimeSpan connected = frame;
    if (up) {
        connected.start = target->end;
        if (way == ConnectWay::UpMove) connected.end = AddMinutes(connected.start, length);
    } else {
        connected.end = target->start;
        if (way == ConnectWay::DownMove) connected.start = AddMinutes(connected.end, -length);
    }
    return connected;
}

}  // namespace mv
