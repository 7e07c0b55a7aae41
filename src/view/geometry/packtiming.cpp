#include "view/geometry/packtiming.h"

#include <algorithm>

#include "model/timeofday.h"

namespace mv {

namespace {
constexpr int kFirstLimit = 1600;
}

std::vector<std::pair<int, int>> PackTimes(int count) {
    std::vector<std::pair<int, int>> times;
    times.reserve(std::max(0, count));
    int cursor = kDayStart;
    int limit = kFirstLimit;
    for (int i = 0; i < count; ++i) {
        int start = cursor;
        int end = AddMinutes(start, 60);
        if (end > limit) {
            start = AddMinutes(limit, -60);
            end = limit;
            limit = AddMinutes(limit, 60);
        }
        if (end > kDayEnd) {
            start = AddMinutes(kDayEnd, -60);
            end = kDayEnd;
        }
        times.emplace_back(start, end);
        cursor = end;
    }
    return times;
}

void ApplyPackTiming(FrameList& frames) {
    std::vector<TCInf*> order;
    order.reserve(frames.size());
    for (auto& frame : frames) {
        if (frame->KeptSTime <= 0) {
            frame->KeptSTime = frame->STime;
            frame->KeptETime = frame->ETime;
        }
        order.push_back(frame.get());
    }
    std::stable_sort(order.begin(), order.end(), [](const TCInf* a, const TCInf* b) {
        if (a->KeptSTime != b->KeptSTime) return a->KeptSTime < b->KeptSTime;
        return a->Cid < b->Cid;
    });
    const auto times = PackTimes(static_cast<int>(order.size()));
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i]->STime = times[i].first;
        order[i]->ETime = times[i].second;
    }
}

void UndoPackTiming(FrameList& frames) {
    for (auto& frame : frames) {
        if (frame->KeptSTime > 0) {
            frame->STime = frame->KeptSTime;
            frame->ETime = frame->KeptETime;
        }
        frame->KeptSTime = 0;
        frame->KeptETime = 0;
    }
}

}  // namespace mv
