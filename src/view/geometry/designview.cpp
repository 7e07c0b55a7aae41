#include "view/geometry/designview.h"

#include <algorithm>

#include "view/geometry/packtiming.h"
#include "view/geometry/placement.h"

namespace mv {

void DesignView::LayOutFrames(WorkingSet& working, int editKind, int framePlacement) {
    mDays.assign(std::min<std::size_t>(working.ColumnCount(), mLayout.Columns().size()), {});
    for (std::size_t c = 0; c < mDays.size(); ++c) {
        FrameList& frames = working.Column(static_cast<int>(c)).frames;
        if (editKind == 1) ApplyPackTiming(frames);
        else UndoPackTiming(frames);
        mDays[c] = OrderedBoxes(frames);
    }
    ::mv::LayOutFrames(mLayout, mDays, framePlacement);
}

}  // namespace mv
