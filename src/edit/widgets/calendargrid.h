#pragma once
// The month calendar's grid: paints the month through the month painter, keeps its cell
// sizes in step with the widget, and reports presses, double-clicks, the cell under the
// pointer and context-menu requests by cell index to the calendar window, which decides.

#include <QWidget>
#include <functional>

#include "view/monthpainter.h"

namespace mv {

class CalendarGrid : public QWidget {
public:
    CalendarGrid(QWidget* parent, const MonthCalendar& month, MonthPaintOptions& options);

    // The cell index (week * 7 + column) at a point; -1 outside the day cells.
    int DayIndexAt(const QPoint& at) const;
    // The cell's rectangle in the widget.
    QRect CellRect(int index) const;
    // The grid geometry for the widget's size and the month's week rows.
    void UpdateGeometry();
    void RepaintCell(int index);

    std::function<void(int index, Qt::MouseButton button)> pressed;
    std::function<void(int index)> doubleClicked;
    std::function<void(int index)> hovered;  // -1 when the pointer leaves the day cells
    std::function<void(int index, const QPoint& global)> menuRequested;
    std::function<void(QKeyEvent* event)> keyPressed;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const MonthCalendar& mMonth;
    MonthPaintOptions& mOptions;
    MonthPainter mPainter;
    int mLastHover = -1;
};

}  // namespace mv
