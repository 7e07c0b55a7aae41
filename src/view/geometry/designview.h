#pragma once
// The view of the shown dates without a window: the columns and rows, and the frame
// rectangles of the working set's frames after pack timing, side-by-side placement and the
// per-hour adjustment. The design window, the image export and the benchmarks share it,
// and hit-testing works on it without widgets.

#include <vector>

#include "model/workingset.h"
#include "view/geometry/framelayout.h"
#include "view/geometry/viewlayout.h"

namespace mv {

class DesignView {
public:
    // Lays out the columns of the dates from `start` and the hour rows.
    void Build(const Date& start, int displayType, const ScaleState& scale, const ViewMetrics& metrics,
               const WindowSizes& sizes) {
        mLayout.Build(start, displayType, scale, metrics, sizes);
    }
    // The frame boxes of every shown date from the working set's frames, in the packed
    // timing when `editKind` is 1 (the real times are kept), placed and adjusted.
    void LayOutFrames(WorkingSet& working, int editKind, int framePlacement);

    // The boxes of these columns built again from the working set after an edit; laying
    // them out and the per-hour adjustment follow with the redraw (RelayOutEditedDates).
    void RefreshColumns(WorkingSet& working, int editKind, const std::vector<int>& columns);

    // The drawn box of the frame with this id on a shown date; null when not drawn.
    const FrameBox* BoxOf(const Date& date, const std::string& cid) const {
        const std::optional<int> column = mLayout.ColumnIndexOfDate(date);
        if (!column || *column >= static_cast<int>(mDays.size())) return nullptr;
        for (const FrameBox& box : mDays[*column])
            if (box.frame && box.frame->Cid == cid) return &box;
        return nullptr;
    }
    // The frame under a point of the picture (see FrameAtPoint).
    const FrameBox* FrameAt(int x, int y, const TCInf* selected) const {
        return FrameAtPoint(mLayout, mDays, x, y, selected);
    }

    ViewLayout& Layout() { return mLayout; }
    const ViewLayout& Layout() const { return mLayout; }
    std::vector<DayBoxes>& Days() { return mDays; }
    const std::vector<DayBoxes>& Days() const { return mDays; }

private:
    ViewLayout mLayout;
    std::vector<DayBoxes> mDays;
};

}  // namespace mv
