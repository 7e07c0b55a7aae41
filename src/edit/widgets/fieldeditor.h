#pragma once
// The in-place title editor `mmMemo`: a plain text box laid over a frame's title field. It
// tells its owner of every change of its text and of being left (focus lost, Esc, or a
// double-click inside it).

#include <QPlainTextEdit>
#include <functional>

namespace mv {

class FieldEditor : public QPlainTextEdit {
public:
    explicit FieldEditor(QWidget* picture);

    std::function<void(const QString&)> onChanged;
    std::function<void()> onLeft;

    // Shows the text in the rectangle and takes the focus.
    void Open(const QString& text, const QRect& where, int fontPixelHeight);
    // Hides it; `onLeft` is told once.
    void Close();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool mOpening = false;
};

}  // namespace mv
