#pragma once
// The print window's preview: one page image in a scroll box. Dragging with the left button
// scrolls it; a horizontal drag longer than three character widths sets which way a
// double-click turns the page (to the right the next page, to the left the previous one).

#include <QImage>
#include <QScrollArea>
#include <functional>

class QLabel;

namespace mv {

class TimePreviewPane : public QScrollArea {
public:
    explicit TimePreviewPane(QWidget* parent);

    void SetImage(const QImage& image);
    const QImage& Image() const { return mImage; }
    // +1 next page, -1 previous page.
    int Direction() const { return mDirection; }
    // Told the direction on a double-click.
    std::function<void(int)> onTurnPage;

    // The mouse handling, public so that tests can drive it without events.
    void DragStarted(QPoint at);
    void DraggedTo(QPoint at);
    void DoubleClicked() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* mLabel;
    QImage mImage;
    QPoint mDragFrom, mDragStart;
    bool mDragging = false;
    int mDirection = 1;
};

}  // namespace mv
