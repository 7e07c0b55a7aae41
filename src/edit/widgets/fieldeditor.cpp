#include "edit/widgets/fieldeditor.h"

#include <QKeyEvent>

namespace mv {

FieldEditor::FieldEditor(QWidget* picture) : QPlainTextEdit(picture) {
    setObjectName(QStringLiteral("mmMemo"));
    setStyleSheet(QStringLiteral("QPlainTextEdit { color: black; background: white; }"));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    hide();
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!mOpening && isVisible() && onChanged) onChanged(toPlainText());
    });
}

void FieldEditor::Open(const QString& text, const QRect& where, int fontPixelHeight) {
    mOpening = true;
    QFont shown = font();
    shown.setPixelSize(std::max(6, fontPixelHeight));
    setFont(shown);
    setPlainText(text);
    setGeometry(where);
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    moveCursor(QTextCursor::End);
    mOpening = false;
}

void FieldEditor::Close() {
    if (!isVisible()) return;
    hide();
    if (onLeft) onLeft();
}

void FieldEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    // A menu or a message box opened over it takes the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) Close();
}

void FieldEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Close();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void FieldEditor::mouseDoubleClickEvent(QMouseEvent*) { Close(); }

}  // namespace mv
