#pragma once
// The grid of the CSV grid window: a table view whose vertical header is the "No." column
// (the corner says "No."), with uniform row heights, and whose frozen CSV lines stay at the
// top while the rest scrolls: a second view of the same model lies over the first rows,
// follows the horizontal scrolling and the column widths, and never scrolls vertically.
// Scrolled down by k lines, the grid's lines k to k + frozen - 1 lie under the frozen ones;
// scrollTo brings a line moved to from below out from under them.

#include <QTableView>

namespace mv {

class CsvGridModel;

class CsvGridView : public QTableView {
public:
    explicit CsvGridView(QWidget* parent = nullptr);
    void SetGridModel(CsvGridModel* model);
    // Row height and "No." column width from the width of "A".
    void SetMetrics(int rowHeight, int numberWidth);
    // Keeps the model's frozen lines over the top of the grid.
    void UpdateFrozen();
    // The view that shows the frozen lines (hidden when there are none).
    QTableView* FrozenView() const { return mFrozen; }
    // A line that would lie under the frozen lines is scrolled to just below them.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceFrozen();

    CsvGridModel* mModel = nullptr;
    QTableView* mFrozen = nullptr;
};

}  // namespace mv
