#include "edit/widgets/memoline.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

namespace mv {

MemoLinePanel::MemoLinePanel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("pnlMemoLine"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setMinimumHeight(22);
    setCursor(Qt::OpenHandCursor);
}

void MemoLinePanel::SetLine(const QString& line) {
    mLine = line;
    setText(line.isEmpty() && text().isEmpty() ? QString() : QStringLiteral(" ") + line);
}

void MemoLinePanel::mousePressEvent(QMouseEvent* event) {
    mPressed = event->button() == Qt::LeftButton;
    mPressedAt = event->position().toPoint();
    QLabel::mousePressEvent(event);
}

void MemoLinePanel::mouseMoveEvent(QMouseEvent* event) {
    if (!mPressed || (event->position().toPoint() - mPressedAt).manhattanLength() < QApplication::startDragDistance())
        return;
    mPressed = false;
    if (mLine.trimmed().isEmpty()) return;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kMemoLineMime), mLine.trimmed().toUtf8());
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

}  // namespace mv
