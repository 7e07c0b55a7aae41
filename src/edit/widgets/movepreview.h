#pragma once
// The floating preview of a dragged frame, `pnlMove` with the frame painted into `imgMove`,
// and the time label `pnlMoveHM` beside it. Both lie on the picture and let the pointer
// through, so the picture keeps getting the drag's events.

#include <QImage>
#include <QLabel>
#include <QWidget>

#include "edit/dragpreview.h"
#include "view/renderer.h"

namespace mv {

class MovePreview : public QWidget {
public:
    explicit MovePreview(QWidget* picture);

    // Paints the frame as it would be at the preview's place and times: on green while it is
    // copied, on navy when it is one of the chosen frames.
    void ShowPicture(const PreviewPicture& picture, const TCInf& frame, const ViewLayout& layout,
                     const PaintOptions& options, bool copy, bool chosen);
    void HidePicture();
    QLabel* TimeLabel() { return mTimeLabel; }
    const QImage& Image() const { return mImage; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage mImage;
    QLabel* mTimeLabel;
};

}  // namespace mv
