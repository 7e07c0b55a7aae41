#include "app/window/flowlayout.h"

#include <QWidget>

namespace mv {

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout(parent), mSpacing(spacing) {}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addItem(QLayoutItem* item) { mItems.append(item); }

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < mItems.size() ? mItems.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < mItems.size() ? mItems.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const { return Arrange(QRect(0, 0, width, 0), false); }

QSize FlowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : mItems)
        if (!item->isEmpty()) size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const {
    int width = 0, height = 0, shown = 0;
    for (const QLayoutItem* item : mItems) {
        if (item->isEmpty()) continue;
        const QSize hint = item->sizeHint();
        width += hint.width() + (shown++ > 0 ? mSpacing : 0);
        height = std::max(height, hint.height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

int FlowLayout::Arrange(const QRect& rect, bool apply) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    // Rows first, so that every item of a row can take the row's height.
    struct Row {
        QList<QLayoutItem*> items;
        int height = 0;
    };
    QList<Row> rows(1);
    int x = area.x();
    for (QLayoutItem* item : mItems) {
        if (item->isEmpty()) continue;
        const QSize hint = item->sizeHint();
        Row& row = rows.back();
        if (!row.items.isEmpty() && x + mSpacing + hint.width() > area.right() + 1) {
            rows.append(Row());
            x = area.x();
        } else if (!row.items.isEmpty()) {
            x += mSpacing;
        }
        rows.back().items.append(item);
        rows.back().height = std::max(rows.back().height, hint.height());
        x += hint.width();
    }
    int y = area.y();
    int bottom = area.y();
    for (const Row& row : rows) {
        if (row.items.isEmpty()) continue;
        if (apply) {
            int left = area.x();
            for (QLayoutItem* item : row.items) {
                const int width = std::min(item->sizeHint().width(), std::max(0, area.right() + 1 - left));
                item->setGeometry(QRect(left, y, width, row.height));
                left += width + mSpacing;
            }
        }
        bottom = y + row.height;
        y = bottom + mSpacing;
    }
    return bottom - rect.y() + contentsMargins().bottom();
}

}  // namespace mv
