#include "app/window/picturepointer.h"

#include <QMouseEvent>
#include <QWidget>

namespace mv {

namespace {

PointerButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return PointerButton::Left;
    case Qt::RightButton: return PointerButton::Right;
    case Qt::MiddleButton: return PointerButton::Middle;
    default: return PointerButton::None;
    }
}

PointerEvent PointerOf(const QMouseEvent& mouse, PointerButton button) {
    PointerEvent event;
    const QPoint at = mouse.position().toPoint();
    event.x = at.x();
    event.y = at.y();
    event.button = button;
    event.shift = mouse.modifiers() & Qt::ShiftModifier;
    event.ctrl = mouse.modifiers() & Qt::ControlModifier;
    return event;
}

}  // namespace

PicturePointer::PicturePointer(QWidget& picture, EditController& controller, std::function<void(bool press)> beforeEach)
    : QObject(&picture), mPicture(picture), mController(controller), mBeforeEach(std::move(beforeEach)) {
    picture.setMouseTracking(true);
    picture.installEventFilter(this);
}

Qt::CursorShape PicturePointer::CursorOf(PointerShape shape) {
    switch (shape) {
    case PointerShape::SizeVertical: return Qt::SizeVerCursor;
    case PointerShape::SizeHorizontal: return Qt::SizeHorCursor;
    case PointerShape::PointingHand: return Qt::PointingHandCursor;
    case PointerShape::Drag: return Qt::DragMoveCursor;
    case PointerShape::Accept: return Qt::UpArrowCursor;
    case PointerShape::Refuse: return Qt::ForbiddenCursor;
    default: return Qt::ArrowCursor;
    }
}

bool PicturePointer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &mPicture) return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease ||
        type == QEvent::MouseButtonDblClick)
        mBeforeEach(type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        mController.MouseDown(PointerOf(*mouse, ButtonOf(mouse->button())));
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // A move reports the button held: the left one takes precedence over the right.
        const Qt::MouseButtons held = mouse->buttons();
        const PointerButton button = held & Qt::LeftButton    ? PointerButton::Left
                                     : held & Qt::RightButton ? PointerButton::Right
                                                              : PointerButton::None;
        mController.MouseMove(PointerOf(*mouse, button));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        mController.MouseUp(PointerOf(*mouse, ButtonOf(mouse->button())));
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) mController.DoubleClick(PointerOf(*mouse, PointerButton::Left));
        return true;
    }
    default: return false;
    }
}

}  // namespace mv
