#include "view/geometry/placement.h"

#include <algorithm>

namespace mv {

int SnapPercent(int width, int percent) {
    const int value = 4 * (width * percent / 100 / 4);
    return width - 4 < value ? width : value;
}

PixelRect FreePlacement(const PixelRect& area, int position, int length, int charWidth) {
    if (position < 0 || length < 0) {
        position = 0;
        length = 100;
    }
    const int w = area.Width();
    int left = area.left + SnapPercent(w, position);
    int right = area.left + SnapPercent(w, position + length);
    if (right < left) std::swap(left, right);
    const int minimum = 3 * charWidth;
    if (right - left < minimum) {
        right = left + minimum;
        if (right > area.right) {
            right = area.right;
            left = std::max(area.left, right - minimum);
        }
    }
    left = std::clamp(left, area.left, area.right);
    right = std::clamp(right, area.left, area.right);
    return {left, area.top, right, area.bottom};
}

bool FramesOverlap(int earlierStart, int earlierEnd, int laterStart, int laterEnd) {
    const bool contains = laterStart <= earlierStart && laterEnd >= earlierEnd;
    const bool startsInside = laterStart >= earlierStart && laterStart < earlierEnd;
    const bool endsInside = laterEnd > earlierStart && laterEnd <= earlierEnd;
    return contains || startsInside || endsInside;
}

namespace {

class LaneSolver {
public:
    explicit LaneSolver(const std::vector<LaneFrame>& frames)
        : mFrames(frames), mSlots(frames.size()), mLane(frames.size(), 0), mPri(frames.size()) {
        for (std::size_t i = 0; i < frames.size(); ++i) mPri[i] = frames[i].leftPri;
    }

    std::vector<LaneSlot> Solve() {
        const int n = Count();
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                if (Overlap(i, j)) {
                    if (mLane[i] == 0) mLane[i] = 1;
                    mLane[j] = std::max(mLane[j], mLane[i] + 1);
                }
        for (int i = 0; i < n; ++i) mSlots[i].leftPri = mPri[i];
        int i = 0;
        while (i < n) {
            if (mLane[i] == 0) {
                mSlots[i] = {0, 1, 1, mPri[i]};
                ++i;
                continue;
            }
            const int end = ClusterEnd(i);
            std::vector<int> members;
            for (int k = i; k <= end; ++k)
                if (mLane[k] != 0) members.push_back(k);
            LayOutCluster(members);
            i = end + 1;
        }
        return mSlots;
    }

private:
    int Count() const { return static_cast<int>(mFrames.size()); }

    // Overlap of two frames given by their start-order indexes, in either order.
    bool Overlap(int a, int b) const {
        if (a > b) std::swap(a, b);
        return FramesOverlap(mFrames[a].start, mFrames[a].end, mFrames[b].start, mFrames[b].end);
    }

    // The cluster starting at `first` ends at the first frame such that nothing up to it
    // overlaps anything after it.
    int ClusterEnd(int first) const {
        const int n = Count();
        for (int k = first; k < n; ++k) {
            bool reaches = false;
            for (int a = first; a <= k && !reaches; ++a)
                for (int b = k + 1; b < n && !reaches; ++b) reaches = Overlap(a, b);
            if (!reaches) return k;
        }
        return n - 1;
    }

    // A frame in `lane` earlier than f that does not overlap it, when no frame of that lane
    // overlaps f; -1 otherwise.
    int FreeEarlierHolder(const std::vector<int>& members, const std::vector<int>& lanes, int f, int lane) const {
        int holder = -1;
        for (int g : members) {
            if (g == f || lanes[g] != lane) continue;
            if (Overlap(g, f)) return -1;
            if (g < f && holder < 0) holder = g;
        }
        return holder;
    }

    void LayOutCluster(std::vector<int> members) {
        const int size = static_cast<int>(members.size());
        // Provisional lanes in start order, then ordered by Ci_LeftPri (ties keep that order).
        std::stable_sort(members.begin(), members.end(), [&](int a, int b) { return mPri[a] < mPri[b]; });
        std::vector<int> lanes(mFrames.size(), 0);
        for (int k = 0; k < size; ++k) lanes[members[k]] = k + 1;
        int count = size;

        // Compaction: one takeover per frame, each giving up a lane.
        for (int k = 1; k < size; ++k) {
            const int f = members[k];
            const int lane = lanes[f];
            if (lane <= 1) continue;
            const int holder = FreeEarlierHolder(members, lanes, f, lane - 1);
            if (holder < 0) continue;
            lanes[f] = lane - 1;
            mPri[f] = mPri[holder];
            --count;
            for (int g : members)
                if (g != f && lanes[g] > lane) --lanes[g];
        }
        // Further takeovers keep the lane count.
        for (bool moved = true; moved;) {
            moved = false;
            for (int f : members) {
                if (lanes[f] <= 1) continue;
                const int holder = FreeEarlierHolder(members, lanes, f, lanes[f] - 1);
                if (holder < 0) continue;
                --lanes[f];
                mPri[f] = mPri[holder];
                moved = true;
            }
        }

        for (int f : members) {
            // Widening over the lanes to the right that no overlapping frame occupies.
            int span = 1;
            for (int lane = lanes[f] + 1; lane <= count; ++lane) {
                bool occupied = false;
                for (int g : members) occupied = occupied || (g != f && lanes[g] == lane && Overlap(f, g));
                if (occupied) break;
                ++span;
            }
            mSlots[f] = {lanes[f], count, span, mPri[f]};
        }
    }

    const std::vector<LaneFrame>& mFrames;
    std::vector<LaneSlot> mSlots;
    std::vector<int> mLane;
    std::vector<int> mPri;
};

}  // namespace

std::vector<LaneSlot> AssignLanes(const std::vector<LaneFrame>& frames) { return LaneSolver(frames).Solve(); }

PixelRect LaneRect(const PixelRect& area, int lane, int count, int span) {
    if (lane <= 0 || count <= 0) return area;
    const int width = area.Width() / count;
    const int last = std::min(count, lane + std::max(1, span) - 1);
    PixelRect rect = area;
    rect.left = area.left + (lane - 1) * width;
    rect.right = last >= count ? area.right : area.left + last * width;
    return rect;
}

void PlaceFrames(const ViewLayout& layout, int column, DayBoxes& boxes, int placementMode) {
    const PixelRect area = layout.FrameArea(column);
    if (placementMode == kFreePlacement) {
        for (FrameBox& box : boxes) {
            PixelRect x = FreePlacement(area, box.frame->ResizePos, box.frame->ResizeLen, layout.Metrics().charWidth);
            box.rect.left = x.left;
            box.rect.right = x.right;
            box.lane = 0;
            box.laneCount = 1;
            box.laneSpan = 1;
            box.leftPri = box.frame->LeftPri;
        }
        return;
    }
    std::vector<LaneFrame> frames;
    frames.reserve(boxes.size());
    for (const FrameBox& box : boxes) frames.push_back({box.start, box.end, box.frame->LeftPri});
    const std::vector<LaneSlot> slots = AssignLanes(frames);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        FrameBox& box = boxes[i];
        const LaneSlot& slot = slots[i];
        PixelRect x = LaneRect(area, slot.lane, slot.count, slot.span);
        box.rect.left = x.left;
        box.rect.right = x.right;
        box.lane = slot.lane;
        box.laneCount = slot.count;
        box.laneSpan = slot.span;
        box.leftPri = slot.leftPri;
    }
}

void LayOutFrames(ViewLayout& layout, std::vector<DayBoxes>& days, int placementMode) {
    const int columns = std::min<int>(static_cast<int>(days.size()), static_cast<int>(layout.Columns().size()));
    for (int c = 0; c < columns; ++c) {
        MapLinear(layout, c, days[c]);
        PlaceFrames(layout, c, days[c], placementMode);
    }
    AdjustAllRows(layout, days);
}

std::vector<std::vector<int>> RelayOutEditedDates(ViewLayout& layout, std::vector<DayBoxes>& days,
                                                  const std::vector<int>& editedColumns, int placementMode) {
    const int columns = std::min<int>(static_cast<int>(days.size()), static_cast<int>(layout.Columns().size()));
    auto edited = [&](int c) { return std::find(editedColumns.begin(), editedColumns.end(), c) != editedColumns.end(); };
    std::vector<std::vector<PixelRect>> before(columns);
    for (int c = 0; c < columns; ++c) {
        if (edited(c)) {
            MapLinear(layout, c, days[c]);
            PlaceFrames(layout, c, days[c], placementMode);
        } else {
            for (const FrameBox& box : days[c]) before[c].push_back(box.rect);
        }
    }
    AdjustAllRows(layout, days);

    std::vector<std::vector<int>> dirty(days.size());
    const auto& rows = layout.Rows();
    for (int c = 0; c < columns; ++c) {
        if (edited(c)) continue;
        std::vector<bool> marked(rows.size(), false);
        for (std::size_t i = 0; i < days[c].size(); ++i) {
            const PixelRect& old = before[c][i];
            const PixelRect& now = days[c][i].rect;
            if (!days[c][i].valid || (old.top == now.top && old.bottom == now.bottom)) continue;
            const int top = std::min(old.top, now.top), bottom = std::max(old.bottom, now.bottom);
            for (std::size_t r = 0; r < rows.size(); ++r)
                if (rows[r].rect.top < bottom && rows[r].rect.bottom > top) marked[r] = true;
        }
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (marked[r]) dirty[c].push_back(static_cast<int>(r));
    }
    return dirty;
}

}  // namespace mv
