#include "view/timetablepainter.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

#include "model/codec.h"
#include "model/holidaytable.h"

namespace mv {

namespace {

const QColor kGridBackground(0xFF, 0xFF, 0xFF);
const QColor kGridLine(0xC0, 0xC0, 0xC0);
const QColor kBandColour(0xF0, 0xF0, 0xF0);
const QColor kHeaderBackground(0xE0, 0xE0, 0xE0);
const QColor kSunday(0xFF, 0x40, 0x40);
const QColor kSaturday(0x40, 0x40, 0xFF);

QString FromSjis(const std::string& text) { return QString::fromStdString(ToUtf8(text)); }

QFont ViewFont(int pixelHeight) {
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(std::max(1, pixelHeight));
    return font;
}

}  // namespace

unsigned ColourToRgb(int colour) {
    const unsigned v = static_cast<unsigned>(colour);
    return 0xFF000000u | ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

void PaintGrid(QPainter& painter, const ViewLayout& layout, const std::vector<DayBoxes>& days,
               const PaintOptions& options) {
    const int width = layout.GridWidth(), height = layout.GridHeight();
    painter.fillRect(0, 0, width, height, kGridBackground);
    const auto& columns = layout.Columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnCell& cell = columns[i];
        if (cell.hasBand) {
            PixelRect area = layout.FrameArea(static_cast<int>(i));
            int left = cell.bandOnLeft ? cell.rect.left : area.right;
            painter.fillRect(left, 0, layout.Metrics().bandWidth, height, kBandColour);
        }
        painter.setPen(kGridLine);
        painter.drawLine(cell.rect.right - 1, 0, cell.rect.right - 1, height);
    }
    for (const RowCell& row : layout.Rows()) painter.drawLine(0, row.rect.bottom - 1, width, row.rect.bottom - 1);

    painter.setFont(ViewFont(layout.Metrics().fontPixelHeight));
    for (const DayBoxes& boxes : days) {
        for (const FrameBox& box : boxes) {
            if (!box.valid || box.rect.left < 0 || box.rect.top < 0) continue;
            QRect rect(box.rect.left, box.rect.top, box.rect.Width(), box.rect.Height());
            painter.fillRect(rect, QColor::fromRgb(ColourToRgb(box.frame->WakuBC)));
            painter.setPen(box.frame == options.selected ? QPen(Qt::red, 2) : QPen(Qt::black));
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
            painter.setPen(QColor::fromRgb(ColourToRgb(box.frame->TextFC)));
            painter.drawText(rect.adjusted(2, 1, -2, -1), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                             FromSjis(box.frame->Title));
        }
    }
}

void PaintDateHeader(QPainter& painter, const ViewLayout& layout, const PaintOptions& options) {
    painter.fillRect(0, 0, layout.GridWidth(), layout.HeaderHeight(), kHeaderBackground);
    painter.setFont(ViewFont(layout.Metrics().labelFontHeight));
    for (const ColumnCell& cell : layout.Columns()) {
        QRect rect(cell.rect.left, cell.rect.top, cell.rect.Width(), cell.rect.Height());
        painter.setPen(kGridLine);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        const int weekday = DayOfWeek(cell.date);
        bool holiday = options.holidays && options.holidays->IsHoliday(cell.date);
        painter.setPen(weekday == 0 || holiday ? kSunday : weekday == 6 ? kSaturday : QColor(Qt::black));
        QString text = options.dateDisplay ? QStringLiteral("%1/%2").arg(cell.date.month).arg(cell.date.day, 2, 10,
                                                                                               QLatin1Char('0'))
                                           : QString();
        text += QStringLiteral("\n(") + FromSjis(WeekdayLetter(cell.date)) + QStringLiteral(")");
        if (holiday) text += QStringLiteral(" *");
        painter.drawText(rect, Qt::AlignCenter, text);
    }
}

void PaintTimeColumn(QPainter& painter, const ViewLayout& layout) {
    const int width = layout.Metrics().timeColumnWidth;
    painter.fillRect(0, 0, width, layout.GridHeight(), kHeaderBackground);
    painter.setFont(ViewFont(layout.Metrics().labelFontHeight));
    for (const RowCell& row : layout.Rows()) {
        QRect rect(row.rect.left, row.rect.top, row.rect.Width(), row.rect.Height());
        painter.setPen(kGridLine);
        painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
        painter.setPen(Qt::black);
        int hour = row.labelHour >= 24 ? row.labelHour - 24 : row.labelHour;
        painter.drawText(rect.adjusted(0, 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QString::number(hour));
    }
}

void PaintCorner(QPainter& painter, int width, int height) { painter.fillRect(0, 0, width, height, kHeaderBackground); }

}  // namespace mv
