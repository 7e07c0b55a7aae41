#pragma once
// Hands the picture's mouse events to the edit controller as plain pointer events in
// picture coordinates, and shows the pointer shapes it asks for.

#include <QObject>
#include <functional>

#include "edit/editcontroller.h"

class QWidget;

namespace mv {

class PicturePointer : public QObject {
public:
    // `beforeEach` brings the controller's options up to date before every event; it is told
    // whether the event is a press.
    PicturePointer(QWidget& picture, EditController& controller, std::function<void(bool press)> beforeEach);

    static Qt::CursorShape CursorOf(PointerShape shape);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& mPicture;
    EditController& mController;
    std::function<void(bool press)> mBeforeEach;
};

}  // namespace mv
