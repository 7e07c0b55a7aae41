#pragma once
// The grid `Pic` in its scroll box, the date header `imgFixedTop` above it, the time
// columns `imgFixedLeft` and `imgFixedRight` beside it and the corners `imgFixedKado` and
// `imgFixedKado2`, each an off-screen image shown by a small widget; the fixed panes follow
// the scrolled grid. All drawing goes through TimetableRenderer; the images are re-created
// only when their sizes change, and partial redraws touch only what an edit changed.

#include <QImage>
#include <QScrollArea>
#include <QWidget>
#include <functional>

#include "model/linestore.h"
#include "platform/qtdialogs.h"
#include "view/renderer.h"

namespace mv {

// Shows an image, shifted by an offset (the fixed panes follow the grid's scrolling).
class ImagePane : public QWidget {
public:
    explicit ImagePane(const QString& name, QWidget* parent = nullptr);
    QImage& Image() { return mImage; }
    const QImage& Image() const { return mImage; }
    void SetImage(QImage image);
    void SetOffset(int dx, int dy);
    QSize sizeHint() const override { return mImage.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage mImage;
    int mDx = 0, mDy = 0;
};

class TimetableView : public QWidget {
public:
    explicit TimetableView(QWidget* parent = nullptr);

    // Full redraw with the wait cursor: re-creates the images when their sizes changed
    // (retrying with smaller cells when that fails, which lays the frames out again), then
    // paints the grid, the month band and header, the time columns and corners and every
    // frame. False when the images could not be created.
    bool Render(ViewLayout& layout, std::vector<DayBoxes>& days, const PaintOptions& options);

    // One date's cells and frames; with the minute labels shown, a column without a band
    // takes the previous date along (its labels lie there).
    void RedrawDate(const ViewLayout& layout, std::vector<DayBoxes>& days, int column, const PaintOptions& options);
    // After an edit of up to two dates whose boxes the caller rebuilt (OrderedBoxes): lays
    // them out again, re-runs the per-hour adjustment, redraws the hour rows that moved on
    // the other dates, then both dates.
    void RedrawEditedDates(ViewLayout& layout, std::vector<DayBoxes>& days, const std::vector<int>& columns,
                           const PaintOptions& options);
    // One frame (optionally with its neighbours' minute labels), and the selection.
    void RedrawFrame(const ViewLayout& layout, std::vector<DayBoxes>& days, const TCInf* frame, bool neighbourLabels,
                     const PaintOptions& options);
    void RedrawSelection(const ViewLayout& layout, std::vector<DayBoxes>& days, const PaintOptions& options);
    // The header of one date (column >= 0) or of all dates with the month band, and the
    // corners (a pressed corner is drawn lighter).
    void RedrawHeader(const ViewLayout& layout, const PaintOptions& options, int column = -1);
    void RedrawCorners(const ViewLayout& layout, const PaintOptions& options);

    // The fast preview of a date step: the header and grid for the dates from `start`,
    // frames straight from the stored lines. The images and their sizes are kept.
    void ShowPreview(const ViewLayout& layout, const Date& start, const LineStore& store, const PaintOptions& options);

    void ScrollToY(int y);
    QScrollArea* ScrollBox() { return mScrBoxPic; }
    ImagePane* Pic() { return mPic; }
    ImagePane* FixedTop() { return mFixedTop; }
    ImagePane* FixedLeft() { return mFixedLeft; }
    ImagePane* FixedRight() { return mFixedRight; }
    ImagePane* FixedKado() { return mFixedKado; }
    ImagePane* FixedKado2() { return mFixedKado2; }

    // Tests replace how images are made, to see the view cope with a failure.
    using ImageFactory = std::function<QImage(QSize)>;
    void SetImageFactory(ImageFactory factory) { mImageFactory = std::move(factory); }

private:
    bool EnsureImages(const ViewLayout& layout);
    QImage MakeImage(QSize size) const;
    PaintOptions Prepared(const PaintOptions& options) const;
    void SyncFixedPanes();
    void PaintTimeColumns(TimetableRenderer& renderer);

    QScrollArea* mScrBoxPic;
    ImagePane* mPic;
    ImagePane* mFixedTop;
    ImagePane* mFixedLeft;
    ImagePane* mFixedRight;
    ImagePane* mFixedKado;
    ImagePane* mFixedKado2;
    QtDialogs mFallbackDialogs;
    ImageFactory mImageFactory;
};

}  // namespace mv
