#include "io/csv/widgets/csvgridview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

#include "io/csv/widgets/csvgridmodel.h"

namespace mv {

namespace {

// Paints a cell as one line of text with its background, without the text layout the
// standard delegate builds for every cell: a page of a wide CSV holds hundreds of them.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QVariant background = index.data(Qt::BackgroundRole);
        const bool selected = option.state & QStyle::State_Selected;
        if (selected)
            painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
        else if (background.isValid())
            painter->fillRect(option.rect, background.value<QBrush>());
        const QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty()) return;
        const QVariant foreground = index.data(Qt::ForegroundRole);
        QColor colour = option.palette.color(QPalette::Text);
        if (selected) colour = option.palette.color(QPalette::HighlightedText);
        else if (foreground.isValid()) colour = foreground.value<QBrush>().color();
        const QVariant alignment = index.data(Qt::TextAlignmentRole);
        const int flags = (alignment.isValid() ? alignment.value<Qt::Alignment>().toInt() : Qt::AlignLeft | Qt::AlignVCenter) |
                          Qt::TextSingleLine;
        painter->save();
        painter->setClipRect(option.rect);
        painter->setPen(colour);
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(3, 0, -3, 0), flags, text);
        painter->restore();
    }
};

void SetUpHeaders(QTableView& view) {
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view.horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view.horizontalHeader()->setHighlightSections(false);
    view.verticalHeader()->setHighlightSections(false);
    view.setWordWrap(false);
}

}  // namespace

CsvGridView::CsvGridView(QWidget* parent) : QTableView(parent) {
    SetUpHeaders(*this);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerItem);
    setTextElideMode(Qt::ElideNone);
    setItemDelegate(new CellDelegate(this));

    mFrozen = new QTableView(this);
    mFrozen->setObjectName(QStringLiteral("FrozenLines"));
    SetUpHeaders(*mFrozen);
    mFrozen->setTextElideMode(Qt::ElideNone);
    mFrozen->setItemDelegate(new CellDelegate(mFrozen));
    mFrozen->setHorizontalScrollMode(ScrollPerPixel);
    mFrozen->setFocusPolicy(Qt::NoFocus);
    mFrozen->horizontalHeader()->hide();
    mFrozen->setFrameShape(QFrame::NoFrame);
    mFrozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mFrozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mFrozen->setSelectionMode(NoSelection);
    mFrozen->hide();
    // The frozen lines never scroll on their own: the wheel goes to the grid below.
    mFrozen->viewport()->installEventFilter(this);
    connect(mFrozen->verticalScrollBar(), &QScrollBar::valueChanged, mFrozen,
            [this](int value) {
                if (value != 0) mFrozen->verticalScrollBar()->setValue(0);
            });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, mFrozen->horizontalScrollBar(), &QScrollBar::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, mFrozen,
            [this](int column, int, int size) { mFrozen->setColumnWidth(column, size); });

    // The corner above the numbers names the column.
    if (auto* corner = findChild<QAbstractButton*>()) corner->installEventFilter(this);
}

void CsvGridView::SetGridModel(CsvGridModel* model) {
    mModel = model;
    setModel(model);
    mFrozen->setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { UpdateFrozen(); });
}

void CsvGridView::SetMetrics(int rowHeight, int numberWidth) {
    for (QTableView* view : {static_cast<QTableView*>(this), mFrozen}) {
        view->verticalHeader()->setMinimumSectionSize(1);
        view->verticalHeader()->setDefaultSectionSize(rowHeight);
        view->verticalHeader()->setFixedWidth(numberWidth);
    }
    PlaceFrozen();
}

void CsvGridView::UpdateFrozen() {
    const int lines = mModel ? mModel->FrozenLines() : 0;
    if (lines <= 0) {
        mFrozen->hide();
        return;
    }
    for (int column = 0; column < model()->columnCount(); ++column)
        mFrozen->setColumnWidth(column, columnWidth(column));
    mFrozen->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    mFrozen->verticalScrollBar()->setValue(0);
    PlaceFrozen();
    mFrozen->show();
    mFrozen->raise();
}

void CsvGridView::PlaceFrozen() {
    const int lines = mModel ? mModel->FrozenLines() : 0;
    if (lines <= 0) return;
    const int height = lines * verticalHeader()->defaultSectionSize();
    const int top = frameWidth() + (horizontalHeader()->isVisible() ? horizontalHeader()->height() : 0);
    mFrozen->setGeometry(frameWidth(), top, verticalHeader()->width() + viewport()->width(),
                         std::min(height, viewport()->height()));
}

void CsvGridView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    // Scrolling is by whole lines and no line of the grid is hidden, so the scroll value is
    // the first line shown; the frozen lines cover that many lines from there.
    const int frozen = mModel ? mModel->FrozenLines() : 0;
    if (index.isValid() && frozen > 0 && index.row() >= frozen &&
        index.row() < verticalScrollBar()->value() + frozen)
        verticalScrollBar()->setValue(index.row() - frozen);
    QTableView::scrollTo(index, hint);
}

void CsvGridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    PlaceFrozen();
}

void CsvGridView::updateGeometries() {
    QTableView::updateGeometries();
    PlaceFrozen();
}

bool CsvGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mFrozen->viewport() && event->type() == QEvent::Wheel) {
        QApplication::sendEvent(viewport(), event);
        return true;
    }
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner && event->type() == QEvent::Paint) {
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.rect = corner->rect();
        option.text = QStringLiteral("No.");
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.palette.setBrush(QPalette::Button, CsvGridModel::FixedColour());
        option.palette.setBrush(QPalette::Window, CsvGridModel::FixedColour());
        option.palette.setBrush(QPalette::ButtonText, Qt::white);
        QPainter painter(corner);
        corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

}  // namespace mv
