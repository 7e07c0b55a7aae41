#include "edit/widgets/movepreview.h"

#include <QPainter>

#include "model/codec.h"

namespace mv {

MovePreview::MovePreview(QWidget* picture) : QWidget(picture), mTimeLabel(new QLabel(picture)) {
    setObjectName(QStringLiteral("pnlMove"));
    mTimeLabel->setObjectName(QStringLiteral("pnlMoveHM"));
    for (QWidget* widget : {static_cast<QWidget*>(this), static_cast<QWidget*>(mTimeLabel)}) {
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget->hide();
    }
    mTimeLabel->setAutoFillBackground(true);
    QPalette palette = mTimeLabel->palette();
    palette.setColor(QPalette::Window, QColor(128, 0, 0));
    palette.setColor(QPalette::WindowText, Qt::white);
    mTimeLabel->setPalette(palette);
}

void MovePreview::ShowPicture(const PreviewPicture& picture, const TCInf& frame, const ViewLayout& layout,
                              const PaintOptions& options, bool copy, bool chosen) {
    const PixelRect& rect = picture.frame;
    const QSize size(std::max(1, rect.Width() + 1), std::max(1, rect.Height() + 1));
    if (mImage.size() != size) mImage = QImage(size, QImage::Format_RGB32);
    TCInf shown = frame;
    shown.STime = picture.start;
    shown.ETime = picture.end;
    shown.KeptSTime = shown.KeptETime = 0;
    FrameBox box;
    box.frame = &shown;
    box.start = picture.start;
    box.end = picture.end;
    box.rect = rect;
    box.valid = true;
    PaintOptions plain = options;
    plain.timeDisplay = false;
    plain.selected = nullptr;
    // A copy is drawn green and a chosen frame navy, both with light text, as the renderer
    // draws chosen frames.
    const std::vector<const TCInf*> marked{&shown};
    plain.multiSelection = copy || chosen ? &marked : nullptr;
    plain.copyInProgress = copy;
    std::vector<DayBoxes> none;
    {
        QPainter painter(&mImage);
        painter.translate(-rect.left, -rect.top);
        TimetableRenderer renderer(layout, none, plain);
        renderer.PaintFrame(painter, 0, box, false);
    }
    setGeometry(rect.left, rect.top, size.width(), size.height());
    show();
    raise();
    update();

    if (picture.label.empty()) {
        mTimeLabel->hide();
        return;
    }
    QFont font = mTimeLabel->font();
    font.setPixelSize(std::max(6, layout.Metrics().fontPixelHeight));
    mTimeLabel->setFont(font);
    mTimeLabel->setText(QString::fromStdString(ToUtf8(picture.label)));
    const PixelRect& label = picture.labelRect;
    mTimeLabel->setGeometry(label.left, label.top, label.Width(), label.Height());
    mTimeLabel->show();
    mTimeLabel->raise();
}

void MovePreview::HidePicture() {
    hide();
    mTimeLabel->hide();
}

void MovePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, mImage);
}

}  // namespace mv
