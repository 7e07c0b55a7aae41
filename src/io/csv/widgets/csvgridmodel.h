#pragma once
// The CSV table as a Qt table model: one row per CSV line, one column per field. Only the
// cell a view asks for is converted from Shift-JIS, so a file of any length costs its own
// table and nothing per cell. The vertical header carries the line numbers ("No."), the
// horizontal header the field numbers; frozen lines and the headers are the grid's fixed
// cells: grey with white, centred text.

#include <QAbstractTableModel>
#include <QColor>

namespace mv {

class CsvTable;

class CsvGridModel : public QAbstractTableModel {
public:
    explicit CsvGridModel(const CsvTable& table, QObject* parent = nullptr);

    // Shows the table's lines and columns as they are now. Until the next call the model
    // keeps the counts it had, so the table may be refilled in between while the view still
    // asks for cells.
    void Refresh();
    // Shows nothing (before the table is refilled).
    void Empty();
    void SetFrozenLines(int lines);
    int FrozenLines() const { return mFrozen; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QColor FixedColour() { return QColor(128, 128, 128); }
    // Longer cells are cut for showing (at a character boundary); writing uses the table.
    static constexpr int kShownBytes = 2000;

private:
    const CsvTable& mTable;
    int mRows = 0, mColumns = 0, mFrozen = 0;
};

}  // namespace mv
