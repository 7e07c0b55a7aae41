#pragma once
// `pnlMemoLine`: the memo line under the caret, shown with a leading blank and dragged from
// here onto a frame, where it becomes a title. The drag carries the line as this program's
// own kind of data, so that only the design picture takes it.

#include <QLabel>
#include <QPoint>

namespace mv {

inline constexpr const char* kMemoLineMime = "application/x-marovelantis-memo-line";

class MemoLinePanel : public QLabel {
public:
    explicit MemoLinePanel(QWidget* parent);
    void SetLine(const QString& line);
    const QString& Line() const { return mLine; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString mLine;
    QPoint mPressedAt;
    bool mPressed = false;
};

}  // namespace mv
