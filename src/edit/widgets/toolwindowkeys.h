#pragma once
// The design window's own keys (Enter, Delete, Esc) are window shortcuts, and its tool
// windows are its children, so those keys would fire there too. A tool window's event()
// calls this first: keys without Ctrl or Alt then reach the tool window's focused control.

#include <QEvent>
#include <QKeyEvent>

namespace mv {

// True when the event was a plain key's shortcut override, now taken by the tool window.
inline bool KeepPlainKeys(QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    event->accept();
    return true;
}

}  // namespace mv
