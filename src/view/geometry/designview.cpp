#include "view/geometry/designview.h"

#include <algorithm>

#include "view/geometry/packtiming.h"
#include "view/geometry/placement.h"

namespace mv {

namespace {

DayBoxes BoxesOf(WorkingSet& working, int column, int editKind) {
    FrameList& frames = working.Column(column).frames;
    if (editKind == 1) ApplyPackTiming(frames);
    else UndoPackTiming(frames);
    return OrderedBoxes(frames);
}

}  // namespace

void DesignView::LayOutFrames(WorkingSet& working, int editKind, int framePlacement) {
    mDays.assign(std::min<std::size_t>(working.ColumnCount(), mLayout.Columns().size()), {});
    for (std::size_t c = 0; c < mDays.size(); ++c) mDays[c] = BoxesOf(working, static_cast<int>(c), editKind);
    ::mv::LayOutFrames(mLayout, mDays, framePlacement);
}

void DesignView::RefreshColumns(WorkingSet& working, int editKind, const std::vector<int>& columns) {
    for (int c : columns)
        if (c >= 0 && c < static_cast<int>(mDays.size())) mDays[c] = BoxesOf(working, c, editKind);
}

}  // namespace mv
