#pragma once
// The whole view of a design built and drawn without a window, as the design window would
// show it unscrolled: for the command-line tool's image export and the benchmarks. It runs
// the window's pipeline (working set, frame boxes, pack timing, placement, per-hour
// adjustment) and paints through the same renderer.

#include <QImage>
#include <memory>

#include "model/holidaytable.h"
#include "model/linestore.h"
#include "model/workingset.h"
#include "view/geometry/designview.h"
#include "view/geometry/yeardates.h"
#include "view/fonts.h"
#include "view/renderer.h"

namespace mv {

struct SnapshotRequest {
    Date start;                  // re-based into the base year
    int displayType = 6;
    WindowSizes sizes;
    ScaleState scale;
    bool timeDisplay = true;
    bool dateDisplay = true;
    int editKind = 0;
    int framePlacement = 1;
    int titlePlacement = 1;
    HolidayTable holidays = HolidayTable::Default();
    Date today;                  // year 0: no today frame
    int defaultFill = 12171705;  // DefaultWakuBC
    // The layout for output: margin bands not capped by the window width and the horizontal
    // date scale at 100 %, as pages are filled by width instead of the window.
    bool forOutput = false;
};



class ViewSnapshot {
public:
    ViewSnapshot(LineStore& store, int baseYear);

    // Lays out the columns, loads the frames of the shown dates and lays them out.
    void Build(const SnapshotRequest& request);
    QSize Size();
    void Paint(QPainter& painter);
    // A new image of the whole view; null when it could not be made.
    QImage Image();

    ViewLayout& Layout() { return mView.Layout(); }
    std::vector<DayBoxes>& Days() { return mView.Days(); }
    const PaintOptions& Options() const { return mOptions; }
    const LineStore& Store() const { return mStore; }

private:
    LineStore& mStore;
    RecordContext mContext;
    std::unique_ptr<WorkingSet> mWorking;
    DesignView mView;
    HolidayTable mHolidays;
    PaintOptions mOptions;
};

}  // namespace mv
