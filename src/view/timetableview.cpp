#include "view/timetableview.h"

#include <QDate>
#include <QGridLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QScrollBar>

#include "view/geometry/layoutretry.h"
#include "view/geometry/placement.h"
#include "view/previewpainter.h"

namespace mv {

namespace {

// The wait cursor for the length of a scope, restored even when painting throws.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

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

TimetableView::TimetableView(QWidget* parent) : QWidget(parent), mFallbackDialogs(this) {
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

QImage TimetableView::MakeImage(QSize size) const {
    if (mImageFactory) return mImageFactory(size);
    return QImage(size, QImage::Format_RGB32);
}

bool TimetableView::EnsureImages(const ViewLayout& layout) {
    const int time = layout.Metrics().timeColumnWidth;
    const int header = layout.HeaderHeight();
    const QSize grid(layout.GridWidth(), layout.GridHeight());
    const QSize top(layout.GridWidth(), header), side(time, layout.GridHeight()), corner(time, header);
    struct Wanted {
        ImagePane* pane;
        QSize size;
    };
    const Wanted wanted[] = {{mPic, grid}, {mFixedTop, top}, {mFixedLeft, side},
                             {mFixedRight, side}, {mFixedKado, corner}, {mFixedKado2, corner}};
    for (const Wanted& w : wanted) {
        if (w.pane->Image().size() == w.size && !w.pane->Image().isNull()) continue;
        QImage image = MakeImage(w.size);
        if (image.isNull()) return false;
        w.pane->SetImage(std::move(image));
    }
    mPic->resize(grid);
    mFixedTop->setFixedHeight(header);
    mFixedLeft->setFixedWidth(time);
    mFixedRight->setFixedWidth(time);
    mFixedKado->setFixedSize(corner);
    mFixedKado2->setFixedSize(corner);
    return true;
}

PaintOptions TimetableView::Prepared(const PaintOptions& options) const {
    PaintOptions prepared = options;
    if (prepared.today.year == 0) {
        const QDate today = QDate::currentDate();
        prepared.today = {today.year(), today.month(), today.day()};
    }
    return prepared;
}

bool TimetableView::Render(ViewLayout& layout, std::vector<DayBoxes>& days, const PaintOptions& optionsIn) {
    WaitCursor wait;
    const PaintOptions options = Prepared(optionsIn);
    const int width = layout.ColumnWidth(), height = layout.RowHeightPx();
    Dialogs& dialogs = options.dialogs ? *options.dialogs : mFallbackDialogs;
    const bool created =
        LayOutWithRetry(layout, [this](const ViewLayout& candidate) { return EnsureImages(candidate); }, dialogs);
    if (layout.ColumnWidth() != width || layout.RowHeightPx() != height)
        LayOutFrames(layout, days, options.framePlacement);
    if (!created) return false;

    TimetableRenderer renderer(layout, days, options);
    {
        QPainter painter(&mPic->Image());
        renderer.PaintGrid(painter);
    }
    {
        QPainter painter(&mFixedTop->Image());
        renderer.PaintHeader(painter);
    }
    PaintTimeColumns(renderer);
    {
        QPainter painter(&mFixedKado->Image());
        renderer.PaintCorner(painter, false);
    }
    {
        QPainter painter(&mFixedKado2->Image());
        renderer.PaintCorner(painter, true);
    }
    for (ImagePane* pane : {mPic, mFixedTop, mFixedLeft, mFixedRight, mFixedKado, mFixedKado2}) pane->update();
    SyncFixedPanes();
    return true;
}

void TimetableView::PaintTimeColumns(TimetableRenderer& renderer) {
    // Both time columns look alike.
    for (ImagePane* pane : {mFixedLeft, mFixedRight}) {
        QPainter painter(&pane->Image());
        renderer.PaintTimeColumn(painter);
    }
}

void TimetableView::RedrawDate(const ViewLayout& layout, std::vector<DayBoxes>& days, int column,
                               const PaintOptions& optionsIn) {
    const int count = static_cast<int>(layout.Columns().size());
    if (column < 0 || column >= count || mPic->Image().isNull()) return;
    const PaintOptions options = Prepared(optionsIn);
    TimetableRenderer renderer(layout, days, options);
    QPainter painter(&mPic->Image());
    const bool labels = ShowsTimes(options);
    const int first = labels && column > 0 && !layout.Columns()[column].hasBand ? column - 1 : column;
    for (int c = first; c <= column; ++c) renderer.PaintCells(painter, c);
    for (int c = first; c <= column; ++c) renderer.PaintDateFrames(painter, c);
    // The next date's labels lie in this column when that date has no band.
    if (labels && column + 1 < count && column + 1 < static_cast<int>(days.size()) && !layout.Columns()[column + 1].hasBand)
        for (const FrameBox& box : days[column + 1]) renderer.PaintMinuteLabels(painter, column + 1, box);
    int selectedColumn = -1;
    if (renderer.FindBox(options.selected, &selectedColumn) && selectedColumn >= first && selectedColumn <= column)
        renderer.PaintSelection(painter);
    mPic->update();
}

void TimetableView::RedrawEditedDates(ViewLayout& layout, std::vector<DayBoxes>& days, const std::vector<int>& columns,
                                      const PaintOptions& optionsIn) {
    if (mPic->Image().isNull()) return;
    const PaintOptions options = Prepared(optionsIn);
    const std::vector<std::vector<int>> dirty = RelayOutEditedDates(layout, days, columns, options.framePlacement);
    {
        TimetableRenderer renderer(layout, days, options);
        QPainter painter(&mPic->Image());
        const auto& rows = layout.Rows();
        for (std::size_t c = 0; c < dirty.size() && c < layout.Columns().size(); ++c) {
            if (dirty[c].empty()) continue;
            for (int row : dirty[c]) renderer.PaintCell(painter, static_cast<int>(c), row);
            for (FrameBox& box : days[c]) {
                bool touches = false;
                for (int row : dirty[c])
                    touches = touches || (box.rect.top < rows[row].rect.bottom && box.rect.bottom > rows[row].rect.top);
                if (touches) renderer.PaintFrame(painter, static_cast<int>(c), box, false);
            }
        }
    }
    for (int column : columns) RedrawDate(layout, days, column, options);
    RedrawSelection(layout, days, options);
}

void TimetableView::RedrawFrame(const ViewLayout& layout, std::vector<DayBoxes>& days, const TCInf* frame,
                                bool neighbourLabels, const PaintOptions& optionsIn) {
    if (mPic->Image().isNull()) return;
    const PaintOptions options = Prepared(optionsIn);
    TimetableRenderer renderer(layout, days, options);
    int column = 0;
    FrameBox* box = renderer.FindBox(frame, &column);
    if (!box) return;
    QPainter painter(&mPic->Image());
    renderer.PaintFrame(painter, column, *box, neighbourLabels);
    mPic->update();
}

void TimetableView::RedrawSelection(const ViewLayout& layout, std::vector<DayBoxes>& days, const PaintOptions& optionsIn) {
    if (mPic->Image().isNull()) return;
    const PaintOptions options = Prepared(optionsIn);
    TimetableRenderer renderer(layout, days, options);
    QPainter painter(&mPic->Image());
    renderer.PaintSelection(painter);
    mPic->update();
}

void TimetableView::RedrawHeader(const ViewLayout& layout, const PaintOptions& optionsIn, int column) {
    if (mFixedTop->Image().isNull()) return;
    const PaintOptions options = Prepared(optionsIn);
    std::vector<DayBoxes> none;
    TimetableRenderer renderer(layout, none, options);
    QPainter painter(&mFixedTop->Image());
    if (column >= 0 && column < static_cast<int>(layout.Columns().size())) renderer.PaintHeaderColumn(painter, column);
    else renderer.PaintHeader(painter);
    mFixedTop->update();
}

void TimetableView::RedrawCorners(const ViewLayout& layout, const PaintOptions& optionsIn) {
    if (mFixedKado->Image().isNull()) return;
    const PaintOptions options = Prepared(optionsIn);
    std::vector<DayBoxes> none;
    TimetableRenderer renderer(layout, none, options);
    {
        QPainter painter(&mFixedKado->Image());
        renderer.PaintCorner(painter, false);
    }
    {
        QPainter painter(&mFixedKado2->Image());
        renderer.PaintCorner(painter, true);
    }
    mFixedKado->update();
    mFixedKado2->update();
}

void TimetableView::ShowPreview(const ViewLayout& layout, const Date& start, const LineStore& store,
                                const PaintOptions& optionsIn) {
    if (mPic->Image().isNull() || mFixedTop->Image().isNull()) return;
    const PaintOptions options = Prepared(optionsIn);
    const ViewLayout preview = PreviewLayout(layout, start);
    {
        QPainter painter(&mFixedTop->Image());
        PaintPreviewHeader(painter, preview, options);
    }
    {
        // Only what the scroll box shows.
        const QScrollBar* h = mScrBoxPic->horizontalScrollBar();
        const QScrollBar* v = mScrBoxPic->verticalScrollBar();
        const QSize viewport = mScrBoxPic->viewport()->size();
        const PixelRect visible{h->value(), v->value(), h->value() + viewport.width(), v->value() + viewport.height()};
        QPainter painter(&mPic->Image());
        PaintPreviewGrid(painter, preview, store, options, &visible);
    }
    mFixedTop->update();
    mPic->update();
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
