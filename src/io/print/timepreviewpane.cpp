#include "io/print/timepreviewpane.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>

namespace mv {

TimePreviewPane::TimePreviewPane(QWidget* parent) : QScrollArea(parent), mLabel(new QLabel) {
    setObjectName(QStringLiteral("imgPreview"));
    setBackgroundRole(QPalette::Dark);
    setAlignment(Qt::AlignCenter);
    mLabel->setObjectName(QStringLiteral("PreviewImage"));
    setWidget(mLabel);
    mLabel->installEventFilter(this);
}

void TimePreviewPane::SetImage(const QImage& image) {
    mImage = image;
    mLabel->setPixmap(QPixmap::fromImage(image));
    mLabel->resize(image.size());
}

void TimePreviewPane::DragStarted(QPoint at) {
    mDragging = true;
    mDragFrom = mDragStart = at;
}

void TimePreviewPane::DraggedTo(QPoint at) {
    if (!mDragging) return;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - (at.x() - mDragFrom.x()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() - (at.y() - mDragFrom.y()));
    mDragFrom = at;
    const int dx = at.x() - mDragStart.x();
    if (std::abs(dx) > 3 * fontMetrics().horizontalAdvance(QLatin1Char('A'))) mDirection = dx > 0 ? 1 : -1;
}

void TimePreviewPane::DoubleClicked() const {
    if (onTurnPage) onTurnPage(mDirection);
}

bool TimePreviewPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched != mLabel) return QScrollArea::eventFilter(watched, event);
    // Screen positions: the label moves under the mouse while it scrolls.
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton) DragStarted(mouse->globalPosition().toPoint());
            return true;
        case QEvent::MouseMove:
            DraggedTo(mouse->globalPosition().toPoint());
            return true;
        case QEvent::MouseButtonRelease:
            mDragging = false;
            return true;
        case QEvent::MouseButtonDblClick:
            DoubleClicked();
            return true;
        default:
            return QScrollArea::eventFilter(watched, event);
    }
}

}  // namespace mv
