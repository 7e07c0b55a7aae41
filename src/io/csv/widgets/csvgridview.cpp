#include "io/csv/widgets/csvgridview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>

#include "io/csv/widgets/csvgridmodel.h"

namespace mv {

namespace {

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

    mFrozen = new QTableView(this);
    mFrozen->setObjectName(QStringLiteral("FrozenLines"));
    SetUpHeaders(*mFrozen);
    mFrozen->setTextElideMode(Qt::ElideNone);
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
