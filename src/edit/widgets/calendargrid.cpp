#include "edit/widgets/calendargrid.h"

#include <QMouseEvent>
#include <QPaintEvent>

namespace mv {

CalendarGrid::CalendarGrid(QWidget* parent, const MonthCalendar& month, MonthPaintOptions& options)
    : QWidget(parent), mMonth(month), mOptions(options) {
    setObjectName(QStringLiteral("Grid"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(280, 200);
}

void CalendarGrid::UpdateGeometry() {
    mOptions.grid = ComputeMonthGrid(width(), height(), mMonth.WeekRows());
}

int CalendarGrid::DayIndexAt(const QPoint& at) const {
    int column = 0, week = 0;
    if (!mOptions.grid.CellAt(at.x(), at.y(), column, week) || week < 0) return -1;
    return week * kCalendarColumns + column;
}

QRect CalendarGrid::CellRect(int index) const {
    const auto box = mOptions.grid.CellBox(index % kCalendarColumns, index / kCalendarColumns);
    return {box.left, box.top, box.width, box.height};
}

void CalendarGrid::RepaintCell(int index) {
    if (index >= 0) update(CellRect(index));
}

void CalendarGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The lines between the cells, and whatever the last row and column leave free.
    painter.fillRect(event->rect(), QColor(0x40, 0x40, 0x40));
    if (!mMonth.Built()) return;
    for (int week = -1; week < mMonth.WeekRows(); ++week)
        for (int column = 0; column < kCalendarColumns; ++column) {
            const auto box = mOptions.grid.CellBox(column, week);
            if (!event->rect().intersects(QRect(box.left, box.top, box.width, box.height))) continue;
            mPainter.PaintCell(painter, mMonth, mOptions, column, week);
        }
}

void CalendarGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateGeometry();
}

void CalendarGrid::mousePressEvent(QMouseEvent* event) {
    const int index = DayIndexAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        if (pressed && index >= 0) pressed(index, Qt::RightButton);
        if (menuRequested && index >= 0) menuRequested(index, event->globalPosition().toPoint());
        return;
    }
    if (pressed && index >= 0) pressed(index, event->button());
}

void CalendarGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const int index = DayIndexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && doubleClicked && index >= 0) doubleClicked(index);
}

void CalendarGrid::mouseMoveEvent(QMouseEvent* event) {
    const int index = DayIndexAt(event->position().toPoint());
    if (index == mLastHover) return;
    mLastHover = index;
    if (hovered) hovered(index);
}

void CalendarGrid::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    mLastHover = -1;
    if (hovered) hovered(-1);
}

void CalendarGrid::keyPressEvent(QKeyEvent* event) {
    // The window accepts the keys it handles.
    event->ignore();
    if (keyPressed) keyPressed(event);
    if (!event->isAccepted()) QWidget::keyPressEvent(event);
}

}  // namespace mv
