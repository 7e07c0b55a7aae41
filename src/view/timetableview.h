#pragma once
// The grid `Pic` in its scroll box, the date header `imgFixedTop` above it, the time
// columns `imgFixedLeft` and `imgFixedRight` beside it and the corners `imgFixedKado` and
// `imgFixedKado2`, each an off-screen image shown by a small widget; the fixed panes follow
// the scrolled grid.

#include <QImage>
#include <QScrollArea>
#include <QWidget>

#include "view/timetablepainter.h"

namespace mv {

// Shows an image, shifted by an offset (the fixed panes follow the grid's scrolling).
class ImagePane : public QWidget {
public:
    explicit ImagePane(const QString& name, QWidget* parent = nullptr);
    QImage& Image() { return mImage; }
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

    // Repaints every image from the layout and the frames.
    void Render(const ViewLayout& layout, const std::vector<DayBoxes>& days, const PaintOptions& options);
    void ScrollToY(int y);
    QScrollArea* ScrollBox() { return mScrBoxPic; }
    ImagePane* Pic() { return mPic; }
    ImagePane* FixedTop() { return mFixedTop; }
    ImagePane* FixedLeft() { return mFixedLeft; }
    ImagePane* FixedRight() { return mFixedRight; }

private:
    void SyncFixedPanes();

    QScrollArea* mScrBoxPic;
    ImagePane* mPic;
    ImagePane* mFixedTop;
    ImagePane* mFixedLeft;
    ImagePane* mFixedRight;
    ImagePane* mFixedKado;
    ImagePane* mFixedKado2;
};

}  // namespace mv
