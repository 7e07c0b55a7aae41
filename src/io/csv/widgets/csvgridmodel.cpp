#include "io/csv/widgets/csvgridmodel.h"

#include <QBrush>
#include <QString>

#include "io/csv/csvgridlayout.h"
#include "io/csv/csvtable.h"
#include "model/codec.h"

namespace mv {

namespace {

// The text cut to at most `limit` bytes without splitting a double-byte character.
std::string_view ShownPart(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + CharLength(text, end);
        if (next > limit) break;
        end = next;
    }
    return text.substr(0, end);
}

}  // namespace

CsvGridModel::CsvGridModel(const CsvTable& table, QObject* parent) : QAbstractTableModel(parent), mTable(table) {}

void CsvGridModel::Refresh() {
    beginResetModel();
    mRows = mTable.LineCount();
    mColumns = mTable.ColumnCount();
    mFrozen = std::min(mFrozen, std::max(0, mRows - 1));
    endResetModel();
}

void CsvGridModel::Empty() {
    beginResetModel();
    mRows = mColumns = mFrozen = 0;
    endResetModel();
}

void CsvGridModel::SetFrozenLines(int lines) {
    lines = std::clamp(lines, 0, std::max(0, mRows - 1));
    if (lines == mFrozen) return;
    const int changed = std::max(lines, mFrozen);
    mFrozen = lines;
    if (mColumns > 0) emit dataChanged(index(0, 0), index(changed - 1, mColumns - 1));
    emit headerDataChanged(Qt::Vertical, 0, changed - 1);
}

int CsvGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : mRows; }

int CsvGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : mColumns; }

QVariant CsvGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= mRows || index.column() >= mColumns) return {};
    const bool frozen = index.row() < mFrozen;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole: {
            std::string_view text = mTable.Field(index.row(), index.column());
            if (text.empty()) return {};
            text = ShownPart(text, kShownBytes);
            // A fixed cell shows its text trimmed, on one line.
            QString shown = QString::fromUtf8(ToUtf8(text));
            return frozen ? shown.trimmed() : shown;
        }
        case Qt::BackgroundRole:
            if (frozen) return QBrush(FixedColour());
            return {};
        case Qt::ForegroundRole:
            if (frozen) return QBrush(Qt::white);
            return {};
        case Qt::TextAlignmentRole:
            if (frozen) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        default:
            return {};
    }
}

QVariant CsvGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    switch (role) {
        case Qt::DisplayRole:
            if (orientation == Qt::Vertical) return QString::fromUtf8(ThousandsText(section + 1));
            return QString::number(section + 1);
        case Qt::BackgroundRole:
            return QBrush(FixedColour());
        case Qt::ForegroundRole:
            return QBrush(Qt::white);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        default:
            return {};
    }
}

}  // namespace mv
