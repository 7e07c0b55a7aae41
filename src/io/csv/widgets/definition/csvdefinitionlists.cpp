#include "io/csv/widgets/definition/csvdefinitionlists.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace mv {

namespace {

QMimeData* RowMime(const QString& format, int row) {
    auto* data = new QMimeData;
    data->setData(format, QByteArray::number(row));
    return data;
}

void SetUpDragAndDrop(QAbstractItemView* view) {
    view->setDragEnabled(true);
    view->setAcceptDrops(true);
    view->viewport()->setAcceptDrops(true);
    view->setDropIndicatorShown(true);
    view->setDragDropMode(QAbstractItemView::DragDrop);
    // Every drop is a copy as far as the view is concerned: a move would make the dragging
    // view remove the dragged line itself. The callbacks make the change.
    view->setDefaultDropAction(Qt::CopyAction);
}

// Accepts a drag that carries `format`, refuses any other.
template <typename Event>
void AcceptFormat(Event* event, const QString& format) {
    if (event->mimeData() && event->mimeData()->hasFormat(format)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

bool IsEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

}  // namespace

int DraggedRow(const QMimeData* data, const QString& format) {
    if (!data || !data->hasFormat(format)) return -1;
    bool ok = false;
    const int row = data->data(format).toInt(&ok);
    return ok ? row : -1;
}

ColumnListWidget::ColumnListWidget(QWidget* parent) : QListWidget(parent) {
    SetUpDragAndDrop(this);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QStringList ColumnListWidget::mimeTypes() const { return {kColumnLineMime}; }

QMimeData* ColumnListWidget::mimeData(const QList<QListWidgetItem*>& items) const {
    return items.isEmpty() ? nullptr : RowMime(kColumnLineMime, row(items.front()));
}

void ColumnListWidget::dragEnterEvent(QDragEnterEvent* event) { AcceptFormat(event, kItemCellMime); }
void ColumnListWidget::dragMoveEvent(QDragMoveEvent* event) { AcceptFormat(event, kItemCellMime); }

void ColumnListWidget::dropEvent(QDropEvent* event) {
    const int item = DraggedRow(event->mimeData(), kItemCellMime);
    if (item < 0) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (onItemDropped) onItemDropped(item);
}

void ColumnListWidget::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event) && currentRow() >= 0) {
        if (onEnter) onEnter(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

KeyGridWidget::KeyGridWidget(QWidget* parent) : QTableWidget(parent) {
    SetUpDragAndDrop(this);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

QStringList KeyGridWidget::mimeTypes() const { return {kItemCellMime}; }

QMimeData* KeyGridWidget::mimeData(const QList<QTableWidgetItem*>& items) const {
    // Only a mapped cell of column 1 drags (its item); the item names stay where they are.
    for (QTableWidgetItem* cell : items)
        if (cell->column() == 1 && !cell->text().isEmpty()) return RowMime(kItemCellMime, cell->row());
    return nullptr;
}

void KeyGridWidget::dragEnterEvent(QDragEnterEvent* event) { AcceptFormat(event, kColumnLineMime); }

void KeyGridWidget::dragMoveEvent(QDragMoveEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.column() == 1) AcceptFormat(event, kColumnLineMime);
    else event->ignore();
}

void KeyGridWidget::dropEvent(QDropEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const int line = DraggedRow(event->mimeData(), kColumnLineMime);
    if (!index.isValid() || index.column() != 1 || line < 0) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (onLineDropped) onLineDropped(index.row(), line);
}

void KeyGridWidget::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) && currentRow() >= 0) {
        if (onClear) onClear(currentRow());
        return;
    }
    QTableWidget::keyPressEvent(event);
}

ExportListWidget::ExportListWidget(QWidget* parent) : QListWidget(parent) {
    SetUpDragAndDrop(this);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QStringList ExportListWidget::mimeTypes() const { return {kExportLineMime}; }

QMimeData* ExportListWidget::mimeData(const QList<QListWidgetItem*>& items) const {
    return items.isEmpty() ? nullptr : RowMime(kExportLineMime, row(items.front()));
}

void ExportListWidget::dragEnterEvent(QDragEnterEvent* event) { AcceptFormat(event, kExportLineMime); }
void ExportListWidget::dragMoveEvent(QDragMoveEvent* event) { AcceptFormat(event, kExportLineMime); }

void ExportListWidget::dropEvent(QDropEvent* event) {
    const int from = DraggedRow(event->mimeData(), kExportLineMime);
    if (from < 0) {
        event->ignore();
        return;
    }
    // Below the last line counts as on the last line.
    QListWidgetItem* target = itemAt(event->position().toPoint());
    const int to = target ? row(target) : count() - 1;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (onMove) onMove(from, to);
}

void ExportListWidget::keyPressEvent(QKeyEvent* event) {
    const int current = currentRow();
    if (event->modifiers() == Qt::AltModifier && current >= 0 &&
        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        const int to = current + (event->key() == Qt::Key_Up ? -1 : 1);
        if (to >= 0 && to < count() && onMove) onMove(current, to);
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ExportListWidget::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    if (onFocusOut) onFocusOut();
}

}  // namespace mv
