#include "view/timetableview.h"

#include <QGridLayout>
#include <QPainter>
#include <QScrollBar>

namespace mv {

ImagePane::ImagePane(const QString& name, QWidget* parent) : QWidget(parent) { setObjectName(name); }

void ImagePane::SetImage(QImage image) {
    mImage = std::move(image);
    updateGeometry();
    update();
}

void ImagePane::SetOffset(int dx, int dy) {
    if (dx == mDx && dy == mDy) return;
    mDx = dx;
    mDy = dy;
    update();
}

void ImagePane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(mDx, mDy, mImage);
}

TimetableView::TimetableView(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    mFixedKado = new ImagePane(QStringLiteral("imgFixedKado"), this);
    mFixedTop = new ImagePane(QStringLiteral("imgFixedTop"), this);
    mFixedKado2 = new ImagePane(QStringLiteral("imgFixedKado2"), this);
    mFixedLeft = new ImagePane(QStringLiteral("imgFixedLeft"), this);
    mFixedRight = new ImagePane(QStringLiteral("imgFixedRight"), this);
    mScrBoxPic = new QScrollArea(this);
    mScrBoxPic->setObjectName(QStringLiteral("ScrBoxPic"));
    mScrBoxPic->setFrameShape(QFrame::NoFrame);
    mPic = new ImagePane(QStringLiteral("Pic"));
    mScrBoxPic->setWidget(mPic);
    mScrBoxPic->setWidgetResizable(false);
    grid->addWidget(mFixedKado, 0, 0);
    grid->addWidget(mFixedTop, 0, 1);
    grid->addWidget(mFixedKado2, 0, 2);
    grid->addWidget(mFixedLeft, 1, 0);
    grid->addWidget(mScrBoxPic, 1, 1);
    grid->addWidget(mFixedRight, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    for (ImagePane* pane : {mFixedTop, mFixedLeft, mFixedRight})
        pane->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    connect(mScrBoxPic->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { SyncFixedPanes(); });
    connect(mScrBoxPic->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { SyncFixedPanes(); });
}

void TimetableView::Render(const ViewLayout& layout, const std::vector<DayBoxes>& days, const PaintOptions& options) {
    const int timeWidth = layout.Metrics().timeColumnWidth;
    const int headerHeight = layout.HeaderHeight();

    QImage pic(layout.GridWidth(), layout.GridHeight(), QImage::Format_RGB32);
    {
        QPainter painter(&pic);
        PaintGrid(painter, layout, days, options);
    }
    QImage top(layout.GridWidth(), headerHeight, QImage::Format_RGB32);
    {
        QPainter painter(&top);
        PaintDateHeader(painter, layout, options);
    }
    QImage side(timeWidth, layout.GridHeight(), QImage::Format_RGB32);
    {
        QPainter painter(&side);
        PaintTimeColumn(painter, layout);
    }
    QImage corner(timeWidth, headerHeight, QImage::Format_RGB32);
    {
        QPainter painter(&corner);
        PaintCorner(painter, timeWidth, headerHeight);
    }
    mPic->SetImage(pic);
    mPic->resize(pic.size());
    mFixedTop->SetImage(top);
    mFixedTop->setFixedHeight(headerHeight);
    mFixedLeft->SetImage(side);
    mFixedRight->SetImage(side);
    mFixedLeft->setFixedWidth(timeWidth);
    mFixedRight->setFixedWidth(timeWidth);
    mFixedKado->SetImage(corner);
    mFixedKado2->SetImage(corner);
    mFixedKado->setFixedSize(corner.size());
    mFixedKado2->setFixedSize(corner.size());
    SyncFixedPanes();
}

void TimetableView::ScrollToY(int y) { mScrBoxPic->verticalScrollBar()->setValue(y); }

void TimetableView::SyncFixedPanes() {
    const int x = mScrBoxPic->horizontalScrollBar()->value();
    const int y = mScrBoxPic->verticalScrollBar()->value();
    mFixedTop->SetOffset(-x, 0);
    mFixedLeft->SetOffset(0, -y);
    mFixedRight->SetOffset(0, -y);
}

}  // namespace mv
