#pragma once
// The three lists of the CSV definition window that take drops: the column list of the
// CSV's first line, the item grid the columns are mapped onto, and the export order list.
// Each hands what was dropped (or keyed) to a callback; the window's logic decides.
#include <functional>

#include <QListWidget>
#include <QString>
#include <QTableWidget>

namespace mv {

// Drag formats: a column-list line (its row), a mapped item cell (its item), an export
// list line (its row).
inline const QString kColumnLineMime = QStringLiteral("application/x-marovelantis-csv-column");
inline const QString kItemCellMime = QStringLiteral("application/x-marovelantis-csv-item");
inline const QString kExportLineMime = QStringLiteral("application/x-marovelantis-csv-export");

// The row number a drag carries, or -1.
int DraggedRow(const QMimeData* data, const QString& format);

// LbxSelection: drags its lines to the item grid; a dropped item cell unmaps that item.
// Enter maps the current line to the grid's current item.
class ColumnListWidget : public QListWidget {
public:
    explicit ColumnListWidget(QWidget* parent = nullptr);
    std::function<void(int item)> onItemDropped;
    std::function<void(int row)> onEnter;

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// GridKey: column-list lines dropped on a row's mapping cell map it; its mapping cells drag
// back to the list. Delete (or Backspace) unmaps the current row.
class KeyGridWidget : public QTableWidget {
public:
    explicit KeyGridWidget(QWidget* parent = nullptr);
    std::function<void(int item, int columnLine)> onLineDropped;
    std::function<void(int item)> onClear;

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTableWidgetItem*>& items) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// lbxExport: a line dropped on another line moves there; Alt+Up and Alt+Down move the
// current line one place. Losing the focus reports too, as the order is read back then.
class ExportListWidget : public QListWidget {
public:
    explicit ExportListWidget(QWidget* parent = nullptr);
    std::function<void(int from, int to)> onMove;
    std::function<void()> onFocusOut;

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace mv
