#include "view/snapshot.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include "view/geometry/displaytype.h"

namespace mv {

ViewSnapshot::ViewSnapshot(LineStore& store, int baseYear) : mStore(store) { mContext.baseYear = baseYear; }

void ViewSnapshot::Build(const SnapshotRequest& request) {
    const int type = NormalizeDisplayType(request.displayType);
    const Date start = RebaseIntoYear(request.start, mContext.baseYear);
    const ViewMetrics metrics =
        ComputeMetrics(MeasureReferenceFont(), type, request.sizes.windowWidth, request.forOutput);
    ScaleState scale = request.scale;
    if (request.forOutput) scale.horizontal = kHorz100;
    mView.Build(start, type, EffectiveScale(type, scale), metrics, request.sizes);

    mContext.defaults.baseFontHeight = metrics.fontPixelHeight;
    mContext.defaults.backgroundColour = request.defaultFill;
    mWorking = std::make_unique<WorkingSet>(mStore, mContext);
    mWorking->Build(start, static_cast<int>(mView.Layout().Columns().size()));
    mWorking->LoadView();
    mView.LayOutFrames(*mWorking, request.editKind, request.framePlacement);

    mHolidays = request.holidays;
    mOptions = PaintOptions{};
    mOptions.timeDisplay = request.timeDisplay;
    mOptions.dateDisplay = request.dateDisplay;
    mOptions.holidays = &mHolidays;
    mOptions.editKind = request.editKind;
    mOptions.framePlacement = request.framePlacement;
    mOptions.titlePlacement = request.titlePlacement;
    mOptions.today = request.today;
}

QSize ViewSnapshot::Size() { return TimetableRenderer(mView.Layout(), mView.Days(), mOptions).WholeSize(); }

void ViewSnapshot::Paint(QPainter& painter) { TimetableRenderer(mView.Layout(), mView.Days(), mOptions).PaintWhole(painter); }

QImage ViewSnapshot::Image() {
    QImage image(Size(), QImage::Format_RGB32);
    if (image.isNull()) return image;
    QPainter painter(&image);
    Paint(painter);
    return image;
}

}  // namespace mv
